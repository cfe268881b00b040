// BMP encoding: headers, tables and rows in the byte order the format fixes,
// written independently of the game's decoder.
#include "bmp_writer.h"

#include <cstdlib>

#include "file_bytes.h"
#include "render/little_endian.h"

namespace tools {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint8_t kGapFiller = 0xAB;
constexpr std::int32_t kPixelsPerMetre = 2835;  // 72 dots per inch

void put16(std::vector<std::uint8_t>& out, std::uint16_t v) {
  out.resize(out.size() + 2);
  render::writeU16(&out[out.size() - 2], v);
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.resize(out.size() + 4);
  render::writeU32(&out[out.size() - 4], v);
}

int paletteIndex(const BmpFormat& format, Rgb c) {
  for (std::size_t i = 0; i < format.palette.size(); ++i) {
    const Rgb& p = format.palette[i];
    if (p.r == c.r && p.g == c.g && p.b == c.b) return static_cast<int>(i);
  }
  std::abort();  // the caller described a colour its table lacks
}

// Puts a 0..255 value into a mask field, keeping its top bits.
std::uint32_t pack(std::uint32_t mask, std::uint8_t value) {
  if (mask == 0) return 0;
  int shift = 0;
  while (((mask >> shift) & 1u) == 0) ++shift;
  int bits = 0;
  while (bits + shift < 32 && ((mask >> (shift + bits)) & 1u)) ++bits;
  const std::uint32_t v = bits >= 8 ? static_cast<std::uint32_t>(value) << (bits - 8)
                                    : static_cast<std::uint32_t>(value) >> (8 - bits);
  return v << shift;
}

void encodePixel(const BmpFormat& format, Rgb c, int x, std::uint8_t* row) {
  const int bpp = format.bitCount;
  switch (bpp) {
    case 1:
      row[x / 8] |= paletteIndex(format, c) << (7 - x % 8);
      break;
    case 4:
      row[x / 2] |= paletteIndex(format, c) << (x % 2 ? 0 : 4);
      break;
    case 8:
      row[x] = paletteIndex(format, c);
      break;
    case 24:
      row[3 * x] = c.b;
      row[3 * x + 1] = c.g;
      row[3 * x + 2] = c.r;
      break;
    default: {
      const std::uint32_t v =
          pack(format.masks[0], c.r) | pack(format.masks[1], c.g) | pack(format.masks[2], c.b);
      for (int k = 0; k < bpp / 8; ++k) row[bpp / 8 * x + k] = (v >> (8 * k)) & 0xFF;
    }
  }
}

// The information header (or the short one), the masks and the table.
std::vector<std::uint8_t> dibHeaderAndTable(const BmpFormat& format, std::size_t pixelBytes,
                                            int width, int height) {
  std::vector<std::uint8_t> out;
  put32(out, format.headerSize);
  if (format.headerSize == kCoreHeaderSize) {
    put16(out, static_cast<std::uint16_t>(width));
    put16(out, static_cast<std::uint16_t>(height));
    put16(out, 1);  // planes
    put16(out, format.bitCount);
  } else {
    put32(out, static_cast<std::uint32_t>(width));
    put32(out, static_cast<std::uint32_t>(format.topDown ? -height : height));
    put16(out, 1);  // planes
    put16(out, format.bitCount);
    put32(out, format.compression);
    put32(out, static_cast<std::uint32_t>(pixelBytes));
    put32(out, kPixelsPerMetre);
    put32(out, kPixelsPerMetre);
    put32(out, format.clrUsed);
    put32(out, 0);  // important colours
    while (out.size() < format.headerSize) out.push_back(0);
    if (format.writeMasks) {
      for (std::uint32_t m : format.masks) put32(out, m);
    }
  }
  for (const Rgb& c : format.palette) {
    out.push_back(c.b);
    out.push_back(c.g);
    out.push_back(c.r);
    if (format.headerSize != kCoreHeaderSize) out.push_back(0);
  }
  out.insert(out.end(), format.gapAfterTable, kGapFiller);
  return out;
}

// Bayer 8 x 8 thresholds mapped to -0.5..0.5 of one level.
float orderedDither(int x, int y) {
  static const int bayer[8][8] = {{0, 32, 8, 40, 2, 34, 10, 42},  {48, 16, 56, 24, 50, 18, 58, 26},
                                  {12, 44, 4, 36, 14, 46, 6, 38}, {60, 28, 52, 20, 62, 30, 54, 22},
                                  {3, 35, 11, 43, 1, 33, 9, 41},  {51, 19, 59, 27, 49, 17, 57, 25},
                                  {15, 47, 7, 39, 13, 45, 5, 37}, {63, 31, 55, 23, 61, 29, 53, 21}};
  return (static_cast<float>(bayer[y & 7][x & 7]) + 0.5f) / 64.0f - 0.5f;
}

RgbPicture quantised(const Image& image, bool dither) {
  RgbPicture picture;
  picture.width = image.width;
  picture.height = image.height;
  picture.pixels.reserve(image.pixels.size());
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      const Colour& c = pixelAt(image, x, y);
      const float d = dither ? orderedDither(x, y) : 0.0f;
      picture.pixels.push_back(Rgb{quantise(c.r, d), quantise(c.g, d), quantise(c.b, d)});
    }
  }
  return picture;
}

}  // namespace

std::size_t bmpRowStride(int width, int bitCount) {
  return (static_cast<std::size_t>(width) * bitCount + 31) / 32 * 4;
}

std::vector<std::uint8_t> encodeRows(const BmpFormat& format, const RgbPicture& picture) {
  const std::size_t stride = bmpRowStride(picture.width, format.bitCount);
  std::vector<std::uint8_t> data(stride * static_cast<std::size_t>(picture.height), 0);
  for (int stored = 0; stored < picture.height; ++stored) {
    const int row = format.topDown ? stored : picture.height - 1 - stored;
    std::uint8_t* bytes = data.data() + static_cast<std::size_t>(stored) * stride;
    for (int x = 0; x < picture.width; ++x) encodePixel(format, picture.at(x, row), x, bytes);
  }
  return data;
}

std::vector<std::uint8_t> buildBmp(const BmpFormat& format,
                                   const std::vector<std::uint8_t>& pixelData, int width,
                                   int height) {
  const std::vector<std::uint8_t> header =
      dibHeaderAndTable(format, pixelData.size(), width, height);
  std::vector<std::uint8_t> file;
  if (format.fileHeader) {
    const std::uint32_t offset = static_cast<std::uint32_t>(kFileHeaderSize + header.size());
    file.push_back('B');
    file.push_back('M');
    put32(file, offset + static_cast<std::uint32_t>(pixelData.size()));
    put32(file, 0);  // reserved
    put32(file, format.pixelOffset.value_or(offset));
  }
  file.insert(file.end(), header.begin(), header.end());
  file.insert(file.end(), pixelData.begin(), pixelData.end());
  return file;
}

std::vector<std::uint8_t> encodeBmp(const BmpFormat& format, const RgbPicture& picture) {
  return buildBmp(format, encodeRows(format, picture), picture.width, picture.height);
}

std::vector<std::uint8_t> encodeBmp24(const Image& image, bool dither) {
  return encodeBmp(BmpFormat{}, quantised(image, dither));
}

bool writeBmp24(const std::string& path, const Image& image, bool dither) {
  return writeFileBytes(path, encodeBmp24(image, dither));
}

}  // namespace tools
