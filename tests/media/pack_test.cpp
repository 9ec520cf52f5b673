#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>

#include "app/media/bmp.h"
#include "app/media/byte_io.h"
#include "app/media/headless_media.h"
#include "app/media/pack.h"
#include "app/media/pack_bytes.h"
#include "app/media/property_stream.h"
#include "tests/temp_path.h"

namespace quarrion {
namespace {

namespace fs = std::filesystem;

class PackFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::path(testing_support::UniqueTempPath("quarrion-pack"));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override {
    std::error_code ec;
    fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(dir_, ec);
  }
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }
  static std::vector<uint8_t> Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  static void Spit(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  }

  fs::path dir_;
};

// A distinct little picture per number, so that order mix-ups show.
ImageItem PackedPicture(int n) {
  ImageItem item;
  item.systemMemory = true;
  item.transparent = true;
  item.transparentColor = kMagenta;
  item.bitmap = Bitmap{2 + n % 3, 1 + n % 2, {}};
  item.bitmap.pixels.assign(std::size_t(item.bitmap.width * item.bitmap.height), uint32_t(n * 0x010203));
  return item;
}

Wave Tone(int n) {
  Wave w{22050, 1, 16, {}};
  for (int i = 0; i < 50 + n; ++i) w.samples.push_back(int16_t((i * 997 + n * 31) % 20000 - 10000));
  return w;
}

std::size_t Find(const std::vector<uint8_t>& bytes, std::string_view text, std::size_t from = 0) {
  const auto it = std::search(bytes.begin() + std::ptrdiff_t(from), bytes.end(), text.begin(), text.end());
  return it == bytes.end() ? std::string::npos : std::size_t(it - bytes.begin());
}

// The tag byte written right after a property name.
uint8_t TagAfter(const std::vector<uint8_t>& bytes, std::string_view name, std::size_t from = 0) {
  const std::size_t at = Find(bytes, name, from);
  EXPECT_NE(at, std::string::npos) << name;
  return at == std::string::npos ? 0 : bytes[at + name.size()];
}

TEST_F(PackFiles, HundredFourteenPicturesReadBackInOrderWithTheirFlags) {
  ImageListData list;
  for (int i = 0; i < 114; ++i) list.items.push_back(PackedPicture(i));
  list.colorTable[5] = 0x00112233;
  std::string error;
  ASSERT_TRUE(WritePack(Path("g.dxg"), list, &error)) << error;
  ImageListData back;
  ASSERT_TRUE(ReadPack(Path("g.dxg"), back, &error)) << error;
  ASSERT_EQ(back.items.size(), 114u);
  EXPECT_EQ(back.colorTable, list.colorTable);
  for (int i = 0; i < 114; ++i) {
    const ImageItem& item = back.items[std::size_t(i)];
    EXPECT_EQ(item.patternWidth, 0);
    EXPECT_EQ(item.patternHeight, 0);
    EXPECT_TRUE(item.systemMemory);
    EXPECT_TRUE(item.transparent);
    EXPECT_EQ(item.transparentColor, kMagenta);
    EXPECT_EQ(item.bitmap.width, list.items[std::size_t(i)].bitmap.width);
    EXPECT_EQ(item.bitmap.pixels, list.items[std::size_t(i)].bitmap.pixels) << "item " << i;
  }
  const std::vector<uint8_t> bytes = Slurp(Path("g.dxg"));
  std::size_t entries = 0;
  for (std::size_t at = Find(bytes, "PatternHeight"); at != std::string::npos; at = Find(bytes, "PatternHeight", at + 1))
    ++entries;
  EXPECT_EQ(entries, 114u);
}

TEST_F(PackFiles, TwentyFourSoundsReadBackUnloopedAndUnlimited) {
  SoundListData list;
  for (int i = 0; i < 24; ++i) list.items.push_back(SoundItem{"", false, 0, Tone(i)});
  std::string error;
  ASSERT_TRUE(WritePack(Path("s.dxw"), list, &error)) << error;
  SoundListData back;
  ASSERT_TRUE(ReadPack(Path("s.dxw"), back, &error)) << error;
  ASSERT_EQ(back.items.size(), 24u);
  for (int i = 0; i < 24; ++i) {
    EXPECT_FALSE(back.items[std::size_t(i)].looped);
    EXPECT_EQ(back.items[std::size_t(i)].maxPlayingCount, 0);
    EXPECT_EQ(back.items[std::size_t(i)].wave.samples, Tone(i).samples);
  }
}

