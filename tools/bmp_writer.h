// Stores pictures as uncompressed 24-bit BMP files: the 14-byte file header,
// the 40-byte information header, rows bottom first and padded to 4 bytes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "image.h"

namespace tools {

constexpr int bmpFileHeaderSize = 14;
constexpr int bmpInfoHeaderSize = 40;

// Bytes of one stored row of a 24-bit picture, padding included.
int bmpRowStride(int width);

// The whole file in memory. With `dither` the quantisation follows an ordered
// pattern whose period divides every power-of-two side, so tiles stay seamless.
std::vector<std::uint8_t> encodeBmp24(const Image& image, bool dither);

// False when the file cannot be created or fully written.
bool writeBmp24(const std::string& path, const Image& image, bool dither);

}  // namespace tools
