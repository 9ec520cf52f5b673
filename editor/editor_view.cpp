#include "editor/editor_view.h"

#include "core/elements.h"
#include "editor/drawing_tools.h"
#include "view/anim_tables.h"

namespace quarrion {
namespace {

constexpr int kSelectionFrame = 70;  // a Fonts item
constexpr int kInboxTable = 10;
constexpr int kDummyTable = 7;

int Table(const AnimTable& table, const GameState& game) { return table[std::size_t(AnimIndex(game.play))]; }

// The picture of palette entry i, as the palette row and the slots show it.
int PaletteImage(const GameState& game, int index) {
  if (index == 2) return 0;  // space is shown by item 0
  return EditorImageOf(game, kPaletteCodes[std::size_t(index)]);
}

void DrawCell(Media& media, int item, int cx, int cy) {
  if (item < 0) return;
  media.surface.StretchDraw(media.images, item, 0, Rect{cx * kEditorCell, cy * kEditorCell, kEditorCell, kEditorCell});
}

// A two-pixel frame around a cell: the closed outbox looks like steel half the time, and the
// inbox like a player, so the exits get a colour of their own.
void DrawExitMarker(Media& media, uint16_t color, int cx, int cy) {
  const int x = cx * kEditorCell;
  const int y = cy * kEditorCell;
  media.surface.FillRect(Rect{x, y, kEditorCell, 2}, color);
  media.surface.FillRect(Rect{x, y + kEditorCell - 2, kEditorCell, 2}, color);
  media.surface.FillRect(Rect{x, y + 2, 2, kEditorCell - 4}, color);
  media.surface.FillRect(Rect{x + kEditorCell - 2, y + 2, 2, kEditorCell - 4}, color);
}

}  // namespace

int EditorImageOf(const GameState& game, uint8_t code) {
  const PlayState& s = game.play;
  switch (code) {
    case 1: return kDirtImage + 4 * s.caveStyle;
    case 2: return kBrickImage;
    case 3: return Table(kMagicWallAnim, game);
    case 4: return kExitFlashImage + (s.animToggle & 1);  // the closed exit flashes with steel
    case 7: return kSteelImage;
    case 8: case 58: return 1 + (s.animToggle & 1);
    case 12: case 13: case 14: case 15: return Table(kFireflyAnim, game);
    case 18: case 19: case 20: case 21: return Table(kButterflyAnim, game);
    case 24: case 26: return kBoulderImage;
    case 28: case 30: return Table(kDiamondAnim, game);
    case 44: return Table(kAmoebaAnim, game);
    case 46: return Table(kSlimeAnim, game);
    case 50: return Table(kPlayerAnims[kInboxTable - kFirstPlayerAnim], game);  // the inbox shows as the player
    case 60: return Table(kPlayerAnims[kDummyTable - kFirstPlayerAnim], game);
    default: return -1;
  }
}

void DrawEditorView(GameState& game, EditorState& editor, Media& media) {
  PlayState& s = game.play;
  if (++s.subFrame > 7) {
    s.subFrame = 0;
    s.animToggle ^= 1;
  }
  media.surface.Fill(0);
  const bool small = IsSmallCave(s.caveNo);
  for (int cy = 0; cy < kMapHeight; ++cy) {
    for (int cx = 0; cx < kMapWidth; ++cx) {
      // outside a small cave lie demo bytes, not cells: steel is shown there
      const bool outside = small && (cx >= kSmallMapWidth || cy >= kSmallMapHeight);
      const uint8_t code = game.caves.Cell(s.caveNo, s.levelNo, cx, cy);
      DrawCell(media, outside ? kSteelImage : EditorImageOf(game, code), cx, cy);
      if (!outside && code == InBox) DrawExitMarker(media, kInboxMarkerColor, cx, cy);
      if (!outside && code == OutBox) DrawExitMarker(media, kOutboxMarkerColor, cx, cy);
    }
  }
  if (editor.paletteIndex >= 0) media.surface.Draw(media.fonts, kSelectionFrame, 0, PaletteFrameX(editor.paletteIndex), kPaletteFrameY);
  for (int slot = 0; slot < kGeneratorSlotCount; ++slot) media.surface.Draw(media.fonts, kSelectionFrame, 0, kSlotFrameX[slot], kPaletteFrameY);
  for (int slot = 0; slot < kGeneratorSlotCount; ++slot) {
    const int index = editor.generatorSlots[std::size_t(slot)];
    const int item = index > 13 ? 0 : PaletteImage(game, index);
    media.surface.StretchDraw(media.images, item, 0, Rect{kSlotImageX[slot], kPaletteImageY, kEditorCell, kEditorCell});
  }
  for (int index = 0; index < kPaletteSize; ++index) {
    const int item = PaletteImage(game, index);
    if (index == editor.paletteIndex) editor.brushImage = uint8_t(item);
    media.surface.StretchDraw(media.images, item, 0, Rect{PaletteImageX(index), kPaletteImageY, kEditorCell, kEditorCell});
  }
  const CellPos start = editor.rectStart;
  const CellPos drag = editor.rectDrag;
  if (drag.y > start.y && drag.x > start.x && editor.paletteIndex >= 0) {
    for (int cy = start.y; cy <= drag.y; ++cy)
      for (int cx = start.x; cx <= drag.x; ++cx) DrawCell(media, editor.brushImage, cx, cy);
  }
  if (editor.stroke == StrokeTool::Line && editor.paletteIndex >= 0) {
    for (const CellPos& cell : LineCells(editor.lineStart, editor.lineDrag)) DrawCell(media, editor.brushImage, cell.x, cell.y);
  }
  media.surface.Flip();
}

}  // namespace quarrion
