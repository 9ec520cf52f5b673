#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "app/config.h"

namespace quarrion {
namespace {

namespace fs = std::filesystem;

class ConfigFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "quarrion-config-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder_ = pattern + "/";
  }
  void TearDown() override {
    std::error_code error;
    fs::remove_all(folder_, error);
  }
  void WriteIni(const std::string& text) const {
    std::ofstream(folder_ + "Quarrion.ini", std::ios::binary) << text;
  }
  std::string ReadIni() const {
    std::ifstream file(folder_ + "Quarrion.ini", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
  }
  Config Read(const std::string& configLines) const {
    return ParseConfig("[Config]\n" + configLines + "\n[Data]\n", folder_);
  }

  std::string folder_;
};

void ExpectSame(const Config& a, const Config& b) {
  EXPECT_EQ(a.lastCaveSetPath, b.lastCaveSetPath);
  EXPECT_EQ(a.language, b.language);
  EXPECT_EQ(a.speed, b.speed);
  EXPECT_EQ(a.soundOff, b.soundOff);
  EXPECT_EQ(a.zoom, b.zoom);
  EXPECT_EQ(a.graph24Path, b.graph24Path);
  EXPECT_EQ(a.graph32Path, b.graph32Path);
  EXPECT_EQ(a.graph40Path, b.graph40Path);
  EXPECT_EQ(a.fontsPath, b.fontsPath);
  EXPECT_EQ(a.soundsPath, b.soundsPath);
  EXPECT_EQ(a.musicPath, b.musicPath);
  EXPECT_EQ(a.soundFont, b.soundFont);
}

TEST_F(ConfigFileTest, MissingFileGivesEveryDefault) {
  const Config config = ReadConfig(folder_);
  EXPECT_EQ(config.lastCaveSetPath, "");
  EXPECT_EQ(config.language, 0);
  EXPECT_EQ(config.speed, 14);
  EXPECT_EQ(config.soundOff, 0);
  EXPECT_EQ(config.zoom, 1);
  EXPECT_EQ(config.graph24Path, folder_ + "data/standard/Graphics24.dxg");
  EXPECT_EQ(config.graph32Path, folder_ + "data/standard/Graphics32.dxg");
  EXPECT_EQ(config.graph40Path, folder_ + "data/standard/Graphics40.dxg");
  EXPECT_EQ(config.fontsPath, folder_ + "data/standard/Fonts.dxg");
  EXPECT_EQ(config.soundsPath, folder_ + "data/standard/Sounds.dxw");
  EXPECT_EQ(config.musicPath, folder_ + "data/standard/Quarrion.mid");
}

TEST_F(ConfigFileTest, FolderWithoutTrailingSeparatorStillGivesPathsInsideIt) {
  const std::string bare = folder_.substr(0, folder_.size() - 1);
  EXPECT_EQ(DefaultConfig(bare).fontsPath, folder_ + "data/standard/Fonts.dxg");
  WriteIni("[Config]\nSpeed=3\n");
  EXPECT_EQ(ReadConfig(bare).speed, 3);
}

TEST_F(ConfigFileTest, SpeedOutsideZeroToTwentyFourFallsBackToFourteen) {
  EXPECT_EQ(Read("Speed=30").speed, 14);
  EXPECT_EQ(Read("Speed=0").speed, 0);
  EXPECT_EQ(Read("Speed=24").speed, 24);
  EXPECT_EQ(Read("Speed=20").speed, 20);  // the speed dialog clamps this one later
  EXPECT_EQ(Read("Speed=25").speed, 14);
  EXPECT_EQ(Read("Speed=-1").speed, 14);
  EXPECT_EQ(Read("Speed=256").speed, 14);  // not truncated to a byte (which would give 0)
  EXPECT_EQ(Read("Speed=fast").speed, 14);
  EXPECT_EQ(Read("Speed=99999999999999999999999").speed, 14);
}

TEST_F(ConfigFileTest, MissingZoomIsMediumButUnusableZoomIsSmall) {
  EXPECT_EQ(Read("").zoom, 1);
  EXPECT_EQ(Read("Zoom=5").zoom, 0);
  EXPECT_EQ(Read("Zoom=2").zoom, 2);
  EXPECT_EQ(Read("Zoom=257").zoom, 0);  // not truncated to a byte (which would give 1)
  EXPECT_EQ(Read("Zoom=").zoom, 0);
  EXPECT_EQ(Read("Zoom=-1").zoom, 0);
  EXPECT_EQ(Read("Zoom=1x").zoom, 0);
}

TEST_F(ConfigFileTest, UnacceptedLanguageAndSoundOffBecomeZero) {
  EXPECT_EQ(Read("Language=7").language, 0);
  EXPECT_EQ(Read("Language=2").language, 2);
  EXPECT_EQ(Read("Language=258").language, 0);
  EXPECT_EQ(Read("SoundOFF=1").soundOff, 1);
  EXPECT_EQ(Read("SoundOFF=2").soundOff, 0);
  EXPECT_EQ(Read("SoundOFF=257").soundOff, 0);
}

TEST_F(ConfigFileTest, ProfileSpellingsAreAcceptedAsTheyWouldBeByHand) {
  const Config config = ParseConfig(
      "\xEF\xBB\xBF[ config ]\r\n  speed =  +7 \r\nLANGUAGE=\"1\"\r\nZoom=02\r\n[DATA]\r\nfonts = /a b/f.dxg \r\n",
      folder_);
  EXPECT_EQ(config.speed, 7);
  EXPECT_EQ(config.language, 1);
  EXPECT_EQ(config.zoom, 2);
  EXPECT_EQ(config.fontsPath, "/a b/f.dxg");
}

TEST_F(ConfigFileTest, KeysCountOnlyInTheirOwnSectionAndTheFirstOneWins) {
  const Config config = ParseConfig(
      "Speed=3\n[Data]\nSpeed=4\nOpen=/wrong.qcv\n[Config]\nSpeed=5\nSpeed=6\n[Config]\nZoom=2\n", folder_);
  EXPECT_EQ(config.speed, 5);
  EXPECT_EQ(config.lastCaveSetPath, "");
  EXPECT_EQ(config.zoom, 2);  // a repeated section still counts
}

TEST_F(ConfigFileTest, GarbageLinesAreSkippedAndTheRestIsRead) {
  const std::string text = std::string("\x01\x02\xff\xfe junk\n[Config\n=7\n; Speed=9\n# Zoom=2\n") +
                           std::string("\0\0\0", 3) + "\n[Config]\nno equals sign here\nSpeed=11\n[]\n";
  const Config config = ParseConfig(text, folder_);
  EXPECT_EQ(config.speed, 11);
  EXPECT_EQ(config.zoom, 1);
}

TEST_F(ConfigFileTest, RandomBytesNeverCrashAndAlwaysGiveAcceptedValues) {
  std::mt19937 random(6);
  const std::string alphabet = "[]=;\n\r\t \"0123456789-+ConfigDataSpeedZoomLanguageSoundOFF\xc3\xa4";
  for (int round = 0; round < 2000; ++round) {
    std::string text(std::size_t(random() % 300), ' ');
    for (char& c : text) c = round % 2 ? char(random()) : alphabet[random() % alphabet.size()];
    const Config config = ParseConfig(text, folder_);
    EXPECT_LE(config.language, 2);
    EXPECT_LE(config.soundOff, 1);
    EXPECT_LE(config.zoom, 2);
    EXPECT_GE(config.speed, 0);
    EXPECT_LE(config.speed, 24);
  }
}

TEST_F(ConfigFileTest, UnreadableOrOversizedFilesGiveTheDefaults) {
  fs::create_directory(folder_ + "Quarrion.ini");
  ExpectSame(ReadConfig(folder_), DefaultConfig(folder_));
  fs::remove(folder_ + "Quarrion.ini");

  std::string huge(3 << 20, '\n');
  huge.replace(0, 17, "[Config]\nZoom=2\n\n");
  WriteIni(huge);
  ExpectSame(ReadConfig(folder_), DefaultConfig(folder_));
}

Config Unusual(const std::string& folder) {
  Config config = DefaultConfig(folder);
  config.lastCaveSetPath = "/home/pl/Jaskinie ż=;#[x]/moje, \"najlepsze\".qcv";
  config.language = 2;
  config.speed = 0;
  config.soundOff = 1;
  config.zoom = 0;
  config.graph24Path = "  leading and trailing blanks  ";
  config.graph32Path = "\"quoted\"";
  config.graph40Path = "";
  config.fontsPath = "C:\\data\\standard\\Fonts.dxg";
  config.soundsPath = "\"";
  config.musicPath = "/t/Quarrion.mid";
  config.soundFont = "/home/pl/SoundFonts/GM 1.sf2";
  return config;
}

TEST_F(ConfigFileTest, WrittenValuesReadBackUnchanged) {
  const Config written = Unusual(folder_);
  ASSERT_TRUE(WriteConfig(folder_, written));
  ExpectSame(ReadConfig(folder_), written);
  ASSERT_TRUE(WriteConfig(folder_, written));  // a rewrite replaces, it does not add
  ExpectSame(ReadConfig(folder_), written);
  EXPECT_EQ(ParseConfig(UpdateConfigText(ReadIni(), written), folder_).lastCaveSetPath, written.lastCaveSetPath);
}

TEST_F(ConfigFileTest, FreshFileHoldsBothSectionsWithKeysInTableOrder) {
  Config config = DefaultConfig("/q/");
  config.lastCaveSetPath = "/q/Levels/Quarrion.qcv";
  config.speed = 16;
  ASSERT_TRUE(WriteConfig(folder_, config));
  EXPECT_EQ(ReadIni(),
            "[Config]\nOpen=/q/Levels/Quarrion.qcv\nLanguage=0\nSpeed=16\nSoundOFF=0\nZoom=1\nResponsiveTaps=0\n\n"
            "[Data]\nGraph24=/q/data/standard/Graphics24.dxg\nGraph32=/q/data/standard/Graphics32.dxg\n"
            "Graph40=/q/data/standard/Graphics40.dxg\nFonts=/q/data/standard/Fonts.dxg\n"
            "Sounds=/q/data/standard/Sounds.dxw\nMusic=/q/data/standard/Quarrion.mid\nSoundFont=\n");
  std::size_t files = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder_)) ++files;
  EXPECT_EQ(files, 1u);  // no temporary file left behind
}

