// The run-length layouts (8 and 4 bits): runs, absolute runs, end of line,
// delta and end of bitmap, every step checked against the data.
#include <cstring>

#include "render/dib_layout.h"

namespace render::dib {

// Pixels that the runs skip (by a delta or an early end of line) keep the
// first table colour, the background the encoding assumes.
DibStatus convertRle(const std::uint8_t* data, std::size_t size, const Layout& l,
                     std::uint8_t* out) {
  const bool four = l.header.compression == kDibRle4;
  const std::uint8_t* p = data + l.pixelOffset;
  const std::size_t n = size - l.pixelOffset;
  static const std::uint8_t kBlack[3] = {0, 0, 0};
  const std::uint8_t* background = l.palette.count > 0 ? l.palette.rgb[0] : kBlack;
  // Fill by doubling: a large picture costs a few big copies, not one per pixel.
  const std::size_t total = static_cast<std::size_t>(l.width * l.height * 3);
  std::memcpy(out, background, 3);
  for (std::size_t filled = 3; filled < total;) {
    const std::size_t n = filled < total - filled ? filled : total - filled;
    std::memcpy(out + filled, out, n);
    filled += n;
  }

  std::int64_t x = 0;
  std::int64_t y = 0;
  std::size_t i = 0;
  auto put = [&](unsigned index) {
    if (x < l.width && y < l.height && !putIndex(l.palette, index, out + (y * l.width + x) * 3)) {
      return false;
    }
    ++x;
    return true;
  };
  while (y < l.height) {
    if (n - i < 2) return DibStatus::ConversionError;
    const std::uint8_t count = p[i];
    const std::uint8_t value = p[i + 1];
    i += 2;
    if (count > 0) {
      for (int k = 0; k < count; ++k) {
        const unsigned index = four ? ((k & 1) ? value & 15u : value >> 4) : value;
        if (!put(index)) return DibStatus::ConversionError;
      }
    } else if (value == 0) {
      x = 0;
      ++y;
    } else if (value == 1) {
      break;
    } else if (value == 2) {
      if (n - i < 2) return DibStatus::ConversionError;
      x += p[i];
      y += p[i + 1];
      i += 2;
    } else {
      const std::size_t bytes = four ? (value + 1u) / 2u : value;
      const std::size_t padded = (bytes + 1u) & ~std::size_t{1};
      if (n - i < padded) return DibStatus::ConversionError;
      for (int k = 0; k < value; ++k) {
        const std::uint8_t b = p[i + (four ? k / 2 : k)];
        const unsigned index = four ? ((k & 1) ? b & 15u : b >> 4) : b;
        if (!put(index)) return DibStatus::ConversionError;
      }
      i += padded;
    }
  }
  return DibStatus::Ok;
}

}  // namespace render::dib
