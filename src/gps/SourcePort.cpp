#include "gps/SourcePort.h"

#include "gps/SourceAddress.h"

namespace z5 {

SerialPort::OpenResult SourcePort::open(const std::string& device, int baud) {
  active_->close();
  active_ = isNetworkAddress(device) ? static_cast<SerialPort*>(&network_) : &serial_;
  return active_->open(device, baud);
}

void SourcePort::cancelRead() {
  serial_.cancelRead();
  network_.cancelRead();
}

void SourcePort::clearCancel() {
  serial_.clearCancel();
  network_.clearCancel();
}

}  // namespace z5
