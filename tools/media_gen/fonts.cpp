#include "tools/media_gen/fonts.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "tools/media_gen/glyphs.h"
#include "tools/media_gen/palette.h"
#include "tools/media_gen/tiles.h"

namespace quarrion::art {
namespace {

// The characters of items 0..39; item 0 is the space every character without a glyph uses.
constexpr std::string_view kGlyphOrder = " ABCDEFGHIJKLMNOPQRSTUVWXYZ!#$%&'()+-,/=";

// Text in pale silver; the digit sets in silver, gold and sea green, as the strip colours its fields.
constexpr std::array<uint32_t, 4> kTextRamp = {0x5C6A86, 0x9CAAC4, 0xD2DCEC, 0xFFFFFF};
constexpr std::array<std::array<uint32_t, 4>, 3> kDigitRamps = {{
    {0x5C6A86, 0x9CAAC4, 0xD2DCEC, 0xFFFFFF},
    {0x9C6010, 0xD89A1E, 0xF8D048, 0xFFF4B0},
    {0x1A7A6A, 0x2EB89A, 0x6AE8C4, 0xC8FFEC},
}};

constexpr int kScale = 2;
constexpr int kTop = 5;  // glyph rows 5..18 inside the 24-pixel strip

Canvas Glyph(char ch, std::span<const uint32_t> ramp) {
  // a glyph's width is its shape plus one font pixel of spacing, so the pen moves by the item width
  const int width = TextWidth(std::string_view(&ch, 1), kScale) + 1;
  Canvas c(width, kGlyphHeight);
  if (ch != ' ') DrawText(c, 1, kTop, std::string_view(&ch, 1), TextStyle{kScale, ramp, kInk, true, false});
  return c;
}

Canvas SelectionFrame() {
  // drawn 4 pixels up and left of a 20-pixel palette square: a bright 3-pixel rim around it
  Canvas c(28, 28);
  c.Paint([&](double, double, int x, int y) {
    const int edge = std::min({x, y, 27 - x, 27 - y});
    if (edge >= 3) return kClear;
    if (edge == 1) return kGold[4];
    return edge == 0 ? kGold[1] : kGold[2];
  });
  return c;
}

Canvas StatusPanel(int width, int statusX) {
  Canvas c(width, kGlyphHeight);
  c.Paint([&](double, double, int x, int y) {
    if (y == 0) return kSteel[2];
    if (y == kGlyphHeight - 1) return kSteel[0];
    if (y == kGlyphHeight - 2) return 0x050608u;
    double t = 0.75 - y / 30.0;
    // the field area of the 480-pixel layout sits a little lighter on the wider strips
    if (width > 480 && (x < statusX || x >= statusX + 480)) t -= 0.3;
    return Shade(std::array<uint32_t, 4>{0x06070C, 0x0E1020, 0x161A30, 0x202640}, t, x, y);
  });
  if (width > 480)
    for (int y = 2; y < kGlyphHeight - 2; ++y) {
      c.Set(statusX - 1, y, kSteel[1]);
      c.Set(statusX + 480, y, kSteel[1]);
    }
  return c;
}

Canvas DiamondIcon(int frame) {
  Canvas c(20, 20);
  c.Blit(DrawDiamond(20, frame), 0, 0);
  return c;
}

}  // namespace

std::vector<Canvas> DrawFontPack() {
  std::vector<Canvas> items;
  items.reserve(kFontItems);
  for (const char ch : kGlyphOrder) items.push_back(Glyph(ch, kTextRamp));
  for (const auto& ramp : kDigitRamps)
    for (char d = '0'; d <= '9'; ++d) items.push_back(Glyph(d, ramp));
  items.push_back(SelectionFrame());
  items.push_back(StatusPanel(480, 0));
  items.push_back(StatusPanel(640, 82));
  items.push_back(StatusPanel(800, 162));
  for (int f = 0; f < 8; ++f) items.push_back(DiamondIcon(f));
  return items;
}

}  // namespace quarrion::art
