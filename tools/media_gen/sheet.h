// Pictures for looking at the media: a contact sheet of every item with its number, and mock
// frames of a cave, the intro and the title built from the generated items.
#pragma once
#include <vector>

#include "tools/media_gen/canvas.h"

namespace quarrion::art {

// Items in a grid, each enlarged by scale, on a checker that shows what is transparent; items
// wider than a tile go full width below the grid.
// Numbers start at firstNumber, for a sheet of part of a pack.
Canvas ContactSheet(const std::vector<Canvas>& items, int columns, int scale, int firstNumber = 0);
// A play frame of zoom 0..2: a made-up cave under the status strip.
Canvas MockGameFrame(const std::vector<Canvas>& graphics, const std::vector<Canvas>& fonts, int zoom);
// The intro over its steel wall, and the title overlay over a cave preview.
Canvas MockIntroFrame(const std::vector<Canvas>& graphics, int zoom);
Canvas MockTitleFrame(const std::vector<Canvas>& graphics, const std::vector<Canvas>& fonts, int zoom);

}  // namespace quarrion::art
