// A fresh game with a new cave set, the editor open on a chosen cave and level.
#pragma once
#include <memory>

#include "core/game_state.h"
#include "editor/editor_session.h"
#include "editor/editor_state.h"

namespace quarrion::testing {

struct EditorFixture {
  std::unique_ptr<GameState> game = std::make_unique<GameState>();
  std::unique_ptr<EditorState> editor = std::make_unique<EditorState>();

  explicit EditorFixture(int cave = 0, int level = 0) {
    game->play.caveNo = uint8_t(cave);
    game->play.levelNo = uint8_t(level);
    EnterEditor(*game, *editor);
  }
  uint8_t& Cell(int x, int y) { return game->caves.Cell(game->play.caveNo, game->play.levelNo, x, y); }
  uint8_t& Property(int column) { return game->caves.PropertyAt(game->play.caveNo, game->play.levelNo, column); }
  uint8_t& DemoFlag() { return game->caves.DemoHeaderAt(game->play.caveNo, DemoFlagColumn); }
  uint8_t Modified() const { return game->caveSet.cavesModified; }
};

}  // namespace quarrion::testing
