#include "tools/media_gen/sheet.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

namespace quarrion::art {
namespace {

constexpr std::array<uint16_t, 10> kTinyDigits = {  // 3 × 5, row by row from the top bit
    0x7B6F, 0x2C97, 0x73E7, 0x73CF, 0x5BC9, 0x79CF, 0x79EF, 0x7249, 0x7BEF, 0x7BCF};

void TinyNumber(Canvas& c, int x, int y, int n, uint32_t colour) {
  const std::string text = std::to_string(n);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const uint16_t bits = kTinyDigits[std::size_t(text[i] - '0')];
    for (int r = 0; r < 5; ++r)
      for (int k = 0; k < 3; ++k)
        if (bits >> (14 - (r * 3 + k)) & 1) c.Set(x + int(i) * 4 + k, y + r, colour);
  }
}

void Checker(Canvas& c, int x, int y, int w, int h) {
  for (int yy = 0; yy < h; ++yy)
    for (int xx = 0; xx < w; ++xx) c.Set(x + xx, y + yy, ((xx / 4 + yy / 4) % 2) ? 0x2A2A30 : 0x3A3A42);
}

// The same as Blit, enlarged, with transparent pixels left to what lies below.
void BlitScaled(Canvas& c, const Canvas& item, int x, int y, int scale) { c.Blit(item.Scaled(scale), x, y); }

const Canvas& Item(const std::vector<Canvas>& items, int n) { return items[std::size_t(n)]; }

struct Geometry {
  int tile;
  int statusX;
  int width;
  int height;
};

Geometry GeometryOf(int zoom) {
  static constexpr Geometry kZooms[3] = {{24, 0, 480, 312}, {32, 82, 640, 408}, {40, 162, 800, 504}};
  return kZooms[std::clamp(zoom, 0, 2)];
}

// The status strip's text routine: glyphs by item, the pen advancing by each glyph's width.
int FontText(Canvas& c, const std::vector<Canvas>& fonts, int x, std::string_view text, int colour) {
  for (const char raw : text) {
    const char ch = char(raw >= 'a' && raw <= 'z' ? raw - 32 : raw);
    int item = 0;
    if (ch >= 'A' && ch <= 'Z') item = ch - 'A' + 1;
    else if (ch >= '0' && ch <= '9') item = 40 + 10 * colour + (ch - '0');
    else {
      constexpr std::string_view kPunct = "!#$%&'()+";
      const std::size_t at = kPunct.find(ch);
      if (at != std::string_view::npos) item = 27 + int(at);
      else if (ch == '-' || ch == '_') item = 36;
      else if (ch == ',' || ch == '.' || ch == ';') item = 37;
      else if (ch == '/') item = 38;
      else if (ch == '=') item = 39;
    }
    c.Blit(Item(fonts, item), x, 0);
    x += Item(fonts, item).Width();
  }
  return x;
}

}  // namespace

Canvas ContactSheet(const std::vector<Canvas>& items, int columns, int scale, int firstNumber) {
  int cell = 0;
  std::vector<int> small, large;
  for (int i = 0; i < int(items.size()); ++i) {
    const Canvas& item = Item(items, i);
    if (item.Width() > 64) {
      large.push_back(i);
    } else {
      small.push_back(i);
      cell = std::max({cell, item.Width() * scale, item.Height() * scale});
    }
  }
  const int pitchX = cell + 6, pitchY = cell + 12;
  const int rows = (int(small.size()) + columns - 1) / columns;
  int width = columns * pitchX + 6;
  int height = rows * pitchY + 6;
  for (const int i : large) {
    width = std::max(width, Item(items, i).Width() + 12);
    height += Item(items, i).Height() + 14;
  }
  Canvas sheet(width, height, 0x101014);
  for (std::size_t k = 0; k < small.size(); ++k) {
    const Canvas& item = Item(items, small[k]);
    const int x = 6 + int(k % std::size_t(columns)) * pitchX;
    const int y = 6 + int(k / std::size_t(columns)) * pitchY;
    TinyNumber(sheet, x, y, firstNumber + small[k], 0xC0C0C0);
    Checker(sheet, x, y + 7, item.Width() * scale, item.Height() * scale);
    BlitScaled(sheet, item, x, y + 7, scale);
  }
  int y = rows * pitchY + 6;
  for (const int i : large) {
    TinyNumber(sheet, 6, y, firstNumber + i, 0xC0C0C0);
    Checker(sheet, 6, y + 7, Item(items, i).Width(), Item(items, i).Height());
    sheet.Blit(Item(items, i), 6, y + 7);
    y += Item(items, i).Height() + 14;
  }
  return sheet;
}

