#include <gtest/gtest.h>

#include "app/media/bmp.h"
#include "app/media/byte_io.h"

namespace quarrion {
namespace {

struct Dib {
  int32_t width = 0;
  int32_t height = 0;
  uint16_t bits = 24;
  uint32_t compression = 0;
  uint32_t sizeImage = 0;
  uint32_t colorsUsed = 0;
  std::vector<uint32_t> palette;  // 0xRRGGBB
  std::vector<uint32_t> masks;    // written after a 40-byte header
  std::vector<uint8_t> pixels;
};

void WriteInfo(ByteWriter& out, const Dib& d) {
  out.U32(40);
  out.I32(d.width);
  out.I32(d.height);
  out.U16(1);
  out.U16(d.bits);
  out.U32(d.compression);
  out.U32(d.sizeImage);
  out.U32(0);
  out.U32(0);
  out.U32(d.colorsUsed);
  out.U32(0);
  for (uint32_t m : d.masks) out.U32(m);
  for (uint32_t c : d.palette) {
    out.U8(uint8_t(c));
    out.U8(uint8_t(c >> 8));
    out.U8(uint8_t(c >> 16));
    out.U8(0);
  }
}

std::vector<uint8_t> BmpFile(const Dib& d) {
  ByteWriter info;
  WriteInfo(info, d);
  ByteWriter out;
  out.Text("BM");
  out.U32(uint32_t(14 + info.Size() + d.pixels.size()));
  out.U32(0);
  out.U32(uint32_t(14 + info.Size()));
  out.Bytes(info.Bytes());
  out.Bytes(d.pixels);
  return out.Release();
}

std::vector<uint8_t> DibBlock(const Dib& d) {
  ByteWriter out;
  WriteInfo(out, d);
  out.Bytes(d.pixels);
  return out.Release();
}

Bitmap Decode(const std::vector<uint8_t>& file) {
  Bitmap b;
  std::string error;
  EXPECT_TRUE(DecodeBmpFile(file, b, &error)) << error;
  return b;
}

const std::vector<uint32_t> kFour = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF};

TEST(BmpDecode, TwentyFourBitRoundTripKeepsRowPaddingAndOrder) {
  Bitmap in{3, 2, {0x102030, 0x405060, 0x708090, 0xA0B0C0, 0xD0E0F0, 0x010203}};
  const std::vector<uint8_t> file = EncodeBmpFile(in);
  EXPECT_EQ(file.size(), 14u + 40u + 2u * 12u) << "3 pixels of 3 bytes pad to 12 bytes a row";
  const Bitmap out = Decode(file);
  EXPECT_EQ(out.width, 3);
  EXPECT_EQ(out.height, 2);
  EXPECT_EQ(out.pixels, in.pixels);
}

TEST(BmpDecode, IndexedDepthsReadBottomUpRowsThroughThePalette) {
  // 1 bit: a 9-pixel row crosses a byte; bottom row stored first
  Dib one{9, 2, 1, 0, 0, 2, {0x000000, 0xFFFFFF}, {}, {0x80, 0x80, 0, 0, 0x7F, 0x00, 0, 0}};
  Bitmap b = Decode(BmpFile(one));
  EXPECT_EQ(b.At(0, 1), 0xFFFFFFu);  // first stored row is the bottom one
  EXPECT_EQ(b.At(8, 1), 0xFFFFFFu);
  EXPECT_EQ(b.At(1, 1), 0x000000u);
  EXPECT_EQ(b.At(0, 0), 0x000000u);
  EXPECT_EQ(b.At(1, 0), 0xFFFFFFu);
  EXPECT_EQ(b.At(8, 0), 0x000000u);

  Dib four{3, 1, 4, 0, 0, 4, kFour, {}, {0x12, 0x30, 0, 0}};
  b = Decode(BmpFile(four));
  EXPECT_EQ(b.pixels, (std::vector<uint32_t>{0xFF0000, 0x00FF00, 0x0000FF}));

  Dib eight{2, 1, 8, 0, 0, 4, kFour, {}, {3, 1, 0, 0}};
  b = Decode(BmpFile(eight));
  EXPECT_EQ(b.pixels, (std::vector<uint32_t>{0x0000FF, 0xFF0000}));
}

TEST(BmpDecode, NegativeHeightMeansTopDown) {
  Dib d{1, -2, 8, 0, 0, 4, kFour, {}, {1, 0, 0, 0, 2, 0, 0, 0}};
  const Bitmap b = Decode(BmpFile(d));
  EXPECT_EQ(b.height, 2);
  EXPECT_EQ(b.At(0, 0), 0xFF0000u);
  EXPECT_EQ(b.At(0, 1), 0x00FF00u);
}

TEST(BmpDecode, SixteenBitScalesFiveAndSixBitFieldsToFullRange) {
  Dib rgb555{2, 1, 16, 0, 0, 0, {}, {}, {0x00, 0x7C, 0xFF, 0x7F}};
  Bitmap b = Decode(BmpFile(rgb555));
  EXPECT_EQ(b.At(0, 0), 0xFF0000u);
  EXPECT_EQ(b.At(1, 0), 0xFFFFFFu);
  Dib rgb565{2, 1, 16, 3, 0, 0, {}, {0xF800, 0x07E0, 0x001F}, {0xE0, 0x07, 0x1F, 0x00}};
  b = Decode(BmpFile(rgb565));
  EXPECT_EQ(b.At(0, 0), 0x00FF00u) << "six green bits, all set";
  EXPECT_EQ(b.At(1, 0), 0x0000FFu);
}

TEST(BmpDecode, ThirtyTwoBitPlainAndWithMasks) {
  Dib plain{1, 1, 32, 0, 0, 0, {}, {}, {0x30, 0x20, 0x10, 0xFF}};
  EXPECT_EQ(Decode(BmpFile(plain)).At(0, 0), 0x102030u) << "the fourth byte is not colour";
  Dib masked{1, 1, 32, 3, 0, 0, {}, {0x000000FF, 0x0000FF00, 0x00FF0000}, {0x30, 0x20, 0x10, 0}};
  EXPECT_EQ(Decode(BmpFile(masked)).At(0, 0), 0x302010u);
}

TEST(BmpDecode, Rle8RunsLiteralsDeltaAndEndCodes) {
  // bottom row: run of 2 × index 1, literal 3 pixels (2,3,1) padded, end of line;
  // top row: delta right 1, run of 1 × index 2, end of bitmap
  Dib d{5, 2, 8, 1, 0, 4, kFour, {}, {2, 1, 0, 3, 2, 3, 1, 0, 0, 0, 0, 2, 1, 0, 1, 2, 0, 1}};
  const Bitmap b = Decode(BmpFile(d));
  EXPECT_EQ(b.At(0, 1), 0xFF0000u);
  EXPECT_EQ(b.At(1, 1), 0xFF0000u);
  EXPECT_EQ(b.At(2, 1), 0x00FF00u);
  EXPECT_EQ(b.At(3, 1), 0x0000FFu);
  EXPECT_EQ(b.At(4, 1), 0xFF0000u);
  EXPECT_EQ(b.At(0, 0), 0x000000u) << "skipped by the delta";
  EXPECT_EQ(b.At(1, 0), 0x00FF00u);
  EXPECT_EQ(b.At(2, 0), 0x000000u);
}

TEST(BmpDecode, Rle4AlternatesNibblesInRunsAndLiterals) {
  // run of 3 alternating 1,2; literal of 3 nibbles (3,1,2) padded to a 16-bit word
  Dib d{6, 1, 4, 2, 0, 4, kFour, {}, {3, 0x12, 0, 3, 0x31, 0x20, 0, 1}};
  const Bitmap b = Decode(BmpFile(d));
  EXPECT_EQ(b.pixels, (std::vector<uint32_t>{0xFF0000, 0x00FF00, 0xFF0000, 0x0000FF, 0xFF0000, 0x00FF00}));
}

TEST(BmpDecode, RunLengthClipsRunsPastTheEdgeWithoutWritingOutside) {
  Dib d{2, 1, 8, 1, 0, 4, kFour, {}, {255, 1, 0, 255, 1, 2, 3, 0, 2, 255, 255, 9, 9}};
  const Bitmap b = Decode(BmpFile(d));
  EXPECT_EQ(b.pixels.size(), 2u);
  EXPECT_EQ(b.At(1, 0), 0xFF0000u);
}

TEST(BmpDecode, OldCoreHeaderWithThreeByteColours) {
  ByteWriter out;
  out.Text("BM");
  out.U32(0);
  out.U32(0);
  out.U32(14 + 12 + 6);
  out.U32(12);
  out.U16(2);
  out.U16(1);
  out.U16(1);
  out.U16(1);
  out.Bytes(std::vector<uint8_t>{0, 0, 0, 0x33, 0x22, 0x11});  // black, then 0x112233
  out.Bytes(std::vector<uint8_t>{0x40, 0, 0, 0});
  const Bitmap b = Decode(out.Release());
  EXPECT_EQ(b.At(0, 0), 0x000000u);
  EXPECT_EQ(b.At(1, 0), 0x112233u);
}

TEST(BmpDecode, DibBlockEndsAtItsImageSize) {
  Dib d{2, 1, 24, 0, 8, 0, {}, {}, {1, 2, 3, 4, 5, 6, 0, 0}};
  std::vector<uint8_t> block = DibBlock(d);
  const std::size_t expected = block.size();
  block.push_back(0xEE);  // what follows is not part of the picture
  Bitmap b;
  std::size_t used = 0;
  std::string error;
  ASSERT_TRUE(DecodeDib(block, b, used, &error)) << error;
  EXPECT_EQ(used, expected);
  EXPECT_EQ(b.At(0, 0), 0x030201u);
  d.sizeImage = 0;  // computed from the sides when left 0
  ASSERT_TRUE(DecodeDib(DibBlock(d), b, used, &error)) << error;
  EXPECT_EQ(used, DibBlock(d).size());
}

TEST(BmpDecode, IndexPastTheColourTableIsBlackNotAnOverread) {
  Dib d{1, 1, 8, 0, 0, 2, {0xFFFFFF, 0x808080}, {}, {200, 0, 0, 0}};
  EXPECT_EQ(Decode(BmpFile(d)).At(0, 0), 0x000000u);
}

TEST(BmpDecode, ImpliedColourTableEndsWhereThePixelsBegin) {
  // 8 bits with "colours used" 0 implies 256 entries, but the file stores two before its pixels
  Dib d{2, 1, 8, 0, 0, 0, {0x000000, 0x00FF00}, {}, {1, 0, 0, 0}};
  const Bitmap b = Decode(BmpFile(d));
  EXPECT_EQ(b.At(0, 0), 0x00FF00u);
  EXPECT_EQ(b.At(1, 0), 0x000000u);
  Bitmap dib;
  std::size_t used = 0;
  EXPECT_FALSE(DecodeDib(DibBlock(d), dib, used)) << "a bare block has no pixel offset to cut at";
}

TEST(BmpRefuse, BadHeadersAndShortDataFailWithAReason) {
  std::string error;
  Bitmap b;
  EXPECT_FALSE(DecodeBmpFile(std::vector<uint8_t>{'B', 'X'}, b, &error));
  Dib shortPixels{4, 4, 24, 0, 0, 0, {}, {}, std::vector<uint8_t>(20)};
  EXPECT_FALSE(DecodeBmpFile(BmpFile(shortPixels), b, &error));
  EXPECT_NE(error.find("cut short"), std::string::npos) << error;
  Dib zero{0, 4, 24, 0, 0, 0, {}, {}, {}};
  EXPECT_FALSE(DecodeBmpFile(BmpFile(zero), b, &error));
  Dib huge{100000, 100000, 1, 0, 0, 2, {0, 0}, {}, {}};
  EXPECT_FALSE(DecodeBmpFile(BmpFile(huge), b, &error)) << "sides beyond the limit are refused before allocating";
  Dib rleMismatch{2, 1, 4, 1, 0, 4, kFour, {}, {0, 1}};
  EXPECT_FALSE(DecodeBmpFile(BmpFile(rleMismatch), b, &error));
  Dib jpeg{2, 1, 24, 4, 0, 0, {}, {}, std::vector<uint8_t>(8)};
  EXPECT_FALSE(DecodeBmpFile(BmpFile(jpeg), b, &error));
  Dib depth2{2, 1, 2, 0, 0, 4, kFour, {}, std::vector<uint8_t>(4)};
  EXPECT_FALSE(DecodeBmpFile(BmpFile(depth2), b, &error));
  // two bytes of run-length codes cannot claim a picture of many millions of pixels
  Dib rleBomb{4000, 4000, 8, 1, 0, 4, kFour, {}, {0, 1}};
  EXPECT_FALSE(DecodeBmpFile(BmpFile(rleBomb), b, &error));
  std::vector<uint8_t> badOffset = BmpFile(Dib{1, 1, 24, 0, 0, 0, {}, {}, {1, 2, 3, 0}});
  badOffset[10] = 0xFF;
  badOffset[11] = 0xFF;
  EXPECT_FALSE(DecodeBmpFile(badOffset, b, &error));
  EXPECT_NE(error.find("pixel offset"), std::string::npos) << error;
}

TEST(BmpRefuse, EveryTruncationOfValidFilesFailsCleanly) {
  const std::vector<std::vector<uint8_t>> files = {
      EncodeBmpFile(Bitmap{5, 3, std::vector<uint32_t>(15, 0x123456)}),
      BmpFile(Dib{9, 2, 1, 0, 0, 2, {0, 0xFFFFFF}, {}, std::vector<uint8_t>(8, 0xAA)}),
      BmpFile(Dib{2, 1, 16, 3, 0, 0, {}, {0xF800, 0x07E0, 0x001F}, {1, 2, 3, 4}}),
  };
  for (const auto& file : files) {
    for (std::size_t n = 0; n < file.size(); ++n) {
      Bitmap b;
      std::vector<uint8_t> cut(file.begin(), file.begin() + std::ptrdiff_t(n));
      // only the padding of the last row may be missing
      if (n + 2 < file.size()) {
        EXPECT_FALSE(DecodeBmpFile(cut, b)) << "length " << n;
      } else if (DecodeBmpFile(cut, b)) {
        EXPECT_EQ(b.pixels.size(), std::size_t(b.width * b.height));
      }
    }
  }
}

}  // namespace
}  // namespace quarrion
