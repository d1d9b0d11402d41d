#pragma once
// A pseudo-terminal pair standing in for a receiver on a serial line.

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <string>
#include <string_view>

namespace z5::test {

// A pseudo-terminal: the test writes at the master side what a receiver
// would send; the monitor opens the slave side by its name.
class PtyPair {
 public:
  PtyPair() {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ >= 0 && ::grantpt(master_) == 0 && ::unlockpt(master_) == 0) slaveName_ = ::ptsname(master_);
  }
  ~PtyPair() { closeMaster(); }
  PtyPair(const PtyPair&) = delete;
  PtyPair& operator=(const PtyPair&) = delete;

  bool ok() const { return master_ >= 0 && !slaveName_.empty(); }
  const std::string& slaveName() const { return slaveName_; }
  // The receiver's side; its terminal settings are the line's.
  int master() const { return master_; }
  void write(std::string_view bytes) {
    while (!bytes.empty()) {
      const ssize_t n = ::write(master_, bytes.data(), bytes.size());
      if (n <= 0) return;
      bytes.remove_prefix(static_cast<std::size_t>(n));
    }
  }
  // The receiver is unplugged: the slave side hangs up.
  void closeMaster() {
    if (master_ >= 0) ::close(master_);
    master_ = -1;
  }

 private:
  int master_ = -1;
  std::string slaveName_;
};

}  // namespace z5::test