Canvas MockGameFrame(const std::vector<Canvas>& graphics, const std::vector<Canvas>& fonts, int zoom) {
  const Geometry g = GeometryOf(zoom);
  // a corner of a cave: steel border, dirt, boulders, diamonds, walls and creatures
  static constexpr std::array<std::string_view, 12> kCave = {
      "SSSSSSSSSSSSSSSSSSSS", "S..d.o..b....o..ddds", "S.:::::..oo.d..FFF.s", "Sd:...:..ooo...FFF.s",
      "S.:.P.:...*....FFF.s", "S.:...:.......  ...s", "S.::B::..aa.mmmm...s", "S......aaaa........s",
      "Sooo..aaaa... L.o..s", "S#####..d...   .o..s", "S..e....o.......x..s", "SSSSSSSSSSSSSSSSSSSS"};
  Canvas c(g.width, g.height, 0);
  for (int v = 0; v < 12; ++v)
    for (int u = 0; u < 20; ++u) {
      const char ch = kCave[std::size_t(v)][std::size_t(u)];
      const int variant = (u * 7 + v * 3) % 4;
      int item = -1;
      switch (ch) {
        case 'S': case 's': item = 8; break;
        case '.': item = 72 + 4 * (zoom * 3 % 9) + variant; break;
        case 'd': item = 60 + (u + v) % 8; break;
        case 'o': item = 108 + variant; break;
        case ':': item = 2; break;
        case '#': item = 3 + u % 4; break;
        case 'P': item = 19; break;
        case 'B': item = 16; break;
        case 'b': item = 56; break;
        case 'F': item = 52 + (u + v) % 4; break;
        case 'a': item = 40 + (u + v) % 4; break;
        case 'm': item = 44 + u % 4; break;
        case 'L': item = 28; break;
        case '*': item = 48 + u % 4; break;
        case 'e': item = 7; break;
        case 'x': item = 69; break;
        default: break;
      }
      if (item >= 0) c.Blit(Item(graphics, item), u * g.tile, 24 + v * g.tile);
    }
  c.Blit(Item(fonts, 71 + zoom), 0, 0);
  const int x0 = g.statusX;
  c.Blit(Item(fonts, 74), x0 + 74, 2);
  FontText(c, fonts, x0 + 4, "012", 0);
  FontText(c, fonts, x0 + 100, "15", 0);
  FontText(c, fonts, x0 + 170, "004", 1);
  FontText(c, fonts, x0 + 260, "137", 2);
  FontText(c, fonts, x0 + 352, "001250", 0);
  return c;
}

Canvas MockIntroFrame(const std::vector<Canvas>& graphics, int zoom) {
  const Geometry g = GeometryOf(zoom);
  Canvas c(g.width, g.height, 0);
  const int scroll = g.tile / 3;
  for (int v = -1; v <= 12; ++v)
    for (int u = 0; u < 20; ++u) c.Blit(Item(graphics, 8), g.tile * u, g.tile * v + 24 - scroll);
  c.Blit(Item(graphics, 112), 0, 0);
  return c;
}

Canvas MockTitleFrame(const std::vector<Canvas>& graphics, const std::vector<Canvas>& fonts, int zoom) {
  Canvas c = MockGameFrame(graphics, fonts, zoom);
  const Geometry g = GeometryOf(zoom);
  c.Blit(Item(fonts, 71 + zoom), 0, 0);
  FontText(c, fonts, g.statusX + 4, "QUARRION", 0);
  FontText(c, fonts, g.statusX + 424, "A", 0);
  FontText(c, fonts, g.statusX + 444, "/1", 0);
  c.Blit(Item(graphics, 113), 0, 0);
  return c;
}

}  // namespace quarrion::art
