// The .glf header and character record, field by field: each layout is the
// order of its fields below, every field 4 bytes.
#include "render/glf_format.h"

#include "render/little_endian.h"

namespace render {

namespace {

constexpr std::size_t kFieldSize = 4;

std::int32_t GlfHeader::*const kHeaderFields[] = {
    &GlfHeader::textureName, &GlfHeader::textureWidth, &GlfHeader::textureHeight,
    &GlfHeader::firstChar,   &GlfHeader::lastChar,     &GlfHeader::reserved,
};

float GlfChar::*const kCharFields[] = {
    &GlfChar::quadWidth, &GlfChar::quadHeight, &GlfChar::texLeft,
    &GlfChar::texTop,    &GlfChar::texRight,   &GlfChar::texBottom,
};

constexpr std::size_t kHeaderFieldCount = sizeof kHeaderFields / sizeof kHeaderFields[0];
constexpr std::size_t kCharFieldCount = sizeof kCharFields / sizeof kCharFields[0];
static_assert(kHeaderFieldCount * kFieldSize == kGlfHeaderSize);
static_assert(kCharFieldCount * kFieldSize == kGlfCharSize);

}  // namespace

GlfHeader decodeGlfHeader(const std::uint8_t* bytes) {
  GlfHeader header;
  for (std::size_t i = 0; i < kHeaderFieldCount; ++i) {
    header.*kHeaderFields[i] = readS32(bytes + i * kFieldSize);
  }
  return header;
}

void encodeGlfHeader(const GlfHeader& header, std::uint8_t* bytes) {
  for (std::size_t i = 0; i < kHeaderFieldCount; ++i) {
    writeS32(bytes + i * kFieldSize, header.*kHeaderFields[i]);
  }
}

GlfChar decodeGlfChar(const std::uint8_t* bytes) {
  GlfChar record;
  for (std::size_t i = 0; i < kCharFieldCount; ++i) {
    record.*kCharFields[i] = readF32(bytes + i * kFieldSize);
  }
  return record;
}

void encodeGlfChar(const GlfChar& record, std::uint8_t* bytes) {
  for (std::size_t i = 0; i < kCharFieldCount; ++i) {
    writeF32(bytes + i * kFieldSize, record.*kCharFields[i]);
  }
}

}  // namespace render
