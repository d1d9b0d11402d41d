#include "nav/FileSpeed.h"

#include <fmt/printf.h>

namespace z5 {

void setFileSpeed(Voyage& voyage, double knots) {
  voyage.fileSpeed = knots;
  voyage.fileSpeedText = knots > kNoSpeed ? fmt::sprintf(" File spd %7.4f", knots) : std::string();
}

}  // namespace z5
