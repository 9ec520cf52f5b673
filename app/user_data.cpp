#include "app/user_data.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace quarrion {
namespace {

namespace fs = std::filesystem;

std::string WithSlash(std::string folder) {
  if (!folder.empty() && folder.back() != '/') folder += '/';
  return folder;
}

bool IsFolder(const fs::path& folder) {
  std::error_code error;
  return fs::is_directory(folder, error);
}

bool HoldsPacks(const std::string& folder) { return IsFolder(fs::path(folder) / "data" / "standard"); }

std::string UserFolder(const char* name) {
  const std::string user = UserDataFolder();
  if (user.empty()) return {};
  const std::string folder = user + name + '/';
  std::error_code error;
  fs::create_directories(folder, error);
  return folder;
}

bool SameFile(const std::string& a, const std::string& b) {
  std::error_code error;
  const bool same = fs::equivalent(a, b, error);
  return !error && same;
}

// Copied under a temporary name and renamed, so a copy cut short never stands as the player's set.
bool CopyWhole(const std::string& from, const std::string& to) {
  const std::string part = to + ".part";
  std::error_code error;
  fs::copy_file(from, part, fs::copy_options::overwrite_existing, error);
  // the bundled file may be read-only; the player's copy must not be
  if (!error) fs::permissions(part, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, error);
  if (!error) fs::rename(part, to, error);
  if (!error) return true;
  fs::remove(part, error);
  return false;
}

}  // namespace

std::string DataFolder(const std::string& programFolder) {
  const std::string folder = WithSlash(programFolder);
  if (folder.empty() || HoldsPacks(folder)) return folder;
  const std::string shared = WithSlash((fs::path(folder) / ".." / "share" / "quarrion").lexically_normal().string());
  return HoldsPacks(shared) ? shared : folder;
}

bool KeepsFilesBesideProgram(const std::string& programFolder) {
  const std::string folder = WithSlash(programFolder);
  return !folder.empty() && DataFolder(folder) == folder && access(folder.c_str(), W_OK) == 0;
}

std::string UserDataFolder() {
  // as the XDG base directory rules say: only an absolute $XDG_DATA_HOME counts
  const char* data = std::getenv("XDG_DATA_HOME");
  if (data != nullptr && data[0] == '/') return WithSlash(data) + "Quarrion/";
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] == '/') return WithSlash(home) + ".local/share/Quarrion/";
  return {};
}

bool CanWriteFile(const std::string& path) {
  std::error_code error;
  if (fs::exists(path, error)) return access(path.c_str(), W_OK) == 0;
  const fs::path parent = fs::path(path).parent_path();
  return access(parent.empty() ? "." : parent.c_str(), W_OK) == 0;
}

std::string PlayableCaveSetPath(const std::string& path, const std::string& programFolder) {
  const std::string bundled = DataFolder(programFolder) + "Levels/" + kDefaultCaveSetName;
  if (path.empty() || !SameFile(path, bundled)) return path;
  if (KeepsFilesBesideProgram(programFolder) && CanWriteFile(bundled)) return path;
  const std::string levels = UserFolder("Levels");
  if (levels.empty()) return path;
  const std::string copy = levels + kDefaultCaveSetName;
  std::error_code error;
  // an existing copy holds the player's progress: it is never replaced
  if (fs::exists(copy, error)) return copy;
  return CopyWhole(bundled, copy) ? copy : path;
}

std::string DefaultCaveSetPath(const std::string& programFolder) {
  return PlayableCaveSetPath(DataFolder(programFolder) + "Levels/" + kDefaultCaveSetName, programFolder);
}

std::string LevelsFolder(const std::string& programFolder) {
  if (KeepsFilesBesideProgram(programFolder)) return DataFolder(programFolder) + "Levels";
  const std::string levels = UserFolder("Levels");
  return levels.empty() ? DataFolder(programFolder) + "Levels" : levels.substr(0, levels.size() - 1);
}

std::string UnpackFolder(const std::string& programFolder) {
  const std::string besides = WithSlash(programFolder) + "Unpack";
  if (KeepsFilesBesideProgram(programFolder)) return besides;
  const std::string user = UserDataFolder();
  return user.empty() ? besides : user + "Unpack";
}

std::string NewPacksFolder(const std::string& programFolder) {
  const std::string besides = DataFolder(programFolder) + "data";
  if (KeepsFilesBesideProgram(programFolder)) return besides;
  const std::string packs = UserFolder("Packs");
  return packs.empty() ? besides : packs.substr(0, packs.size() - 1);
}

std::string StoredPackPath(const std::string& path, const std::string& programFolder) {
  if (path.empty() || path.front() != '/') return path;
  const std::string data = DataFolder(programFolder);
  std::error_code error;
  std::string full = fs::weakly_canonical(path, error).string();
  if (error) full = fs::path(path).lexically_normal().string();
  if (data.empty() || full.size() <= data.size() || full.compare(0, data.size(), data) != 0) return path;
  // only a pack that is there: reading takes a relative path only when it finds the file
  return fs::is_regular_file(full, error) ? full.substr(data.size()) : path;
}

std::string ResolvedPackPath(const std::string& stored, const std::string& programFolder) {
  if (stored.empty()) return stored;
  const std::string data = DataFolder(programFolder);
  std::error_code error;
  // a relative path that names nothing in the data folder is left as it was written
  if (stored.front() != '/') return fs::exists(data + stored, error) ? data + stored : stored;
  if (fs::exists(stored, error)) return stored;
  const auto at = stored.rfind("/data/");
  if (at == std::string::npos) return stored;
  const std::string moved = data + stored.substr(at + 1);
  return fs::is_regular_file(moved, error) ? moved : stored;
}

}  // namespace quarrion
