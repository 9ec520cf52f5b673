// The game installed by `cmake --install` into a temporary prefix and started as a player would:
// from another folder, with its own home, data and configuration folders.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <string>

#include "app/media/png_file.h"
#include "tests/media/exported_media.h"
#include "tests/temp_path.h"

namespace quarrion {
namespace {

namespace fs = std::filesystem;

std::string Slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Spit(const fs::path& path, const std::string& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

void Spit(const fs::path& path, const std::vector<uint8_t>& bytes) {
  Spit(path, std::string(bytes.begin(), bytes.end()));
}

std::string Quoted(const fs::path& path) { return "'" + path.string() + "'"; }

// Every file and folder under a folder with its size, permissions and a hash of its bytes.
std::map<std::string, std::string> Listing(const fs::path& root) {
  std::map<std::string, std::string> listing;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    std::string facts = std::to_string(int(entry.status().permissions()));
    if (entry.is_regular_file()) {
      const std::string bytes = Slurp(entry.path());
      facts += " " + std::to_string(bytes.size()) + " " + std::to_string(std::hash<std::string>{}(bytes));
    }
    listing[fs::relative(entry.path(), root).string()] = facts;
  }
  return listing;
}

class InstalledGameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::path(testing_support::UniqueTempPath("quarrion-installed"));
    fs::remove_all(root_);
    fs::create_directories(root_ / "elsewhere");
    prefix_ = root_ / "prefix";
    const std::string install = std::string(QUARRION_CMAKE) + " --install " + Quoted(QUARRION_BUILD_DIR) +
                                " --prefix " + Quoted(prefix_) + " > /dev/null";
    ASSERT_EQ(std::system(install.c_str()), 0) << install;
  }
  void TearDown() override { fs::remove_all(root_); }

