// Inside the BMP decoder: what it knows of a file once the headers have been
// checked, and the steps that turn the stored pixels into RGB rows. The
// decoder is split along the format's seams: dib_header (headers and colour
// table), dib_rows (palette and direct layouts), dib_rle (run-length layouts),
// with dib_image putting them together.
#pragma once

#include <cstddef>
#include <cstdint>

#include "render/dib_image.h"

namespace render::dib {

constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;

// Only the first 256 entries can be addressed by any index we read; the rest
// of a longer table is skipped over but never looked at.
struct Palette {
  std::uint8_t rgb[256][3];
  int count = 0;
};

// One colour channel of a direct layout, as a bit field of the pixel value.
struct Channel {
  std::uint32_t mask = 0;
  int shift = 0;
  int bits = 0;
};

// Everything the pixel conversion needs once the file has been checked.
struct Layout {
  DibHeader header;
  std::int64_t width = 0;
  std::int64_t height = 0;  // always positive
  bool topDown = false;
  std::size_t pixelOffset = 0;
  Palette palette;
  Channel channels[3];  // red, green, blue
};

// ---- dib_header ----

// Finds the header, masks, colour table and pixel data, checking that each
// lies inside the data, and reads the table (and the channels of a direct
// layout) into *layout.
DibStatus locate(const std::uint8_t* data, std::size_t size, Layout* layout);

// ---- dib_rows ----

// Reads the three channel masks (given or the layout's defaults) of a 16- or
// 32-bit layout; `maskOffset` is where given masks would stand.
DibStatus setChannels(const std::uint8_t* data, std::size_t maskOffset, Layout* layout);

// Bytes of one stored row, padding included.
std::int64_t rowStride(const Layout& layout);

// Writes the table colour of `index` to dst; false when the table has none.
bool putIndex(const Palette& palette, unsigned index, std::uint8_t* dst);

// The uncompressed rows into `out` (width * height * 3 bytes, bottom row first).
DibStatus convertRows(const std::uint8_t* data, const Layout& layout, std::uint8_t* out);

// ---- dib_rle ----

// The run-length encoded rows into `out`; every run is checked against `size`.
DibStatus convertRle(const std::uint8_t* data, std::size_t size, const Layout& layout,
                     std::uint8_t* out);

}  // namespace render::dib
