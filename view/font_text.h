// Text in the proportional bitmap glyphs of the Fonts list, and the zero-padded number format.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "app/media/media.h"

namespace quarrion {

// The Fonts item of a character; digits take colour set 0, 1 or 2, everything without a glyph
// of its own is the blank.
int GlyphItem(char32_t c, int colorSet);

// Draws text from pen position (x, y) left to right, each glyph advancing the pen by its own
// width; returns the pen position after the last glyph.
int DrawFontText(Surface& surface, const ImageList& fonts, int x, int y, std::string_view text, int colorSet);

// The width DrawFontText would advance the pen by.
int FontTextWidth(const ImageList& fonts, std::string_view text, int colorSet = 0);

// Decimal value with "0" put in front up to the given number of characters; never cut.
std::string PadNumber(int64_t value, int digits);

}  // namespace quarrion
