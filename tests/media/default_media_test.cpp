#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>

#include "app/media/headless_media.h"
#include "app/media/pack.h"

namespace quarrion {
namespace {

namespace fs = std::filesystem;

std::string Standard(const std::string& name) { return (fs::path(QUARRION_STANDARD_DATA) / name).string(); }

struct ZoomPack {
  const char* file;
  int tile;
  int width;
  int height;
};
constexpr ZoomPack kPacks[3] = {{"Graphics24.dxg", 24, 480, 312}, {"Graphics32.dxg", 32, 640, 408},
                                {"Graphics40.dxg", 40, 800, 504}};

ImageListData Read(const std::string& name) {
  ImageListData list;
  std::string error;
  EXPECT_TRUE(ReadPack(Standard(name), list, &error)) << error;
  return list;
}

double TransparentShare(const Bitmap& b) {
  std::size_t clear = 0;
  for (const uint32_t p : b.pixels) clear += p == kMagenta;
  return double(clear) / double(b.pixels.size());
}

double Distance(uint32_t a, uint32_t b) {
  auto c = [](uint32_t v, int s) { return double((v >> s) & 0xFF); };
  return std::hypot(c(a, 16) - c(b, 16), c(a, 8) - c(b, 8), c(a, 0) - c(b, 0));
}

uint32_t MeanColour(const Bitmap& b) {
  double r = 0, g = 0, bl = 0;
  for (const uint32_t p : b.pixels) {
    r += (p >> 16) & 0xFF;
    g += (p >> 8) & 0xFF;
    bl += p & 0xFF;
  }
  const double n = double(b.pixels.size());
  return uint32_t(r / n) << 16 | uint32_t(g / n) << 8 | uint32_t(bl / n);
}

TEST(DefaultGraphics, EachPackHolds114ItemsAtItsTileAndSurfaceSize) {
  for (const ZoomPack& z : kPacks) {
    const ImageListData list = Read(z.file);
    ASSERT_EQ(list.items.size(), 114u) << z.file;
    for (std::size_t i = 0; i < list.items.size(); ++i) {
      const ImageItem& item = list.items[i];
      const int w = i >= 112 ? z.width : z.tile;
      const int h = i >= 112 ? z.height : z.tile;
      EXPECT_EQ(item.bitmap.width, w) << z.file << " item " << i;
      EXPECT_EQ(item.bitmap.height, h) << z.file << " item " << i;
      EXPECT_EQ(item.patternWidth, 0);
      EXPECT_TRUE(item.systemMemory);
      EXPECT_TRUE(item.transparent);
      EXPECT_EQ(item.transparentColor, kMagenta);
      EXPECT_EQ(item.PatternCount(), 1);
    }
  }
}

TEST(DefaultGraphics, NoColourTurnsTransparentOnTheSixteenBitSurface) {
  // the surface keys on the 16-bit colour, so a near-magenta pixel would vanish too
  for (const ZoomPack& z : kPacks)
    for (const ImageItem& item : Read(z.file).items)
      for (const uint32_t p : item.bitmap.pixels)
        if (p != kMagenta) {
          ASSERT_NE(ToRgb565(p), ToRgb565(kMagenta)) << z.file << " colour " << std::hex << p;
        }
}

TEST(DefaultGraphics, GroundAndWallsFillTheirCellsAndObjectsLeaveCornersClear) {
  for (const ZoomPack& z : kPacks) {
    const ImageListData list = Read(z.file);
    for (const int opaque : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 15, 40, 43, 44, 47, 72, 90, 107}) {
      EXPECT_EQ(TransparentShare(list.items[std::size_t(opaque)].bitmap), 0.0) << z.file << " item " << opaque;
    }
    for (const int sprite : {19, 26, 52, 56, 60, 108, 111}) {
      const Bitmap& b = list.items[std::size_t(sprite)].bitmap;
      EXPECT_EQ(b.At(0, 0), kMagenta) << z.file << " item " << sprite;
      EXPECT_GT(TransparentShare(b), 0.2);
      EXPECT_LT(TransparentShare(b), 0.85) << "item " << sprite << " is nearly empty";
    }
    // the title overlay must let the preview show through; the intro lets the wall show around it
    EXPECT_GT(TransparentShare(list.items[113].bitmap), 0.7);
    EXPECT_GT(TransparentShare(list.items[112].bitmap), 0.2);
    EXPECT_LT(TransparentShare(list.items[112].bitmap), 0.9);
  }
}

TEST(DefaultGraphics, AnimationFramesDifferAndWalkingRightMirrorsWalkingLeft) {
  for (const ZoomPack& z : kPacks) {
    const ImageListData list = Read(z.file);
    auto pixels = [&](int n) { return list.items[std::size_t(n)].bitmap.pixels; };
    const std::vector<std::pair<int, int>> runs = {{3, 6}, {8, 15}, {16, 18}, {19, 21}, {26, 32}, {40, 43},
                                                   {44, 47}, {48, 51}, {52, 55}, {56, 58}, {60, 67}, {68, 71}};
    for (const auto& [first, last] : runs)
      for (int n = first; n < last; ++n) EXPECT_NE(pixels(n), pixels(n + 1)) << z.file << " frames " << n;
    EXPECT_NE(pixels(22), pixels(23)) << "tapping moves the foot";
    for (int k = 0; k < 7; ++k) {
      const Bitmap& left = list.items[std::size_t(26 + k)].bitmap;
      const Bitmap& right = list.items[std::size_t(33 + k)].bitmap;
      for (int y = 0; y < z.tile; ++y)
        for (int x = 0; x < z.tile; ++x) ASSERT_EQ(left.At(x, y), right.At(z.tile - 1 - x, y)) << k;
    }
  }
}

TEST(DefaultGraphics, NineDirtStylesAreDistinctAndEachHasFourVariants) {
  for (const ZoomPack& z : kPacks) {
    const ImageListData list = Read(z.file);
    std::vector<uint32_t> means;
    for (int style = 0; style < 9; ++style) {
      const int base = 72 + 4 * style;
      for (int v = 1; v < 4; ++v)
        EXPECT_NE(list.items[std::size_t(base)].bitmap.pixels, list.items[std::size_t(base + v)].bitmap.pixels);
      means.push_back(MeanColour(list.items[std::size_t(base)].bitmap));
    }
    for (std::size_t a = 0; a < means.size(); ++a)
      for (std::size_t b = a + 1; b < means.size(); ++b)
        EXPECT_GT(Distance(means[a], means[b]), 25.0) << z.file << " styles " << a << " and " << b;
  }
}

// The width the status strip's text routine advances over a text.
int TextWidth(const ImageListData& fonts, std::string_view text, int colour = 0) {
  int width = 0;
  for (const char ch : text) {
    int item = 0;
    if (ch >= 'A' && ch <= 'Z') item = ch - 'A' + 1;
    if (ch >= '0' && ch <= '9') item = 40 + 10 * colour + (ch - '0');
    if (ch == '/') item = 38;
    width += fonts.items[std::size_t(item)].bitmap.width;
  }
  return width;
}

TEST(DefaultFonts, GlyphsAreNarrowEnoughForTheStatusFieldsNotToOverlap) {
  const ImageListData fonts = Read("Fonts.dxg");
  ASSERT_EQ(fonts.items.size(), 82u);
  for (int i = 0; i < 70; ++i) EXPECT_EQ(fonts.items[std::size_t(i)].bitmap.height, 24) << i;
  struct Field {
    std::string_view text;
    int colour;
    int from;
    int before;  // where the next thing on the strip begins
  };
  const Field fields[] = {
      {"888", 0, 4, 74},      {"88", 0, 100, 170},    {"888", 1, 170, 260},  {"888", 2, 260, 352},
      {"888888", 0, 352, 480}, {"REC/", 0, 348, 414}, {"888", 2, 414, 480},  {"DEMO", 0, 364, 480},
      {"PAUSE", 0, 246, 352},  {"OUT OF TIME", 0, 260, 480}, {"8", 1, 4, 34},
      {"MEN     HIGH SCORE", 0, 34, 352}, {"MAN     HIGH SCORE", 0, 34, 352}, {"BONUS LIFE", 0, 160, 480},
      {"GAME OVER", 0, 160, 480}, {"QUARRION", 0, 116, 480}, {"RECORDING DEMO", 0, 4, 424},
      {"W", 0, 424, 444},      {"M", 0, 424, 444},      {"/5", 0, 444, 480},
  };
  for (const Field& f : fields)
    EXPECT_LE(f.from + TextWidth(fonts, f.text, f.colour), f.before) << f.text;
  // a digit of every colour set is as wide as the others, so numbers line up
  for (int d = 0; d < 10; ++d) EXPECT_EQ(fonts.items[std::size_t(40 + d)].bitmap.width, fonts.items[std::size_t(60 + d)].bitmap.width);
}

TEST(DefaultFonts, PanelsFrameAndIconsHaveTheirSizes) {
  const ImageListData fonts = Read("Fonts.dxg");
  ASSERT_EQ(fonts.items.size(), 82u);
  EXPECT_EQ(fonts.items[71].bitmap.width, 480);
  EXPECT_EQ(fonts.items[72].bitmap.width, 640);
  EXPECT_EQ(fonts.items[73].bitmap.width, 800);
  for (int i = 71; i <= 73; ++i) {
    EXPECT_EQ(fonts.items[std::size_t(i)].bitmap.height, 24);
    EXPECT_EQ(TransparentShare(fonts.items[std::size_t(i)].bitmap), 0.0) << "the panel covers the strip";
  }
  const Bitmap& frame = fonts.items[70].bitmap;
  EXPECT_EQ(frame.width, 28);
  EXPECT_EQ(frame.height, 28);
  EXPECT_EQ(frame.At(14, 14), kMagenta) << "the palette square shows through the frame";
  EXPECT_NE(frame.At(0, 14), kMagenta);
  for (int i = 74; i <= 81; ++i) {
    // icons stand at X0 + 24, 48 and 74, two pixels down the 24-pixel strip
    EXPECT_LE(fonts.items[std::size_t(i)].bitmap.width, 24);
    EXPECT_LE(fonts.items[std::size_t(i)].bitmap.height, 22);
    if (i > 74) {
      EXPECT_NE(fonts.items[std::size_t(i)].bitmap.pixels, fonts.items[std::size_t(i - 1)].bitmap.pixels);
    }
  }
  EXPECT_EQ(TransparentShare(fonts.items[0].bitmap), 1.0) << "the space draws nothing";
}

TEST(DefaultSounds, TwentyFourSoundsOfSixteenBitsNoneClipping) {
  SoundListData sounds;
  std::string error;
  ASSERT_TRUE(ReadPack(Standard("Sounds.dxw"), sounds, &error)) << error;
  ASSERT_EQ(sounds.items.size(), 24u);
  for (std::size_t i = 0; i < sounds.items.size(); ++i) {
    const SoundItem& item = sounds.items[i];
    EXPECT_FALSE(item.looped);
    EXPECT_EQ(item.maxPlayingCount, 0);
    const Wave& w = item.wave;
    EXPECT_EQ(w.bitsPerSample, 16);
    EXPECT_GE(w.Seconds(), 0.02) << i;
    EXPECT_LE(w.Seconds(), 12.0) << i;
    int peak = 0;
    for (const int16_t s : w.samples) peak = std::max(peak, std::abs(int(s)));
    EXPECT_LT(peak, 32000) << "sound " << i << " clips";
    EXPECT_GT(peak, 8000) << "sound " << i << " is nearly silent";
    if (i != 13 && i != 20) {
      EXPECT_LT(std::abs(int(w.samples.back())), 330) << "sound " << i << " ends with a click";
    }
  }
}

TEST(DefaultSounds, AmoebaAndMagicWallLoopWithoutASeam) {
  SoundListData sounds;
  ASSERT_TRUE(ReadPack(Standard("Sounds.dxw"), sounds));
  ASSERT_EQ(sounds.items.size(), 24u);
  for (const std::size_t i : {std::size_t(13), std::size_t(20)}) {
    const std::vector<int16_t>& s = sounds.items[i].wave.samples;
    int largestStep = 0;
    for (std::size_t k = 1; k < s.size(); ++k) largestStep = std::max(largestStep, std::abs(s[k] - s[k - 1]));
    const int seam = std::abs(s.front() - s.back());
    EXPECT_LE(seam, largestStep) << "sound " << i << " jumps where it wraps round";
    EXPECT_GT(std::abs(int(s.back())) + std::abs(int(s[s.size() / 2])), 0) << "a loop holds sound to its end";
  }
}

TEST(DefaultTune, IsAStandardMidiFileOfOneToTwoMinutes) {
  std::ifstream in(Standard("Quarrion.mid"), std::ios::binary);
  const std::vector<uint8_t> b{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  ASSERT_GT(b.size(), 14u);
  ASSERT_EQ(std::string(b.begin(), b.begin() + 4), "MThd");
  auto big = [&](std::size_t at, int n) {
    uint32_t v = 0;
    for (int i = 0; i < n; ++i) v = v << 8 | b.at(at + std::size_t(i));
    return v;
  };
  const uint32_t tracks = big(10, 2);
  const uint32_t division = big(12, 2);
  EXPECT_EQ(big(8, 2), 1u);
  std::size_t at = 14;
  uint32_t tempo = 500000;
  uint64_t endTick = 0;
  std::map<int, int> notesByChannel;
  for (uint32_t t = 0; t < tracks; ++t) {
    ASSERT_EQ(std::string(b.begin() + std::ptrdiff_t(at), b.begin() + std::ptrdiff_t(at + 4)), "MTrk");
    const std::size_t end = at + 8 + big(at + 4, 4);
    ASSERT_LE(end, b.size());
    at += 8;
    uint64_t tick = 0;
    bool ended = false;
    while (at < end && !ended) {
      uint32_t delta = 0;
      uint8_t c = 0;
      do {
        c = b.at(at++);
        delta = delta << 7 | (c & 0x7F);
      } while (c & 0x80);
      tick += delta;
      const uint8_t status = b.at(at++);
      ASSERT_TRUE(status & 0x80) << "every event carries its status";
      if (status == 0xFF) {
        const uint8_t type = b.at(at++);
        const uint8_t len = b.at(at++);
        if (type == 0x51) tempo = big(at, 3);
        ended = type == 0x2F;
        at += len;
      } else {
        if ((status & 0xF0) == 0x90 && b.at(at + 1) > 0) ++notesByChannel[status & 0x0F];
        at += (status & 0xF0) == 0xC0 || (status & 0xF0) == 0xD0 ? 1 : 2;
      }
    }
    EXPECT_TRUE(ended) << "track " << t << " has an end";
    EXPECT_EQ(at, end);
    endTick = std::max(endTick, tick);
    at = end;
  }
  const double seconds = double(endTick) / division * tempo / 1e6;
  EXPECT_GE(seconds, 60.0);
  EXPECT_LE(seconds, 120.0);
  EXPECT_GT(notesByChannel[9], 100) << "drums on the General MIDI drum channel";
  EXPECT_GE(notesByChannel.size(), 5u);
}

}  // namespace
}  // namespace quarrion
