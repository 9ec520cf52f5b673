#include "app/media/pack_folder.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <span>
#include <system_error>
#include <vector>

#include "app/media/bmp.h"
#include "app/media/pack.h"
#include "app/media/png_file.h"
#include "app/media/pack_bytes.h"
#include "app/media/wav.h"
#include "core/safe_file.h"

namespace quarrion {
namespace {

namespace fs = std::filesystem;

PackResult Failure(std::string message) { return PackResult{false, 0, std::move(message), 0, {}}; }

PackResult WriteFailure(const std::string& path, int error) {
  PackResult result = Failure(path + ": " + FileWriteResult{error, {}}.Reason());
  result.writeError = error;
  result.writePath = path;
  return result;
}

PackResult WritePackBytes(const std::string& packPath, const std::vector<uint8_t>& bytes, int count) {
  const FileWriteResult written = WriteFileSafely(packPath, std::span<const uint8_t>(bytes));
  if (!written) return WriteFailure(packPath, written.error);
  return PackResult{true, count, {}, 0, {}};
}

bool ReadSmallFile(const fs::path& path, std::vector<uint8_t>& bytes) {
  std::error_code ec;
  const std::uintmax_t size = fs::file_size(path, ec);
  if (ec || size > (std::uintmax_t(256) << 20)) return false;
  std::ifstream in(path, std::ios::binary);
  bytes.resize(std::size_t(size));
  in.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(bytes.size()));
  return bool(in);
}

bool IsFolder(const std::string& folder) {
  std::error_code ec;
  return fs::is_directory(folder, ec);
}

}  // namespace

std::string ThreeDigitName(int number) {
  if (number < 10) return "00" + std::to_string(number);
  if (number < 100) return "0" + std::to_string(number);
  return std::to_string(number);
}

PackKind PackKindOf(const std::string& fileName) {
  if (fileName.size() < 4) return PackKind::None;
  const std::string ext = fileName.substr(fileName.size() - 4);
  if (ext == ".dxg") return PackKind::Images;
  if (ext == ".dxw") return PackKind::Sounds;
  return PackKind::None;
}

std::string PackBaseName(const std::string& path) {
  const std::string name = fs::path(path).filename().string();
  return name.size() <= 4 ? std::string() : name.substr(0, name.size() - 4);
}

PackResult PackPictures(const std::string& folder, const std::string& packPath) {
  if (!IsFolder(folder)) return Failure("no such folder: " + folder);
  ImageListData list;
  for (int i = 0; i < kMaxPackedPictures; ++i) {
    // a PNG, as painting programs export, is taken before a BMP of the same number
    const fs::path png = fs::path(folder) / (ThreeDigitName(i) + ".png");
    const fs::path bmp = fs::path(folder) / (ThreeDigitName(i) + ".bmp");
    std::error_code ec;
    const bool isPng = fs::is_regular_file(png, ec);
    const fs::path file = isPng ? png : bmp;
    if (!isPng && !fs::is_regular_file(bmp, ec)) continue;
    std::vector<uint8_t> bytes;
    if (!ReadSmallFile(file, bytes)) return Failure("cannot read " + file.string());
    ImageItem item;
    std::string error;
    // either way the pack holds the picture as a bitmap, the one picture kind packs know
    const bool decoded = isPng ? DecodePngFile(bytes, item.bitmap, &error) : DecodeBmpFile(bytes, item.bitmap, &error);
    if (!decoded) return Failure(file.string() + ": " + error);
    item.systemMemory = true;
    item.transparent = true;
    item.transparentColor = kMagenta;
    list.items.push_back(std::move(item));
  }
  return WritePackBytes(packPath, BuildImagePack(list), int(list.items.size()));
}

PackResult PackSounds(const std::string& folder, const std::string& packPath) {
  if (!IsFolder(folder)) return Failure("no such folder: " + folder);
  SoundListData list;
  for (int i = 0; i < kPackedSounds; ++i) {
    const fs::path file = fs::path(folder) / (ThreeDigitName(i) + ".wav");
    std::error_code ec;
    if (!fs::is_regular_file(file, ec)) return Failure("missing " + file.string() + "; no pack written");
    std::vector<uint8_t> bytes;
    if (!ReadSmallFile(file, bytes)) return Failure("cannot read " + file.string());
    SoundItem item;
    std::string error;
    if (!DecodeWav(bytes, item.wave, &error)) return Failure(file.string() + ": " + error);
    list.items.push_back(std::move(item));
  }
  return WritePackBytes(packPath, BuildSoundPack(list), int(list.items.size()));
}

PackResult PackFolder(const std::string& folder, const std::string& packPath) {
  switch (PackKindOf(packPath)) {
    case PackKind::Images: return PackPictures(folder, packPath);
    case PackKind::Sounds: return PackSounds(folder, packPath);
    case PackKind::None: break;
  }
  return Failure("the pack name must end in .dxg or .dxw: " + packPath);
}

PackResult UnpackPack(const std::string& packPath, const std::string& unpackRoot) {
  const PackKind kind = PackKindOf(fs::path(packPath).filename().string());
  if (kind == PackKind::None) return Failure("not a pack name (.dxg or .dxw): " + packPath);
  ImageListData images;
  SoundListData sounds;
  PackResult result;
  // read first: a pack that cannot be read leaves no empty folders behind
  if (kind == PackKind::Images ? !ReadPack(packPath, images, &result.error) : !ReadPack(packPath, sounds, &result.error))
    return result;
  const fs::path folder = fs::path(unpackRoot) / PackBaseName(packPath);
  std::error_code ec;
  fs::create_directories(folder, ec);
  if (!IsFolder(folder.string())) return WriteFailure(folder.string(), ec ? ec.value() : ENOTDIR);
  const std::size_t count = kind == PackKind::Images ? images.items.size() : sounds.items.size();
  for (std::size_t i = 0; i < count; ++i) {
    std::vector<uint8_t> bytes;
    std::string name = ThreeDigitName(int(i));
    if (kind == PackKind::Images) {
      if (images.items[i].bitmap.Empty()) continue;
      bytes = EncodeBmpFile(images.items[i].bitmap);
      name += ".bmp";
    } else {
      if (sounds.items[i].wave.Empty()) continue;
      bytes = EncodeWav(sounds.items[i].wave);
      name += ".wav";
    }
    const FileWriteResult written = WriteFileSafely((folder / name).string(), std::span<const uint8_t>(bytes));
    if (!written) return WriteFailure((folder / name).string(), written.error);
    ++result.count;
  }
  result.ok = true;
  return result;
}

}  // namespace quarrion
