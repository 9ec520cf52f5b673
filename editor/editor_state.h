// What the cave editor keeps beside the cave set: the panel's texts, the palette selection and
// generator slots, the clipboard, the mouse tools' corners and the undo history.
#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "core/cave_set.h"
#include "editor/undo_history.h"

namespace quarrion {

constexpr int kPaletteSize = 15;
constexpr int kNoPalette = -1;
// The element each palette entry paints; also what a generator slot's index stands for.
constexpr std::array<uint8_t, kPaletteSize> kPaletteCodes = {7, 1, 0, 24, 28, 50, 4, 12, 18, 2, 3, 8, 44, 46, 60};

constexpr int kGeneratorSlotCount = 5;

// The panel's eleven edits, in the order the language of the window lays them out.
enum PanelField : int {
  FieldCaveTime,
  FieldMagicTime,
  FieldAmoebaTime,
  FieldDiamonds,
  FieldValue,
  FieldBonus,
  FieldRandElement0,  // the generator seed
  FieldRandElement1,  // ..4: the generator probabilities
  FieldRandElement2,
  FieldRandElement3,
  FieldRandElement4,
  kPanelFieldCount
};

// Property column, range of the bound up-down and longest typed text of each panel edit.
struct PanelFieldInfo {
  int column;
  int minimum;
  int maximum;
  int maxLength;
};
constexpr std::array<PanelFieldInfo, kPanelFieldCount> kPanelFields = {{
    {PropCaveTime, 1, 255, 3},
    {PropMagicWallTime, 1, 255, 3},
    {PropAmoebaSlowTime, 1, 255, 3},
    {PropDiamondsNeeded, 1, 255, 3},
    {PropDiamondValue, 0, 99, 2},
    {PropBonusValue, 0, 99, 2},
    {PropGeneratorSeed, 0, 255, 3},
    {PropGeneratorProbability1, 0, 255, 3},
    {PropGeneratorProbability1 + 1, 0, 255, 3},
    {PropGeneratorProbability1 + 2, 0, 255, 3},
    {PropGeneratorProbability1 + 3, 0, 255, 3},
}};

struct EditorPanel {
  std::array<std::string, kPanelFieldCount> texts = {"120", "50", "50", "20", "5", "10", "0", "0", "0", "0", "0"};
  // where each up-down stands; it takes the edit's text when that reads as a number
  std::array<int, kPanelFieldCount> upDownPositions = {120, 50, 50, 20, 5, 10, 0, 0, 0, 0, 0};
};

struct CellPos {
  int16_t x = 0;
  int16_t y = 0;
  bool operator==(const CellPos&) const = default;
};

// One level's map and property row as Copy takes it: 40 columns of 22 map bytes and a property byte.
constexpr int kClipboardRows = kMapHeight + 1;
using CaveClipboard = std::array<std::array<uint8_t, kClipboardRows>, kMapWidth>;

// The left-button tool between press and release.
enum class StrokeTool : uint8_t { None, Paint, Line };

struct EditorState {
  int16_t paletteIndex = kNoPalette;
  std::array<uint8_t, kGeneratorSlotCount> generatorSlots{};
  EditorPanel panel;

  uint8_t clipboardFull = 0;
  CaveClipboard caveClipboard{};

  CellPos rectStart;
  CellPos rectDrag;
  CellPos rectEnd;
  CellPos popupCell;
  uint8_t popupElement = 0;
  uint8_t brushImage = 0;

  StrokeTool stroke = StrokeTool::None;
  CellPos lineStart;
  CellPos lineDrag;  // the other end of the line preview

  UndoHistory history;
  int typingField = -1;  // the panel edit whose typing is the open undo step, −1 for none
};

}  // namespace quarrion
