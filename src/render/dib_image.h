// Reading Windows bitmap (BMP) pictures into plain 24-bit RGB images, with no
// OpenGL and no window system: a pure decoder over bytes in memory, and the
// file reader on top of it that says what to tell the user when a picture
// cannot be used (render/dib_loader shows it in a message box).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>

namespace render {

// A decoded picture: red, green, blue per pixel, rows without padding, the
// bottom row of the picture first.
struct RgbImage {
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::unique_ptr<std::uint8_t[]> pixels;  // width * height * 3 bytes
};

// A bitmap header in the information-header form. A short (core) header is
// widened into it; `size` keeps the size the file gave (12 or 40), which is
// what decides the colour-table rule.
struct DibHeader {
  std::uint32_t size = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;  // negative: rows stored top row first
  std::uint16_t planes = 0;
  std::uint16_t bitCount = 0;
  std::uint32_t compression = 0;
  std::uint32_t sizeImage = 0;
  std::int32_t xPelsPerMeter = 0;
  std::int32_t yPelsPerMeter = 0;
  std::uint32_t clrUsed = 0;
  std::uint32_t clrImportant = 0;
};

// Compression codes of the information header that we read.
constexpr std::uint32_t kDibRgb = 0;
constexpr std::uint32_t kDibRle8 = 1;
constexpr std::uint32_t kDibRle4 = 2;
constexpr std::uint32_t kDibBitfields = 3;

// Pictures larger than this are refused as "Out of memory.": storage for them
// is more than a game texture can sensibly take, and a lying header must not
// make us try.
constexpr std::int64_t kDibMaxSide = 16384;
constexpr std::int64_t kDibMaxPixels = std::int64_t{1} << 24;  // 4096 x 4096

enum class DibStatus {
  Ok,
  OutOfMemory,      // "Out of memory."
  UnknownFormat,    // "Unknown DIB file format."
  ConversionError,  // "Image file conversion error."
};

// The message the user is shown for a failed decode (empty for Ok).
const char* dibStatusText(DibStatus status);

// Number of colour-table entries that follow the header: for a short header
// 2, 16 or 256 for 1, 4 or 8 bits per pixel; for an information header its
// colours-used field (as a 16-bit count) when not 0, else the same defaults.
int dibColourCount(const DibHeader& header);

// The header of a BMP file held in memory, widened as decodeDib widens it,
// without checking the rest of the file: false when there is no header of a
// kind we read. Lets a caller see the declared size before decoding.
bool dibDeclaredHeader(const std::uint8_t* data, std::size_t size, DibHeader* header);

// Decodes a whole BMP file (with or without its "BM" file header) held in
// memory. Every size, offset and index is checked against `size`; on any
// failure `out` is left empty and the reason is returned.
DibStatus decodeDib(const std::uint8_t* data, std::size_t size, RgbImage* out);

// What a picture that cannot be used tells the user: the title and text of
// its message box.
struct DibFailure {
  const char* title = "";
  char text[256] = {};
};

// Reads and decodes a BMP file; on failure releases everything, puts the
// title "Error" and the reason into *failure and returns nothing. A file that
// cannot be read gives "Failed to open DIB file <name>.\n", cut to 255
// characters.
std::optional<RgbImage> readDibImage(const char* fileName, DibFailure* failure);

}  // namespace render
