// The editor's mouse tools on the drawing surface: painting with the left button, filled
// rectangles with the right, the element popups of the middle button, palette and generator
// slot clicks, and the Random button. All of them write straight into the edited level.
#pragma once
#include <cstdint>
#include <vector>

#include "core/game_state.h"
#include "editor/editor_state.h"

namespace quarrion {

enum class MouseButton { Left, Right, Middle };
// Held buttons as MouseMovement receives them.
constexpr int kHeldLeft = 1;
constexpr int kHeldRight = 2;
constexpr int kHeldMiddle = 4;
// Keys held with a press, for the designer's own tools: Ctrl fills, Shift draws a line, Alt picks.
constexpr int kWithCtrl = 1;
constexpr int kWithShift = 2;
constexpr int kWithAlt = 4;

// Surface layout of the editor view.
constexpr int kEditorCell = 20;
constexpr int kCaveAreaBottom = 440;  // rows 0..439 show the cave
constexpr int kPaletteTop = 442;
constexpr int kPaletteBottom = 469;
constexpr int kPaletteFrameY = 442;
constexpr int kPaletteImageY = 446;
constexpr int PaletteImageX(int index) { return 26 * index + 8; }
constexpr int PaletteFrameX(int index) { return 26 * index + 4; }
constexpr int kSlotFrameX[kGeneratorSlotCount] = {576, 632, 676, 720, 764};
constexpr int kSlotImageX[kGeneratorSlotCount] = {580, 636, 680, 724, 768};

// The element popups and their items.
enum class PopupMenu { None, Flies, StoneDiamond, ExWalls };
enum class PopupItem { FacingLeft, FacingUp, FacingRight, FacingDown, Stationary, Falling, Horizontal, Vertical };
constexpr int kPopupItemCount = 8;

// What a middle click asks the window to open: the popup, its checked item and the point.
struct PopupRequest {
  PopupMenu menu = PopupMenu::None;
  int checkedItem = -1;  // a PopupItem, -1 for none
  int x = 0;
  int y = 0;
};

// True when (x, y) is a cell of the edited cave: 40 × 22, or 20 × 12 in a small cave.
bool IsInsideEditedCave(const GameState& game, int x, int y);

// Button pressed at surface pixel (x, y), with the kWith... keys held. A middle press on an
// element without a popup, and an Alt left press, pick the element instead.
PopupRequest MouseButtonDown(GameState& game, EditorState& editor, MouseButton button, int x, int y,
                             int modifiers = 0);
// The mouse moved to (x, y) with these buttons held (kHeld... bits).
void MouseMovement(GameState& game, EditorState& editor, int heldButtons, int x, int y);
void MouseButtonUp(GameState& game, EditorState& editor, MouseButton button, int x, int y);

// A popup item chosen: changes the cell of the last middle click by what it held then.
void ChoosePopupItem(GameState& game, EditorState& editor, PopupItem item);

// Ten cells inside the border take the selected element.
void RandomClick(GameState& game, EditorState& editor);

// The palette entry that paints a code, its facing or falling twins included; −1 for none.
int PaletteIndexOf(uint8_t code);
// The element of a cell becomes the palette selection. False when the cell is outside the cave
// or its code has no palette entry.
bool PickElement(GameState& game, EditorState& editor, int cx, int cy);
// The connected area (side by side, not across corners) of the cell's element takes the
// selected element. Returns the number of cells changed.
int FloodFill(GameState& game, EditorState& editor, int cx, int cy);
// The cells of the straight line between two cells, both ends included, in the order drawn.
std::vector<CellPos> LineCells(CellPos from, CellPos to);

// The full stop (+1) and comma (−1) keys on the palette: the keyboard reaches Slime, not the dummy.
void PaletteKey(EditorState& editor, int delta);

}  // namespace quarrion
