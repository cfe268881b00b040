// Writing BMP files for the decoder tests: headers, tables and rows in the
// byte order the format fixes, independent of the decoder's own code.
#include "bmp_builder.h"

#include <cstdlib>

namespace bmptest {

namespace {

void put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(v & 0xFF);
  out.push_back((v >> 8) & 0xFF);
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  put16(out, v & 0xFFFF);
  put16(out, v >> 16);
}

int paletteIndex(const BmpFormat& format, Rgb c) {
  for (std::size_t i = 0; i < format.palette.size(); ++i) {
    const Rgb& p = format.palette[i];
    if (p.r == c.r && p.g == c.g && p.b == c.b) return static_cast<int>(i);
  }
  std::abort();  // the test described a colour its table lacks
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

}  // namespace

std::vector<std::uint8_t> buildBmp(const BmpFormat& format,
                                   const std::vector<std::uint8_t>& pixelData, int width,
                                   int height) {
  std::vector<std::uint8_t> header;
  put32(header, format.headerSize);
  if (format.headerSize == 12) {
    put16(header, width);
    put16(header, height);
    put16(header, 1);
    put16(header, format.bitCount);
  } else {
    put32(header, width);
    put32(header, format.topDown ? -height : height);
    put16(header, 1);
    put16(header, format.bitCount);
    put32(header, format.compression);
    put32(header, static_cast<std::uint32_t>(pixelData.size()));
    put32(header, 2835);
    put32(header, 2835);
    put32(header, format.clrUsed);
    put32(header, 0);
    while (header.size() < format.headerSize) header.push_back(0);
    if (format.writeMasks) {
      for (std::uint32_t m : format.masks) put32(header, m);
    }
  }
  for (const Rgb& c : format.palette) {
    header.push_back(c.b);
    header.push_back(c.g);
    header.push_back(c.r);
    if (format.headerSize != 12) header.push_back(0);
  }
  header.insert(header.end(), format.gapAfterTable, 0xAB);

  std::vector<std::uint8_t> file;
  if (format.fileHeader) {
    const std::uint32_t offset = 14 + static_cast<std::uint32_t>(header.size());
    file.push_back('B');
    file.push_back('M');
    put32(file, offset + static_cast<std::uint32_t>(pixelData.size()));
    put32(file, 0);
    put32(file, offset);
  }
  file.insert(file.end(), header.begin(), header.end());
  file.insert(file.end(), pixelData.begin(), pixelData.end());
  return file;
}

std::vector<std::uint8_t> encodeRows(const BmpFormat& format, const Picture& picture) {
  const int bpp = format.bitCount;
  const std::size_t stride = (static_cast<std::size_t>(picture.width) * bpp + 31) / 32 * 4;
  std::vector<std::uint8_t> data;
  for (int stored = 0; stored < picture.height; ++stored) {
    const int row = format.topDown ? stored : picture.height - 1 - stored;
    std::vector<std::uint8_t> bytes(stride, 0);
    for (int x = 0; x < picture.width; ++x) {
      const Rgb c = picture.at(x, row);
      switch (bpp) {
        case 1:
          bytes[x / 8] |= paletteIndex(format, c) << (7 - x % 8);
          break;
        case 4:
          bytes[x / 2] |= paletteIndex(format, c) << (x % 2 ? 0 : 4);
          break;
        case 8:
          bytes[x] = paletteIndex(format, c);
          break;
        case 24:
          bytes[3 * x] = c.b;
          bytes[3 * x + 1] = c.g;
          bytes[3 * x + 2] = c.r;
          break;
        default: {
          const std::uint32_t v =
              pack(format.masks[0], c.r) | pack(format.masks[1], c.g) | pack(format.masks[2], c.b);
          for (int k = 0; k < bpp / 8; ++k) bytes[bpp / 8 * x + k] = (v >> (8 * k)) & 0xFF;
        }
      }
    }
    data.insert(data.end(), bytes.begin(), bytes.end());
  }
  return data;
}

std::vector<std::uint8_t> writeBmp(const BmpFormat& format, const Picture& picture) {
  return buildBmp(format, encodeRows(format, picture), picture.width, picture.height);
}

std::vector<std::uint8_t> expectedRgb(const Picture& picture) {
  std::vector<std::uint8_t> out;
  for (int row = picture.height - 1; row >= 0; --row) {
    for (int x = 0; x < picture.width; ++x) {
      const Rgb c = picture.at(x, row);
      out.push_back(c.r);
      out.push_back(c.g);
      out.push_back(c.b);
    }
  }
  return out;
}

Picture pictureFromRows(const std::vector<std::string>& rows,
                        const std::vector<std::pair<char, Rgb>>& colours) {
  Picture p;
  p.height = static_cast<int>(rows.size());
  p.width = p.height > 0 ? static_cast<int>(rows[0].size()) : 0;
  for (const std::string& row : rows) {
    for (char letter : row) {
      bool found = false;
      for (const auto& [key, colour] : colours) {
        if (key == letter) {
          p.pixels.push_back(colour);
          found = true;
        }
      }
      if (!found) std::abort();
    }
  }
  return p;
}

}  // namespace bmptest
