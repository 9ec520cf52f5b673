// The hint in the game (Game menu and F1): the game pauses, the solver searches on from a copy of
// the game as it stands, and the next moves, up to eight cells, are drawn as faint arrows over
// the cave until the player moves or resumes. A game in which a hint was asked for stores no
// hi-score. When the search finds nothing within its few seconds, the status strip says so.
#pragma once
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <vector>

#include "core/game_state.h"
#include "core/shell_hooks.h"
#include "solver/hint.h"
#include "solver/solver.h"
#include "view/view_state.h"

class QAction;
class QMenu;

namespace quarrion {

class ScreenWidget;

class GameHint : public QObject {
 public:
  static constexpr double kBudgetSeconds = 4.0;

  // screen is the widget that shows the surface; the arrows are drawn on a layer above it.
  GameHint(ScreenWidget* screen, GameState& game, const ViewState& view, ShellHooks& shell,
           std::function<int()> language);
  ~GameHint() override;

  // The Game menu item, placed before the given item.
  void AddMenuItem(QMenu* gameMenu, QAction* before);
  void ApplyLanguage(int language);
  QAction* MenuAction() const { return action_; }

  // Pauses a game in play and starts the search; nothing outside play or while a search runs.
  void Ask();
  // A key went down: the arrows go as soon as the player acts (F1 itself excepted).
  void KeyPressed(int qtKey);
  bool Searching() const { return searching_; }
  const std::vector<HintCell>& Path() const { return path_; }
  const QString& Message() const { return message_; }
  QWidget* Layer() const { return layer_; }

 private:
  void Poll();
  void Clear();
  // Still the same pass, still paused: otherwise the arrows are out of date.
  bool StillValid() const;

  ScreenWidget* screen_;
  GameState& game_;
  const ViewState& view_;
  ShellHooks& shell_;
  std::function<int()> language_;
  Solver solver_;
  QTimer poll_;
  QAction* action_ = nullptr;
  QWidget* layer_ = nullptr;
  std::unique_ptr<GameState> from_;  // the game when the hint was asked for
  std::vector<HintCell> path_;
  QString message_;
  bool searching_ = false;
};

}  // namespace quarrion
