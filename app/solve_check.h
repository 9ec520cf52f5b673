// The editor's solvability check: the solver on the edited level in the background, a progress
// dialog with Cancel while the window stays responsive, the answer in a message box and, after a
// success, the offer to store the solution as the cave's demo as one undo step.
#pragma once
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>

#include "core/game_state.h"
#include "editor/editor_state.h"
#include "solver/solver.h"

class QAction;
class QMenu;
class QMenuBar;
class QProgressDialog;
class QPushButton;
class QWidget;

namespace quarrion {

class SolveCheck : public QObject {
 public:
  struct Hooks {
    std::function<void()> storeFields;  // the panel's texts into the cave set, as a test run does
    std::function<void()> changed;      // the demo went in: undo actions and panel to be shown anew
    std::function<int()> language;
    // the questions and messages; tests answer them without a message box
    std::function<bool(const QString& text)> ask;
    std::function<void(const QString& text)> tell;
  };
  static constexpr double kBudgetSeconds = 10.0;

  SolveCheck(QWidget* window, GameState& game, EditorState& editor, Hooks hooks);
  ~SolveCheck() override;

  // The Edit menu item and the button, hidden until the editor opens.
  void AddControls(QMenu* editMenu, QMenuBar* menuBar);
  void ApplyLanguage(int language);
  void SetActive(bool editorOpen);
  QPushButton* Button() const { return button_; }
  QAction* MenuAction() const { return action_; }

  // Starts the check on the cave and level the editor shows; nothing when one is running.
  void Run();
  bool Running() const { return running_; }
  void Cancel();
  SolveCheck::Hooks& HooksForTests() { return hooks_; }
  void SetBudgetSeconds(double seconds) { budgetSeconds_ = seconds; }

 private:
  void Poll();
  void Finish(const SolveOutcome& outcome);

  QWidget* window_;
  GameState& game_;
  EditorState& editor_;
  Hooks hooks_;
  Solver solver_;
  QTimer poll_;
  QProgressDialog* progress_ = nullptr;
  QAction* action_ = nullptr;
  QPushButton* button_ = nullptr;
  bool running_ = false;
  bool cancelled_ = false;
  int cave_ = 0;
  int level_ = 0;
  double budgetSeconds_ = kBudgetSeconds;
};

}  // namespace quarrion
