#include "editor/editor_fields.h"

#include <algorithm>

#include "core/cave_start.h"

namespace quarrion {

std::optional<int> ReadPanelNumber(std::string_view text) {
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  if (i == text.size()) return std::nullopt;
  long value = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    // anything this long is out of every range; stop before it could overflow
    value = std::min(value * 10 + (text[i] - '0'), 1'000'000L);
  }
  return int(negative ? -value : value);
}

void LoadEditorFields(GameState& game, EditorState& editor) {
  const PlayState& s = game.play;
  game.play.caveStyle = CaveStyleOf(s.caveNo);
  for (int field = 0; field < kPanelFieldCount; ++field) {
    const uint8_t value = game.caves.PropertyAt(s.caveNo, s.levelNo, kPanelFields[std::size_t(field)].column);
    editor.panel.texts[std::size_t(field)] = std::to_string(value);
  }
  for (int slot = 0; slot < kGeneratorSlotCount; ++slot)
    editor.generatorSlots[std::size_t(slot)] = game.caves.PropertyAt(s.caveNo, s.levelNo, PropGeneratorFill + slot);
}

void StoreEditorFields(GameState& game, EditorState& editor) {
  const PlayState& s = game.play;
  constexpr PanelField kStoreOrder[kPanelFieldCount] = {
      FieldCaveTime,     FieldDiamonds,     FieldValue,        FieldBonus,        FieldMagicTime,   FieldAmoebaTime,
      FieldRandElement0, FieldRandElement1, FieldRandElement2, FieldRandElement3, FieldRandElement4};
  for (PanelField field : kStoreOrder) {
    const std::optional<int> value = ReadPanelNumber(editor.panel.texts[std::size_t(field)]);
    if (!value || *value < 0 || *value > 255) return;  // a bad text ends the store, slots included
    game.caves.PropertyAt(s.caveNo, s.levelNo, kPanelFields[std::size_t(field)].column) = uint8_t(*value);
  }
  for (int slot = 0; slot < kGeneratorSlotCount; ++slot)
    game.caves.PropertyAt(s.caveNo, s.levelNo, PropGeneratorFill + slot) = editor.generatorSlots[std::size_t(slot)];
}

namespace {

bool StepNumber(GameState& game, EditorState& editor, uint8_t& number, int delta, int last) {
  const int next = number + delta;
  if (next < 0 || next > last) return false;  // no wrap-around at either end
  StoreEditorFields(game, editor);
  number = uint8_t(next);
  LoadEditorFields(game, editor);
  return true;
}

}  // namespace

bool StepEditorCave(GameState& game, EditorState& editor, int delta) {
  return StepNumber(game, editor, game.play.caveNo, delta, kCaveCount - 1);
}

bool StepEditorLevel(GameState& game, EditorState& editor, int delta) {
  return StepNumber(game, editor, game.play.levelNo, delta, kLevelCount - 1);
}

CaveLevelLabel ShowCaveLevel(const GameState& game) {
  const int cave = game.play.caveNo % kCaveCount;
  CaveLevelLabel label;
  label.text = std::string{char('A' + cave), '/', char('1' + game.play.levelNo % kLevelCount)};
  label.red = IsSmallCave(cave);
  label.demo = game.caves.DemoHeaderAt(cave, DemoFlagColumn) == kDemoPresent;
  return label;
}

void StepUpDown(EditorPanel& panel, int field, int delta) {
  if (field < 0 || field >= kPanelFieldCount) return;
  const PanelFieldInfo& info = kPanelFields[std::size_t(field)];
  int& position = panel.upDownPositions[std::size_t(field)];
  if (const std::optional<int> typed = ReadPanelNumber(panel.texts[std::size_t(field)]))
    position = std::clamp(*typed, info.minimum, info.maximum);
  position = std::clamp(position + delta, info.minimum, info.maximum);
  panel.texts[std::size_t(field)] = std::to_string(position);
}

}  // namespace quarrion
