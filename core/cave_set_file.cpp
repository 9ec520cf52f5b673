#include "core/cave_set_file.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace quarrion {
namespace {

bool WriteAll(std::FILE* file, const CaveSet& caves) {
  return std::fwrite(caves.bytes.data(), 1, caves.bytes.size(), file) == caves.bytes.size();
}

}  // namespace

bool IsAcceptedCaveSetLength(unsigned long long length) { return length / 128 * 128 == kCaveSetBytes; }

bool ReadCaveSetFile(const std::string& path, CaveSet& caves) {
  std::error_code error;
  const auto status = std::filesystem::status(path, error);
  if (error || !std::filesystem::is_regular_file(status)) return false;
  const auto length = std::filesystem::file_size(path, error);
  if (error || !IsAcceptedCaveSetLength(length)) return false;
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  // read into a scratch copy first: a read that fails after the length test leaves the set as it was
  CaveSet loaded;
  in.read(reinterpret_cast<char*>(loaded.bytes.data()), std::streamsize(loaded.bytes.size()));
  if (in.gcount() != std::streamsize(loaded.bytes.size())) return false;
  caves.bytes = loaded.bytes;
  return true;
}

bool WriteCaveSetFile(const std::string& path, const CaveSet& caves) {
  namespace fs = std::filesystem;
  if (path.empty()) return false;
  const fs::path target(path);
  std::error_code error;
  if (fs::is_directory(target, error)) return false;
  // a read-only file stays untouched, as a plain write would leave it
  if (fs::exists(target, error)) {
    const auto perms = fs::status(target, error).permissions();
    if (!error && (perms & fs::perms::owner_write) == fs::perms::none) return false;
  }
  const fs::path temp = target.string() + ".tmp~";
  std::FILE* file = std::fopen(temp.c_str(), "wb");
  if (file == nullptr) return false;
  bool ok = WriteAll(file, caves);
  ok = (std::fflush(file) == 0) && ok;
  ok = (std::fclose(file) == 0) && ok;
  if (ok && fs::exists(target, error)) {
    // the new file takes the old one's permissions, as an overwrite in place would keep them
    fs::permissions(temp, fs::status(target, error).permissions(), error);
  }
  if (ok) {
    fs::rename(temp, target, error);
    ok = !error;
  }
  if (!ok) fs::remove(temp, error);
  return ok;
}

std::string CaveSetNameOf(const std::string& path) {
  const std::string base = std::filesystem::path(path).filename().string();
  return base.size() <= 4 ? std::string() : base.substr(0, base.size() - 4);
}

std::string CaveSetCaption(const std::string& setName) {
  return setName.empty() ? std::string("Quarrion") : "Quarrion - " + setName + ".qcv";
}

}  // namespace quarrion
