// The speed and help dialogs. Each takes its texts from the language table when it is shown.
#pragma once
#include <QDialog>
#include <cstdint>
#include <functional>

class QLabel;
class QSlider;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

namespace quarrion {

// A slider 0 (fast) .. 16 (slow); every move sets the speed at once, so the game behind the
// modal dialog shows it. There is no cancel.
class TGameSpeedForm : public QDialog {
  Q_OBJECT
 public:
  // onChange receives every new slider position, including the clamp made at creation.
  TGameSpeedForm(QWidget* parent, int speed, std::function<void(int)> onChange);
  void ShowFor(int language);
  int Position() const;

 private:
  QSlider* TrackBar_Speed;
  QLabel* Label_Fast;
  QLabel* Label_Slow;
  std::function<void(int)> onChange_;
};

class THelpForm : public QDialog {
  Q_OBJECT
 public:
  explicit THelpForm(QWidget* parent);
  // Shows the dialog modally; true when it was left with OK (which resumes a paused game).
  bool ShowFor(int language);

 private:
  QLabel* Label_ProgramName;
  QLabel* aboutLabels_[7];
  QPlainTextEdit* memo_;
};

}  // namespace quarrion

namespace quarrion {

struct GameState;

// Edits properties 6..11 of the current cave and level with arrows only; OK stores them.
class TAdvancedOptionsForm : public QDialog {
  Q_OBJECT
 public:
  TAdvancedOptionsForm(QWidget* parent, GameState& game, const uint8_t& language);

 protected:
  bool event(QEvent* event) override;

 private:
  void LoadFields();
  void Store();
  GameState& game_;
  const uint8_t& language_;
  QLabel* labels_[6];
  QSpinBox* fields_[6];
};

}  // namespace quarrion
