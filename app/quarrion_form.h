// The main window: menus, the drawing surface, the two timers, keys and focus. It turns menu
// actions, keys and ticks into calls on the core, the view and the editor, and shows the surface.
#pragma once
#include <QMainWindow>
#include <QTimer>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/config.h"
#include "app/game_shell.h"
#include "app/qt_media.h"
#include "app/sdl_audio.h"
#include "core/cave_set_commands.h"
#include "view/key_commands.h"
#include "view/view_state.h"

class QAction;
class QMenu;

namespace quarrion {

class TGameSpeedForm;
class THelpForm;
class TAdvancedOptionsForm;

// What the window owns before its shell base is built: the game state and the six media parts.
struct FormParts {
  FormParts();
  std::unique_ptr<GameState> game;
  ViewState view;
  QtSurface surface;
  ImageList images;
  ImageList fonts;
  ImageList scratchImages;
  SdlSoundList waves;
  QtInput input;
  QtFrameTimer frameTimer;
  SdlMidiPlayer midi;
  Media media;
};

class TQuarrionForm : public QMainWindow, private FormParts, public GameShell, private KeyActions, private CaveSetDialogs {
  Q_OBJECT
 public:
  TQuarrionForm(std::string programFolder, std::vector<std::string> arguments);
  ~TQuarrionForm() override;

  // The start-up sequence; false when a default pack failed and the program must end.
  bool Creation();
  // Creates the dialogs, after the main window as the program entry does.
  void CreateDialogs();

  GameState& Game() { return *game; }
  bool GameClockRunning() const { return Timer_GameClock.isActive(); }
  bool FrameTimerEnabled() const { return frameTimer.Enabled(); }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  // ticks
  void GameTimer();
  void GameClock();
  void FocusChanged(bool active);
  void GamePauseWhenMenu();

  // ShellHooks
  void UpdateCamera() override;
  void DrawGameFrame() override;
  void PlayLoopedSound(int item) override;
  bool IsMuted() const override { return Shell().muted != 0; }
  void ReturnToTitle() override;
  void SetCaption(const std::string& caption) override;
  void SetPaletteIndex(int index) override { paletteIndex_ = int16_t(index); }
  void EnableDemoMenus() override;
  void EnableStartStopMenus() override;
  void LoadGraphicsForZoom() override;
  void ShowZoomMenu() override;

  // KeyActions and the menu commands
  void PlaySoundDirect(int item) override { media.waves.Play(item); }
  void ShowHelp() override;
  void Load() override;
  void ToggleMute() override;
  void ShowSpeedDialog() override;
  void ToggleFullScreen() override;
  void Start();
  void Stop();
  void RecordDemo();
  void PlayDemo();
  void EditorCave(int delta) override;
  void EditorLevel(int delta) override;

  // CaveSetDialogs
  std::optional<std::string> ChooseFileToOpen(const std::string& initialFolder) override;
  std::optional<std::string> ChooseFileToSave(const std::string& initialFolder) override;
  SaveAnswer AskSaveChanges() override;

  // menus and texts
  void CreateMenus();
  QAction* AddAction(QMenu* menu, const char* name, void (TQuarrionForm::*slot)());
  QAction* Action(const char* name) const;
  void ApplyLanguage();
  void SetLanguage(int language);
  void SetZoom(int zoom);
  void ShowFrame();
  bool LoadCaveSetAtStartup(const std::string& path);
  void MusicNotify();
  CaveSetCommandContext CaveSetContext();
  void RunScript();

  std::string programFolder_;
  std::vector<std::string> arguments_;
  Config config_;
  int16_t paletteIndex_ = -1;
  bool fullScreen_ = false;
  QRect windowedGeometry_;
  ScreenWidget* screen_ = nullptr;
  QTimer Timer_GameClock;
  QTimer midiService_;
  QMenu* GameMenu = nullptr;
  QMenu* OptionsMenu = nullptr;
  QMenu* HelpMenu = nullptr;
  QMenu* Menu_Zoom = nullptr;
  QMenu* OptionsMenu_Language = nullptr;
  std::map<std::string, QAction*> actions_;
  TGameSpeedForm* speedForm_ = nullptr;
  THelpForm* helpForm_ = nullptr;
  TAdvancedOptionsForm* advancedForm_ = nullptr;
};

}  // namespace quarrion
