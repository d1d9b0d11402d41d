#include "gps/PosixSerialPort.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <utility>

#include "gps/LineRate.h"

namespace z5 {
namespace {

struct BaudSpeed {
  int baud;
  speed_t speed;
};
// The rates the terminal interface names. The settings allow every multiple
// of 1200 up to 9600; 3600, 6000, 7200 and 8400 are set as arbitrary rates.
constexpr std::array<BaudSpeed, 4> kBaudSpeeds = {{
    {1200, B1200}, {2400, B2400}, {4800, B4800}, {9600, B9600}}};

const BaudSpeed* findBaud(int baud) {
  for (const auto& entry : kBaudSpeeds)
    if (entry.baud == baud) return &entry;
  return nullptr;
}

}  // namespace

PosixSerialPort::~PosixSerialPort() { close(); }

SerialPort::OpenResult PosixSerialPort::open(const std::string& device, int baud) {
  close();
  const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return errno == EISDIR ? OpenResult::IsDirectory : OpenResult::CannotOpen;
  // Exclusive use: an advisory lock that every careful program (and root)
  // respects, and the terminal's own exclusive mode for the others.
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    ::close(fd);
    return OpenResult::CannotOpen;
  }
  device_ = fd;
  if (!configure(baud)) {
    close();
    return OpenResult::CannotConfigure;
  }
  ::ioctl(device_, TIOCEXCL);
  return OpenResult::Opened;
}

bool PosixSerialPort::configure(int baud) {
  const BaudSpeed* speed = findBaud(baud);
  termios t{};
  if (::tcgetattr(device_, &t) != 0) return false;
  if (speed != nullptr && (::cfsetispeed(&t, speed->speed) != 0 || ::cfsetospeed(&t, speed->speed) != 0))
    return false;
  // 8 data bits, no parity, one stop bit; the receiver's modem-status lines
  // are not watched.
  t.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB);
  t.c_cflag |= CS8 | CREAD | CLOCAL;
  // Bytes pass as they come: no line editing, echo, signals or CR/LF
  // translation. Flow-control switches keep what the driver reported.
  t.c_iflag &= ~static_cast<tcflag_t>(ICRNL | INLCR | IGNCR | ISTRIP | BRKINT | PARMRK);
  t.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO | ECHOE | ECHONL | ISIG | IEXTEN);
  t.c_oflag &= ~static_cast<tcflag_t>(OPOST);
  t.c_cc[VMIN] = 0;
  t.c_cc[VTIME] = 0;
  if (::tcsetattr(device_, TCSANOW, &t) != 0) return false;
  if (speed == nullptr) {
    if (!setArbitraryLineRate(device_, baud)) return false;
  } else {
    termios applied{};
    if (::tcgetattr(device_, &applied) != 0 || ::cfgetispeed(&applied) != speed->speed) return false;
  }
  // DTR held on (powers many receivers), RTS held off. Lines without modem
  // control (pseudo-terminals, some adapters) refuse these; that is harmless.
  int dtr = TIOCM_DTR;
  ::ioctl(device_, TIOCMBIS, &dtr);
  int rts = TIOCM_RTS;
  ::ioctl(device_, TIOCMBIC, &rts);
  return true;
}

void PosixSerialPort::close() {
  if (device_ < 0) return;
  ::ioctl(device_, TIOCNXCL);
  ::close(std::exchange(device_, -1));
}

SerialPort::ReadResult PosixSerialPort::read(std::span<char> buffer, std::chrono::milliseconds timeout) {
  if (const auto none = readWithoutBytes(wake_.wait(device_, POLLIN, timeout))) return *none;
  const ssize_t got = ::read(device_, buffer.data(), buffer.size());
  if (got > 0) return {ReadStatus::Data, static_cast<std::size_t>(got)};
  if (got < 0 && (errno == EAGAIN || errno == EINTR)) return {ReadStatus::TimedOut, 0};
  // End of file or an error such as EIO: the device hung up or was unplugged.
  return {ReadStatus::Failed, 0};
}

void PosixSerialPort::cancelRead() { wake_.wake(); }

void PosixSerialPort::clearCancel() { wake_.drain(); }

}  // namespace z5
