// Finding the General MIDI SoundFont the title tune is played with: the file named in the
// configuration, or else the first one in the folders where desktop systems install them.
#pragma once
#include <string>
#include <vector>

namespace quarrion {

// The folders searched, in order: soundfonts/, sounds/sf2/ and sounds/sf3/ under the user's data
// folder ($XDG_DATA_HOME, else ~/.local/share), then under each system data folder
// ($XDG_DATA_DIRS, else /usr/local/share and /usr/share). A null or empty variable takes its default.
std::vector<std::string> SoundFontFolders(const char* dataHome, const char* dataDirs, const char* home);
// The same, from this process's environment.
std::vector<std::string> SoundFontFolders();

// True for a readable file that starts like a SoundFont (a RIFF file of form "sfbk").
bool IsSoundFont(const std::string& path);

struct SoundFontChoice {
  std::string path;  // empty: none found, the tune cannot be played
  std::string note;  // for the log: why there is none, or why the configured one was passed over
};

// The configured SoundFont when it is one; otherwise, in the first folder that holds any, the
// system's default choice ("default-GM.sf2", "default-GM.sf3", "default.sf2"), then the common General MIDI
// fonts, then any other "*.sf2" and "*.sf3" in name order.
SoundFontChoice FindSoundFont(const std::string& configured, const std::vector<std::string>& folders);

}  // namespace quarrion
