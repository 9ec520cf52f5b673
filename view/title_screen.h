// The title screen: the intro (a steel wall creeping up behind the title picture) until the first
// key, then a live preview of the selected cave and level; and the keys that select them.
#pragma once
#include <cstdint>

#include "app/media/media.h"
#include "core/game_state.h"
#include "core/shell_hooks.h"
#include "view/view_state.h"

namespace quarrion {

// Draws the title frame over a surface the caller has filled black; the caller flips. The preview
// runs the animation counters and sets CaveStyle from the selected cave; the intro moves its wall.
void DrawTitleScreen(GameState& game, ViewState& view, Media& media);

// The Images item the preview shows for an element code of the map.
int TitlePreviewItem(uint8_t code, int caveStyle, int variant, int animIndex);

enum class TitleKey { Right, Left, Down, Up };

// An arrow key on the title screen: steps the selection to a neighbouring playable cave (A..P
// only) or level, with a click; a step onto an unplayable one is refused silently. The first key
// after start-up only ends the intro.
void TitleSelectionKey(GameState& game, ShellHooks& shell, TitleKey key);

// Space or Ctrl on the title screen; true when the shell should now run the start command.
bool TitleStartKey(GameState& game);

}  // namespace quarrion
