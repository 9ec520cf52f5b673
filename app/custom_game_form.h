// The custom game dialog: picks the graphics, font, sound and music packs, packs numbered
// picture and sound files into packs and unpacks packs into such files. It reaches the rest of
// the program only through CustomGameHost, so it runs in tests without the main window.
#pragma once
#include <QDialog>
#include <QPoint>
#include <QRect>
#include <optional>
#include <string>
#include <string_view>

class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quarrion {

struct Config;
struct PackResult;
class ImageList;
class SoundList;

// What the dialog needs from the program. The main window implements it with its own state,
// media, timers and the real file and message windows.
class CustomGameHost {
 public:
  virtual ~CustomGameHost() = default;
  // The configuration whose six pack paths the dialog shows and changes in place.
  virtual Config& Paths() = 0;
  // The program folder, with its trailing separator.
  virtual std::string ProgramFolder() const = 0;
  virtual int InGame() const = 0;         // 0 title screen, 1 game, 2 editor view
  virtual bool EditorActive() const = 0;  // from opening the editor to leaving it, cave tests included
  virtual int Zoom() const = 0;           // 0, 1, 2 for 24, 32, 40 pixel tiles
  virtual bool Muted() const = 0;
  virtual ImageList& Fonts() = 0;  // the live font pictures
  virtual SoundList& Waves() = 0;  // the live sounds
  // Images from the current zoom's pack, with the default-pack fallback.
  virtual void LoadGraphicsForZoom() = 0;
  // Images straight from a 40-pixel pack for the editor view; the default 40-pixel pack when it
  // fails, and the end of the program when that fails too.
  virtual void LoadEditorImages(const std::string& path) = 0;
  virtual void StopMusic() = 0;
  virtual void RestartMusic() = 0;
  // Gives the MIDI player the file and opens it; false when it cannot be opened.
  virtual bool OpenMusic(const std::string& path) = 0;
  virtual void SetMusicAvailable(bool available) = 0;
  // Timer_GameSpeed (the frame timer) and Timer_GameClock together.
  virtual void SetTimersEnabled(bool enabled) = 0;
  // Modal open chooser with an empty file name; filter is a Qt name filter such as "*.dxg (*.dxg)".
  virtual std::optional<std::string> ChooseOpenFile(const std::string& startFolder, const std::string& filter) = 0;
  // Modal save chooser, as the open one; it asks before a file is replaced.
  virtual std::optional<std::string> ChooseSaveFile(const std::string& startFolder, const std::string& filter) = 0;
  // Message box with an information icon and OK only.
  virtual void ShowNotice(const std::string& text, const std::string& caption) = 0;
  // Message box with a warning icon and Yes and No; true for Yes.
  // A warning with OK only: a pack or unpack that could not write its file.
  virtual void ShowWarning(const std::string& text, const std::string& caption) = 0;
  virtual bool AskYesNo(const std::string& text, const std::string& caption) = 0;
};

// A "description|pattern" filter as a Qt name filter: "*.bmp; *.wav|*.bmp; *.wav" becomes
// "*.bmp; *.wav (*.bmp *.wav)". Without a bar the text is both description and pattern.
std::string QtFileFilter(std::string_view filter);

// The file name without its folder; both '/' and '\' end a folder, so paths from a
// configuration written elsewhere still show their names.
std::string DisplayFileName(const std::string& path);

// Top-left corner that centres a window of the given size over another window.
QPoint CentredOver(const QRect& main, const QSize& dialog);

class TCustomGameForm : public QDialog {
  Q_OBJECT
 public:
  TCustomGameForm(QWidget* parent, CustomGameHost& host);

  // Centres the dialog over its parent, shows it modally and runs the closing steps.
  void ShowFor(int language);
  // The steps before and after the modal run: the game stands still in between.
  void Prepare(int language);
  void Finish();

  // Button handlers, public so that tests can press them without a modal run.
  void BCustomCloseClick();
  void BLoad24Click();
  void BLoad32Click();
  void BLoad40Click();
  void BLoadFontsClick();
  void BLoadSoundsClick();
  void BLoadMusicClick();
  void PackButtonClick();
  void UnpackButtonClick();

 private:
  void BuildControls();
  void ApplyTexts(int language);
  void FillFields();
  std::string DataFolder() const;
  std::string UnpackFolder() const;
  std::optional<std::string> ChooseOpen(const std::string& startFolder, std::string_view filter);
  std::optional<std::string> ChooseSave(std::string_view filter, std::string_view extension);
  void PackFiles(const std::string& chosenFile, bool sounds);
  void ReloadWaves();
  void ReportWriteFailure(const PackResult& result);

  CustomGameHost& host_;
  int language_ = 0;
  bool closedWithOk_ = false;
  QGroupBox* CustomGroupBox1;
  QGroupBox* CustomGroupBox2;
  QGridLayout* graphicsGrid_;
  QGridLayout* soundsGrid_;
  QLabel* CustomLabel24;
  QLabel* CustomLabel32;
  QLabel* CustomLabel40;
  QLabel* CustomLabelFonts;
  QLabel* CustomSoundsLabel;
  QLabel* CustomMusicLabel;
  QLineEdit* EditCustom24;
  QLineEdit* EditCustom32;
  QLineEdit* EditCustom40;
  QLineEdit* EditCustomFonts;
  QLineEdit* EditCustomSounds;
  QLineEdit* EditCustomMusic;
  QPushButton* BLoad24;
  QPushButton* BLoad32;
  QPushButton* BLoad40;
  QPushButton* BLoadFonts;
  QPushButton* BLoadSounds;
  QPushButton* BLoadMusic;
  QPushButton* PackButton;
  QPushButton* UnpackButton;
  QPushButton* BCustomClose;
};

}  // namespace quarrion
