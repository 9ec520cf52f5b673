// The editor panel below the drawing surface: the property and generator edits with their
// up-downs, the navigation and command buttons, the cave/level label and the Demo indicator,
// each at its place in the 800 × 530 client area. The window owns the panel and hears from it
// through callbacks; the texts live in the editor model and are shown here.
#pragma once
#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "editor/editor_fields.h"
#include "editor/editor_state.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace quarrion {

// The editor's client area: the surface above, the panel below it, then the cursor line.
constexpr int kEditorClientWidth = 800;
constexpr int kEditorClientHeight = 546;

// Two arrows bound to an edit: left/right when horizontal, up/down when vertical.
class UpDownButtons : public QWidget {
  Q_OBJECT
 public:
  UpDownButtons(QWidget* parent, bool horizontal, std::function<void(int delta)> onArrow);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  bool horizontal_;
  QToolButton* less_;
  QToolButton* more_;
};

// The drawing tools' modifier flags (Ctrl fills, Shift draws lines, Alt picks) from Qt's.
int ToolModifiers(Qt::KeyboardModifiers held);

class EditorPanelControls {
 public:
  struct Callbacks {
    // typed into an edit; false refuses the text and the edit shows its last one again
    std::function<bool(int field, const std::string& text)> edited;
    std::function<void(int field, int delta)> arrow;                  // an up-down pressed
    std::function<void(const std::string& button)> clicked;           // a button by its name
  };
  EditorPanelControls(QWidget* parent, Callbacks callbacks);

  // Every control of the panel by its name, for texts, key forwarding and tests.
  QWidget* Control(const std::string& name) const;
  const std::map<std::string, QWidget*>& Controls() const { return controls_; }
  // The controls whose key presses also reach the window's key handler.
  std::vector<QWidget*> KeyForwarding() const;
  bool ForwardsKeys(const QObject* control) const;
  // The eleven edits, which take digits only.
  const std::array<QLineEdit*, kPanelFieldCount>& Edits() const { return edits_; }

  // The panel texts as the model holds them.
  void ShowTexts(const EditorPanel& panel);
  void ShowCaveLevel(const CaveLevelLabel& label);
  // The line below the panel naming the cell under the mouse; empty off the cave.
  void ShowCursorLine(const QString& text);
  // After a language change: each label and button caption made to fit its room, narrowing or
  // shrinking the font where a language's text is longer than the English one.
  void FitCaptions();
  // Shown and enabled in the editor; hidden and disabled otherwise.
  void SetActive(bool active);

  QPushButton* TestCaveButton() const { return testCave_; }
  QRadioButton* DemoRadio() const { return demo_; }

 private:
  QPushButton* AddButton(const char* name, int x, int y, int w, int h, bool forwardsKeys);
  Callbacks callbacks_;
  QWidget* parent_;
  std::map<std::string, QWidget*> controls_;
  std::vector<QWidget*> keyForwarding_;
  std::array<QLineEdit*, kPanelFieldCount> edits_{};
  std::array<QString, kPanelFieldCount> lastTexts_;
  QLabel* caveLevel_ = nullptr;
  QLabel* cursorLine_ = nullptr;
  QRadioButton* demo_ = nullptr;
  QPushButton* testCave_ = nullptr;
};

}  // namespace quarrion
