#include "view/font_text.h"

#include "view/anim_tables.h"

namespace quarrion {
namespace {

// The next code point of UTF-8 text, so a name with an accented letter shows one blank cell, not two.
char32_t NextChar(std::string_view text, std::size_t& i) {
  const auto lead = static_cast<unsigned char>(text[i++]);
  if (lead < 0x80) return lead;
  while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) ++i;
  return 0xFFFD;
}

int GlyphWidth(const ImageList& fonts, int item) {
  const ImageItem* glyph = fonts.Item(item);
  return glyph ? glyph->PatternWidth() : 0;
}

}  // namespace

int GlyphItem(char32_t c, int colorSet) {
  if (c >= '0' && c <= '9') {
    if (colorSet < 0 || colorSet > 2) colorSet = 0;
    return kDigitGlyph + 10 * colorSet + int(c - '0');
  }
  if (c >= 'A' && c <= 'Z') return 1 + int(c - 'A');
  if (c >= 'a' && c <= 'z') return 1 + int(c - 'a');
  switch (c) {
    case '!': return 27;
    case '#': return 28;
    case '$': return 29;
    case '%': return 30;
    case '&': return 31;
    case '\'': return 32;
    case '(': return 33;
    case ')': return 34;
    case '+': return 35;
    case '-':
    case '_': return 36;
    case ',':
    case '.':
    case ';': return 37;
    case '/': return 38;
    case '=': return 39;
    default: return kBlankGlyph;
  }
}

int DrawFontText(Surface& surface, const ImageList& fonts, int x, int y, std::string_view text, int colorSet) {
  std::size_t i = 0;
  while (i < text.size()) {
    // nothing past the right edge can show; also keeps a very long text from running the pen away
    if (x >= surface.Width()) break;
    const int item = GlyphItem(NextChar(text, i), colorSet);
    surface.Draw(fonts, item, 0, x, y);
    x += GlyphWidth(fonts, item);
  }
  return x;
}

int FontTextWidth(const ImageList& fonts, std::string_view text, int colorSet) {
  int width = 0;
  std::size_t i = 0;
  while (i < text.size()) width += GlyphWidth(fonts, GlyphItem(NextChar(text, i), colorSet));
  return width;
}

std::string PadNumber(int64_t value, int digits) {
  std::string text = std::to_string(value);
  if (int(text.size()) < digits) text.insert(0, std::size_t(digits) - text.size(), '0');
  return text;
}

}  // namespace quarrion
