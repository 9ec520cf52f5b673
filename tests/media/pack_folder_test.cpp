#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/media/bmp.h"
#include "app/media/pack.h"
#include "app/media/pack_folder.h"
#include "app/media/wav.h"
#include "tests/temp_path.h"

namespace quarrion {
namespace {

namespace fs = std::filesystem;

class PackFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::path(testing_support::UniqueTempPath("quarrion-pack-folder"));
    fs::remove_all(root_);
    fs::create_directories(root_ / "in");
  }
  void TearDown() override { fs::remove_all(root_); }

  static void Spit(const fs::path& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  }
  static std::vector<uint8_t> Slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  // A one-pixel picture whose colour says which number it had.
  void Picture(int n, const std::string& ext = ".bmp") {
    Spit(root_ / "in" / (ThreeDigitName(n) + ext), EncodeBmpFile(Bitmap{1, 1, {uint32_t(n)}}));
  }
  void Sound(int n) {
    Spit(root_ / "in" / (ThreeDigitName(n) + ".wav"), EncodeWav(Wave{22050, 1, 16, {int16_t(n), int16_t(-n)}}));
  }
  std::string In() const { return (root_ / "in").string(); }
  std::string At(const std::string& name) const { return (root_ / name).string(); }

  fs::path root_;
};

TEST(ThreeDigitNameTest, PadsBelowAHundredOnly) {
  EXPECT_EQ(ThreeDigitName(0), "000");
  EXPECT_EQ(ThreeDigitName(7), "007");
  EXPECT_EQ(ThreeDigitName(42), "042");
  EXPECT_EQ(ThreeDigitName(113), "113");
  EXPECT_EQ(ThreeDigitName(1000), "1000");
}

TEST(PackKindTest, ExtensionsCompareExactly) {
  EXPECT_EQ(PackKindOf("a.dxg"), PackKind::Images);
  EXPECT_EQ(PackKindOf("a.dxw"), PackKind::Sounds);
  EXPECT_EQ(PackKindOf("a.DXG"), PackKind::None);
  EXPECT_EQ(PackKindOf("dxg"), PackKind::None);
  EXPECT_EQ(PackBaseName("/x/y/Graphics24.dxg"), "Graphics24");
  EXPECT_EQ(PackBaseName(".dxg"), "");
}

TEST_F(PackFolderTest, MissingPictureNumbersMoveLaterPicturesDown) {
  for (int i = 0; i <= 9; ++i) Picture(i);
  Picture(11);
  Picture(12, ".BMP");  // upper-case extension: not one of the numbered pictures
  Picture(114);         // past the last item a pack holds
  const PackResult result = PackFolder(In(), At("out.dxg"));
  ASSERT_TRUE(result.ok) << result.error;
  EXPECT_EQ(result.count, 11);
  ImageListData list;
  ASSERT_TRUE(ReadPack(At("out.dxg"), list));
  ASSERT_EQ(list.items.size(), 11u);
  EXPECT_EQ(list.items[10].bitmap.At(0, 0), 11u) << "011.bmp becomes item 10";
  for (const ImageItem& item : list.items) {
    EXPECT_TRUE(item.systemMemory);
    EXPECT_TRUE(item.transparent);
    EXPECT_EQ(item.transparentColor, kMagenta);
    EXPECT_EQ(item.patternWidth, 0);
  }
}

TEST_F(PackFolderTest, UnreadablePictureWritesNoPack) {
  Picture(0);
  Spit(root_ / "in" / "001.bmp", {'B', 'M', 1, 2});
  const PackResult result = PackFolder(In(), At("out.dxg"));
  EXPECT_FALSE(result.ok);
  EXPECT_NE(result.error.find("001.bmp"), std::string::npos) << result.error;
  EXPECT_FALSE(fs::exists(At("out.dxg")));
}

TEST_F(PackFolderTest, SoundPackNeedsAllTwentyFourSounds) {
  for (int i = 0; i < 23; ++i) Sound(i);
  Spit(At("old.dxw"), {1, 2, 3});
  PackResult result = PackFolder(In(), At("old.dxw"));
  EXPECT_FALSE(result.ok);
  EXPECT_NE(result.error.find("023.wav"), std::string::npos) << result.error;
  EXPECT_EQ(Slurp(At("old.dxw")), (std::vector<uint8_t>{1, 2, 3})) << "no pack written over the old file";
  Sound(23);
  result = PackFolder(In(), At("old.dxw"));
  ASSERT_TRUE(result.ok) << result.error;
  SoundListData list;
  ASSERT_TRUE(ReadPack(At("old.dxw"), list));
  ASSERT_EQ(list.items.size(), 24u);
  EXPECT_EQ(list.items[23].wave.samples[0], 23);
  EXPECT_FALSE(list.items[5].looped);
  EXPECT_EQ(list.items[5].maxPlayingCount, 0);
}

TEST_F(PackFolderTest, RefusesANameThatIsNoPackAndAMissingFolder) {
  EXPECT_FALSE(PackFolder(In(), At("out.zip")).ok);
  EXPECT_FALSE(PackFolder(At("nowhere"), At("out.dxg")).ok);
  EXPECT_FALSE(fs::exists(At("out.dxg")));
}

TEST_F(PackFolderTest, UnpackWritesNumberedFilesIntoAFolderNamedAfterThePack) {
  for (int i = 0; i < 3; ++i) Picture(i);
  ASSERT_TRUE(PackFolder(In(), At("Graphics24.dxg")).ok);
  const PackResult result = UnpackPack(At("Graphics24.dxg"), At("Unpack"));
  ASSERT_TRUE(result.ok) << result.error;
  EXPECT_EQ(result.count, 3);
  for (int i = 0; i < 3; ++i) {
    Bitmap b;
    ASSERT_TRUE(DecodeBmpFile(Slurp(root_ / "Unpack" / "Graphics24" / (ThreeDigitName(i) + ".bmp")), b));
    EXPECT_EQ(b.At(0, 0), uint32_t(i));
  }

  for (int i = 0; i < 24; ++i) Sound(i);
  ASSERT_TRUE(PackFolder(In(), At("Sounds.dxw")).ok);
  ASSERT_TRUE(UnpackPack(At("Sounds.dxw"), At("Unpack")).ok);
  Wave w;
  ASSERT_TRUE(DecodeWav(Slurp(root_ / "Unpack" / "Sounds" / "017.wav"), w));
  EXPECT_EQ(w.samples, (std::vector<int16_t>{17, -17}));
}

TEST_F(PackFolderTest, UnpackingABrokenPackMakesNoFolder) {
  Spit(At("Broken.dxg"), {0, 1, 2});
  const PackResult result = UnpackPack(At("Broken.dxg"), At("Unpack"));
  EXPECT_FALSE(result.ok);
  EXPECT_FALSE(result.error.empty());
  EXPECT_FALSE(fs::exists(root_ / "Unpack" / "Broken"));
}

}  // namespace
}  // namespace quarrion
