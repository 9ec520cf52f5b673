#include <gtest/gtest.h>

#include "view/font_text.h"
#include "view_test_support.h"

namespace quarrion {
namespace {

using testing::FontImages;
using testing::GlyphWidthOf;
using testing::RecordingSurface;

TEST(PadNumberTest, PadsWithZerosButNeverCuts) {
  EXPECT_EQ(PadNumber(1234, 6), "001234");
  EXPECT_EQ(PadNumber(1234567, 6), "1234567");
  EXPECT_EQ(PadNumber(0, 3), "000");
  EXPECT_EQ(PadNumber(7, 1), "7");
  EXPECT_EQ(PadNumber(42, 0), "42");
  EXPECT_EQ(PadNumber(2147483647, 3), "2147483647");
}

TEST(GlyphTest, EveryCharacterHasItsItem) {
  EXPECT_EQ(GlyphItem('A', 0), 1);
  EXPECT_EQ(GlyphItem('Z', 2), 26);
  EXPECT_EQ(GlyphItem('q', 0), GlyphItem('Q', 0)) << "lower case uses the same glyphs";
  const std::pair<char, int> table[] = {{'!', 27}, {'#', 28}, {'$', 29}, {'%', 30}, {'&', 31}, {'\'', 32},
                                        {'(', 33}, {')', 34}, {'+', 35}, {'-', 36}, {'_', 36}, {',', 37},
                                        {'.', 37}, {';', 37}, {'/', 38}, {'=', 39}};
  for (const auto& [c, item] : table) EXPECT_EQ(GlyphItem(char32_t(c), 1), item) << c;
  for (const char c : std::string(" \"*:<>?@[\\]^`{}~\t"))
    EXPECT_EQ(GlyphItem(char32_t(c), 0), 0) << "blank for " << c;
  EXPECT_EQ(GlyphItem(0xE9, 0), 0);
}

TEST(GlyphTest, DigitsTakeTheirColourSet) {
  EXPECT_EQ(GlyphItem('0', 0), 40);
  EXPECT_EQ(GlyphItem('9', 0), 49);
  EXPECT_EQ(GlyphItem('3', 1), 53);
  EXPECT_EQ(GlyphItem('7', 2), 67);
  EXPECT_EQ(GlyphItem('7', 3), 47) << "an unknown colour set falls back to set 0";
  EXPECT_EQ(GlyphItem('7', -1), 47);
}

class FontTextTest : public ::testing::Test {
 protected:
  FontTextTest() { fonts_.Data() = FontImages(); }
  ImageList fonts_;
  RecordingSurface surface_{640, 24};
};

TEST_F(FontTextTest, EachGlyphAdvancesThePenByItsOwnWidth) {
  const int end = DrawFontText(surface_, fonts_, 10, 0, "AB1 c", 1);
  const std::vector<int> items = {1, 2, 51, 0, 3};
  ASSERT_EQ(surface_.calls.size(), items.size());
  int pen = 10;
  for (std::size_t i = 0; i < items.size(); ++i) {
    EXPECT_EQ(surface_.calls[i].item, items[i]);
    EXPECT_EQ(surface_.calls[i].x, pen);
    EXPECT_EQ(surface_.calls[i].y, 0);
    pen += GlyphWidthOf(items[i]);
  }
  EXPECT_EQ(end, pen);
  EXPECT_EQ(FontTextWidth(fonts_, "AB1 c", 1), pen - 10);
  EXPECT_NE(FontTextWidth(fonts_, "AAA"), FontTextWidth(fonts_, "BBB")) << "proportional glyphs";
}

TEST_F(FontTextTest, EmptyTextDrawsNothing) {
  EXPECT_EQ(DrawFontText(surface_, fonts_, 5, 0, "", 0), 5);
  EXPECT_TRUE(surface_.calls.empty());
}

TEST_F(FontTextTest, AccentedLetterInANameIsOneBlankCell) {
  DrawFontText(surface_, fonts_, 0, 0, "\xC5\x81\xC3\xB3" "dz", 0);  // two two-byte letters
  ASSERT_EQ(surface_.calls.size(), 4u);
  EXPECT_EQ(surface_.calls[0].item, 0);
  EXPECT_EQ(surface_.calls[1].item, 0);
  EXPECT_EQ(surface_.calls[2].item, 4);
  EXPECT_EQ(FontTextWidth(fonts_, "\xC5\x81"), GlyphWidthOf(0));
  EXPECT_EQ(FontTextWidth(fonts_, "\xFF\xFF"), 2 * GlyphWidthOf(0)) << "stray bytes never read past the text";
}

TEST_F(FontTextTest, TextStopsAtTheRightEdgeOfTheSurface) {
  const std::string longName(100000, 'W');
  DrawFontText(surface_, fonts_, -50, 0, longName, 0);
  EXPECT_LT(surface_.calls.size(), 200u);
  EXPECT_LT(surface_.calls.back().x, 640);
  DrawFontText(surface_, fonts_, 0, 0, "AB", 0);
  EXPECT_EQ(surface_.calls.back().x, GlyphWidthOf(1)) << "a later text starts afresh";
}

TEST_F(FontTextTest, MissingGlyphsDrawNothingAndTakeNoWidth) {
  ImageList empty;
  EXPECT_EQ(FontTextWidth(empty, "HELLO"), 0);
  EXPECT_EQ(DrawFontText(surface_, empty, 3, 0, "HI", 0), 3);
}

}  // namespace
}  // namespace quarrion