TEST(PackLayout, HeaderStreamAndPropertyOrderAreExact) {
  ImageListData list;
  ImageItem item = PackedPicture(1);
  list.items.push_back(item);
  const std::vector<uint8_t> bytes = BuildImagePack(list);
  const std::string_view name = "DELPHIXPICTURECOLLECTION";
  ASSERT_GT(bytes.size(), 40u);
  EXPECT_EQ(bytes[0], 255);
  EXPECT_EQ(bytes[1], 10);
  EXPECT_EQ(bytes[2], 0);
  EXPECT_EQ(std::string(bytes.begin() + 3, bytes.begin() + 3 + std::ptrdiff_t(name.size())), name);
  std::size_t at = 3 + name.size();
  EXPECT_EQ(bytes[at], 0) << "the name ends with a zero byte";
  EXPECT_EQ(bytes[at + 1], 0x30);
  EXPECT_EQ(bytes[at + 2], 0x10);
  const uint32_t size = uint32_t(bytes[at + 3] | bytes[at + 4] << 8 | bytes[at + 5] << 16 | bytes[at + 6] << 24);
  const std::size_t header = at + 7;
  EXPECT_EQ(size, bytes.size() - header);
  EXPECT_EQ(std::string(bytes.begin() + std::ptrdiff_t(header), bytes.begin() + std::ptrdiff_t(header) + 4), "TPF0");
  EXPECT_EQ(bytes[header + 4], 27);
  EXPECT_EQ(Find(bytes, "TPictureCollectionComponent"), header + 5);
  EXPECT_EQ(bytes[header + 5 + 27], 0) << "the object has an empty name";
  EXPECT_EQ(TagAfter(bytes, "List.ColorTable"), 10);
  EXPECT_EQ(TagAfter(bytes, "List\x0e"), 1) << "a collection tag, then the first entry's list tag";
  const std::vector<std::string_view> order = {"PatternHeight", "PatternWidth", "Picture.Data", "SystemMemory",
                                               "Transparent\x09", "TransparentColor"};
  std::size_t last = 0;
  for (std::string_view p : order) {
    const std::size_t pos = Find(bytes, p, last);
    ASSERT_NE(pos, std::string::npos) << p;
    last = pos;
  }
  EXPECT_EQ(Find(bytes, "Name"), std::string::npos) << "an item without a name writes none";
  EXPECT_EQ(Find(bytes, "Skip"), std::string::npos) << "zero skips are left out";
  EXPECT_EQ(TagAfter(bytes, "TransparentColor"), 7);
  EXPECT_EQ(Find(bytes, "\x09" "clFuchsia"), Find(bytes, "TransparentColor") + 17);
  EXPECT_EQ(TagAfter(bytes, "Picture.Data"), 10);
  EXPECT_EQ(Find(bytes, "\x07TBitmap"), Find(bytes, "Picture.Data") + 12 + 5);
  EXPECT_EQ(std::vector<uint8_t>(bytes.end() - 4, bytes.end()), (std::vector<uint8_t>{0, 0, 0, 0}))
      << "end of item, of collection, of properties, of children";
}

TEST(PackLayout, IntegersUseTheSmallestTagThatHoldsThem) {
  const std::vector<std::pair<int32_t, uint8_t>> cases = {{0, 2},      {127, 2},      {-128, 2},    {128, 3},
                                                          {-129, 3},   {32767, 3},    {-32768, 3},  {32768, 4},
                                                          {-32769, 4}, {2000000000, 4}};
  for (const auto& [value, tag] : cases) {
    ImageListData list;
    list.items.push_back(ImageItem{});
    list.items[0].patternHeight = value;
    list.items[0].transparentColor = 0x123456;  // no name: written as an integer
    const std::vector<uint8_t> bytes = BuildImagePack(list);
    EXPECT_EQ(TagAfter(bytes, "PatternHeight"), tag) << value;
    EXPECT_EQ(TagAfter(bytes, "TransparentColor"), 4);
    ImageListData back;
    std::string error;
    ASSERT_TRUE(ParseImagePack(bytes, back, &error)) << error;
    EXPECT_EQ(back.items[0].patternHeight, value);
    EXPECT_EQ(back.items[0].transparentColor, 0x123456u) << "TColor order is swapped on the way and back";
  }
}

