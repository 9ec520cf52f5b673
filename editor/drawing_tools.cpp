#include "editor/drawing_tools.h"

#include "core/elements.h"

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

PopupRequest MouseButtonDown(GameState& game, EditorState& editor, MouseButton button, int x, int y) {
  PopupRequest request;
  if (game.play.inGame != 2) return request;
  if (y >= 0 && y < kCaveAreaBottom && x >= 0) {
    const int cx = x / kEditorCell;
    const int cy = y / kEditorCell;
    if (button == MouseButton::Middle) {
      if (!IsInsideEditedCave(game, cx, cy)) return request;
      editor.popupCell = {int16_t(cx), int16_t(cy)};
      editor.popupElement = LevelCell(game, cx, cy);
      request.menu = PopupFor(editor.popupElement);
      request.checkedItem = PopupItemFor(editor.popupElement);
      request.x = x;
      request.y = y;
      return request;
    }
    if (!HasSelection(editor)) return request;
    if (button == MouseButton::Left) Paint(game, editor, cx, cy);
    if (button == MouseButton::Right) editor.rectStart = {int16_t(cx), int16_t(cy)};
    return request;
  }
  if (y < kPaletteTop || y > kPaletteBottom) return request;
  if (x >= 2 && x <= 390) {
    editor.paletteIndex = int16_t((x - 4) / 26);  // truncated toward zero: x 2 and 3 give 0 as well
    return request;
  }
  const int slot = SlotAt(x);
  if (slot >= 0 && HasSelection(editor)) {
    editor.generatorSlots[std::size_t(slot)] = uint8_t(editor.paletteIndex);
    game.caveSet.cavesModified = 1;
  }
  return request;
}

void MouseMovement(GameState& game, EditorState& editor, int heldButtons, int x, int y) {
  if (y > kCaveAreaBottom - 2) editor.rectDrag = {};  // off the cave the preview goes
  if (game.play.inGame != 2 || y < 0 || y >= kCaveAreaBottom) return;
  if ((heldButtons & kHeldLeft) && x >= 1 && x <= 799 && HasSelection(editor)) Paint(game, editor, x / kEditorCell, y / kEditorCell);
  if (heldButtons & kHeldRight) editor.rectDrag = {int16_t(x / kEditorCell), int16_t(y / kEditorCell)};
}

void MouseButtonUp(GameState& game, EditorState& editor, MouseButton button, int x, int y) {
  if (game.play.inGame != 2 || button != MouseButton::Right || y < 0 || y >= kCaveAreaBottom) return;
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

void PaletteKey(EditorState& editor, int delta) {
  if (delta > 0 && editor.paletteIndex < kMaxKeyPalette) ++editor.paletteIndex;
  if (delta < 0 && editor.paletteIndex > 0) --editor.paletteIndex;
}

}  // namespace quarrion
