#pragma once
// The line the GPS receiver talks on: open a named device (8 data bits, no
// parity, one stop bit, DTR on, RTS off, held exclusively) or a network
// source, read with a time-out, end a pending read at once from another
// thread, close.

#include <chrono>
#include <cstddef>
#include <optional>
#include <span>
#include <string>

#include "gps/WakePipe.h"

namespace z5 {

class SerialPort {
 public:
  virtual ~SerialPort() = default;

  enum class OpenResult {
    Opened,
    CannotOpen,      // missing, held by another program, or not permitted
    IsDirectory,     // the name is a directory, not a device
    CannotConfigure, // opened, but the line settings were refused
    CannotConnect    // a network source: no connection or no listening socket; see openProblem()
  };
  // `device` is a device path or a network source address (SourceAddress.h).
  virtual OpenResult open(const std::string& device, int baud) = 0;
  // Why the last open() failed, when the source can say more than its result.
  virtual std::string openProblem() const { return {}; }
  virtual void close() = 0;
  virtual bool isOpen() const = 0;

  enum class ReadStatus {
    Data,       // `count` bytes arrived
    TimedOut,   // nothing arrived within the time-out
    Cancelled,  // cancelRead() was called
    Failed      // the device is gone or reports an error; close and reopen it
  };
  struct ReadResult {
    ReadStatus status = ReadStatus::TimedOut;
    std::size_t count = 0;
  };
  // Waits at most `timeout` for bytes and reads what is there, up to the
  // buffer's size. On a closed port it only waits for a cancellation.
  virtual ReadResult read(std::span<char> buffer, std::chrono::milliseconds timeout) = 0;

  // Safe from any thread. Ends the pending read (or the next one) with
  // Cancelled; every read returns Cancelled until clearCancel().
  virtual void cancelRead() = 0;
  virtual void clearCancel() = 0;
};

// The read a wait for bytes ends in when it brings none; nullopt when bytes
// are ready to be read.
inline std::optional<SerialPort::ReadResult> readWithoutBytes(WakePipe::Wait wait) {
  switch (wait) {
    case WakePipe::Wait::Woken:
      return SerialPort::ReadResult{SerialPort::ReadStatus::Cancelled, 0};
    case WakePipe::Wait::TimedOut:
      return SerialPort::ReadResult{SerialPort::ReadStatus::TimedOut, 0};
    case WakePipe::Wait::Failed:
      return SerialPort::ReadResult{SerialPort::ReadStatus::Failed, 0};
    case WakePipe::Wait::Ready:
      break;
  }
  return std::nullopt;
}

}  // namespace z5
