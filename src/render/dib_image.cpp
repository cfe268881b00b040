// The BMP decoder and file reader: locates the header, colour table and pixel data,
// checks every size and offset against the real length of the data, and turns
// each pixel layout into red, green, blue rows, bottom row first.
#include "render/dib_image.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

#include "render/little_endian.h"

namespace render {

namespace {

// ---- Header and layout ------------------------------------------------------

constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kMaskBytes = 12;

// Widens either header kind into the information-header form.
DibHeader parseHeader(const std::uint8_t* p, std::uint32_t size) {
  DibHeader h;
  h.size = size;
  if (size == kCoreHeaderSize) {
    h.width = readU16(p + 4);
    h.height = readU16(p + 6);
    h.planes = readU16(p + 8);
    h.bitCount = readU16(p + 10);
    h.clrUsed = h.clrImportant = static_cast<std::uint32_t>(dibColourCount(h));
    return h;
  }
  h.width = readS32(p + 4);
  h.height = readS32(p + 8);
  h.planes = readU16(p + 12);
  h.bitCount = readU16(p + 14);
  h.compression = readU32(p + 16);
  h.sizeImage = readU32(p + 20);
  h.xPelsPerMeter = readS32(p + 24);
  h.yPelsPerMeter = readS32(p + 28);
  h.clrUsed = readU32(p + 32);
  h.clrImportant = readU32(p + 36);
  return h;
}

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

bool validLayout(const DibHeader& h) {
  switch (h.compression) {
    case kDibRgb:
      return h.bitCount == 1 || h.bitCount == 4 || h.bitCount == 8 || h.bitCount == 16 ||
             h.bitCount == 24 || h.bitCount == 32;
    case kDibRle8:
      return h.size == kInfoHeaderSize && h.bitCount == 8 && h.height > 0;
    case kDibRle4:
      return h.size == kInfoHeaderSize && h.bitCount == 4 && h.height > 0;
    case kDibBitfields:
      return h.size == kInfoHeaderSize && (h.bitCount == 16 || h.bitCount == 32);
    default:
      return false;
  }
}

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

// Table entries are blue, green, red (and a fourth byte in the long form).
void readPalette(const std::uint8_t* table, std::uint64_t entrySize, std::uint64_t count,
                 Palette* palette) {
  palette->count = count > 256 ? 256 : static_cast<int>(count);
  for (int i = 0; i < palette->count; ++i) {
    const std::uint8_t* e = table + i * entrySize;
    palette->rgb[i][0] = e[2];
    palette->rgb[i][1] = e[1];
    palette->rgb[i][2] = e[0];
  }
}

// Finds the header, masks, colour table and pixel data, checking that each
// lies inside the data.
DibStatus locate(const std::uint8_t* data, std::size_t size, Layout* l) {
  std::size_t headerStart = 0;
  bool fileHeader = false;
  std::uint32_t storedOffset = 0;
  if (size >= 2 && data[0] == 'B' && data[1] == 'M') {
    if (size < kFileHeaderSize + 4) return DibStatus::ConversionError;
    storedOffset = readU32(data + 10);
    headerStart = kFileHeaderSize;
    fileHeader = true;
  } else if (size < 4) {
    return DibStatus::ConversionError;
  }
  const std::uint32_t headerSize = readU32(data + headerStart);
  if (headerSize != kCoreHeaderSize && headerSize != kInfoHeaderSize) {
    return DibStatus::UnknownFormat;
  }
  if (size - headerStart < headerSize) return DibStatus::ConversionError;
  l->header = parseHeader(data + headerStart, headerSize);
  const DibHeader& h = l->header;
  if (!validLayout(h) || h.width <= 0 || h.height == 0) return DibStatus::ConversionError;

  const std::uint64_t maskOffset = headerStart + headerSize;
  const std::uint64_t maskBytes = h.compression == kDibBitfields ? kMaskBytes : 0;
  const std::uint64_t tableOffset = maskOffset + maskBytes;
  const std::uint64_t entrySize = headerSize == kCoreHeaderSize ? 3 : 4;
  const std::uint64_t tableCount = static_cast<std::uint64_t>(dibColourCount(h));
  const std::uint64_t tableEnd = tableOffset + tableCount * entrySize;
  if (tableEnd > size) return DibStatus::ConversionError;

  // A stored offset may leave a gap after the table, but pixel data cannot
  // begin inside the headers or past the end of the file.
  if (fileHeader && (storedOffset < tableOffset || storedOffset > size)) {
    return DibStatus::ConversionError;
  }
  l->pixelOffset = fileHeader ? storedOffset : static_cast<std::size_t>(tableEnd);

  readPalette(data + tableOffset, entrySize, tableCount, &l->palette);
  l->width = h.width;
  l->topDown = h.height < 0;
  l->height = l->topDown ? -static_cast<std::int64_t>(h.height) : h.height;
  if (h.bitCount == 16 || h.bitCount == 32) return setChannels(data, maskOffset, l);
  return DibStatus::Ok;
}

std::int64_t rowStride(const Layout& l) { return (l.width * l.header.bitCount + 31) / 32 * 4; }

// ---- Uncompressed rows ------------------------------------------------------

bool putIndex(const Palette& palette, unsigned index, std::uint8_t* dst) {
  if (index >= static_cast<unsigned>(palette.count)) return false;
  std::memcpy(dst, palette.rgb[index], 3);
  return true;
}

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

DibStatus convertRows(const std::uint8_t* data, const Layout& l, std::uint8_t* out) {
  const std::int64_t stride = rowStride(l);
  for (std::int64_t row = 0; row < l.height; ++row) {
    const std::uint8_t* src = data + l.pixelOffset + row * stride;
    const std::int64_t target = l.topDown ? l.height - 1 - row : row;
    if (!convertRow(l, src, out + target * l.width * 3)) return DibStatus::ConversionError;
  }
  return DibStatus::Ok;
}

// ---- Run-length encoded rows ------------------------------------------------

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

// ---- Reading the file -------------------------------------------------------

enum class ReadResult { Ok, Failed, OutOfMemory };

struct FileBytes {
  std::uint8_t* data = nullptr;
  std::size_t size = 0;
  ~FileBytes() { std::free(data); }
};

ReadResult readWholeFile(const char* fileName, FileBytes* bytes) {
  std::FILE* file = std::fopen(fileName, "rb");
  if (file == nullptr) return ReadResult::Failed;
  struct stat info;
  ReadResult result = ReadResult::Ok;
  if (fstat(fileno(file), &info) != 0 || !S_ISREG(info.st_mode)) {
    result = ReadResult::Failed;
  } else if (static_cast<std::uint64_t>(info.st_size) > SIZE_MAX / 2) {
    result = ReadResult::OutOfMemory;
  } else {
    bytes->size = static_cast<std::size_t>(info.st_size);
    bytes->data = static_cast<std::uint8_t*>(std::malloc(bytes->size ? bytes->size : 1));
    if (bytes->data == nullptr) {
      result = ReadResult::OutOfMemory;
    } else if (std::fread(bytes->data, 1, bytes->size, file) != bytes->size) {
      result = ReadResult::Failed;
    }
  }
  std::fclose(file);
  return result;
}

constexpr const char kFailureTitle[] = "Error";

// The box text is kept to 255 characters, however long the name.
void openFailureText(const char* fileName, char (&text)[256]) {
  std::snprintf(text, sizeof text, "Failed to open DIB file %s.\n",
                fileName != nullptr ? fileName : "");
}

}  // namespace

// ---- Public functions ---------------------------------------------------------

const char* dibStatusText(DibStatus status) {
  switch (status) {
    case DibStatus::OutOfMemory:
      return "Out of memory.";
    case DibStatus::UnknownFormat:
      return "Unknown DIB file format.";
    case DibStatus::ConversionError:
      return "Image file conversion error.";
    case DibStatus::Ok:
      break;
  }
  return "";
}

int dibColourCount(const DibHeader& header) {
  int byDepth = 0;
  if (header.bitCount == 1) byDepth = 2;
  if (header.bitCount == 4) byDepth = 16;
  if (header.bitCount == 8) byDepth = 256;
  if (header.size == kCoreHeaderSize || header.clrUsed == 0) return byDepth;
  return static_cast<int>(header.clrUsed & 0xFFFFu);
}

DibStatus decodeDib(const std::uint8_t* data, std::size_t size, RgbImage* out) {
  *out = RgbImage{};
  if (data == nullptr) return DibStatus::ConversionError;
  Layout layout;
  DibStatus status = locate(data, size, &layout);
  if (status != DibStatus::Ok) return status;

  const bool rle = layout.header.compression == kDibRle8 || layout.header.compression == kDibRle4;
  // A lying header is caught by the bytes that are not there before its
  // size can ask for storage.
  if (!rle) {
    const std::uint64_t stride = static_cast<std::uint64_t>(rowStride(layout));
    if (static_cast<std::uint64_t>(layout.height) > (size - layout.pixelOffset) / stride) {
      return DibStatus::ConversionError;
    }
  }
  if (layout.width > kDibMaxSide || layout.height > kDibMaxSide ||
      layout.width * layout.height > kDibMaxPixels) {
    return DibStatus::OutOfMemory;
  }
  const std::size_t bytes = static_cast<std::size_t>(layout.width * layout.height * 3);
  std::unique_ptr<std::uint8_t[]> pixels(new (std::nothrow) std::uint8_t[bytes]);
  if (!pixels) return DibStatus::OutOfMemory;

  status =
      rle ? convertRle(data, size, layout, pixels.get()) : convertRows(data, layout, pixels.get());
  if (status != DibStatus::Ok) return status;
  out->width = static_cast<std::int32_t>(layout.width);
  out->height = static_cast<std::int32_t>(layout.height);
  out->pixels = std::move(pixels);
  return DibStatus::Ok;
}

std::optional<RgbImage> readDibImage(const char* fileName, DibFailure* failure) {
  failure->title = "";
  failure->text[0] = '\0';
  FileBytes bytes;
  const ReadResult read =
      fileName != nullptr ? readWholeFile(fileName, &bytes) : ReadResult::Failed;
  if (read == ReadResult::Failed) {
    failure->title = kFailureTitle;
    openFailureText(fileName, failure->text);
    return std::nullopt;
  }
  RgbImage image;
  const DibStatus status = read == ReadResult::OutOfMemory
                               ? DibStatus::OutOfMemory
                               : decodeDib(bytes.data, bytes.size, &image);
  if (status != DibStatus::Ok) {
    failure->title = kFailureTitle;
    std::snprintf(failure->text, sizeof failure->text, "%s", dibStatusText(status));
    return std::nullopt;
  }
  return image;
}

}  // namespace render