TEST_F(ConfigFileTest, RewriteKeepsForeignLinesAndUpdatesKeysWhereTheyStand) {
  WriteIni("; my settings\r\n[Data]\r\nMusic=/old.mid\r\nExtra=kept\r\n[Config]\r\nZoom=2\r\n\r\n[Other]\r\nA=1\r\n");
  Config config = DefaultConfig(folder_);
  config.zoom = 0;
  config.musicPath = "/new.mid";
  ASSERT_TRUE(WriteConfig(folder_, config));
  const std::string text = ReadIni();
  EXPECT_EQ(text.find("; my settings\n[Data]\nMusic=/new.mid\n"), 0u) << text;
  EXPECT_NE(text.find("Extra=kept\n"), std::string::npos);
  EXPECT_NE(text.find("[Other]\nA=1\n"), std::string::npos);
  EXPECT_EQ(text.find("Zoom=2"), std::string::npos);
  EXPECT_NE(text.find("[Config]\nZoom=0\nOpen=\n"), std::string::npos) << text;
  ExpectSame(ReadConfig(folder_), config);
}

TEST_F(ConfigFileTest, LineBreakInAValueCannotForgeKeys) {
  Config config = DefaultConfig(folder_);
  config.lastCaveSetPath = "/x.qcv\n[Data]\nGraph24=/forged.dxg";
  ASSERT_TRUE(WriteConfig(folder_, config));
  const Config read = ReadConfig(folder_);
  EXPECT_EQ(read.lastCaveSetPath, "");
  EXPECT_EQ(read.graph24Path, config.graph24Path);
}

