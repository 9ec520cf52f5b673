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

namespace {

// Writes one property byte; a byte that really changes is a change of the set.
void StoreProperty(GameState& game, int column, uint8_t value) {
  uint8_t& stored = game.caves.PropertyAt(game.play.caveNo, game.play.levelNo, column);
  if (stored == value) return;
  stored = value;
  game.caveSet.cavesModified = 1;
}

enum class StoreResult { Stored, Empty, Bad };

StoreResult StoreField(GameState& game, const EditorState& editor, int field) {
  const std::string& text = editor.panel.texts[std::size_t(field)];
  if (text.empty()) return StoreResult::Empty;  // a cleared edit keeps the stored value
  const std::optional<int> value = ReadPanelNumber(text);
  if (!value || *value < 0 || *value > 255) return StoreResult::Bad;
  StoreProperty(game, kPanelFields[std::size_t(field)].column, uint8_t(*value));
  return StoreResult::Stored;
}

}  // namespace

void StoreEditorFields(GameState& game, EditorState& editor) {
  constexpr PanelField kStoreOrder[kPanelFieldCount] = {
      FieldCaveTime,     FieldDiamonds,     FieldValue,        FieldBonus,        FieldMagicTime,   FieldAmoebaTime,
      FieldRandElement0, FieldRandElement1, FieldRandElement2, FieldRandElement3, FieldRandElement4};
  for (PanelField field : kStoreOrder)
    if (StoreField(game, editor, field) == StoreResult::Bad) return;  // a bad text ends the store, slots included
  for (int slot = 0; slot < kGeneratorSlotCount; ++slot)
    StoreProperty(game, PropGeneratorFill + slot, editor.generatorSlots[std::size_t(slot)]);
}

bool AcceptsPanelText(int field, std::string_view before, std::string_view text) {
  if (field < 0 || field >= kPanelFieldCount) return false;
  for (char c : text)
    if (c < '0' || c > '9') return false;
  // the limit holds for typing only: a loaded 200 stays whole in a two-digit edit
  const std::size_t maxLength = std::size_t(kPanelFields[std::size_t(field)].maxLength);
  if (text.size() > maxLength && text.size() > before.size()) return false;
  return text.empty() || *ReadPanelNumber(text) <= 255;
}

void StorePanelField(GameState& game, EditorState& editor, int field) {
  if (field < 0 || field >= kPanelFieldCount) return;
  StoreField(game, editor, field);
}

void SetGeneratorSlot(GameState& game, EditorState& editor, int slot, int paletteIndex) {
  if (slot < 0 || slot >= kGeneratorSlotCount || paletteIndex < 0 || paletteIndex >= kPaletteSize) return;
  editor.generatorSlots[std::size_t(slot)] = uint8_t(paletteIndex);
  StoreProperty(game, PropGeneratorFill + slot, uint8_t(paletteIndex));
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
