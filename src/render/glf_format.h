// The texture-font file (.glf) byte by byte, for the game's reader and the
// font generator's writer alike: a 24-byte header of six little-endian 32-bit
// fields, one 24-byte record of six little-endian floats per character code
// from the first to the last, then the font texture as (luminance, alpha)
// texel pairs, row by row, the first row at t = 0.
#pragma once

#include <cstddef>
#include <cstdint>

namespace render {

// The header, field by field in file order.
struct GlfHeader {
  std::int32_t textureName = 0;  // written as 0; the reader ignores it
  std::int32_t textureWidth = 0;
  std::int32_t textureHeight = 0;
  std::int32_t firstChar = 0;
  std::int32_t lastChar = 0;
  std::int32_t reserved = 0;  // written as 0
};

// One character's record: its quad in drawing units (the width is also the
// pen advance) and its rectangle in the font texture.
struct GlfChar {
  float quadWidth = 0;
  float quadHeight = 0;
  float texLeft = 0;
  float texTop = 0;  // t of the rectangle's top edge
  float texRight = 0;
  float texBottom = 0;  // t of the rectangle's bottom edge
};

constexpr std::size_t kGlfHeaderSize = 24;
constexpr std::size_t kGlfCharSize = 24;
constexpr std::size_t kGlfTexelSize = 2;  // luminance, alpha

// kGlfHeaderSize bytes from and to a header.
GlfHeader decodeGlfHeader(const std::uint8_t* bytes);
void encodeGlfHeader(const GlfHeader& header, std::uint8_t* bytes);

// kGlfCharSize bytes from and to a character record.
GlfChar decodeGlfChar(const std::uint8_t* bytes);
void encodeGlfChar(const GlfChar& record, std::uint8_t* bytes);

}  // namespace render
