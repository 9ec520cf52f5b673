// The General MIDI SoundFont is found where systems install one, or taken from Quarrion.ini; with
// none the tune stays off and the log says why.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "app/quarrion_form.h"
#include "app/sound_font.h"
#include "tests/app/qt_application.h"
#include "tests/temp_path.h"

namespace quarrion {
namespace {

namespace fs = std::filesystem;

// Enough of a SoundFont for the search: the RIFF header of form "sfbk".
void WriteFakeSoundFont(const fs::path& path) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << std::string("RIFF\x04\0\0\0sfbk", 12);
}

class SoundFontSearchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = testing_support::UniqueTempPath("quarrion-sf");
    fs::remove_all(root_);
    fs::create_directories(root_);
  }
  void TearDown() override { fs::remove_all(root_); }
  std::vector<std::string> Folders() const {
    const std::string home = (root_ / "home").string();
    const std::string dirs = (root_ / "local").string() + ":" + (root_ / "usr").string();
    return SoundFontFolders(home.c_str(), dirs.c_str(), "/nobody");
  }
  std::string In(const std::string& relative) const { return (root_ / relative).string(); }

  fs::path root_;
};

TEST_F(SoundFontSearchTest, FoldersGoFromTheUsersDataToEachSystemFolderInTurn) {
  const std::vector<std::string> folders = SoundFontFolders("/data/me", "/opt/share:/usr/share/", "/home/me");
  const std::vector<std::string> expected = {
      "/data/me/soundfonts/",   "/data/me/sounds/sf2/",   "/data/me/sounds/sf3/",
      "/opt/share/soundfonts/", "/opt/share/sounds/sf2/", "/opt/share/sounds/sf3/",
      "/usr/share/soundfonts/", "/usr/share/sounds/sf2/", "/usr/share/sounds/sf3/"};
  EXPECT_EQ(folders, expected);
  // unset or empty variables take the defaults of the desktop's base directories
  const std::vector<std::string> defaults = SoundFontFolders(nullptr, "", "/home/me");
  ASSERT_EQ(defaults.size(), 9u);
  EXPECT_EQ(defaults[0], "/home/me/.local/share/soundfonts/");
  EXPECT_EQ(defaults[3], "/usr/local/share/soundfonts/");
  EXPECT_EQ(defaults[7], "/usr/share/sounds/sf2/");
}

TEST_F(SoundFontSearchTest, FirstFolderWithOneWinsAndTheSystemDefaultNameComesFirstThere) {
  WriteFakeSoundFont(In("usr/soundfonts/default-GM.sf2"));
  WriteFakeSoundFont(In("local/sounds/sf2/aaa.sf2"));
  WriteFakeSoundFont(In("local/sounds/sf2/TimGM6mb.sf2"));
  WriteFakeSoundFont(In("local/sounds/sf3/default-GM.sf3"));
  // not a SoundFont, though named like one: passed over
  std::ofstream(In("local/sounds/sf2/FluidR3_GM.sf2")) << "not a SoundFont";
  SoundFontChoice choice = FindSoundFont("", Folders());
  EXPECT_EQ(choice.path, In("local/sounds/sf2/TimGM6mb.sf2"));
  EXPECT_EQ(choice.note, "") << "a font found by the search needs no log line";

  fs::remove(In("local/sounds/sf2/TimGM6mb.sf2"));
  EXPECT_EQ(FindSoundFont("", Folders()).path, In("local/sounds/sf2/aaa.sf2"));
  fs::remove(In("local/sounds/sf2/aaa.sf2"));
  EXPECT_EQ(FindSoundFont("", Folders()).path, In("local/sounds/sf3/default-GM.sf3"));
  // the user's own folder comes before every system folder, in any name and case of extension
  WriteFakeSoundFont(In("home/soundfonts/Mine.SF2"));
  EXPECT_EQ(FindSoundFont("", Folders()).path, In("home/soundfonts/Mine.SF2"));
}

