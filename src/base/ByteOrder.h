#pragma once
// Little-endian integers in byte buffers: the byte order of every binary
// file, the chart catalogue and the world data files. Readers take bytes the
// caller has checked are there.

#include <cstdint>
#include <vector>

namespace z5 {

inline std::uint16_t readUint16(const std::uint8_t* p) {
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

inline std::int16_t readInt16(const std::uint8_t* p) { return static_cast<std::int16_t>(readUint16(p)); }

inline std::uint32_t readUint32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

inline std::int32_t readInt32(const std::uint8_t* p) { return static_cast<std::int32_t>(readUint32(p)); }

inline void writeUint16(std::uint8_t* p, std::uint16_t v) {
  p[0] = static_cast<std::uint8_t>(v);
  p[1] = static_cast<std::uint8_t>(v >> 8);
}

inline void writeUint32(std::uint8_t* p, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

inline void writeInt32(std::uint8_t* p, std::int32_t v) { writeUint32(p, static_cast<std::uint32_t>(v)); }

inline void appendUint16(std::vector<std::uint8_t>& out, std::uint16_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}

inline void appendUint32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

inline void appendInt32(std::vector<std::uint8_t>& out, std::int32_t v) {
  appendUint32(out, static_cast<std::uint32_t>(v));
}

}  // namespace z5
