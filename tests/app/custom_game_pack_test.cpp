#include <gtest/gtest.h>

#include <cstdlib>
#include <cerrno>
#include <cstring>
#include <iterator>

#include "app/texts.h"
#include "tests/app/custom_game_fixture.h"

namespace quarrion::custom_game_test {
namespace {

class CustomGamePackTest : public CustomGameFormTest {};

TEST_F(CustomGamePackTest, PackingPicturesSkipsMissingNumbersSoLaterOnesMoveDown) {
  const fs::path folder = root_ / "Unpack" / "mine";
  for (int n = 0; n < 10; ++n) WritePicture(folder / (ThreeDigitName(n) + ".bmp"), n + 1);
  WritePicture(folder / "011.bmp", 42);
  const fs::path pack = root_ / "packed";
  host_.answers = {(folder / "004.bmp").string(), pack.string()};
  form_->Prepare(1);
  form_->PackButtonClick();
  ASSERT_EQ(host_.notices.size(), 1u);
  EXPECT_EQ(host_.notices[0].first, Text(kTextPackNotice, 1) + "   ");
  EXPECT_EQ(host_.notices[0].second, "Quarrion");
  ASSERT_EQ(host_.requests.size(), 2u);
  EXPECT_EQ(host_.requests[0].folder, (root_ / "Unpack").string());
  EXPECT_EQ(host_.requests[0].filter, "*.bmp; *.png; *.wav (*.bmp *.png *.wav)");
  EXPECT_EQ(host_.requests[1].kind, "save");
  EXPECT_EQ(host_.requests[1].filter, "*.dxg (*.dxg)");
  ImageListData packed;
  ASSERT_TRUE(ReadPack(pack.string() + ".dxg", packed)) << "a name typed without extension gets .dxg";
  ASSERT_EQ(packed.items.size(), 11u);
  EXPECT_EQ(packed.items[10].bitmap.width, 42) << "011.bmp becomes item 10";
  EXPECT_EQ(packed.items[9].bitmap.width, 10);
  EXPECT_TRUE(packed.items[0].transparent);
  EXPECT_EQ(packed.items[0].transparentColor, kMagenta);
}

TEST_F(CustomGamePackTest, PackingSoundsWithOneMissingWritesNothingAndKeepsTheLiveSounds) {
  WriteSoundPack(root_ / "live.dxw", 100);
  host_.config.soundsPath = (root_ / "live.dxw").string();
  ASSERT_TRUE(LoadSoundList(host_.config.soundsPath, host_.waves));
  const fs::path folder = root_ / "sounds";
  WriteSoundFiles(folder, kPackedSounds - 1);  // no 023.wav
  host_.answers = {(folder / "000.wav").string(), (root_ / "fx.dxw").string()};
  form_->PackButtonClick();
  EXPECT_EQ(host_.requests[0].folder, host_.programFolder) << "no Unpack folder yet: the program folder";
  EXPECT_EQ(host_.requests.back().filter, "*.dxw (*.dxw)");
  EXPECT_FALSE(fs::exists(root_ / "fx.dxw"));
  ASSERT_EQ(host_.waves.Count(), kPackedSounds);
  EXPECT_EQ(host_.waves.Data().items[0].wave.samples[0], 101) << "the live sounds are still those in use";

  WriteSoundFiles(folder, kPackedSounds);
  host_.answers = {(folder / "023.wav").string(), host_.config.soundsPath};
  form_->PackButtonClick();
  EXPECT_EQ(host_.waves.Data().items[0].wave.samples[0], 1) << "a pack written over the one in use is reloaded";
}

TEST_F(CustomGamePackTest, OnlyExactLowerCaseExtensionsArePackedOrUnpacked) {
  fs::create_directories(root_ / "pics");
  WritePicture(root_ / "pics" / "000.bmp", 1);
  WritePicture(root_ / "pics" / "tiles.BMP", 1);
  host_.answers = {(root_ / "pics" / "tiles.BMP").string(), (root_ / "x.dxg").string()};
  form_->PackButtonClick();
  EXPECT_EQ(host_.requests.size(), 1u) << "no save chooser for tiles.BMP";
  EXPECT_FALSE(fs::exists(root_ / "x.dxg"));

  WriteImagePack(root_ / "Upper.DXG", 2);
  host_.answers = {(root_ / "Upper.DXG").string()};
  form_->UnpackButtonClick();
  EXPECT_TRUE(host_.questions.empty());
  EXPECT_FALSE(fs::exists(root_ / "Unpack"));
}

TEST_F(CustomGamePackTest, UnpackingAsksWithTheRealFolderAndWritesBesideTheProgram) {
  const fs::path pack = root_ / "data" / "standard" / "Graphics24.dxg";
  WriteImagePack(pack, 3);
  host_.answerYes = false;
  host_.answers = {pack.string()};
  form_->Prepare(2);
  form_->UnpackButtonClick();
  EXPECT_EQ(host_.requests[0].filter, "*.dxg;*.dxw (*.dxg *.dxw)");
  ASSERT_EQ(host_.questions.size(), 1u);
  EXPECT_EQ(host_.questions[0].first, Text(kTextAskUnpack, 2) + host_.programFolder + "Unpack/Graphics24/     ")
      << "the folder the files really go to";
  EXPECT_EQ(host_.questions[0].second, "Quarrion");
  EXPECT_FALSE(fs::exists(root_ / "Unpack")) << "No writes nothing";

  host_.answerYes = true;
  host_.answers = {pack.string()};
  form_->UnpackButtonClick();
  for (const char* name : {"000.bmp", "001.bmp", "002.bmp"})
    EXPECT_TRUE(fs::exists(root_ / "Unpack" / "Graphics24" / name)) << name;
  EXPECT_FALSE(fs::exists(root_ / "Unpack" / "Graphics24" / "003.bmp"));

  WriteSoundPack(root_ / "FX.dxw", 7);
  host_.answers = {(root_ / "FX.dxw").string()};
  form_->UnpackButtonClick();
  Wave last;
  std::ifstream in(root_ / "Unpack" / "FX" / "023.wav", std::ios::binary);
  const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
  ASSERT_TRUE(DecodeWav(bytes, last));
  EXPECT_EQ(last.samples[0], 31);
}

// Installed, the program sits in bin/ beside share/quarrion/: its own folders are left alone and
// the player's data folder takes the unpacked files, the new packs and the question's folder text.
TEST_F(CustomGamePackTest, InstalledUnpackingAndNewPacksGoToThePlayersDataFolder) {
  const fs::path share = root_ / "prefix" / "share" / "quarrion";
  fs::create_directories(share / "data" / "standard");
  fs::create_directories(root_ / "prefix" / "bin");
  host_.programFolder = (root_ / "prefix" / "bin").string() + "/";
  const fs::path user = root_ / "home";
  // the player's data folder for this test only, put back however the test ends
  struct DataHome {
    const char* old = std::getenv("XDG_DATA_HOME");
    std::string kept = old != nullptr ? old : "";
    explicit DataHome(const fs::path& folder) { setenv("XDG_DATA_HOME", folder.c_str(), 1); }
    ~DataHome() {
      if (old != nullptr) setenv("XDG_DATA_HOME", kept.c_str(), 1);
      else unsetenv("XDG_DATA_HOME");
    }
  } dataHome(user);

  const fs::path pack = share / "data" / "standard" / "Graphics24.dxg";
  WriteImagePack(pack, 2);
  host_.answers = {pack.string()};
  form_->Prepare(0);
  form_->UnpackButtonClick();
  EXPECT_EQ(host_.requests[0].folder, (share / "data").string()) << "the packs are looked for in the data";
  ASSERT_EQ(host_.questions.size(), 1u);
  EXPECT_EQ(host_.questions[0].first,
            Text(kTextAskUnpack, 0) + (user / "Quarrion" / "Unpack").string() + "/Graphics24/     ");
  EXPECT_TRUE(fs::exists(user / "Quarrion" / "Unpack" / "Graphics24" / "001.bmp"));
  EXPECT_FALSE(fs::exists(root_ / "prefix" / "bin" / "Unpack"));

  host_.answers = {(user / "Quarrion" / "Unpack" / "Graphics24" / "000.bmp").string(), (root_ / "new.dxg").string()};
  form_->PackButtonClick();
  ASSERT_EQ(host_.requests.size(), 3u);
  EXPECT_EQ(host_.requests[1].folder, (user / "Quarrion" / "Unpack").string()) << "packing starts where unpacking went";
  EXPECT_EQ(host_.requests[2].folder, (user / "Quarrion" / "Packs").string()) << "new packs are the player's";
  EXPECT_TRUE(fs::exists(root_ / "new.dxg"));
}

// Packing over a read-only pack and unpacking where no folder can be made both say why in the
// language in use; the read-only pack stays as it was.
TEST_F(CustomGamePackTest, APackOrUnpackThatCannotWriteSaysWhy) {
  const fs::path folder = root_ / "pics";
  WritePicture(folder / "000.bmp", 5);
  const fs::path pack = root_ / "locked.dxg";
  WriteImagePack(pack, 2);
  fs::permissions(pack, fs::perms::owner_read);
  host_.answers = {(folder / "000.bmp").string(), pack.string()};
  form_->Prepare(1);
  form_->PackButtonClick();
  ASSERT_EQ(host_.warnings.size(), 1u);
  EXPECT_EQ(host_.warnings[0].first, WriteFailureText(pack.string(), EACCES, 1));
  EXPECT_EQ(host_.warnings[0].second, "Quarrion");
  ImageListData kept;
  ASSERT_TRUE(ReadPack(pack.string(), kept));
  EXPECT_EQ(kept.items.size(), 2u);

  // a plain file where the Unpack folder belongs: no folder, no files, and the reason
  Spit(root_ / "Unpack", {1});
  host_.answers = {pack.string()};
  form_->Prepare(2);
  form_->UnpackButtonClick();
  ASSERT_EQ(host_.warnings.size(), 2u);
  EXPECT_NE(host_.warnings[1].first.find("Nie można zapisać pliku:"), std::string::npos) << host_.warnings[1].first;
  EXPECT_NE(host_.warnings[1].first.find((root_ / "Unpack" / "locked").string()), std::string::npos);

  // a pack that writes is not reported
  host_.answers = {(folder / "000.bmp").string(), (root_ / "fine.dxg").string()};
  form_->PackButtonClick();
  EXPECT_EQ(host_.warnings.size(), 2u);
}

TEST(WriteFailureTexts, SayWhatAndWhyInEachLanguage) {
  EXPECT_EQ(WriteFailureText("/a/b.qcv", ENOSPC, 0), "The file could not be written:\n/a/b.qcv\n\nThe disk is full.");
  EXPECT_EQ(WriteFailureText("x", EACCES, 1), "Die Datei konnte nicht geschrieben werden:\nx\n\nZugriff verweigert.");
  EXPECT_EQ(WriteFailureText("x", EROFS, 2), "Nie można zapisać pliku:\nx\n\nDysk jest tylko do odczytu.");
  // an error without a translation gives the system's own reason
  EXPECT_EQ(WriteFailureText("x", ENAMETOOLONG, 1).substr(WriteFailureText("x", ENAMETOOLONG, 1).rfind('\n') + 1),
            std::strerror(ENAMETOOLONG));
}

}  // namespace
}  // namespace quarrion::custom_game_test