TEST_F(ConfigFileTest, FailedWriteReportsFalseAndLeavesTheOldFileAlone) {
  EXPECT_FALSE(WriteConfig(folder_ + "no/such/folder/", DefaultConfig(folder_)));
  fs::create_directory(folder_ + "Quarrion.ini");
  std::ofstream(folder_ + "Quarrion.ini/keep") << "x";
  EXPECT_FALSE(WriteConfig(folder_, DefaultConfig(folder_)));
  EXPECT_TRUE(fs::exists(folder_ + "Quarrion.ini/keep"));
}

}  // namespace
}  // namespace quarrion

namespace quarrion {
namespace {

// An installed, read-only program folder must not lose the player's settings.
TEST(ConfigFolderTest, AnUnwritableProgramFolderKeepsTheFileInTheUsersFolder) {
  namespace fs = std::filesystem;
  const fs::path base = fs::temp_directory_path() / ("quarrion-xdg-" + std::to_string(getpid()));
  fs::remove_all(base);
  fs::create_directories(base / "program");
  fs::create_directories(base / "home");
  setenv("XDG_CONFIG_HOME", (base / "home").c_str(), 1);
  EXPECT_EQ(ConfigFolder((base / "program").string()), (base / "program").string() + "/");
  if (geteuid() != 0) {  // root writes anywhere, so only a normal user sees the fallback
    fs::permissions(base / "program", fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(ConfigFolder((base / "program").string()), (base / "home").string() + "/Quarrion/");
    Config config = DefaultConfig((base / "program").string());
    config.speed = 9;
    EXPECT_TRUE(WriteConfig((base / "program").string(), config));
    EXPECT_EQ(ReadConfig((base / "program").string()).speed, 9);
    fs::permissions(base / "program", fs::perms::owner_all);
  }
  const std::string missing = (base / "no-such-folder").string();
  EXPECT_EQ(ConfigFolder(missing), missing + "/") << "a vanished folder is not taken for an installed one";
  fs::remove_all(base);
}

}  // namespace
}  // namespace quarrion
