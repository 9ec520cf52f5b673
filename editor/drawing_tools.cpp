#include "editor/drawing_tools.h"

#include <cstdlib>

#include "core/elements.h"
#include "editor/editor_fields.h"

namespace quarrion {
namespace {

constexpr int kMaxKeyPalette = 13;

uint8_t& LevelCell(GameState& game, int x, int y) { return game.caves.Cell(game.play.caveNo, game.play.levelNo, x, y); }

bool HasSelection(const EditorState& editor) {
  return editor.paletteIndex >= 0 && editor.paletteIndex < kPaletteSize;
}
uint8_t SelectedCode(const EditorState& editor) { return kPaletteCodes[std::size_t(editor.paletteIndex)]; }

void Paint(GameState& game, const EditorState& editor, int cx, int cy) {
  if (!IsInsideEditedCave(game, cx, cy)) return;  // outside a small cave lie its demo bytes
  LevelCell(game, cx, cy) = SelectedCode(editor);
  game.caveSet.cavesModified = 1;
}

int PopupItemFor(uint8_t code) {
  switch (code) {
    case 8: return int(PopupItem::Horizontal);
    case 12: case 19: return int(PopupItem::FacingLeft);
    case 13: case 20: return int(PopupItem::FacingUp);
    case 14: case 21: return int(PopupItem::FacingRight);
    case 15: case 18: return int(PopupItem::FacingDown);
    case 24: case 28: return int(PopupItem::Stationary);
    case 26: case 30: return int(PopupItem::Falling);
    case 58: return int(PopupItem::Vertical);
    default: return -1;
  }
}

PopupMenu PopupFor(uint8_t code) {
  if ((code >= 12 && code <= 15) || (code >= 18 && code <= 21)) return PopupMenu::Flies;
  if (code >= 24 && code <= 30) return PopupMenu::StoneDiamond;
  if (code == 8 || code == 58) return PopupMenu::ExWalls;
  return PopupMenu::None;
}

int SlotAt(int x) {
  constexpr int kSlotLeft[kGeneratorSlotCount] = {576, 632, 676, 720, 768};
  for (int slot = 0; slot < kGeneratorSlotCount; ++slot)
    if (x >= kSlotLeft[slot] && x <= kSlotLeft[slot] + 24) return slot;
  return -1;
}

}  // namespace

bool IsInsideEditedCave(const GameState& game, int x, int y) {
  const bool small = IsSmallCave(game.play.caveNo);
  const int width = small ? kSmallMapWidth : kMapWidth;
  const int height = small ? kSmallMapHeight : kMapHeight;
  return x >= 0 && x < width && y >= 0 && y < height;
}

PopupRequest MouseButtonDown(GameState& game, EditorState& editor, MouseButton button, int x, int y, int modifiers) {
  PopupRequest request;
  if (game.play.inGame != 2) return request;
  if (y >= 0 && y < kCaveAreaBottom && x >= 0) {
    const int cx = x / kEditorCell;
    const int cy = y / kEditorCell;
    const CellPos cell{int16_t(cx), int16_t(cy)};
    if (button == MouseButton::Middle) {
      if (!IsInsideEditedCave(game, cx, cy)) return request;
      editor.popupCell = cell;
      editor.popupElement = LevelCell(game, cx, cy);
      request.menu = PopupFor(editor.popupElement);
      if (request.menu == PopupMenu::None) {
        PickElement(game, editor, cx, cy);  // nothing to ask about this element: take it instead
        return request;
      }
      request.checkedItem = PopupItemFor(editor.popupElement);
      request.x = x;
      request.y = y;
      return request;
    }
    if (button == MouseButton::Left && (modifiers & kWithAlt)) {
      PickElement(game, editor, cx, cy);
      return request;
    }
    if (!HasSelection(editor)) return request;
    if (button == MouseButton::Left) {
      if (modifiers & kWithCtrl) {
        FloodFill(game, editor, cx, cy);
      } else if (modifiers & kWithShift) {
        editor.stroke = StrokeTool::Line;
        editor.lineStart = cell;
        editor.lineDrag = cell;
      } else {
        editor.stroke = StrokeTool::Paint;
        Paint(game, editor, cx, cy);
      }
    }
    if (button == MouseButton::Right) editor.rectStart = cell;
    return request;
  }
  if (y < kPaletteTop || y > kPaletteBottom) return request;
  if (x >= 2 && x <= 390) {
    editor.paletteIndex = int16_t((x - 4) / 26);  // truncated toward zero: x 2 and 3 give 0 as well
    return request;
  }
  const int slot = SlotAt(x);
  if (slot >= 0 && HasSelection(editor)) {
    // written through to the level at once, so no later bad text can lose it
    SetGeneratorSlot(game, editor, slot, editor.paletteIndex);
    game.caveSet.cavesModified = 1;
  }
  return request;
}

void MouseMovement(GameState& game, EditorState& editor, int heldButtons, int x, int y) {
  if (y > kCaveAreaBottom - 2) editor.rectDrag = {};  // off the cave the preview goes
  if (game.play.inGame != 2 || y < 0 || y >= kCaveAreaBottom) return;
  if ((heldButtons & kHeldLeft) && editor.stroke == StrokeTool::Line) {
    if (x >= 0 && x < kMapWidth * kEditorCell) editor.lineDrag = {int16_t(x / kEditorCell), int16_t(y / kEditorCell)};
  } else if ((heldButtons & kHeldLeft) && x >= 1 && x <= 799 && HasSelection(editor)) {
    Paint(game, editor, x / kEditorCell, y / kEditorCell);
  }
  if (heldButtons & kHeldRight) editor.rectDrag = {int16_t(x / kEditorCell), int16_t(y / kEditorCell)};
}

void MouseButtonUp(GameState& game, EditorState& editor, MouseButton button, int x, int y) {
  if (game.play.inGame != 2) return;
  if (button == MouseButton::Left) {
    const bool line = editor.stroke == StrokeTool::Line;
    editor.stroke = StrokeTool::None;
    if (!line || !HasSelection(editor)) return;
    // released off the cave, the line ends where its preview last stood
    if (y >= 0 && y < kCaveAreaBottom && x >= 0 && x < kMapWidth * kEditorCell)
      editor.lineDrag = {int16_t(x / kEditorCell), int16_t(y / kEditorCell)};
    for (const CellPos& cell : LineCells(editor.lineStart, editor.lineDrag)) Paint(game, editor, cell.x, cell.y);
    return;
  }
  if (button != MouseButton::Right || y < 0 || y >= kCaveAreaBottom) return;
  if (!HasSelection(editor)) return;
  editor.rectEnd = {int16_t(x / kEditorCell), int16_t(y / kEditorCell)};
  editor.rectDrag = {};
  const CellPos start = editor.rectStart;
  const CellPos end = editor.rectEnd;
  if (end.x <= start.x || end.y <= start.y) return;  // dragged up or left, or a single row or column
  for (int cy = start.y; cy <= end.y; ++cy)
    for (int cx = start.x; cx <= end.x; ++cx)
      if (IsInsideEditedCave(game, cx, cy)) LevelCell(game, cx, cy) = SelectedCode(editor);  // clipped to the cave
  game.caveSet.cavesModified = 1;
}

void ChoosePopupItem(GameState& game, EditorState& editor, PopupItem item) {
  constexpr uint8_t kFirefly[4] = {12, 13, 14, 15};
  constexpr uint8_t kButterfly[4] = {19, 20, 21, 18};
  const uint8_t was = editor.popupElement;
  uint8_t code = was;
  const int facing = int(item) - int(PopupItem::FacingLeft);
  if (item <= PopupItem::FacingDown) {
    if (was >= 12 && was <= 15) code = kFirefly[facing];
    if (was >= 18 && was <= 21) code = kButterfly[facing];
  } else if (item == PopupItem::Stationary || item == PopupItem::Falling) {
    const bool falling = item == PopupItem::Falling;
    if (was == 24 || was == 26) code = falling ? 26 : 24;
    if (was == 28 || was == 30) code = falling ? 30 : 28;
  } else if (was == 8 || was == 58) {
    code = item == PopupItem::Vertical ? 58 : 8;
  }
  if (IsInsideEditedCave(game, editor.popupCell.x, editor.popupCell.y) && code != was)
    LevelCell(game, editor.popupCell.x, editor.popupCell.y) = code;
  game.caveSet.cavesModified = 1;  // also when the choice changes nothing
}

void RandomClick(GameState& game, EditorState& editor) {
  if (!HasSelection(editor)) return;
  game.caveSet.cavesModified = 1;
  const bool small = IsSmallCave(game.play.caveNo);
  const uint32_t xs = small ? 18 : 38;
  const uint32_t ys = small ? 10 : 20;
  for (int i = 0; i < 10; ++i) {
    const int x = 1 + int(game.random(xs));  // x is drawn before y
    const int y = 1 + int(game.random(ys));
    LevelCell(game, x, y) = SelectedCode(editor);
  }
}

int PaletteIndexOf(uint8_t code) {
  switch (code) {
    case 13: case 14: case 15: return 7;   // a firefly of any facing
    case 19: case 20: case 21: return 8;   // a butterfly of any facing
    case 26: return 3;                     // a falling boulder
    case 30: return 4;                     // a falling diamond
    case 58: return 11;                    // the vertical expanding wall
    default: break;
  }
  for (int index = 0; index < kPaletteSize; ++index)
    if (kPaletteCodes[std::size_t(index)] == code) return index;
  return -1;
}

bool PickElement(GameState& game, EditorState& editor, int cx, int cy) {
  if (!IsInsideEditedCave(game, cx, cy)) return false;
  const int index = PaletteIndexOf(LevelCell(game, cx, cy));
  if (index < 0) return false;
  editor.paletteIndex = int16_t(index);
  return true;
}

int FloodFill(GameState& game, EditorState& editor, int cx, int cy) {
  if (!HasSelection(editor) || !IsInsideEditedCave(game, cx, cy)) return 0;
  const uint8_t from = LevelCell(game, cx, cy);
  const uint8_t to = SelectedCode(editor);
  if (from == to) return 0;  // already that element: nothing to fill
  int changed = 0;
  std::vector<CellPos> pending{{int16_t(cx), int16_t(cy)}};
  while (!pending.empty()) {
    const CellPos cell = pending.back();
    pending.pop_back();
    if (!IsInsideEditedCave(game, cell.x, cell.y) || LevelCell(game, cell.x, cell.y) != from) continue;
    LevelCell(game, cell.x, cell.y) = to;
    ++changed;
    pending.push_back({int16_t(cell.x + 1), cell.y});
    pending.push_back({int16_t(cell.x - 1), cell.y});
    pending.push_back({cell.x, int16_t(cell.y + 1)});
    pending.push_back({cell.x, int16_t(cell.y - 1)});
  }
  game.caveSet.cavesModified = 1;
  return changed;
}

std::vector<CellPos> LineCells(CellPos from, CellPos to) {
  // Bresenham: every step moves one cell along the longer axis
  std::vector<CellPos> cells;
  const int dx = std::abs(to.x - from.x);
  const int dy = -std::abs(to.y - from.y);
  const int sx = from.x < to.x ? 1 : -1;
  const int sy = from.y < to.y ? 1 : -1;
  int error = dx + dy;
  int x = from.x;
  int y = from.y;
  for (;;) {
    cells.push_back({int16_t(x), int16_t(y)});
    if (x == to.x && y == to.y) break;
    const int twice = 2 * error;
    if (twice >= dy) {
      error += dy;
      x += sx;
    }
    if (twice <= dx) {
      error += dx;
      y += sy;
    }
  }
  return cells;
}

void PaletteKey(EditorState& editor, int delta) {
  if (delta > 0 && editor.paletteIndex < kMaxKeyPalette) ++editor.paletteIndex;
  if (delta < 0 && editor.paletteIndex > 0) --editor.paletteIndex;
}

}  // namespace quarrion
