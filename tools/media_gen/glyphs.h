// Our own pixel font: seven rows per character, each as wide as its rows; '#' marks a pixel.
// It draws the status glyphs and, enlarged, the game's name on the title pictures.
#pragma once
#include <array>
#include <string_view>

#include "tools/media_gen/canvas.h"

namespace quarrion::art {

struct GlyphShape {
  char ch;
  std::array<std::string_view, 7> rows;
};

// The shape of a character; nullptr for one the font has no shape for.
const GlyphShape* FindGlyph(char ch);
int GlyphWidth(const GlyphShape& glyph);

struct TextStyle {
  int scale = 2;                 // screen pixels per font pixel
  std::span<const uint32_t> ramp;  // filled top (last entry) to bottom (first)
  uint32_t outline = 0x0C0A12;
  bool shadow = true;            // a dark copy one pixel down and right
  bool bevel = false;            // a light top-left and dark bottom-right edge on each font pixel
};

// Draws the text with its top-left font pixel at (x, y); returns the width drawn, spacing included.
int DrawText(Canvas& c, int x, int y, std::string_view text, const TextStyle& style);
int TextWidth(std::string_view text, int scale);

}  // namespace quarrion::art
