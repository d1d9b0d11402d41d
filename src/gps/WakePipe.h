#pragma once
// The wake-up descriptor of a blocking read: a pipe whose read end is
// polled beside the device or socket, so that another thread ends the wait
// at once by writing a byte into it.

#include <atomic>
#include <chrono>

namespace z5 {

class WakePipe {
 public:
  WakePipe();
  ~WakePipe();
  WakePipe(const WakePipe&) = delete;
  WakePipe& operator=(const WakePipe&) = delete;

  // The end to poll for input; -1 when no pipe could be made.
  int readEnd() const { return readEnd_; }
  // Safe from any thread: the read end becomes readable until drain().
  void wake();
  void drain();

  enum class Wait {
    Ready,     // `fd` has the events asked for (or has hung up)
    TimedOut,  // nothing within the time-out, or a signal came
    Woken,     // wake() was called
    Failed     // `fd` reports an error
  };
  // Waits at most `timeout` for `events` (POLLIN, POLLOUT) on `fd`; with an
  // `fd` of -1 only for a wake-up.
  Wait wait(int fd, short events, std::chrono::milliseconds timeout) const;

 private:
  int readEnd_ = -1;
  std::atomic<int> writeEnd_{-1};
};

}  // namespace z5
