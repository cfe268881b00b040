// The BMP decoder and file reader: the checked layout from dib_header, the
// size limits, storage for the picture, and the rows from dib_rows or
// dib_rle; the file read whole, and what to tell the user when it fails.
#include "render/dib_image.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <new>

#include "render/dib_layout.h"

namespace render {

namespace {

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

DibStatus decodeDib(const std::uint8_t* data, std::size_t size, RgbImage* out) {
  *out = RgbImage{};
  if (data == nullptr) return DibStatus::ConversionError;
  dib::Layout layout;
  DibStatus status = dib::locate(data, size, &layout);
  if (status != DibStatus::Ok) return status;

  const bool rle = layout.header.compression == kDibRle8 || layout.header.compression == kDibRle4;
  // A lying header is caught by the bytes that are not there before its
  // size can ask for storage.
  if (!rle) {
    const std::uint64_t stride = static_cast<std::uint64_t>(dib::rowStride(layout));
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

  status = rle ? dib::convertRle(data, size, layout, pixels.get())
               : dib::convertRows(data, layout, pixels.get());
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
