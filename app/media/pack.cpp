#include "app/media/pack.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

#include "app/media/pack_bytes.h"

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

// A temporary file in the same folder, then a rename: a failed write never harms the old pack.
bool WriteFileSafely(const std::string& path, const std::vector<uint8_t>& bytes, std::string* error) {
  if (path.empty()) return Fail(error, "no file name given");
  const fs::path target(path);
  std::error_code ec;
  if (fs::is_directory(target, ec)) return Fail(error, path + " is a folder");
  if (fs::exists(target, ec)) {
    const auto perms = fs::status(target, ec).permissions();
    if (!ec && (perms & fs::perms::owner_write) == fs::perms::none) return Fail(error, path + " is read-only");
  }
  const fs::path temp = target.string() + ".tmp~";
  std::FILE* file = std::fopen(temp.c_str(), "wb");
  if (file == nullptr) return Fail(error, "cannot create " + temp.string());
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  ok = std::fflush(file) == 0 && ok;
  ok = std::fclose(file) == 0 && ok;
  if (ok && fs::exists(target, ec)) fs::permissions(temp, fs::status(target, ec).permissions(), ec);
  if (ok) {
    fs::rename(temp, target, ec);
    ok = !ec;
  }
  if (!ok) {
    fs::remove(temp, ec);
    return Fail(error, "cannot write " + path);
  }
  return true;
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
  return WriteFileSafely(path, BuildImagePack(list), error);
}

bool WritePack(const std::string& path, const SoundListData& list, std::string* error) {
  return WriteFileSafely(path, BuildSoundPack(list), error);
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
