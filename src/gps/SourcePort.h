#pragma once
// The GPS monitor's line as the port setting names it: the serial device,
// or the network source of a gpsd://, tcp:// or udp:// address.

#include "gps/NetworkPort.h"
#include "gps/PosixSerialPort.h"

namespace z5 {

class SourcePort final : public SerialPort {
 public:
  OpenResult open(const std::string& device, int baud) override;
  void close() override { active_->close(); }
  bool isOpen() const override { return active_->isOpen(); }
  ReadResult read(std::span<char> buffer, std::chrono::milliseconds timeout) override {
    return active_->read(buffer, timeout);
  }
  // Both lines hear a cancellation: the one reading is chosen by open(),
  // which a cancelling thread never waits for.
  void cancelRead() override;
  void clearCancel() override;
  std::string openProblem() const override { return active_->openProblem(); }

 private:
  PosixSerialPort serial_;
  NetworkPort network_;
  SerialPort* active_ = &serial_;
};

}  // namespace z5
