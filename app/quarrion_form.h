// The main window: menus, the drawing surface, the two timers, keys and focus. It turns menu
// actions, keys and ticks into calls on the core, the view and the editor, and shows the surface.
#pragma once
#include <QMainWindow>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/config.h"
#include "app/display_mode.h"
#include "app/frame_pacing.h"
#include "app/game_shell.h"
#include "app/qt_media.h"
#include "app/sdl_audio.h"
#include "core/cave_set_commands.h"
#include "editor/drawing_tools.h"
#include "editor/editor_state.h"
#include "view/key_commands.h"
#include "view/view_state.h"

class QAction;
class QKeyEvent;
class QMenu;
class QString;
class QVBoxLayout;

namespace quarrion {

class TGameSpeedForm;
class THelpForm;
class TAdvancedOptionsForm;
class EditorPanelControls;
class FormCustomHost;
class TCustomGameForm;
class SolveCheck;
class GameHint;

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
  TCustomGameForm* CustomGameForm() const { return customForm_; }

  GameState& Game() { return *game; }
  EditorState& EditorModel() { return *editor_; }
  EditorPanelControls& Panel() { return *panel_; }
  // Opens the editor (the Caves Editor command, and the return from every cave test).
  void Editor();
  // The editor's Yes/No questions go here instead of a message box (for tests).
  using QuestionAnswerer = std::function<bool(const QString& text, const QString& caption)>;
  void SetQuestionAnswerer(QuestionAnswerer answerer) { askQuestion_ = std::move(answerer); }
  // The save question answered without a message box (for tests).
  void SetSaveAnswerer(std::function<SaveAnswer()> answerer) { askSave_ = std::move(answerer); }
  // The editor's mouse on the drawing surface, in surface pixels (buttons 1 left, 2 right, 3 middle).
  void EditorMouseDown(int button, int x, int y);
  // The same with the Ctrl, Shift and Alt keys given (kWith... bits) instead of read.
  void EditorMouseDownWith(int button, int x, int y, int modifiers);
  void EditorMouseMove(int heldButtons, int x, int y);
  void EditorMouseUp(int button, int x, int y);
  // A panel button by its name, as if clicked.
  void ClickPanelButton(const std::string& name);
  bool GameClockRunning() const { return Timer_GameClock.isActive(); }
  bool FrameTimerEnabled() const { return frameTimer.Enabled(); }
  int FrameTimerInterval() const { return frameTimer.TimerInterval(); }
  // One firing of the frame timer, for tests that step the game frame by frame.
  void FrameTick() { GameTimer(); }
  const Config& Settings() const { return config_; }
  bool IsFullScreen() const { return display_->FullScreen(); }
  // Where the surface is drawn inside the drawing widget, scale included.
  QRect SurfaceRect() const { return screen_->TargetRect(); }
  SolveCheck& SolvabilityCheck() { return *solveCheck_; }
  GameHint& Hint() { return *gameHint_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

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
  void PollInput() override;
  bool IsMuted() const override { return Shell().muted != 0; }
  void ReturnToTitle() override;
  void StoreEditorFields() override;
  void LoadEditorFields() override;
  void ShowCaveLevel() override;
  void HideEditorControls() override;
  void ReturnToEditor() override { Editor(); }
  void SetCaption(const std::string& caption) override;
  void SetPaletteIndex(int index) override { editor_->paletteIndex = int16_t(index); }
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
  void CustomWindow();
  void ToggleFullScreen() override;
  void ToggleResponsiveTaps();
  void Start();
  void Stop();
  void RecordDemo();
  void PlayDemo();
  void EditorCave(int delta) override;
  void EditorLevel(int delta) override;

  // the editor
  void CreateEditorPanel();
  void CreatePopups();
  void LeaveEditor();
  void ExitCommand();
  void SetGameMenuForEditor(bool editor);
  void PanelArrow(int field, int delta);
  void OpenPopup(const PopupRequest& request);
  void PopupChosen(PopupItem item);
  bool AskEditorQuestion(int entry);
  void FocusTestCave();
  void ShowPanelTexts();
  void EditorUndo();
  void EditorRedo();
  void UpdateUndoActions();
  // saves: the command writes the set, so a level without exits is asked about first.
  void RunCaveSetCommand(void (*command)(CaveSetCommandContext&), bool saves = false);
  bool LoadEditorImages();
  bool SurfaceEvent(QEvent* event);
  // Before the window goes: its widgets' last events must not reach a half-destroyed filter.
  void RemoveEditorFilters();
  bool ExitsConfirmedForKey(const QKeyEvent* key);
  // Asks before testing or saving a level without an inbox or outbox; true to go on.
  bool ConfirmExits();
  // Once a frame in the editor: the unsaved mark in the caption and the cursor line.
  void ShowEditorStatus();

  // CaveSetDialogs
  std::optional<std::string> ChooseFileToOpen(const std::string& initialFolder) override;
  std::optional<std::string> ChooseFileToSave(const std::string& initialFolder) override;
  SaveAnswer AskSaveChanges() override;
  void ShowWriteFailure(const std::string& path, const FileWriteResult& failure) override;

  // menus and texts
  void CreateMenus();
  QAction* AddAction(QMenu* menu, const char* name, void (TQuarrionForm::*slot)());
  QAction* Action(const char* name) const;
  void ApplyLanguage();
  void SetLanguage(int language);
  void SetZoom(int zoom);
  // The zoom as drawn: an unknown one draws as zoom 0.
  int ZoomInForce() const { return view.zoom <= 2 ? view.zoom : 0; }
  void ShowFrame();
  bool LoadCaveSetAtStartup(const std::string& path);
  void MusicNotify();
  CaveSetCommandContext CaveSetContext();
  void RunScript();

  std::string programFolder_;
  std::vector<std::string> arguments_;
  Config config_;
  std::unique_ptr<EditorState> editor_ = std::make_unique<EditorState>();
  std::unique_ptr<EditorPanelControls> panel_;  // the widgets themselves belong to the client area
  SolveCheck* solveCheck_ = nullptr;            // a child of the window
  GameHint* gameHint_ = nullptr;                // a child of the screen
  QWidget* client_ = nullptr;  // the surface and, in the editor, the panel below it
  QuestionAnswerer askQuestion_;
  std::function<SaveAnswer()> askSave_;
  QVBoxLayout* clientLayout_ = nullptr;
  QPoint cursorCell_{-1, -1};  // the editor cell under the mouse
  ScreenWidget* screen_ = nullptr;
  std::unique_ptr<DisplayMode> display_;
  QTimer Timer_GameClock;
  QTimer midiService_;
  QMenu* GameMenu = nullptr;
  QMenu* OptionsMenu = nullptr;
  QAction* HelpMenu = nullptr;  // opens the help at once: a menu bar item without a drop-down
  QMenu* Menu_Zoom = nullptr;
  QMenu* OptionsMenu_Language = nullptr;
  QMenu* EditMenu = nullptr;
  QMenu* PopupMenu_Flies = nullptr;
  QMenu* PopupMenu_StoneDiamond = nullptr;
  QMenu* PopupMenu_ExWalls = nullptr;
  std::map<std::string, QAction*> actions_;
  TGameSpeedForm* speedForm_ = nullptr;
  THelpForm* helpForm_ = nullptr;
  TAdvancedOptionsForm* advancedForm_ = nullptr;
  TCustomGameForm* customForm_ = nullptr;
  std::unique_ptr<FormCustomHost> customHost_;
  friend class FormCustomHost;
};

}  // namespace quarrion
