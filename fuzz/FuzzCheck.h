#pragma once
// Shared by the fuzz targets: the check that stops the fuzzer on a broken
// promise, and the fixed "now" of the targets that extract routes.

#include <ctime>

namespace z5::fuzz {

inline void check(bool condition) {
  if (!condition) __builtin_trap();
}

// 15 March 2002, 10:30 UTC: a fixed "now" for the AMVER date roll-over.
inline constexpr std::time_t kFixedMoment = 1016188200;

}  // namespace z5::fuzz
