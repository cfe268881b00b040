// The .glf header and character record, field by field.
#include "render/glf_format.h"

#include "render/little_endian.h"

namespace render {

GlfHeader decodeGlfHeader(const std::uint8_t* bytes) {
  GlfHeader h;
  h.textureName = readU32(bytes);
  h.textureWidth = readS32(bytes + 4);
  h.textureHeight = readS32(bytes + 8);
  h.firstChar = readS32(bytes + 12);
  h.lastChar = readS32(bytes + 16);
  h.reserved = readU32(bytes + 20);
  return h;
}

void encodeGlfHeader(const GlfHeader& header, std::uint8_t* bytes) {
  writeU32(bytes, header.textureName);
  writeS32(bytes + 4, header.textureWidth);
  writeS32(bytes + 8, header.textureHeight);
  writeS32(bytes + 12, header.firstChar);
  writeS32(bytes + 16, header.lastChar);
  writeU32(bytes + 20, header.reserved);
}

GlfChar decodeGlfChar(const std::uint8_t* bytes) {
  GlfChar c;
  c.quadWidth = readF32(bytes);
  c.quadHeight = readF32(bytes + 4);
  c.texLeft = readF32(bytes + 8);
  c.texTop = readF32(bytes + 12);
  c.texRight = readF32(bytes + 16);
  c.texBottom = readF32(bytes + 20);
  return c;
}

void encodeGlfChar(const GlfChar& record, std::uint8_t* bytes) {
  writeF32(bytes, record.quadWidth);
  writeF32(bytes + 4, record.quadHeight);
  writeF32(bytes + 8, record.texLeft);
  writeF32(bytes + 12, record.texTop);
  writeF32(bytes + 16, record.texRight);
  writeF32(bytes + 20, record.texBottom);
}

}  // namespace render
