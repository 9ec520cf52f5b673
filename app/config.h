// The configuration file "Quarrion.ini" in the program folder: read once at start-up, written at
// each close request. Sections "Config" (Open, Language, Speed, SoundOFF, Zoom) and "Data"
// (Graph24, Graph32, Graph40, Fonts, Sounds, Music, then our own SoundFont).
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace quarrion {

inline constexpr std::string_view kConfigFileName = "Quarrion.ini";

struct Config {
  std::string lastCaveSetPath;  // Config/Open
  uint8_t language = 0;         // 0 English, 1 German, 2 Polish
  int8_t speed = 14;            // frame timer interval in ms, 0..24
  uint8_t soundOff = 0;         // 1 = sounds and music off
  uint8_t zoom = 1;             // 0 small, 1 medium, 2 large
  uint8_t responsiveTaps = 0;   // Config/ResponsiveTaps: 1 = a quick tap always reaches the next scan
  std::string graph24Path;
  std::string graph32Path;
  std::string graph40Path;
  std::string fontsPath;
  std::string soundsPath;
  std::string musicPath;
  std::string soundFont;  // Data/SoundFont: the General MIDI SoundFont; empty = search the usual folders
};

// The program folder with its trailing '/' (one is added when missing).
std::string WithTrailingSeparator(std::string folder);

// Where "Quarrion.ini" lives: the program folder, or the user's configuration folder
// (Quarrion/ under it) when the program folder cannot be written or is an installed one.
std::string ConfigFolder(const std::string& programFolder);

// Every key at its missing-key default; the packs are those under data/standard/ in the program's
// data folder (the program folder, or ../share/quarrion when installed).
Config DefaultConfig(const std::string& programFolder);

// The configuration from INI text. A missing key takes its default; a value that is present but
// not accepted (not a number, out of range, not fitting its field) becomes Speed 14, and 0 for
// Language, SoundOFF and Zoom. Lines that make no sense are skipped. A relative pack path lies in
// the data folder; an absolute one left by another install prefix is found again there.
Config ParseConfig(std::string_view text, const std::string& programFolder);

// The INI text with the configuration's keys set: known keys are replaced where they stand, the
// rest of the old text (other keys, sections, comments) is kept, missing keys and sections are
// added in table order. An empty old text gives a fresh file.
std::string UpdateConfigText(std::string_view oldText, const Config& config);

// Reads "Quarrion.ini" in ConfigFolder(programFolder); a missing, unreadable or oversized file gives the defaults.
Config ReadConfig(const std::string& programFolder);

// Writes "Quarrion.ini" in ConfigFolder(programFolder) through a temporary file renamed over the old one, so a
// failed write leaves the old file whole; packs inside the data folder are written relative to it.
// False when the file could not be written.
bool WriteConfig(const std::string& programFolder, const Config& config);

}  // namespace quarrion