TEST_F(SoundFontSearchTest, ConfiguredFontIsUsedAndAnUnusableOneIsReportedAndReplaced) {
  WriteFakeSoundFont(In("usr/sounds/sf2/TimGM6mb.sf2"));
  WriteFakeSoundFont(In("elsewhere/My GM.sf2"));
  SoundFontChoice choice = FindSoundFont(In("elsewhere/My GM.sf2"), Folders());
  EXPECT_EQ(choice.path, In("elsewhere/My GM.sf2"));
  EXPECT_EQ(choice.note, "");

  choice = FindSoundFont(In("elsewhere/gone.sf2"), Folders());
  EXPECT_EQ(choice.path, In("usr/sounds/sf2/TimGM6mb.sf2"));
  EXPECT_NE(choice.note.find(In("elsewhere/gone.sf2")), std::string::npos) << choice.note;
  EXPECT_NE(choice.note.find("TimGM6mb.sf2\" instead"), std::string::npos) << choice.note;
  // a folder is not a SoundFont either
  EXPECT_EQ(FindSoundFont(In("elsewhere"), Folders()).path, In("usr/sounds/sf2/TimGM6mb.sf2"));
}

TEST_F(SoundFontSearchTest, NoneFoundGivesNoPathAndSaysWhereItLookedAndWhatToDo) {
  fs::create_directories(In("usr/sounds/sf2"));
  std::ofstream(In("usr/sounds/sf2/empty.sf2")) << "";
  const SoundFontChoice choice = FindSoundFont(In("missing.sf2"), Folders());
  EXPECT_EQ(choice.path, "");
  EXPECT_NE(choice.note.find("missing.sf2"), std::string::npos) << choice.note;
  EXPECT_NE(choice.note.find("no General MIDI SoundFont found"), std::string::npos) << choice.note;
  EXPECT_NE(choice.note.find(In("usr/sounds/sf2/")), std::string::npos) << choice.note;
  EXPECT_NE(choice.note.find("SoundFont in section [Data] of Quarrion.ini"), std::string::npos) << choice.note;
}

// The window's start-up with the search pointed at folders of the test's own.
class SoundFontWindowTest : public SoundFontSearchTest {
 protected:
  void SetUp() override {
    SoundFontSearchTest::SetUp();
    const fs::path bin = QUARRION_BIN_DIR;
    if (!fs::exists(bin / "data/standard/Fonts.dxg")) GTEST_SKIP() << "the default media are not built";
    testing_support::EnsureQtApplication();
    fs::create_directories(root_ / "program");
    fs::create_directory_symlink(bin / "data", root_ / "program/data");
    Save("XDG_DATA_HOME");
    Save("XDG_DATA_DIRS");
    setenv("XDG_DATA_HOME", In("home").c_str(), 1);
    setenv("XDG_DATA_DIRS", In("usr").c_str(), 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
  }
  void TearDown() override {
    form_.reset();
    for (const auto& [name, value] : saved_) {
      if (value) {
        setenv(name.c_str(), value->c_str(), 1);
      } else {
        unsetenv(name.c_str());
      }
    }
    SoundFontSearchTest::TearDown();
  }
  void Save(const std::string& name) {
    const char* value = std::getenv(name.c_str());
    saved_.emplace_back(name, value != nullptr ? std::optional<std::string>(value) : std::nullopt);
  }
  // Starts the window and returns what it logged.
  std::string Start() {
    ::testing::internal::CaptureStderr();
    form_ = std::make_unique<TQuarrionForm>(In("program"), std::vector<std::string>{});
    const bool created = form_->Creation();
    const std::string log = ::testing::internal::GetCapturedStderr();
    EXPECT_TRUE(created);
    return log;
  }

  std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
  std::unique_ptr<TQuarrionForm> form_;
};

TEST_F(SoundFontWindowTest, WithoutAnySoundFontTheTuneStaysOffAndTheLogSaysWhy) {
  const std::string log = Start();
  EXPECT_EQ(form_->Shell().musicAvailable, 0);
  EXPECT_NE(log.find("no General MIDI SoundFont found"), std::string::npos) << log;
  EXPECT_NE(log.find(In("usr/sounds/sf2/")), std::string::npos) << log;
}

TEST_F(SoundFontWindowTest, SoundFontNamedInTheConfigurationIsPlayedWith) {
  const std::string system = FindSoundFont("", SoundFontFolders(nullptr, nullptr, nullptr)).path;
  if (system.empty()) GTEST_SKIP() << "no General MIDI SoundFont installed to play with";
  std::ofstream(In("program/Quarrion.ini")) << "[Data]\nSoundFont=" << system << "\n";
  const std::string log = Start();
  EXPECT_EQ(form_->Shell().musicAvailable, 1) << log;
  EXPECT_EQ(log.find("SoundFont"), std::string::npos) << log;
}

}  // namespace
}  // namespace quarrion
