#include "editor/generator.h"

#include "core/elements.h"
#include "editor/editor_fields.h"
#include "editor/next_random.h"

namespace quarrion {
namespace {

uint8_t ReadGeneratorByte(const std::string& text) {
  const std::optional<int> value = ReadPanelNumber(text);
  return value && *value >= 0 && *value <= 255 ? uint8_t(*value) : 0;  // unreadable counts as 0
}

}  // namespace

uint8_t SlotElement(uint8_t paletteIndex) {
  return kPaletteCodes[paletteIndex < kPaletteSize ? paletteIndex : 0];
}

void GenerateLevel(GameState& game, const EditorState& editor) {
  const int cave = game.play.caveNo;
  const int level = game.play.levelNo;
  const bool small = IsSmallCave(cave);
  uint8_t probability[4];
  uint8_t element[4];
  for (int i = 0; i < 4; ++i) {
    probability[i] = ReadGeneratorByte(editor.panel.texts[std::size_t(FieldRandElement1 + i)]);
    element[i] = SlotElement(editor.generatorSlots[std::size_t(1 + i)]);
  }
  const uint8_t fill = SlotElement(editor.generatorSlots[0]);
  uint8_t seed1 = 0;
  uint8_t seed2 = ReadGeneratorByte(editor.panel.texts[FieldRandElement0]);

  // every one of the 840 cells draws, inside the cave or not, so a small cave gets the same pattern
  for (int y = 1; y < kMapHeight; ++y) {
    for (int x = 0; x < kMapWidth; ++x) {
      uint8_t code = fill;
      NextRandom(seed1, seed2);
      for (int i = 0; i < 4; ++i)
        if (seed1 < probability[i]) code = element[i];  // a later element wins
      if (!small || (x < kSmallMapWidth && y < kSmallMapHeight)) game.caves.Cell(cave, level, x, y) = code;
    }
  }
  const int width = small ? kSmallMapWidth : kMapWidth;
  const int height = small ? kSmallMapHeight : kMapHeight;
  for (int x = 0; x < width; ++x) {
    game.caves.Cell(cave, level, x, 0) = SteelWall;
    game.caves.Cell(cave, level, x, height - 1) = SteelWall;
  }
  for (int y = 0; y < height; ++y) {
    game.caves.Cell(cave, level, 0, y) = SteelWall;
    game.caves.Cell(cave, level, width - 1, y) = SteelWall;
  }
}

void GenerateCaveCommand(GameState& game, EditorState& editor) {
  StoreEditorFields(game, editor);
  GenerateLevel(game, editor);
  game.caveSet.cavesModified = 1;
  LoadEditorFields(game, editor);
  game.caves.DemoHeaderAt(game.play.caveNo, DemoFlagColumn) = 0;
}

}  // namespace quarrion