  // Runs an installed program from the folder "elsewhere" with the player's folders under root_;
  // the window runs offscreen and follows the script. Gives the exit status.
  int Run(const fs::path& prefix, const std::string& program, const std::string& arguments,
          const std::string& script = "") const {
    const fs::path home = root_ / "home";
    const std::string command = "cd " + Quoted(root_ / "elsewhere") + " && env HOME=" + Quoted(home) +
                                " XDG_DATA_HOME=" + Quoted(home / "data") + " XDG_CONFIG_HOME=" +
                                Quoted(home / "config") + " QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy" +
                                " QUARRION_SCRIPT='" + script + "' timeout 120 " + Quoted(prefix / "bin" / program) +
                                " " + arguments + " > /dev/null 2>&1";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  fs::path Ini() const { return root_ / "home" / "config" / "Quarrion" / "Quarrion.ini"; }
  Bitmap Screenshot(const fs::path& path) const {
    const std::string bytes = Slurp(path);
    Bitmap shot;
    std::string error;
    EXPECT_TRUE(DecodePngFile(std::vector<uint8_t>(bytes.begin(), bytes.end()), shot, &error)) << error;
    return shot;
  }

  fs::path root_;
  fs::path prefix_;
};

TEST_F(InstalledGameTest, RunsFromAnywhereKeepsThePlayersFilesInTheirFoldersAndLeavesThePrefixAlone) {
  const auto before = Listing(prefix_);
  ASSERT_TRUE(before.count("share/quarrion/Levels/Quarrion.qcv"));
  const fs::path title = root_ / "title.png";
  ASSERT_EQ(Run(prefix_, "quarrion", "", "wait 400; shot " + title.string() + "; quit"), 0)
      << "the installed game found its packs";

  const fs::path copy = root_ / "home" / "data" / "Quarrion" / "Levels" / "Quarrion.qcv";
  ASSERT_TRUE(fs::exists(copy)) << "the first start copies the default set for the player";
  EXPECT_EQ(fs::file_size(copy), 96000u);
  EXPECT_EQ(Slurp(copy), Slurp(prefix_ / "share/quarrion/Levels/Quarrion.qcv"));
  const std::string ini = Slurp(Ini());
  EXPECT_NE(ini.find("Open=" + copy.string() + "\n"), std::string::npos) << ini;
  EXPECT_NE(ini.find("Fonts=data/standard/Fonts.dxg\n"), std::string::npos) << ini;
  EXPECT_EQ(Screenshot(title).width, 640) << "the title screen at the medium zoom";
  EXPECT_EQ(Listing(prefix_), before) << "nothing in the prefix was written, added or removed";
  EXPECT_TRUE(fs::is_empty(root_ / "elsewhere")) << "nor in the folder it was started from";

  // a moved prefix still finds its packs, and the player's copy keeps its place
  const fs::path moved = root_ / "moved";
  fs::rename(prefix_, moved);
  ASSERT_EQ(Run(moved, "quarrion", "", "wait 200; quit"), 0);
  EXPECT_EQ(Slurp(Ini()), ini);
}

TEST_F(InstalledGameTest, AFolderOfPngsAndOf24BitAndFloatWavsPacksAndTheGameDrawsAndLoadsIt) {
  using testing_support::ExportedWav;
  using testing_support::PngOf;
  // every tile red; the two title pictures clear but for a blue block in the middle
  const fs::path pictures = root_ / "pictures";
  for (int n = 0; n < 112; ++n) {
    std::vector<uint8_t> red;
    for (int i = 0; i < 32 * 32; ++i) red.insert(red.end(), {255, 0, 0});
    Spit(pictures / (std::to_string(1000 + n).substr(1) + ".png"), PngOf(32, 32, PNG_FORMAT_RGB, red));
  }
  std::vector<uint8_t> overlay;
  for (int y = 0; y < 408; ++y)
    for (int x = 0; x < 640; ++x) {
      const bool block = x >= 220 && x < 420 && y >= 150 && y < 260;
      overlay.insert(overlay.end(), {0, 0, uint8_t(block ? 255 : 0), uint8_t(block ? 255 : 0)});
    }
  for (const char* name : {"112.png", "113.png"}) Spit(pictures / name, PngOf(640, 408, PNG_FORMAT_RGBA, overlay));
  const fs::path sounds = root_ / "sounds";
  for (int n = 0; n < 24; ++n)
    Spit(sounds / (std::to_string(1000 + n).substr(1) + ".wav"),
         ExportedWav(n % 2 == 1, uint16_t(1 + n % 2), std::vector<int>(4800, 1000 * (n + 1))));
  const fs::path graphics = root_ / "mine.dxg", wavePack = root_ / "mine.dxw";
  ASSERT_EQ(Run(prefix_, "quarrion-pack", "pack " + Quoted(pictures) + " " + Quoted(graphics)), 0);
  ASSERT_EQ(Run(prefix_, "quarrion-pack", "pack " + Quoted(sounds) + " " + Quoted(wavePack)), 0);

  Spit(Ini(), "[Config]\nZoom=1\n[Data]\nGraph32=" + graphics.string() + "\nSounds=" + wavePack.string() + "\n");
  const fs::path shot = root_ / "custom.png";
  // the title, then a game started, so the cave start's sounds are played from the new pack
  const std::string script = "wait 400; shot " + shot.string() + "; key Space; wait 200; key Space; wait 600; quit";
  ASSERT_EQ(Run(prefix_, "quarrion", "", script), 0);
  const Bitmap window = Screenshot(shot);
  ASSERT_EQ(window.width, 640);
  ASSERT_GE(window.height, 408);
  const int top = window.height - 408;  // the surface lies under the menu bar
  const auto near = [](uint32_t pixel, uint32_t colour) {
    for (int shift : {16, 8, 0})
      if (std::abs(int(pixel >> shift & 0xFF) - int(colour >> shift & 0xFF)) > 16) return false;
    return true;
  };
  EXPECT_TRUE(near(window.At(5, top + 5), 0xFF0000)) << std::hex << window.At(5, top + 5) << ": a red tile";
  EXPECT_TRUE(near(window.At(320, top + 200), 0x0000FF)) << std::hex << window.At(320, top + 200) << ": the title";
  EXPECT_TRUE(near(window.At(100, top + 200), 0xFF0000)) << "the clear part of the PNG lets the tiles through";
  const std::string ini = Slurp(Ini());
  EXPECT_NE(ini.find("Graph32=" + graphics.string() + "\n"), std::string::npos) << "no fall back: " << ini;
  EXPECT_NE(ini.find("Sounds=" + wavePack.string() + "\n"), std::string::npos) << "no fall back: " << ini;
}

TEST_F(InstalledGameTest, TheCaveSetTypeIsAcceptedByTheMimeDatabase) {
  const fs::path mime = root_ / "mime";
  fs::create_directories(mime / "packages");
  fs::copy_file(prefix_ / "share/mime/packages/quarrion.xml", mime / "packages" / "quarrion.xml");
  ASSERT_EQ(std::system(("update-mime-database " + Quoted(mime) + " > /dev/null 2>&1").c_str()), 0);
  EXPECT_TRUE(fs::exists(mime / "application" / "x-quarrion-caves.xml"));
  EXPECT_NE(Slurp(mime / "globs").find("application/x-quarrion-caves:*.qcv"), std::string::npos);
}

}  // namespace
}  // namespace quarrion
