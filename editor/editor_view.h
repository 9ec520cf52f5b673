// One frame of the editor: the edited level at 20 pixels a cell from the 40-pixel pictures,
// the palette with its selection frame, the generator slots and the rectangle preview.
#pragma once
#include "app/media/media.h"
#include "core/game_state.h"
#include "editor/editor_state.h"

namespace quarrion {

// The frames that mark the exits in the editor (16-bit colours): green inbox, yellow outbox.
constexpr uint16_t kInboxMarkerColor = 0x07E0;
constexpr uint16_t kOutboxMarkerColor = 0xFFE0;

// The Images item a cell code shows as in the editor; −1 for none (space and transient codes).
int EditorImageOf(const GameState& game, uint8_t code);

// Advances the animation counters, draws and flips. Remembers the selected entry's picture as
// the brush for the preview.
void DrawEditorView(GameState& game, EditorState& editor, Media& media);

}  // namespace quarrion
