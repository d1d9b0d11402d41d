#include "gps/WakePipe.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <array>
#include <cerrno>

namespace z5 {

WakePipe::WakePipe() {
  int ends[2];
  if (::pipe(ends) != 0) return;
  for (int fd : ends) {
    ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
  }
  readEnd_ = ends[0];
  writeEnd_ = ends[1];
}

WakePipe::~WakePipe() {
  if (readEnd_ >= 0) ::close(readEnd_);
  if (const int fd = writeEnd_.exchange(-1); fd >= 0) ::close(fd);
}

void WakePipe::wake() {
  const int fd = writeEnd_.load();
  if (fd < 0) return;
  const char byte = 1;
  // A full pipe already holds a wake-up; nothing more to do then.
  [[maybe_unused]] const ssize_t written = ::write(fd, &byte, 1);
}

void WakePipe::drain() {
  std::array<char, 64> bytes{};
  while (readEnd_ >= 0 && ::read(readEnd_, bytes.data(), bytes.size()) > 0) {
  }
}

WakePipe::Wait WakePipe::wait(int fd, short events, std::chrono::milliseconds timeout) const {
  std::array<pollfd, 2> watched{{{readEnd_, POLLIN, 0}, {fd, events, 0}}};
  const nfds_t count = fd >= 0 ? 2 : 1;
  const int ready = ::poll(watched.data(), count, static_cast<int>(timeout.count()));
  if (ready < 0) return errno == EINTR ? Wait::TimedOut : Wait::Failed;
  if (watched[0].revents & POLLIN) return Wait::Woken;
  if (ready == 0 || count == 1) return Wait::TimedOut;
  if (watched[1].revents & (POLLERR | POLLNVAL)) return Wait::Failed;
  return Wait::Ready;
}

}  // namespace z5
