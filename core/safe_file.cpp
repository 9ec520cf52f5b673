#include "core/safe_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <vector>

namespace quarrion {
namespace {

int MakeTemp(char* pattern) { return ::mkostemp(pattern, O_CLOEXEC); }
int OpenFolder(const char* path) { return ::open(path, O_RDONLY | O_DIRECTORY | O_CLOEXEC); }

const FileSystemCalls kRealCalls{MakeTemp, ::write, ::fsync, ::fchmod, ::close, ::rename, OpenFolder};
const FileSystemCalls* calls = &kRealCalls;

FileWriteResult Failed(int error, const char* step) { return FileWriteResult{error == 0 ? EIO : error, step}; }

std::string FolderOf(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? std::string("/") : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The file a chain of symbolic links ends at: replacing the link itself would cut it off from
// the file it shares. A dangling link gives the path it points to, which is then created.
bool FollowLinks(std::string& path) {
  for (int hops = 0; hops < 40; ++hops) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return true;
    std::vector<char> target(std::size_t(st.st_size > 0 ? st.st_size : 255) + 1);
    const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
    if (length < 0 || std::size_t(length) >= target.size()) return false;
    const std::string link(target.data(), std::size_t(length));
    path = link.starts_with('/') ? link : FolderOf(path) + "/" + link;
  }
  errno = ELOOP;
  return false;
}

// A writer holds a lock on its temporary file until it is renamed or removed; the lock goes with
// the process. A temporary file nobody holds and that has not changed for a while was left by a
// save that was killed or lost its power, and is removed by the next save of the same file.
constexpr time_t kStaleTemporarySeconds = 2;  // far longer than from creating a temporary file to locking it

bool IsTemporaryOf(std::string_view entry, std::string_view name) {
  constexpr std::size_t kUnique = 6;  // mkstemp's XXXXXX
  if (entry.size() != name.size() + 2 + kUnique || entry[0] != '.' || entry.substr(1, name.size()) != name ||
      entry[1 + name.size()] != '.')
    return false;
  for (const char c : entry.substr(entry.size() - kUnique))
    if (!std::isalnum(static_cast<unsigned char>(c))) return false;
  return true;
}

void RemoveStaleTemporaries(const std::string& folder, const std::string& name) {
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return;
  const int dirFd = ::dirfd(dir);
  const time_t now = ::time(nullptr);
  while (const dirent* entry = ::readdir(dir)) {
    if (!IsTemporaryOf(entry->d_name, name)) continue;
    const int fd = ::openat(dirFd, entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) continue;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid() &&
        now - st.st_mtime >= kStaleTemporarySeconds && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
      ::unlinkat(dirFd, entry->d_name, 0);
    ::close(fd);
  }
  ::closedir(dir);
}

mode_t NewFileMode() {
  // the umask can only be read by setting it; this runs on the one thread that writes files
  const mode_t mask = ::umask(022);
  ::umask(mask);
  return 0666 & ~mask;
}

bool WriteAll(int fd, std::span<const uint8_t> bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = calls->write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = ENOSPC;
      return false;
    }
    done += std::size_t(n);
  }
  return true;
}

// Flushes the folder so the rename itself survives a power cut. A folder that cannot be opened
// or a file system that cannot flush folders (EINVAL) gives no error: the file is in place.
FileWriteResult FlushFolder(const std::string& folder) {
  const int fd = calls->openFolder(folder.c_str());
  if (fd < 0) return {};
  FileWriteResult result;
  if (calls->fsync(fd) != 0 && errno != EINVAL) result = Failed(errno, "flush folder");
  calls->close(fd);
  return result;
}

}  // namespace

std::string FileWriteResult::Reason() const { return error == 0 ? std::string() : std::strerror(error); }

const FileSystemCalls& RealFileSystemCalls() { return kRealCalls; }

void SetFileSystemCalls(const FileSystemCalls* replacement) { calls = replacement != nullptr ? replacement : &kRealCalls; }

FileWriteResult WriteFileSafely(const std::string& path, std::span<const uint8_t> bytes) {
  if (path.empty()) return Failed(ENOENT, "name");
  std::string target = path;
  if (!FollowLinks(target)) return Failed(errno, "follow link");

  struct stat old {};
  const bool exists = ::stat(target.c_str(), &old) == 0;
  if (exists && S_ISDIR(old.st_mode)) return Failed(EISDIR, "create");
  // a read-only file stays as it is, as a write in place would leave it
  if (exists && (old.st_mode & S_IWUSR) == 0) return Failed(EACCES, "create");
  const mode_t mode = exists ? mode_t(old.st_mode & 07777) : NewFileMode();

  const std::string folder = FolderOf(target);
  RemoveStaleTemporaries(folder, NameOf(target));
  std::string temp = folder + "/." + NameOf(target) + ".XXXXXX";
  const int fd = calls->makeTemp(temp.data());
  if (fd < 0) return Failed(errno, "create");
  // marks the file as in use, so another save's clean-up leaves it alone
  (void)::flock(fd, LOCK_EX | LOCK_NB);

  FileWriteResult result;
  if (!WriteAll(fd, bytes)) result = Failed(errno, "write");
  else if (calls->fchmod(fd, mode) != 0) result = Failed(errno, "permissions");
  // flushed before the rename: otherwise a power cut can leave the new name on an empty file
  else if (calls->fsync(fd) != 0) result = Failed(errno, "flush");
  if (exists && result) {
    // best effort: only the owner of the old file or root may hand the new one back to its owner
    if (::fchown(fd, old.st_uid, old.st_gid) != 0) errno = 0;
  }
  if (calls->close(fd) != 0 && result) result = Failed(errno, "close");
  if (result && calls->rename(temp.c_str(), target.c_str()) != 0) result = Failed(errno, "rename");
  if (!result) {
    ::unlink(temp.c_str());
    return result;
  }
  return FlushFolder(folder);
}

FileWriteResult WriteFileSafely(const std::string& path, std::string_view text) {
  return WriteFileSafely(path, std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

}  // namespace quarrion
