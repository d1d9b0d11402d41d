#include "base/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <optional>
#include <system_error>

namespace z5 {
namespace {

constexpr mode_t kNewFileMode = 0666;  // less the umask, as any new file
constexpr mode_t kPermissionBits = 07777;
constexpr int kTemporaryNameTries = 100;

std::string errorText(int error) { return std::generic_category().message(error); }

FileWriteResult failed(std::string cause) { return {false, std::move(cause)}; }

std::string directoryOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// Why the existing `target` may not be replaced; nothing when it may.
std::optional<std::string> refusal(const struct stat& target, std::span<const std::string> keep) {
  if (S_ISLNK(target.st_mode)) return "it is a symbolic link, and no file is written through a link";
  if (S_ISDIR(target.st_mode)) return "it is a directory";
  if (!S_ISREG(target.st_mode)) return "it is not a regular file";
  for (const std::string& kept : keep) {
    struct stat k {};
    if (::stat(kept.c_str(), &k) == 0 && k.st_dev == target.st_dev && k.st_ino == target.st_ino)
      return "it is the file " + kept + " itself (a link to it or the same name)";
  }
  return std::nullopt;
}

// A new file of our own beside `path`: "DIR/.NAME.z5-PID-N".
int createTemporary(const std::string& path, std::string& temporary) {
  static std::atomic<unsigned> counter{0};
  const std::size_t slash = path.find_last_of('/');
  const std::string directory = slash == std::string::npos ? "" : path.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  for (int attempt = 0; attempt < kTemporaryNameTries; ++attempt) {
    temporary = directory + "." + name + ".z5-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kNewFileMode);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

bool writeAll(int fd, std::string_view contents) {
  while (!contents.empty()) {
    const ssize_t n = ::write(fd, contents.data(), contents.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    contents.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// Fills the open temporary file; the cause of a failure, or nothing.
std::optional<std::string> fill(int fd, std::string_view contents, const std::optional<mode_t>& mode) {
  if (mode && ::fchmod(fd, *mode) != 0) return errorText(errno);
  if (!writeAll(fd, contents)) return errorText(errno == 0 ? EIO : errno);
  if (::fsync(fd) != 0) return errorText(errno);
  return std::nullopt;
}

}  // namespace

std::string FileWriteResult::message(std::string_view path) const {
  return "cannot write " + std::string(path) + ": " + cause;
}

FileWriteResult writeFileAtomically(const std::string& path, std::string_view contents,
                                    std::span<const std::string> keep) {
  std::optional<mode_t> mode;
  struct stat target {};
  if (::lstat(path.c_str(), &target) == 0) {
    if (auto why = refusal(target, keep)) return failed(*why);
    mode = target.st_mode & kPermissionBits;
  } else if (errno != ENOENT) {
    return failed(errorText(errno));
  }
  std::string temporary;
  const int fd = createTemporary(path, temporary);
  if (fd < 0) return failed("cannot create a new file in " + directoryOf(path) + ": " + errorText(errno));
  std::optional<std::string> cause = fill(fd, contents, mode);
  if (::close(fd) != 0 && !cause) cause = errorText(errno);
  if (!cause && ::rename(temporary.c_str(), path.c_str()) != 0) cause = errorText(errno);
  if (cause) {
    ::unlink(temporary.c_str());
    return failed(*cause);
  }
  return {true, {}};
}

FileWriteResult writeFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes) {
  return writeFileAtomically(path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

}  // namespace z5
