// Writes BMP files, for the picture generators and the decoder's tests alike:
// every layout the game's decoder reads, and files broken on purpose, as a
// small options record describes them. The defaults are the layout of the
// game's own pictures: the 14-byte file header, the 40-byte information
// header, 24 bits per pixel, no compression, no colour table, rows bottom
// first and padded to 4 bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "image.h"

namespace tools {

// One pixel in 8-bit channels.
struct Rgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
};

// A picture in 8-bit channels, rows from the top down.
struct RgbPicture {
  int width = 0;
  int height = 0;
  std::vector<Rgb> pixels;
  Rgb at(int x, int row) const { return pixels[static_cast<std::size_t>(row) * width + x]; }
};

// What the file looks like: the header kind and the fields written into it.
// Fields are written as given, so a test can make them disagree with the data.
struct BmpFormat {
  bool fileHeader = true;
  // 12 writes the short (core) header; any other size an information header
  // padded with zeros to that size.
  std::uint32_t headerSize = 40;
  std::uint16_t bitCount = 24;
  std::uint32_t compression = 0;       // 0 none, 1 RLE8, 2 RLE4, 3 bit fields
  bool topDown = false;                // a negative height: rows stored top row first
  std::vector<Rgb> palette;            // the colour table as written
  std::uint32_t clrUsed = 0;           // the colours-used field
  bool writeMasks = false;             // three masks after an information header
  std::uint32_t masks[3] = {0, 0, 0};  // red, green, blue
  std::size_t gapAfterTable = 0;       // filler bytes between table and pixels
  // The pixel offset of the file header; by default where the pixels begin.
  std::optional<std::uint32_t> pixelOffset;
};

// Bytes of one stored row, padding included.
std::size_t bmpRowStride(int width, int bitCount);

// The stored rows of a picture in an uncompressed layout: palette indices
// into format.palette (which must hold every colour of the picture) for 1, 4
// and 8 bits, blue-green-red for 24, values packed through format.masks for 16
// and 32 (give the default masks for no compression).
std::vector<std::uint8_t> encodeRows(const BmpFormat& format, const RgbPicture& picture);

// Lays out the headers, masks, table and the given pixel data (stored rows or
// runs) into one file, with width and height written as given.
std::vector<std::uint8_t> buildBmp(const BmpFormat& format,
                                   const std::vector<std::uint8_t>& pixelData, int width,
                                   int height);

// encodeRows, then buildBmp.
std::vector<std::uint8_t> encodeBmp(const BmpFormat& format, const RgbPicture& picture);

// A generator's picture in the default layout. With `dither` the quantisation
// to 8 bits follows an ordered pattern whose period divides every
// power-of-two side, so tiles stay seamless.
std::vector<std::uint8_t> encodeBmp24(const Image& image, bool dither);

// False when the file cannot be created or fully written.
bool writeBmp24(const std::string& path, const Image& image, bool dither);

}  // namespace tools
