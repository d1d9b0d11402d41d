#include "base/NmeaChecksum.h"

namespace z5 {
namespace {

constexpr int kHexBase = 16;
constexpr int kFirstLetterValue = 10;

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + kFirstLetterValue;
  if (c >= 'a' && c <= 'f') return c - 'a' + kFirstLetterValue;
  return -1;
}

}  // namespace

int nmeaChecksum(std::string_view body) {
  unsigned char sum = 0;
  for (char c : body) sum ^= static_cast<unsigned char>(c);
  return sum;
}

int writtenChecksum(std::string_view digits) {
  if (digits.size() < 2) return -1;
  const int high = hexDigit(digits[0]);
  const int low = hexDigit(digits[1]);
  return high < 0 || low < 0 ? -1 : high * kHexBase + low;
}

}  // namespace z5
