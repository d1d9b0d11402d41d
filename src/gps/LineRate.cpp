#include "gps/LineRate.h"

// The kernel's own terminal structures: this file must not see <termios.h>,
// whose definitions of the same names differ.
#if defined(__linux__)
#include <asm/termbits.h>
#include <sys/ioctl.h>
#endif

namespace z5 {

#if defined(__linux__)

bool setArbitraryLineRate(int fd, int baud) {
  if (baud <= 0) return false;
  termios2 t{};
  if (::ioctl(fd, TCGETS2, &t) != 0) return false;
  // The rate in c_ospeed and c_ispeed instead of a speed constant.
  t.c_cflag &= ~static_cast<tcflag_t>(CBAUD | (CBAUD << IBSHIFT));
  t.c_cflag |= BOTHER | (BOTHER << IBSHIFT);
  t.c_ospeed = static_cast<speed_t>(baud);
  t.c_ispeed = static_cast<speed_t>(baud);
  if (::ioctl(fd, TCSETS2, &t) != 0) return false;
  return lineRate(fd) == baud;
}

std::optional<int> lineRate(int fd) {
  termios2 t{};
  if (::ioctl(fd, TCGETS2, &t) != 0) return std::nullopt;
  return static_cast<int>(t.c_ospeed);
}

#else

bool setArbitraryLineRate(int, int) { return false; }
std::optional<int> lineRate(int) { return std::nullopt; }

#endif

}  // namespace z5