TEST(PackLayout, NamesSkipsAndLongStringsRoundTrip) {
  ImageListData list;
  ImageItem item = PackedPicture(2);
  item.name = std::string(300, 'x');
  item.skipWidth = 3;
  item.skipHeight = -2;
  item.transparentColor = kBlack;
  item.transparent = false;
  list.items.push_back(item);
  const std::vector<uint8_t> bytes = BuildImagePack(list);
  EXPECT_EQ(TagAfter(bytes, "Name"), 12) << "more than 255 characters need a long string";
  EXPECT_NE(Find(bytes, "clBlack"), std::string::npos);
  ImageListData back;
  std::string error;
  ASSERT_TRUE(ParseImagePack(bytes, back, &error)) << error;
  EXPECT_EQ(back.items[0].name, item.name);
  EXPECT_EQ(back.items[0].skipWidth, 3);
  EXPECT_EQ(back.items[0].skipHeight, -2);
  EXPECT_EQ(back.items[0].transparentColor, kBlack);
  EXPECT_FALSE(back.items[0].transparent);
}

// A pack stream of one image item whose properties the caller writes.
std::vector<uint8_t> OneItemPack(const std::function<void(PropertyWriter&)>& item, std::string_view resource = "X") {
  PropertyWriter w;
  w.BeginResource(resource);
  w.Signature();
  w.ShortString(kImageListClass);
  w.ShortString("");
  w.BeginCollection("List");
  w.Tag(ValueTag::List);
  item(w);
  w.EndOfList();
  w.EndOfList();
  w.EndOfList();
  w.EndOfList();
  w.EndResource();
  return w.Release();
}

TEST(PackRead, AcceptsDeviceIndependentPicturesAndAnyResourceName) {
  ByteWriter dib;
  dib.U32(40);
  dib.I32(2);
  dib.I32(1);
  dib.U16(1);
  dib.U16(8);
  dib.U32(0);
  dib.U32(4);
  dib.U32(0);
  dib.U32(0);
  dib.U32(2);
  dib.U32(0);
  dib.U32(0x00AABBCC);
  dib.U32(0x00010203);
  dib.Bytes(std::vector<uint8_t>{1, 0, 0, 0});
  ByteWriter data;
  data.U8(4);
  data.Text("TDIB");
  data.Bytes(dib.Bytes());
  const std::vector<uint8_t> bytes = OneItemPack([&](PropertyWriter& w) { w.Binary("Picture.Data", data.Bytes()); },
                                                 "SOMETHINGELSE");
  ImageListData list;
  std::string error;
  ASSERT_TRUE(ParseImagePack(bytes, list, &error)) << error;
  ASSERT_EQ(list.items.size(), 1u);
  EXPECT_EQ(list.items[0].bitmap.At(0, 0), 0x010203u);
  EXPECT_EQ(list.items[0].bitmap.At(1, 0), 0xAABBCCu);
}

TEST(PackRead, EmptyPictureKindMeansNoPicture) {
  const std::vector<uint8_t> bytes =
      OneItemPack([](PropertyWriter& w) { w.Binary("Picture.Data", std::vector<uint8_t>{0}); });
  ImageListData list;
  std::string error;
  ASSERT_TRUE(ParseImagePack(bytes, list, &error)) << error;
  EXPECT_TRUE(list.items[0].bitmap.Empty());
}

