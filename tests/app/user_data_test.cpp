// Where an installed game finds its data and keeps the player's files: the two layouts (a folder
// of its own, and bin/ beside share/quarrion/), the player's copy of the default cave set, and
// pack paths that survive a move of the install prefix.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "app/config.h"
#include "app/user_data.h"
#include "tests/temp_path.h"

namespace quarrion {
namespace {

namespace fs = std::filesystem;

// Sets an environment variable for one test and puts the old value back.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const std::string& value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    setenv(name, value.c_str(), 1);
  }
  ~ScopedEnv() {
    if (old_) setenv(name_, old_->c_str(), 1);
    else unsetenv(name_);
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

void Spit(const fs::path& path, const std::string& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string Slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class UserDataTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::path(testing_support::UniqueTempPath("quarrion-user-data"));
    fs::remove_all(root_);
    // an installed layout: prefix/bin and prefix/share/quarrion
    bin_ = (root_ / "prefix" / "bin").string() + "/";
    share_ = (root_ / "prefix" / "share" / "quarrion").string() + "/";
    fs::create_directories(bin_);
    Spit(fs::path(share_) / "data/standard/Fonts.dxg", "fonts");
    Spit(fs::path(share_) / "Levels/Quarrion.qcv", std::string(96000, 'b'));
    // a folder of its own, as the build tree is
    own_ = (root_ / "own").string() + "/";
    Spit(fs::path(own_) / "data/standard/Fonts.dxg", "fonts");
    Spit(fs::path(own_) / "Levels/Quarrion.qcv", std::string(96000, 'o'));
    userData_ = (root_ / "home" / "data").string();
    dataHome_.emplace("XDG_DATA_HOME", userData_);
    configHome_.emplace("XDG_CONFIG_HOME", (root_ / "home" / "config").string());
  }
  void TearDown() override { fs::remove_all(root_); }

  fs::path root_;
  std::string bin_, share_, own_, userData_;
  std::optional<ScopedEnv> dataHome_;
  std::optional<ScopedEnv> configHome_;
};

TEST_F(UserDataTest, DataLiesBesideTheProgramOrInShareQuarrionBesideBin) {
  EXPECT_EQ(DataFolder(own_), own_);
  EXPECT_EQ(DataFolder(bin_), share_);
  EXPECT_EQ(DataFolder((root_ / "prefix" / "bin").string()), share_) << "without the trailing slash too";
  const std::string bare = (root_ / "bare").string() + "/";
  fs::create_directories(bare);
  EXPECT_EQ(DataFolder(bare), bare) << "neither layout: the program folder, as before";
  EXPECT_EQ(DefaultConfig(bin_).fontsPath, share_ + "data/standard/Fonts.dxg");
  EXPECT_TRUE(KeepsFilesBesideProgram(own_));
  EXPECT_FALSE(KeepsFilesBesideProgram(bin_)) << "an installed program is never written into, even by root";
}

TEST_F(UserDataTest, InstalledDefaultSetIsCopiedOnceAndTheCopyIsNeverReplaced) {
  const std::string bundled = share_ + "Levels/Quarrion.qcv";
  const std::string copy = userData_ + "/Quarrion/Levels/Quarrion.qcv";
  EXPECT_EQ(DefaultCaveSetPath(bin_), copy);
  EXPECT_EQ(Slurp(copy), std::string(96000, 'b'));
  EXPECT_EQ(fs::status(copy).permissions() & fs::perms::owner_write, fs::perms::owner_write);
  Spit(copy, std::string(96000, 'p'));  // the player's progress
  EXPECT_EQ(PlayableCaveSetPath(bundled, bin_), copy) << "the bundled path given again leads to the copy";
  EXPECT_EQ(Slurp(copy), std::string(96000, 'p'));
  EXPECT_FALSE(fs::exists(copy + ".part"));

  const std::string other = (root_ / "mine.qcv").string();
  EXPECT_EQ(PlayableCaveSetPath(other, bin_), other) << "another set is opened where it is";
  EXPECT_EQ(PlayableCaveSetPath("", bin_), "");
  EXPECT_EQ(DefaultCaveSetPath(own_), own_ + "Levels/Quarrion.qcv") << "a writable folder of its own keeps its set";
  EXPECT_FALSE(fs::exists(userData_ + "/Quarrion/Levels/Quarrion.qcv.part"));
}

TEST_F(UserDataTest, WithoutAnyUserFolderTheBundledSetStillPlays) {
  ScopedEnv noData("XDG_DATA_HOME", "relative/is/ignored");
  ScopedEnv noHome("HOME", "");
  EXPECT_EQ(UserDataFolder(), "");
  EXPECT_EQ(DefaultCaveSetPath(bin_), share_ + "Levels/Quarrion.qcv");
}

TEST_F(UserDataTest, DialogsAndUnpackingUseThePlayersFoldersWhenInstalled) {
  EXPECT_EQ(LevelsFolder(bin_), userData_ + "/Quarrion/Levels");
  EXPECT_TRUE(fs::is_directory(LevelsFolder(bin_)));
  EXPECT_EQ(UnpackFolder(bin_), userData_ + "/Quarrion/Unpack");
  EXPECT_EQ(NewPacksFolder(bin_), userData_ + "/Quarrion/Packs");
  EXPECT_EQ(LevelsFolder(own_), own_ + "Levels");
  EXPECT_EQ(UnpackFolder(own_), own_ + "Unpack");
  EXPECT_EQ(NewPacksFolder(own_), own_ + "data");
  ScopedEnv home("HOME", (root_ / "h").string());
  unsetenv("XDG_DATA_HOME");
  EXPECT_EQ(UnpackFolder(bin_), (root_ / "h").string() + "/.local/share/Quarrion/Unpack") << "the XDG default";
}

TEST_F(UserDataTest, PackPathsInsideTheDataAreStoredRelativeAndFoundAfterThePrefixMoves) {
  const std::string fonts = share_ + "data/standard/Fonts.dxg";
  EXPECT_EQ(StoredPackPath(fonts, bin_), "data/standard/Fonts.dxg");
  EXPECT_EQ(ResolvedPackPath("data/standard/Fonts.dxg", bin_), fonts);
  const std::string outside = (root_ / "mine.dxg").string();
  EXPECT_EQ(StoredPackPath(outside, bin_), outside) << "a pack of the player's own stays absolute";
  EXPECT_EQ(ResolvedPackPath(outside, bin_), outside) << "and is not looked for elsewhere, even when missing";

  Config config = DefaultConfig(bin_);
  config.graph24Path = outside;
  ASSERT_TRUE(WriteConfig(bin_, config));
  const std::string ini = Slurp(ConfigFolder(bin_) + "Quarrion.ini");
  EXPECT_NE(ini.find("\nFonts=data/standard/Fonts.dxg\n"), std::string::npos) << ini;
  EXPECT_NE(ini.find("\nGraph24=" + outside + "\n"), std::string::npos) << ini;
  EXPECT_EQ(ConfigFolder(bin_), (root_ / "home" / "config" / "Quarrion").string() + "/")
      << "an installed program keeps its settings in the user's folder";

  // the prefix moves: the relative path follows, and an absolute one of the old prefix is found again
  const fs::path moved = root_ / "moved";
  fs::rename(root_ / "prefix", moved);
  const std::string movedBin = (moved / "bin").string() + "/";
  const std::string movedFonts = (moved / "share/quarrion/data/standard/Fonts.dxg").string();
  EXPECT_EQ(ParseConfig("[Data]\nFonts=data/standard/Fonts.dxg\n", movedBin).fontsPath, movedFonts);
  EXPECT_EQ(ParseConfig("[Data]\nFonts=" + fonts + "\n", movedBin).fontsPath, movedFonts);
  EXPECT_EQ(ParseConfig("[Data]\nFonts=/gone/data/standard/Nothing.dxg\n", movedBin).fontsPath,
            "/gone/data/standard/Nothing.dxg")
      << "no such file here either: left for the loader's fallback to the default";
}

}  // namespace
}  // namespace quarrion
