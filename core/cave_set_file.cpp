#include "core/cave_set_file.h"

#include <filesystem>
#include <fstream>
#include <span>
#include <system_error>

namespace quarrion {

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

FileWriteResult WriteCaveSetFile(const std::string& path, const CaveSet& caves) {
  return WriteFileSafely(path, std::span<const uint8_t>(caves.bytes.data(), caves.bytes.size()));
}

std::string CaveSetNameOf(const std::string& path) {
  const std::string base = std::filesystem::path(path).filename().string();
  return base.size() <= 4 ? std::string() : base.substr(0, base.size() - 4);
}

std::string CaveSetCaption(const std::string& setName) {
  return setName.empty() ? std::string("Quarrion") : "Quarrion - " + setName + ".qcv";
}

}  // namespace quarrion
