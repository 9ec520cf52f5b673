#include "app/sound_font.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace quarrion {
namespace {

namespace fs = std::filesystem;

// The names distributions give their default General MIDI font (Debian's alternatives link,
// Fedora's), then the fonts Debian's timgm6mb-soundfont and fluid-soundfont-gm install.
constexpr std::array<const char*, 6> kPreferredNames = {"default-GM.sf2", "default-GM.sf3", "default.sf2",
                                                        "FluidR3_GM.sf2", "FluidR3_GM.sf3", "TimGM6mb.sf2"};
constexpr std::array<const char*, 3> kSubfolders = {"soundfonts", "sounds/sf2", "sounds/sf3"};

std::string WithSlash(std::string folder) {
  if (!folder.empty() && folder.back() != '/') folder += '/';
  return folder;
}

bool HasSoundFontExtension(const fs::path& path) {
  std::string ext = path.extension().string();
  std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return char(std::tolower(c)); });
  return ext == ".sf2" || ext == ".sf3";
}

std::string FirstInFolder(const std::string& folder) {
  for (const char* name : kPreferredNames) {
    const std::string path = folder + name;
    if (IsSoundFont(path)) return path;
  }
  std::vector<std::string> others;
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    if (HasSoundFontExtension(it->path())) others.push_back(it->path().string());
  }
  std::sort(others.begin(), others.end());
  for (const std::string& path : others)
    if (IsSoundFont(path)) return path;
  return {};
}

}  // namespace

std::vector<std::string> SoundFontFolders(const char* dataHome, const char* dataDirs, const char* home) {
  std::vector<std::string> roots;
  if (dataHome != nullptr && *dataHome != '\0') {
    roots.push_back(WithSlash(dataHome));
  } else if (home != nullptr && *home != '\0') {
    roots.push_back(WithSlash(home) + ".local/share/");
  }
  const std::string systemDirs = dataDirs != nullptr && *dataDirs != '\0' ? dataDirs : "/usr/local/share:/usr/share";
  std::size_t start = 0;
  while (start <= systemDirs.size()) {
    const std::size_t end = std::min(systemDirs.find(':', start), systemDirs.size());
    if (end > start) roots.push_back(WithSlash(systemDirs.substr(start, end - start)));
    start = end + 1;
  }
  std::vector<std::string> folders;
  for (const std::string& root : roots)
    for (const char* sub : kSubfolders) folders.push_back(root + sub + '/');
  return folders;
}

std::vector<std::string> SoundFontFolders() {
  return SoundFontFolders(std::getenv("XDG_DATA_HOME"), std::getenv("XDG_DATA_DIRS"), std::getenv("HOME"));
}

bool IsSoundFont(const std::string& path) {
  std::error_code error;
  if (path.empty() || !fs::is_regular_file(path, error)) return false;
  std::ifstream file(path, std::ios::binary);
  char head[12] = {};
  if (!file.read(head, sizeof head)) return false;
  return std::memcmp(head, "RIFF", 4) == 0 && std::memcmp(head + 8, "sfbk", 4) == 0;
}

SoundFontChoice FindSoundFont(const std::string& configured, const std::vector<std::string>& folders) {
  SoundFontChoice choice;
  if (!configured.empty()) {
    if (IsSoundFont(configured)) {
      choice.path = configured;
      return choice;
    }
    choice.note = "the SoundFont \"" + configured + "\" named in Quarrion.ini is not a readable SoundFont; ";
  }
  for (const std::string& folder : folders) {
    choice.path = FirstInFolder(folder);
    if (choice.path.empty()) continue;
    // a search that finds one is the normal case and not worth a line, unless the setting failed
    if (!choice.note.empty()) choice.note += "using \"" + choice.path + "\" instead.";
    return choice;
  }
  std::string looked;
  for (const std::string& folder : folders) looked += (looked.empty() ? "" : ", ") + folder;
  choice.note += "no General MIDI SoundFont found (looked in " + looked +
                 "), so the tune stays off. Install one (on Debian: timgm6mb-soundfont or fluid-soundfont-gm) "
                 "or name one as SoundFont in section [Data] of Quarrion.ini.";
  return choice;
}

}  // namespace quarrion
