// Packing what everyday tools export: PNG pictures beside BMPs, and WAVs in 24 bits or float.
// The pack holds bitmaps and 16-bit PCM either way, so the game reads it as any other.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string_view>

#include "app/media/bmp.h"
#include "app/media/byte_io.h"
#include "app/media/pack.h"
#include "app/media/pack_folder.h"
#include "app/media/wav.h"
#include "tests/media/exported_media.h"
#include "tests/temp_path.h"

namespace quarrion {
namespace {

namespace fs = std::filesystem;
using testing_support::PngOf;

void Spit(const fs::path& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

std::string Slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Sound n: 24-bit PCM mono for even numbers, 32-bit float stereo for odd ones.
std::vector<uint8_t> ExportedSound(int n) {
  if (n % 2 == 1) return testing_support::ExportedWav(true, 2, {0, 4096, 8192, 12288});
  return testing_support::ExportedWav(false, 1, {n * 4, n * 4 + 1, n * 4 + 2, n * 4 + 3});
}

class PackFolderFormatsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::path(testing_support::UniqueTempPath("quarrion-pack-formats"));
    fs::remove_all(root_);
    fs::create_directories(root_ / "in");
  }
  void TearDown() override { fs::remove_all(root_); }
  fs::path root_;
};

TEST_F(PackFolderFormatsTest, PngPicturesPackAsBitmapsBesideBmpsAndAPngWinsOverABmpOfItsNumber) {
  Spit(root_ / "in" / "000.png", PngOf(2, 1, PNG_FORMAT_RGBA, {255, 0, 0, 255, 9, 9, 9, 0}));
  Spit(root_ / "in" / "001.bmp", EncodeBmpFile(Bitmap{1, 1, {0x00FF00}}));
  Spit(root_ / "in" / "002.png", PngOf(1, 1, PNG_FORMAT_RGB_COLORMAP, {0}, {0, 0, 255}));
  Spit(root_ / "in" / "002.bmp", EncodeBmpFile(Bitmap{1, 1, {0x777777}}));
  const std::string pack = (root_ / "mine.dxg").string();
  const PackResult result = PackFolder((root_ / "in").string(), pack);
  ASSERT_TRUE(result.ok) << result.error;
  EXPECT_EQ(result.count, 3);

  ImageListData list;
  std::string error;
  ASSERT_TRUE(ReadPack(pack, list, &error)) << error;
  ASSERT_EQ(list.items.size(), 3u);
  EXPECT_EQ(list.items[0].bitmap.pixels, (std::vector<uint32_t>{0xFF0000, kMagenta})) << "transparent stays clear";
  EXPECT_EQ(list.items[1].bitmap.pixels, (std::vector<uint32_t>{0x00FF00}));
  EXPECT_EQ(list.items[2].bitmap.pixels, (std::vector<uint32_t>{0x0000FF})) << "the PNG, not the BMP";
  EXPECT_TRUE(list.items[0].transparent);
  EXPECT_EQ(list.items[0].transparentColor, kMagenta);
  const std::string bytes = Slurp(pack);
  EXPECT_EQ(bytes.find("\x89PNG"), std::string::npos) << "the pack holds bitmaps only";
  EXPECT_NE(bytes.find("TBitmap"), std::string::npos);
}

TEST_F(PackFolderFormatsTest, ADamagedPngWritesNoPackAndSaysWhich) {
  Spit(root_ / "in" / "000.bmp", EncodeBmpFile(Bitmap{1, 1, {0x00FF00}}));
  std::vector<uint8_t> png = PngOf(4, 4, PNG_FORMAT_RGB, std::vector<uint8_t>(48, 5));
  png.resize(png.size() / 2);
  Spit(root_ / "in" / "001.png", png);
  const std::string pack = (root_ / "mine.dxg").string();
  const PackResult result = PackFolder((root_ / "in").string(), pack);
  EXPECT_FALSE(result.ok);
  EXPECT_NE(result.error.find("001.png"), std::string::npos) << result.error;
  EXPECT_FALSE(fs::exists(pack));
}

TEST_F(PackFolderFormatsTest, TwentyFourBitAndFloatSoundsPackAsSixteenBitPcm) {
  for (int n = 0; n < kPackedSounds; ++n) Spit(root_ / "in" / (ThreeDigitName(n) + ".wav"), ExportedSound(n));
  const std::string pack = (root_ / "mine.dxw").string();
  const PackResult result = PackFolder((root_ / "in").string(), pack);
  ASSERT_TRUE(result.ok) << result.error;
  EXPECT_EQ(result.count, kPackedSounds);

  SoundListData list;
  std::string error;
  ASSERT_TRUE(ReadPack(pack, list, &error)) << error;
  ASSERT_EQ(list.items.size(), std::size_t(kPackedSounds));
  EXPECT_EQ(list.items[4].wave.samples, (std::vector<int16_t>{16, 17, 18, 19}));
  EXPECT_EQ(list.items[4].wave.channels, 1);
  EXPECT_EQ(list.items[5].wave.samples, (std::vector<int16_t>{0, 4096, 8192, 12288})) << "two stereo frames";
  EXPECT_EQ(list.items[5].wave.channels, 2);
  EXPECT_EQ(list.items[5].wave.sampleRate, 48000);
  // every stored sound is a PCM file of 16 bits: "fmt ", size 16, tag 1, and 16 bits per sample
  const std::string bytes = Slurp(pack);
  const std::string pcmFormat("fmt \x10\0\0\0\x01\0", 10);
  int formats = 0;
  for (std::size_t at = bytes.find("fmt "); at != std::string::npos; at = bytes.find("fmt ", at + 1)) {
    ++formats;
    EXPECT_EQ(bytes.compare(at, pcmFormat.size(), pcmFormat), 0) << "a sound stored in another coding";
    EXPECT_EQ(uint8_t(bytes[at + 22]), 16) << "bits per sample";
  }
  EXPECT_EQ(formats, kPackedSounds);
}

}  // namespace
}  // namespace quarrion
