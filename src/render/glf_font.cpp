// Reading .glf font files. Every count and size is checked before it asks for
// storage, and every read must deliver all its bytes, so a damaged file fails
// the load instead of leaving garbage in the font.
#include "render/glf_font.h"

#include <cerrno>
#include <cmath>
#include <cstring>
#include <initializer_list>
#include <new>

namespace render {

namespace {

// Says why a read failed, when the caller asked, and fails.
bool fail(const char** why, const char* reason) {
  if (why != nullptr) *why = reason;
  return false;
}

bool readExactly(std::FILE* file, void* into, std::size_t size) {
  return std::fread(into, 1, size, file) == size;
}

// The bytes left in a file that can seek (-1 for a stream that cannot), so
// that a header promising more than the file holds asks for no storage.
std::int64_t bytesLeft(std::FILE* file) {
  const long here = std::ftell(file);
  if (here < 0 || std::fseek(file, 0, SEEK_END) != 0) return -1;
  const long end = std::ftell(file);
  if (std::fseek(file, here, SEEK_SET) != 0 || end < here) return -1;
  return end - here;
}

// A record the overlay can draw: finite texture coordinates, and a quad that
// is neither negative nor absurdly large (NaN fails every comparison).
bool sane(const GlfChar& c) {
  for (float size : {c.quadWidth, c.quadHeight}) {
    if (!(size >= 0.0f && size <= kGlfMaxQuadSize)) return false;
  }
  for (float t : {c.texLeft, c.texTop, c.texRight, c.texBottom}) {
    if (!std::isfinite(t)) return false;
  }
  return true;
}

bool readChars(std::FILE* file, std::int64_t count, GlfFont* font, const char** why) {
  std::unique_ptr<GlfChar[]> chars(new (std::nothrow) GlfChar[count]);
  if (!chars) return fail(why, "no memory for its character records");
  for (std::int64_t i = 0; i < count; ++i) {
    std::uint8_t record[kGlfCharSize];
    if (!readExactly(file, record, sizeof record)) return fail(why, "cut short in its records");
    chars[i] = decodeGlfChar(record);
    if (!sane(chars[i])) return fail(why, "a damaged character record");
  }
  font->chars = std::move(chars);
  return true;
}

bool readTexels(std::FILE* file, const GlfFont& font, GlfTexels* texels, const char** why) {
  const std::size_t size = static_cast<std::size_t>(font.textureWidth) *
                           static_cast<std::size_t>(font.textureHeight) * kGlfTexelSize;
  std::unique_ptr<std::uint8_t[]> bytes(new (std::nothrow) std::uint8_t[size]);
  if (!bytes) return fail(why, "no memory for its texture");
  if (!readExactly(file, bytes.get(), size)) return fail(why, "cut short in its texture");
  texels->bytes = std::move(bytes);
  texels->size = size;
  return true;
}

}  // namespace

void clearGlfFont(GlfFont* font) { *font = GlfFont{}; }

bool readGlfFont(std::FILE* file, GlfFont* font, GlfTexels* texels, const char** why) {
  clearGlfFont(font);
  *texels = GlfTexels{};
  std::uint8_t header[kGlfHeaderSize];
  if (file == nullptr || !readExactly(file, header, sizeof header)) {
    return fail(why, "too short for a font header");
  }
  const GlfHeader fields = decodeGlfHeader(header);
  GlfFont read;
  read.textureWidth = fields.textureWidth;
  read.textureHeight = fields.textureHeight;
  read.firstChar = fields.firstChar;
  read.lastChar = fields.lastChar;
  const std::int64_t count =
      static_cast<std::int64_t>(read.lastChar) - static_cast<std::int64_t>(read.firstChar) + 1;
  if (read.textureWidth <= 0 || read.textureWidth > kGlfMaxSide || read.textureHeight <= 0 ||
      read.textureHeight > kGlfMaxSide || count < 1 || count > kGlfMaxChars) {
    return fail(why, "a texture size or character range beyond the limits");
  }
  const std::int64_t needed =
      count * static_cast<std::int64_t>(kGlfCharSize) +
      static_cast<std::int64_t>(read.textureWidth) * read.textureHeight * kGlfTexelSize;
  const std::int64_t left = bytesLeft(file);
  if (left >= 0 && left < needed) return fail(why, "shorter than its header says");
  if (!readChars(file, count, &read, why) || !readTexels(file, read, texels, why)) {
    *texels = GlfTexels{};
    return false;
  }
  *font = std::move(read);
  return true;
}

bool readGlfFile(const char* fileName, GlfFont* font, GlfTexels* texels, const char** why) {
  clearGlfFont(font);
  *texels = GlfTexels{};
  if (fileName == nullptr) return fail(why, "no file name");
  std::FILE* file = std::fopen(fileName, "rb");
  if (file == nullptr) return fail(why, std::strerror(errno));
  const bool ok = readGlfFont(file, font, texels, why);
  std::fclose(file);
  return ok;
}

const GlfChar* glfCharFor(const GlfFont& font, int code) {
  if (!font.chars || code < font.firstChar || code > font.lastChar) return nullptr;
  return &font.chars[static_cast<std::int64_t>(code) - font.firstChar];
}

}  // namespace render
