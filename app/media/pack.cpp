#include "app/media/pack.h"

#include <filesystem>
#include <fstream>
#include <span>
#include <system_error>
#include <vector>

#include "app/media/pack_bytes.h"
#include "core/safe_file.h"

namespace quarrion {
namespace {

namespace fs = std::filesystem;

// Larger than any pack a game needs; a bigger file is refused before it is read.
constexpr std::uintmax_t kMaxPackBytes = std::uintmax_t(512) << 20;

bool Fail(std::string* error, const std::string& message) {
  if (error != nullptr) *error = message;
  return false;
}

bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes, std::string* error) {
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) return Fail(error, "no such file: " + path);
  const std::uintmax_t size = fs::file_size(path, ec);
  if (ec) return Fail(error, "cannot read " + path);
  if (size > kMaxPackBytes) return Fail(error, path + " is too large for a pack");
  std::ifstream in(path, std::ios::binary);
  bytes.resize(std::size_t(size));
  in.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(bytes.size()));
  if (!in || in.gcount() != std::streamsize(bytes.size())) return Fail(error, "cannot read " + path);
  return true;
}

bool WritePackFile(const std::string& path, const std::vector<uint8_t>& bytes, std::string* error) {
  const FileWriteResult result = WriteFileSafely(path, std::span<const uint8_t>(bytes));
  return result ? true : Fail(error, path + ": " + result.Reason());
}

template <typename List, typename Parse>
bool ReadPackWith(const std::string& path, List& list, std::string* error, Parse parse) {
  list = List{};
  std::vector<uint8_t> bytes;
  if (!ReadWholeFile(path, bytes, error)) return false;
  std::string reason;
  if (parse(bytes, list, &reason)) return true;
  return Fail(error, path + ": " + reason);
}

}  // namespace

bool ReadPack(const std::string& path, ImageListData& list, std::string* error) {
  return ReadPackWith(path, list, error, ParseImagePack);
}

bool ReadPack(const std::string& path, SoundListData& list, std::string* error) {
  return ReadPackWith(path, list, error, ParseSoundPack);
}

bool WritePack(const std::string& path, const ImageListData& list, std::string* error) {
  return WritePackFile(path, BuildImagePack(list), error);
}

bool WritePack(const std::string& path, const SoundListData& list, std::string* error) {
  return WritePackFile(path, BuildSoundPack(list), error);
}

// A failed load leaves the list empty: a half-read pack is never drawn from.
bool LoadImageList(const std::string& path, ImageList& list, std::string* error) {
  ImageListData data;
  const bool ok = ReadPack(path, data, error);
  list.Data() = ok ? std::move(data) : ImageListData{};
  return ok;
}

bool LoadSoundList(const std::string& path, SoundList& list, std::string* error) {
  SoundListData data;
  const bool ok = ReadPack(path, data, error);
  list.Assign(ok ? std::move(data) : SoundListData{});
  return ok;
}

bool LoadImageListOrDefault(std::string& path, const std::string& defaultPath, ImageList& list) {
  if (LoadImageList(path, list)) return true;
  path = defaultPath;
  return LoadImageList(path, list);
}

bool LoadSoundListOrDefault(std::string& path, const std::string& defaultPath, SoundList& list) {
  if (LoadSoundList(path, list)) return true;
  path = defaultPath;
  return LoadSoundList(path, list);
}

}  // namespace quarrion
