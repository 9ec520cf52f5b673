// Packing numbered picture and sound files into packs and unpacking packs into such files:
// 000.bmp..113.bmp (or .png) make a graphics or font pack, 000.wav..023.wav a sound pack.
#pragma once
#include <string>

namespace quarrion {

constexpr int kMaxPackedPictures = 114;
constexpr int kPackedSounds = 24;

// "7" → "007"; numbers of three digits or more stay as they are.
std::string ThreeDigitName(int number);

// The kind of a pack by the last four characters of its name, compared exactly.
enum class PackKind { None, Images, Sounds };
PackKind PackKindOf(const std::string& fileName);
// The file name without its folder and its last four characters: "Graphics24" for Graphics24.dxg.
std::string PackBaseName(const std::string& path);

struct PackResult {
  bool ok = false;
  int count = 0;      // pictures or sounds packed or unpacked
  std::string error;  // why it failed
  int writeError = 0;     // errno when a file could not be written (not when a source was bad)
  std::string writePath;  // the file or folder that could not be written
};

// Pictures 000..113 that exist as .png or .bmp (a PNG first), in order (missing numbers are
// skipped), each drawn whole, transparent in magenta. Nothing is written when a picture cannot be
// read.
PackResult PackPictures(const std::string& folder, const std::string& packPath);
// Sounds 000.wav..023.wav, all of them: a missing or unreadable one means no pack is written.
// Sounds in other codings than 8 or 16-bit PCM are packed as 16-bit PCM.
PackResult PackSounds(const std::string& folder, const std::string& packPath);
// By the pack file's extension, ".dxg" or ".dxw".
PackResult PackFolder(const std::string& folder, const std::string& packPath);

// Writes the items of a pack as numbered files into unpackRoot/<base>/, making both folders
// when they are missing; items without a picture or sound are left out, keeping the numbering.
PackResult UnpackPack(const std::string& packPath, const std::string& unpackRoot);

}  // namespace quarrion
