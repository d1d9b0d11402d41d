#pragma once
// The serial line the GPS receiver talks on: open a named device (8 data
// bits, no parity, one stop bit, DTR on, RTS off, held exclusively), read
// with a time-out, end a pending read at once from another thread, close.

#include <chrono>
#include <cstddef>
#include <span>
#include <string>

namespace z5 {

class SerialPort {
 public:
  virtual ~SerialPort() = default;

  enum class OpenResult {
    Opened,
    CannotOpen,      // missing, held by another program, or not permitted
    IsDirectory,     // the name is a directory, not a device
    CannotConfigure  // opened, but the line settings were refused
  };
  virtual OpenResult open(const std::string& device, int baud) = 0;
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

}  // namespace z5