TEST(PackRead, RefusesWhatTheLayoutDoesNotAllowAndSaysWhy) {
  auto refused = [](const std::vector<uint8_t>& bytes, const std::string& expected) {
    ImageListData list;
    std::string error;
    EXPECT_FALSE(ParseImagePack(bytes, list, &error));
    EXPECT_NE(error.find(expected), std::string::npos) << "error was: " << error;
  };
  refused(OneItemPack([](PropertyWriter& w) { w.Integer("Colour", 1); }), "\"Colour\" is not a property");
  refused(OneItemPack([](PropertyWriter& w) { w.Integer("Transparent", 1); }), "needs true or false");
  refused(OneItemPack([](PropertyWriter& w) { w.Boolean("PatternWidth", true); }), "needs an integer");
  refused(OneItemPack([](PropertyWriter& w) { w.Ident("TransparentColor", "clRainbow"); }), "unknown colour");
  refused(OneItemPack([](PropertyWriter& w) { w.Binary("Picture.Data", std::vector<uint8_t>{5, 'T', 'I', 'c', 'o', 'n'}); }),
          "unsupported kind \"TIcon\"");
  refused(OneItemPack([](PropertyWriter& w) { w.Binary("Picture.Data", std::vector<uint8_t>{0, 9}); }),
          "bytes follow the picture");
  refused(OneItemPack([](PropertyWriter& w) {
            w.ShortString("PatternWidth");
            w.Tag(ValueTag(5));  // extended float: not a tag of the layout
          }),
          "unknown value tag 5");

  std::vector<uint8_t> bytes = OneItemPack([](PropertyWriter&) {});
  bytes[0] = 254;
  refused(bytes, "first byte is not 255");
  bytes = OneItemPack([](PropertyWriter&) {});
  bytes[bytes.size() - 1] = 7;
  refused(bytes, "child objects");

  // a binary length far beyond the file is refused, never allocated
  PropertyWriter w;
  w.BeginResource("X");
  w.Signature();
  w.ShortString(kImageListClass);
  w.ShortString("");
  w.ShortString("List.ColorTable");
  w.Tag(ValueTag::Binary);
  std::vector<uint8_t> lying = w.Release();
  for (const int b : {0xFF, 0xFF, 0xFF, 0x7F}) lying.push_back(uint8_t(b));
  refused(lying, "more than the file holds");
}

TEST(PackRead, ColourTableMustHoldExactly1024Bytes) {
  PropertyWriter w;
  w.BeginResource("X");
  w.Signature();
  w.ShortString(kImageListClass);
  w.ShortString("");
  w.Binary("List.ColorTable", std::vector<uint8_t>(1020));
  w.EndOfList();
  w.EndOfList();
  ImageListData list;
  std::string error;
  EXPECT_FALSE(ParseImagePack(w.Release(), list, &error));
  EXPECT_NE(error.find("1024"), std::string::npos) << error;
}

TEST(PackRead, SoundPackAsGraphicsFailsOnItsClassNotItsHeader) {
  SoundListData sounds;
  sounds.items.push_back(SoundItem{"", false, 0, Tone(0)});
  ImageListData images;
  std::string error;
  EXPECT_FALSE(ParseImagePack(BuildSoundPack(sounds), images, &error));
  EXPECT_NE(error.find("TWaveCollectionComponent"), std::string::npos) << error;
  ImageListData pictures;
  pictures.items.push_back(PackedPicture(0));
  EXPECT_FALSE(ParseSoundPack(BuildImagePack(pictures), sounds, &error));
  EXPECT_NE(error.find("TPictureCollectionComponent"), std::string::npos) << error;
  EXPECT_TRUE(sounds.items.empty()) << "the list was emptied first";
}

TEST(PackRead, FailureLeavesTheItemsBeforeTheBrokenOne) {
  ImageListData list;
  for (int i = 0; i < 3; ++i) list.items.push_back(PackedPicture(i));
  std::vector<uint8_t> bytes = BuildImagePack(list);
  // break the third item's picture kind
  std::size_t third = Find(bytes, "TBitmap");
  third = Find(bytes, "TBitmap", third + 1);
  third = Find(bytes, "TBitmap", third + 1);
  bytes[third] = 'X';
  ImageListData back;
  std::string error;
  EXPECT_FALSE(ParseImagePack(bytes, back, &error));
  EXPECT_EQ(back.items.size(), 2u);
  EXPECT_NE(error.find("item 2"), std::string::npos) << error;
}

TEST(PackRead, EveryTruncationFailsWithoutCrashing) {
  ImageListData images;
  images.items.push_back(PackedPicture(4));
  images.items.push_back(PackedPicture(5));
  SoundListData sounds;
  sounds.items.push_back(SoundItem{"bang", true, 3, Tone(1)});
  const std::vector<uint8_t> imagePack = BuildImagePack(images);
  const std::vector<uint8_t> soundPack = BuildSoundPack(sounds);
  for (std::size_t n = 0; n < imagePack.size(); ++n) {
    ImageListData list;
    EXPECT_FALSE(ParseImagePack(std::span(imagePack).first(n), list)) << n;
  }
  for (std::size_t n = 0; n < soundPack.size(); ++n) {
    SoundListData list;
    EXPECT_FALSE(ParseSoundPack(std::span(soundPack).first(n), list)) << n;
  }
  SoundListData back;
  ASSERT_TRUE(ParseSoundPack(soundPack, back));
  EXPECT_EQ(back.items[0].name, "bang");
  EXPECT_TRUE(back.items[0].looped);
  EXPECT_EQ(back.items[0].maxPlayingCount, 3);
}

