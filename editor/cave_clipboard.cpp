#include "editor/cave_clipboard.h"

#include "core/elements.h"
#include "editor/editor_fields.h"

namespace quarrion {
namespace {

constexpr int kLevelPropertyColumns = kPropertyCount + kGeneratorColumns;  // 22

struct Area {
  int width;
  int height;
};
Area LevelArea(int cave) {
  return IsSmallCave(cave) ? Area{kSmallMapWidth, kSmallMapHeight} : Area{kMapWidth, kMapHeight};
}

}  // namespace

void CopyLevel(GameState& game, EditorState& editor) {
  StoreEditorFields(game, editor);
  const int cave = game.play.caveNo;
  const int level = game.play.levelNo;
  for (int column = 0; column < kLevelPropertyColumns; ++column)
    editor.caveClipboard[std::size_t(column)][kMapHeight] = game.caves.PropertyAt(cave, level, column);
  if (IsSmallCave(cave)) {
    for (auto& column : editor.caveClipboard)
      for (int y = 0; y < kMapHeight; ++y) column[std::size_t(y)] = SteelWall;
  }
  const Area area = LevelArea(cave);
  for (int y = 0; y < area.height; ++y)
    for (int x = 0; x < area.width; ++x) editor.caveClipboard[std::size_t(x)][std::size_t(y)] = game.caves.Cell(cave, level, x, y);
  editor.clipboardFull = 1;
}

bool PasteLevel(GameState& game, EditorState& editor) {
  if (editor.clipboardFull != 1) return false;
  const int cave = game.play.caveNo;
  const int level = game.play.levelNo;
  game.caveSet.cavesModified = 1;
  for (int column = 0; column < kLevelPropertyColumns; ++column)
    game.caves.PropertyAt(cave, level, column) = editor.caveClipboard[std::size_t(column)][kMapHeight];
  LoadEditorFields(game, editor);
  const Area area = LevelArea(cave);
  for (int y = 0; y < area.height; ++y)
    for (int x = 0; x < area.width; ++x) game.caves.Cell(cave, level, x, y) = editor.caveClipboard[std::size_t(x)][std::size_t(y)];
  game.caves.DemoHeaderAt(cave, DemoFlagColumn) = 0;
  return true;
}

void ClearLevel(GameState& game, EditorState& editor) {
  const int cave = game.play.caveNo;
  const int level = game.play.levelNo;
  game.caveSet.cavesModified = 1;
  for (int column = 0; column < kLevelPropertyColumns; ++column)
    game.caves.PropertyAt(cave, level, column) = column < kPropertyCount ? kDefaultProperties[std::size_t(column)] : 0;
  LoadEditorFields(game, editor);
  FillFramedDirt(game.caves, cave, level);
  game.caves.DemoHeaderAt(cave, DemoFlagColumn) = 0;
}

}  // namespace quarrion
