#include <gtest/gtest.h>

#include <string_view>

#include "tools/media_gen/canvas.h"
#include "tools/media_gen/glyphs.h"
#include "tools/media_gen/midi_writer.h"
#include "tools/media_gen/png.h"

namespace quarrion::art {
namespace {

std::span<const uint8_t> Bytes(std::string_view text) {
  return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

uint32_t Big32(const std::vector<uint8_t>& b, std::size_t at) {
  return uint32_t(b[at]) << 24 | uint32_t(b[at + 1]) << 16 | uint32_t(b[at + 2]) << 8 | b[at + 3];
}

TEST(Png, ChecksumsMatchTheirPublishedCheckValues) {
  EXPECT_EQ(Crc32(Bytes("123456789")), 0xCBF43926u);
  EXPECT_EQ(Adler32(Bytes("Wikipedia")), 0x11E60398u);
  EXPECT_EQ(Adler32({}), 1u);
}

// Undoes the stored deflate blocks of a one-IDAT PNG, checking each block's header on the way.
std::vector<uint8_t> StoredPixels(const std::vector<uint8_t>& png, int& blocks) {
  std::size_t at = 8;
  std::vector<uint8_t> raw;
  blocks = 0;
  while (at < png.size()) {
    const uint32_t length = Big32(png, at);
    const std::string type(png.begin() + std::ptrdiff_t(at + 4), png.begin() + std::ptrdiff_t(at + 8));
    const std::span<const uint8_t> body(png.data() + at + 4, length + 4);
    EXPECT_EQ(Big32(png, at + 8 + length), Crc32(body)) << type;
    if (type == "IDAT") {
      std::size_t p = at + 8 + 2;  // past the zlib header
      bool last = false;
      while (!last) {
        last = png[p] & 1;
        const uint16_t n = uint16_t(png[p + 1] | png[p + 2] << 8);
        const uint16_t check = uint16_t(png[p + 3] | png[p + 4] << 8);
        EXPECT_EQ(uint16_t(~n), check);
        raw.insert(raw.end(), png.begin() + std::ptrdiff_t(p + 5), png.begin() + std::ptrdiff_t(p + 5 + n));
        p += 5 + n;
        ++blocks;
      }
      EXPECT_EQ(Big32(png, p), Adler32(raw));
    }
    at += 12 + length;
  }
  return raw;
}

TEST(Png, LargePicturesSplitIntoStoredBlocksThatHoldEveryRow) {
  Bitmap b{200, 120, {}};
  for (int i = 0; i < 200 * 120; ++i) b.pixels.push_back(uint32_t(i * 2654435761u) & 0xFFFFFF);
  const std::vector<uint8_t> png = EncodePng(b);
  EXPECT_EQ(Big32(png, 16), 200u);
  EXPECT_EQ(Big32(png, 20), 120u);
  int blocks = 0;
  const std::vector<uint8_t> raw = StoredPixels(png, blocks);
  ASSERT_EQ(raw.size(), 120u * (1 + 600));
  EXPECT_EQ(blocks, 2) << "72120 bytes need two stored blocks";
  EXPECT_EQ(raw[0], 0) << "filter byte";
  EXPECT_EQ(raw[1], uint8_t(b.pixels[0] >> 16));
  EXPECT_EQ(raw[601 * 119 + 1 + 3 * 199 + 2], uint8_t(b.pixels.back()));
}

TEST(MidiWriter, DeltaTimesAreVariableLengthAndNoteOffsGoFirst) {
  MidiTrack t;
  t.Note(0, 0x80, 0, 60, 100);     // ends at 128, where the next note begins
  t.Note(0x80, 0x3F80, 0, 60, 90);  // 16256 ticks long: the delta FF 00
  const std::vector<uint8_t> bytes = t.Encode(0x200000 + 0x4000);
  const std::vector<uint8_t> expected = {
      0x00, 0x90, 60, 100,        // note on at 0
      0x81, 0x00, 0x80, 60, 64,   // 128 later: the old note off first
      0x00, 0x90, 60, 90,         // then the new note on at the same tick
      0xFF, 0x00, 0x80, 60, 64,   // 16256 later its note off
      0x81, 0x80, 0x80, 0x00,     // 2097152 more to the end of the track
      0xFF, 0x2F, 0x00};
  EXPECT_EQ(bytes, expected);
}

TEST(MidiWriter, EveryTrackLastsAsLongAsTheLongest) {
  MidiTrack conductor;
  conductor.Tempo(0, 500000);
  MidiTrack part;
  part.Note(960, 480, 1, 64, 80);
  const std::vector<uint8_t> file = EncodeMidiFile({conductor, part}, 480);
  ASSERT_EQ(std::string(file.begin(), file.begin() + 4), "MThd");
  EXPECT_EQ(file[9], 1) << "format 1";
  EXPECT_EQ(file[11], 2) << "two tracks";
  EXPECT_EQ((file[12] << 8) | file[13], 480);
  const std::size_t track0 = 14;
  const uint32_t length0 = Big32(file, track0 + 4);
  // the conductor: tempo at 0, then the end of track 1440 ticks later (8B 20)
  const std::vector<uint8_t> body(file.begin() + std::ptrdiff_t(track0 + 8), file.begin() + std::ptrdiff_t(track0 + 8 + length0));
  const std::vector<uint8_t> expected = {0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20, 0x8B, 0x20, 0xFF, 0x2F, 0x00};
  EXPECT_EQ(body, expected);
}

TEST(CanvasTools, OutlineRingsShapesAndMirrorFlips) {
  Canvas c(5, 5);
  c.Set(2, 2, 0x123456);
  c.Outline(0x000001);
  EXPECT_EQ(c.Get(2, 1), 0x000001u);
  EXPECT_EQ(c.Get(1, 2), 0x000001u);
  EXPECT_EQ(c.Get(1, 1), kClear) << "four neighbours only";
  EXPECT_EQ(c.Get(2, 2), 0x123456u);
  Canvas m(3, 1);
  m.Set(0, 0, 7);
  EXPECT_EQ(m.Mirrored().Get(2, 0), 7u);
  EXPECT_EQ(m.Scaled(2).Get(1, 1), 7u);
  EXPECT_EQ(c.Get(-1, 0), kClear) << "outside reads as clear";
}

TEST(CanvasTools, ShadeReachesBothEndsAndNoiseRepeatsWithItsPeriod) {
  const std::array<uint32_t, 3> ramp = {1, 2, 3};
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) {
      EXPECT_EQ(Shade(ramp, 0.0, x, y), 1u);
      EXPECT_EQ(Shade(ramp, 1.0, x, y), 3u);
      EXPECT_EQ(Band(ramp, -5.0, x, y), 1u);
      EXPECT_EQ(Band(ramp, 5.0, x, y), 3u);
    }
  for (double x = 0; x < 4; x += 0.37) EXPECT_NEAR(Noise(x, 1.3, 4, 9), Noise(x + 4, 1.3 + 8, 4, 9), 1e-12);
}

TEST(Glyphs, EveryCharacterOfTheFontHasRowsOfOneWidth) {
  for (const char ch : std::string_view(" ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789!#$%&'()+-,/=")) {
    const GlyphShape* g = FindGlyph(ch);
    ASSERT_NE(g, nullptr) << ch;
    for (const std::string_view row : g->rows) EXPECT_EQ(int(row.size()), GlyphWidth(*g)) << ch;
  }
  EXPECT_EQ(FindGlyph('?'), nullptr);
}

}  // namespace
}  // namespace quarrion::art