TEST_F(PackFiles, RefusedFileStaysOnDiskUnchanged) {
  std::vector<uint8_t> bytes = BuildImagePack(ImageListData{});
  bytes[0] = 0;
  Spit(Path("bad.dxg"), bytes);
  ImageListData list;
  list.items.push_back(PackedPicture(0));
  std::string error;
  EXPECT_FALSE(ReadPack(Path("bad.dxg"), list, &error));
  EXPECT_TRUE(list.items.empty());
  EXPECT_EQ(Slurp(Path("bad.dxg")), bytes);
  EXPECT_FALSE(ReadPack(Path("missing.dxg"), list, &error));
  EXPECT_NE(error.find("no such file"), std::string::npos) << error;
}

TEST_F(PackFiles, FailedWriteKeepsTheOldPackAndLeavesNoTemporaryFile) {
  ImageListData one;
  one.items.push_back(PackedPicture(1));
  ASSERT_TRUE(WritePack(Path("p.dxg"), one));
  const std::vector<uint8_t> before = Slurp(Path("p.dxg"));
  fs::permissions(dir_, fs::perms::owner_write, fs::perm_options::remove);
  ImageListData two;
  two.items.push_back(PackedPicture(2));
  std::string error;
  if (!WritePack(Path("p.dxg"), two, &error)) {  // root may write anyway
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(Slurp(Path("p.dxg")), before);
  }
  fs::permissions(dir_, fs::perms::owner_write, fs::perm_options::add);
  EXPECT_FALSE(WritePack(Path("no/such/folder/p.dxg"), two, &error));
  EXPECT_FALSE(WritePack(dir_.string(), two, &error)) << "a folder is not replaced";
  for (const auto& entry : fs::directory_iterator(dir_))
    EXPECT_EQ(entry.path().string().find(".tmp"), std::string::npos) << entry.path();
}

TEST_F(PackFiles, LoadingAListReplacesItsItemsOrEmptiesItOnFailure) {
  ImageListData data;
  data.items.push_back(PackedPicture(3));
  ASSERT_TRUE(WritePack(Path("a.dxg"), data));
  ImageList list;
  list.Data().items.resize(5);
  ASSERT_TRUE(LoadImageList(Path("a.dxg"), list));
  EXPECT_EQ(list.Count(), 1);
  EXPECT_FALSE(LoadImageList(Path("nothing.dxg"), list));
  EXPECT_EQ(list.Count(), 0);

  SoundListData sounds;
  sounds.items.push_back(SoundItem{"", false, 0, Tone(2)});
  ASSERT_TRUE(WritePack(Path("a.dxw"), sounds));
  RecordingSoundList waves;
  ASSERT_TRUE(LoadSoundList(Path("a.dxw"), waves));
  EXPECT_EQ(waves.Count(), 1);
  EXPECT_FALSE(LoadSoundList(Path("a.dxg"), waves)) << "a graphics pack is no sound pack";
  EXPECT_EQ(waves.Count(), 0);
}

TEST_F(PackFiles, AFailingPackFallsBackToTheDefaultWhosePathItTakes) {
  ImageListData list;
  for (int i = 0; i < 3; ++i) list.items.push_back(PackedPicture(i));
  ASSERT_TRUE(WritePack(Path("default.dxg"), list));
  Spit(Path("broken.dxg"), {1, 2, 3});
  ImageList images;
  std::string path = Path("broken.dxg");
  ASSERT_TRUE(LoadImageListOrDefault(path, Path("default.dxg"), images));
  EXPECT_EQ(path, Path("default.dxg"));
  EXPECT_EQ(images.Count(), 3);
  path = Path("broken.dxg");
  EXPECT_FALSE(LoadImageListOrDefault(path, Path("missing.dxg"), images));
}

}  // namespace
}  // namespace quarrion
