// The one way the program writes a file: cave sets, Quarrion.ini, packs and unpacked pictures and
// sounds. The bytes go to a unique temporary file beside the target, are flushed to disk, and the
// temporary file is renamed over the target, whose folder is flushed too: a full disk, an I/O
// error or a crash at any moment leaves the old file or the new one, whole, never a mix.
#pragma once
#include <sys/types.h>

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace quarrion {

// The outcome of a write: error is the errno of the step that failed, 0 when the file was written.
struct FileWriteResult {
  int error = 0;
  std::string step;  // what failed: "create", "write", "flush", "rename", ...

  explicit operator bool() const { return error == 0; }
  // The system's text for the error ("No space left on device"); empty on success.
  std::string Reason() const;
};

// Writes all bytes to path, replacing the file it names. A symbolic link is followed, so the file it
// points to is replaced and the link stays. An existing file keeps its permissions; a read-only one is
// refused (EACCES) and a folder too (EISDIR), as an overwrite in place would be.
FileWriteResult WriteFileSafely(const std::string& path, std::span<const uint8_t> bytes);
FileWriteResult WriteFileSafely(const std::string& path, std::string_view text);

// The system calls under the writer. Tests swap in their own to make any one of them fail.
struct FileSystemCalls {
  int (*makeTemp)(char* pattern);  // mkstemp
  ssize_t (*write)(int fd, const void* data, size_t size);
  int (*fsync)(int fd);
  int (*fchmod)(int fd, mode_t mode);
  int (*close)(int fd);
  int (*rename)(const char* from, const char* to);
  int (*openFolder)(const char* path);  // opened read-only to flush the folder
};

const FileSystemCalls& RealFileSystemCalls();
// Installs calls for every later write; null puts the real ones back.
void SetFileSystemCalls(const FileSystemCalls* calls);

}  // namespace quarrion
