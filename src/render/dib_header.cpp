// The BMP headers and the colour table: where the file keeps what, checked
// against the real length of the data before anything is read from it.
#include <cstdint>

#include "render/dib_layout.h"
#include "render/little_endian.h"

namespace render {

namespace dib {

namespace {

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

// The header and where it stands: after the optional file header, whose
// stored pixel offset is kept.
struct HeaderPlace {
  DibHeader header;
  std::size_t start = 0;
  bool fileHeader = false;
  std::uint32_t storedOffset = 0;
};

DibStatus findHeader(const std::uint8_t* data, std::size_t size, HeaderPlace* place) {
  if (size >= 2 && data[0] == 'B' && data[1] == 'M') {
    if (size < kFileHeaderSize + 4) return DibStatus::ConversionError;
    place->storedOffset = readU32(data + 10);
    place->start = kFileHeaderSize;
    place->fileHeader = true;
  } else if (size < 4) {
    return DibStatus::ConversionError;
  }
  const std::uint32_t headerSize = readU32(data + place->start);
  if (headerSize != kCoreHeaderSize && headerSize != kInfoHeaderSize) {
    return DibStatus::UnknownFormat;
  }
  if (size - place->start < headerSize) return DibStatus::ConversionError;
  place->header = parseHeader(data + place->start, headerSize);
  return DibStatus::Ok;
}

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

}  // namespace

DibStatus locate(const std::uint8_t* data, std::size_t size, Layout* l) {
  HeaderPlace place;
  const DibStatus found = findHeader(data, size, &place);
  if (found != DibStatus::Ok) return found;
  l->header = place.header;
  const DibHeader& h = l->header;
  if (!validLayout(h) || h.width <= 0 || h.height == 0) return DibStatus::ConversionError;

  const std::uint64_t maskOffset = place.start + h.size;
  const std::uint64_t maskBytes = h.compression == kDibBitfields ? kMaskBytes : 0;
  const std::uint64_t tableOffset = maskOffset + maskBytes;
  const std::uint64_t entrySize = h.size == kCoreHeaderSize ? 3 : 4;
  const std::uint64_t tableCount = static_cast<std::uint64_t>(dibColourCount(h));
  const std::uint64_t tableEnd = tableOffset + tableCount * entrySize;
  if (tableEnd > size) return DibStatus::ConversionError;

  // A stored offset may leave a gap after the table, but pixel data cannot
  // begin inside the headers or past the end of the file.
  if (place.fileHeader && (place.storedOffset < tableOffset || place.storedOffset > size)) {
    return DibStatus::ConversionError;
  }
  l->pixelOffset = place.fileHeader ? place.storedOffset : static_cast<std::size_t>(tableEnd);

  readPalette(data + tableOffset, entrySize, tableCount, &l->palette);
  l->width = h.width;
  l->topDown = h.height < 0;
  l->height = l->topDown ? -static_cast<std::int64_t>(h.height) : h.height;
  if (h.bitCount == 16 || h.bitCount == 32) return setChannels(data, maskOffset, l);
  return DibStatus::Ok;
}

}  // namespace dib

int dibColourCount(const DibHeader& header) {
  int byDepth = 0;
  if (header.bitCount == 1) byDepth = 2;
  if (header.bitCount == 4) byDepth = 16;
  if (header.bitCount == 8) byDepth = 256;
  if (header.size == dib::kCoreHeaderSize || header.clrUsed == 0) return byDepth;
  return static_cast<int>(header.clrUsed & 0xFFFFu);
}

bool dibDeclaredHeader(const std::uint8_t* data, std::size_t size, DibHeader* header) {
  dib::HeaderPlace place;
  if (data == nullptr || dib::findHeader(data, size, &place) != DibStatus::Ok) return false;
  *header = place.header;
  return true;
}

}  // namespace render
