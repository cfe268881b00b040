// Little-endian fields of the game's file formats (BMP pictures, .glf fonts),
// read from and written to bytes in memory whatever the host's byte order.
#pragma once

#include <cstdint>
#include <cstring>

namespace render {

inline std::uint16_t readU16(const std::uint8_t* p) {
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

inline std::uint32_t readU32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

inline std::int32_t readS32(const std::uint8_t* p) { return static_cast<std::int32_t>(readU32(p)); }

// An IEEE 754 single stored as its 32 bits.
inline float readF32(const std::uint8_t* p) {
  const std::uint32_t bits = readU32(p);
  float value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

inline void writeU16(std::uint8_t* p, std::uint16_t v) {
  p[0] = static_cast<std::uint8_t>(v & 0xFF);
  p[1] = static_cast<std::uint8_t>(v >> 8);
}

inline void writeU32(std::uint8_t* p, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>((v >> (8 * i)) & 0xFF);
}

inline void writeS32(std::uint8_t* p, std::int32_t v) {
  writeU32(p, static_cast<std::uint32_t>(v));
}

inline void writeF32(std::uint8_t* p, float v) {
  std::uint32_t bits;
  std::memcpy(&bits, &v, sizeof bits);
  writeU32(p, bits);
}

}  // namespace render
