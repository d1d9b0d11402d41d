#include "base/NmeaChecksum.h"

#include "base/NumberReading.h"

namespace z5 {
namespace {

constexpr int kHexBase = 16;
constexpr std::size_t kChecksumDigits = 2;

}  // namespace

int nmeaChecksum(std::string_view body) {
  unsigned char sum = 0;
  for (char c : body) sum ^= static_cast<unsigned char>(c);
  return sum;
}

int writtenChecksum(std::string_view digits) {
  if (digits.size() < kChecksumDigits) return -1;
  return integerOnly<int>(digits.substr(0, kChecksumDigits), Sign::None, kHexBase).value_or(-1);
}

}  // namespace z5
