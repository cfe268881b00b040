// BMP files written by the tests themselves, byte by byte, in every layout the
// decoder reads, from small pictures described in the test.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace bmptest {

struct Rgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
};

// A picture as a person reads it: rows from the top down.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<Rgb> pixels;
  Rgb at(int x, int row) const { return pixels[static_cast<std::size_t>(row) * width + x]; }
};

// What the file looks like: the header kind and the fields written into it.
struct BmpFormat {
  bool fileHeader = true;
  std::uint32_t headerSize = 40;
  std::uint16_t bitCount = 24;
  std::uint32_t compression = 0;
  bool topDown = false;
  std::vector<Rgb> palette;   // the colour table as written
  std::uint32_t clrUsed = 0;  // information header field
  bool writeMasks = false;    // three masks after an information header
  std::uint32_t masks[3] = {0, 0, 0};
  std::size_t gapAfterTable = 0;  // bytes between table and pixels (needs fileHeader)
};

// Lays out the headers, table and given pixel bytes into one file.
std::vector<std::uint8_t> buildBmp(const BmpFormat& format,
                                   const std::vector<std::uint8_t>& pixelData, int width,
                                   int height);

// The stored rows of a picture for an uncompressed layout: palette indices
// looked up in format.palette, or direct values packed through format.masks (16 and
// 32 bits; for BI_RGB pass the default masks), padded to 4 bytes.
std::vector<std::uint8_t> encodeRows(const BmpFormat& format, const Picture& picture);

// encodeRows then buildBmp.
std::vector<std::uint8_t> writeBmp(const BmpFormat& format, const Picture& picture);

// The decoder's expected output: red, green, blue, bottom row first.
std::vector<std::uint8_t> expectedRgb(const Picture& picture);

// A picture from rows of colour letters, with the colours given per letter.
Picture pictureFromRows(const std::vector<std::string>& rows,
                        const std::vector<std::pair<char, Rgb>>& colours);

}  // namespace bmptest
