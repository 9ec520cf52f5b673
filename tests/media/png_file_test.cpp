// PNG pictures as painting programs write them: every common kind decodes to the same pixels,
// transparency becomes the packs' magenta, and damaged or oversized files are refused.
#include <gtest/gtest.h>
#include <zlib.h>

#include "app/media/bmp.h"
#include "app/media/byte_io.h"
#include "app/media/png_file.h"
#include "tests/media/exported_media.h"

namespace quarrion {
namespace {

using testing_support::PngOf;

Bitmap Decoded(const std::vector<uint8_t>& file) {
  Bitmap b;
  std::string error;
  EXPECT_TRUE(DecodePngFile(file, b, &error)) << error;
  return b;
}

TEST(PngFile, RgbGreyAndPalettePicturesGiveTheirColoursRowByRow) {
  const Bitmap rgb = Decoded(PngOf(3, 2, PNG_FORMAT_RGB, {255, 0, 0, 0, 255, 0, 0, 0, 255,  //
                                                          1, 2, 3, 250, 251, 252, 0, 0, 0}));
  ASSERT_EQ(rgb.width, 3);
  ASSERT_EQ(rgb.height, 2);
  EXPECT_EQ(rgb.pixels, (std::vector<uint32_t>{0xFF0000, 0x00FF00, 0x0000FF, 0x010203, 0xFAFBFC, 0x000000}));

  const Bitmap grey = Decoded(PngOf(2, 1, PNG_FORMAT_GRAY, {0x40, 0xC0}));
  EXPECT_EQ(grey.pixels, (std::vector<uint32_t>{0x404040, 0xC0C0C0}));

  const std::vector<uint8_t> map = {10, 20, 30, 200, 100, 50};
  const Bitmap palette = Decoded(PngOf(3, 1, PNG_FORMAT_RGB_COLORMAP, {1, 0, 1}, map));
  EXPECT_EQ(palette.pixels, (std::vector<uint32_t>{0xC86432, 0x0A141E, 0xC86432}));
}

TEST(PngFile, PixelsLessThanHalfOpaqueBecomeTheTransparentMagenta) {
  const Bitmap b = Decoded(PngOf(4, 1, PNG_FORMAT_RGBA, {10, 20, 30, 255,  //
                                                         10, 20, 30, 128,  //
                                                         10, 20, 30, 127,  //
                                                         10, 20, 30, 0}));
  EXPECT_EQ(b.pixels, (std::vector<uint32_t>{0x0A141E, 0x0A141E, kMagenta, kMagenta}));
}

TEST(PngFile, DamagedFilesAreRefusedAtEveryLength) {
  std::vector<uint8_t> file = PngOf(8, 8, PNG_FORMAT_RGB, std::vector<uint8_t>(8 * 8 * 3, 77));
  ASSERT_FALSE(file.empty());
  Bitmap b;
  std::string error;
  EXPECT_FALSE(DecodePngFile({}, b, &error));
  EXPECT_FALSE(DecodePngFile(std::vector<uint8_t>{'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0}, b, &error));
  EXPECT_NE(error.find("not a PNG"), std::string::npos) << error;
  for (std::size_t n = 0; n + 12 < file.size(); ++n) {  // the last 12 bytes are the end chunk
    const std::vector<uint8_t> cut(file.begin(), file.begin() + std::ptrdiff_t(n));
    EXPECT_FALSE(DecodePngFile(cut, b, &error)) << "cut at " << n;
  }
  file[40] ^= 0xFF;  // inside the pixel data: its checksum no longer fits
  EXPECT_FALSE(DecodePngFile(file, b, &error));
}

void AddChunk(std::vector<uint8_t>& out, const char* type, const std::vector<uint8_t>& data) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(uint8_t(data.size() >> shift));
  std::vector<uint8_t> chunk(type, type + 4);
  chunk.insert(chunk.end(), data.begin(), data.end());
  const uLong crc = crc32(0, chunk.data(), uInt(chunk.size()));
  out.insert(out.end(), chunk.begin(), chunk.end());
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(uint8_t(crc >> shift));
}

// A PNG claiming a huge picture, with valid checksums, so only the size limit stops it.
std::vector<uint8_t> HugeHeader(uint32_t width, uint32_t height) {
  std::vector<uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<uint8_t> header;
  for (const uint32_t v : {width, height})
    for (int shift = 24; shift >= 0; shift -= 8) header.push_back(uint8_t(v >> shift));
  header.insert(header.end(), {8, 2, 0, 0, 0});
  AddChunk(out, "IHDR", header);
  AddChunk(out, "IDAT", {0x78, 0x01});
  AddChunk(out, "IEND", {});
  return out;
}

TEST(PngFile, AHeaderAskingForAbsurdMemoryIsRefusedBeforeDecoding) {
  Bitmap b;
  std::string error;
  EXPECT_FALSE(DecodePngFile(HugeHeader(kMaxBitmapSide + 1, 1), b, &error));
  EXPECT_NE(error.find("too large"), std::string::npos) << error;
  EXPECT_FALSE(DecodePngFile(HugeHeader(8192, 8192), b, &error)) << "sides fit, the pixel count does not";
  EXPECT_NE(error.find("too large"), std::string::npos) << error;
  EXPECT_TRUE(b.Empty()) << "a refused picture leaves the output alone";
}

}  // namespace
}  // namespace quarrion
