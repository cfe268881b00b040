// The uncompressed layouts: palette indices of 1, 4 and 8 bits, and direct
// colours of 16, 24 and 32 bits, through bit-field channels where masked.
#include <cstring>

#include "render/dib_layout.h"
#include "render/little_endian.h"

namespace render::dib {

namespace {

// A mask must be one run of bits inside the pixel; an empty mask reads as 0.
bool makeChannel(std::uint32_t mask, int bitCount, Channel* out) {
  out->mask = mask;
  if (mask == 0) return true;
  if (bitCount == 16 && mask > 0xFFFFu) return false;
  int shift = 0;
  while (((mask >> shift) & 1u) == 0) ++shift;
  std::uint64_t run = mask >> shift;
  int bits = 0;
  while (run & 1u) {
    ++bits;
    run >>= 1;
  }
  if (run != 0) return false;
  out->shift = shift;
  out->bits = bits;
  return true;
}

// Scales a channel value to 8 bits: wide fields keep their top 8 bits, narrow
// ones repeat their bits so that full intensity stays 255.
std::uint8_t channelValue(const Channel& c, std::uint32_t pixel) {
  if (c.bits == 0) return 0;
  std::uint32_t v = (pixel & c.mask) >> c.shift;
  if (c.bits >= 8) return static_cast<std::uint8_t>(v >> (c.bits - 8));
  std::uint32_t r = 0;
  int filled = 0;
  while (filled < 8) {
    r = (r << c.bits) | v;
    filled += c.bits;
  }
  return static_cast<std::uint8_t>(r >> (filled - 8));
}

}  // namespace

DibStatus setChannels(const std::uint8_t* data, std::size_t maskOffset, Layout* l) {
  const DibHeader& h = l->header;
  std::uint32_t masks[3];
  if (h.compression == kDibBitfields) {
    for (int i = 0; i < 3; ++i) masks[i] = readU32(data + maskOffset + 4 * i);
  } else if (h.bitCount == 16) {
    masks[0] = 0x7C00u, masks[1] = 0x03E0u, masks[2] = 0x001Fu;
  } else {
    masks[0] = 0xFF0000u, masks[1] = 0x00FF00u, masks[2] = 0x0000FFu;
  }
  for (int i = 0; i < 3; ++i) {
    if (!makeChannel(masks[i], h.bitCount, &l->channels[i])) return DibStatus::ConversionError;
  }
  return DibStatus::Ok;
}

std::int64_t rowStride(const Layout& l) { return (l.width * l.header.bitCount + 31) / 32 * 4; }

bool putIndex(const Palette& palette, unsigned index, std::uint8_t* dst) {
  if (index >= static_cast<unsigned>(palette.count)) return false;
  std::memcpy(dst, palette.rgb[index], 3);
  return true;
}

namespace {

bool convertRow(const Layout& l, const std::uint8_t* src, std::uint8_t* dst) {
  const int bpp = l.header.bitCount;
  for (std::int64_t x = 0; x < l.width; ++x, dst += 3) {
    switch (bpp) {
      case 1:
        if (!putIndex(l.palette, (src[x >> 3] >> (7 - (x & 7))) & 1u, dst)) return false;
        break;
      case 4:
        if (!putIndex(l.palette, (src[x >> 1] >> ((x & 1) ? 0 : 4)) & 15u, dst)) return false;
        break;
      case 8:
        if (!putIndex(l.palette, src[x], dst)) return false;
        break;
      case 24:
        dst[0] = src[3 * x + 2];
        dst[1] = src[3 * x + 1];
        dst[2] = src[3 * x];
        break;
      default: {
        const std::uint32_t pixel = bpp == 16 ? readU16(src + 2 * x) : readU32(src + 4 * x);
        for (int c = 0; c < 3; ++c) dst[c] = channelValue(l.channels[c], pixel);
      }
    }
  }
  return true;
}

}  // namespace

DibStatus convertRows(const std::uint8_t* data, const Layout& l, std::uint8_t* out) {
  const std::int64_t stride = rowStride(l);
  for (std::int64_t row = 0; row < l.height; ++row) {
    const std::uint8_t* src = data + l.pixelOffset + row * stride;
    const std::int64_t target = l.topDown ? l.height - 1 - row : row;
    if (!convertRow(l, src, out + target * l.width * 3)) return DibStatus::ConversionError;
  }
  return DibStatus::Ok;
}

}  // namespace render::dib
