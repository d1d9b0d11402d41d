#pragma once
// SerialPort on a POSIX terminal device (termios), with a pipe as the
// wake-up descriptor that ends a pending read at once.

#include "gps/SerialPort.h"
#include "gps/WakePipe.h"

namespace z5 {

class PosixSerialPort final : public SerialPort {
 public:
  PosixSerialPort() = default;
  ~PosixSerialPort() override;
  PosixSerialPort(const PosixSerialPort&) = delete;
  PosixSerialPort& operator=(const PosixSerialPort&) = delete;

  OpenResult open(const std::string& device, int baud) override;
  void close() override;
  bool isOpen() const override { return device_ >= 0; }
  ReadResult read(std::span<char> buffer, std::chrono::milliseconds timeout) override;
  void cancelRead() override;
  void clearCancel() override;

 private:
  bool configure(int baud);

  int device_ = -1;
  WakePipe wake_;
};

}  // namespace z5
