#pragma once
// Writing a whole file so that nothing is lost or mixed: the contents go to
// a new file in the target's directory, which is then renamed over the
// target. A reader sees the old file or the new one, never a part; two
// writers of one target leave one whole file (the one renamed last); a
// failed write leaves the old file as it was.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace z5 {

struct FileWriteResult {
  bool written = false;
  std::string cause;  // why the file was not written, when it was not

  explicit operator bool() const { return written; }
  // "cannot write PATH: CAUSE".
  std::string message(std::string_view path) const;
};

// Writes `contents` as the file at `path`.
//
// Refused, touching nothing, when `path` exists and is not a regular file
// (a directory, a device, or a symbolic link: no file is written through a
// link), or is one of `keep` under any name (the same device and inode, as
// a hard link or a link to it has). The new file takes the permission bits
// of the file it replaces, or 0666 less the umask when there was none. The
// data are on the disk before the rename.
FileWriteResult writeFileAtomically(const std::string& path, std::string_view contents,
                                    std::span<const std::string> keep = {});
// The same for binary data.
FileWriteResult writeFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes);

}  // namespace z5
