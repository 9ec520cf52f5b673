// The font pack: glyphs 0..39, digits in three colour sets 40..69, the editor's selection
// frame 70, the status panels 71..73 for the three zooms, the diamond icon frames 74..81.
#pragma once
#include <vector>

#include "tools/media_gen/canvas.h"

namespace quarrion::art {

constexpr int kFontItems = 82;
constexpr int kGlyphHeight = 24;

std::vector<Canvas> DrawFontPack();

}  // namespace quarrion::art
