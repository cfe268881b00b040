// Fuzzes the .glf font reader and the text layout on top of it: a font it
// accepts must be consistent, one it refuses must keep nothing.
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "render/glf_font.h"
#include "render/text_layout.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  render::GlfFont font;
  render::GlfTexels texels;
  std::FILE* file = size > 0 ? fmemopen(const_cast<std::uint8_t*>(data), size, "rb") : nullptr;
  const bool ok = render::readGlfFont(file, &font, &texels);
  if (file != nullptr) std::fclose(file);
  if (!ok) {
    if (font.chars || texels.bytes) __builtin_trap();
    return 0;
  }
  const std::size_t expected = static_cast<std::size_t>(font.textureWidth) * font.textureHeight * 2;
  if (font.lastChar < font.firstChar || texels.size != expected) __builtin_trap();
  volatile std::uint8_t sink = texels.bytes[texels.size - 1];
  (void)sink;

  // Every byte value, so that every signed code meets the range check.
  char line[256];
  for (int i = 0; i < 256; ++i) line[i] = static_cast<char>(i);
  render::TextQuad quads[256];
  float end = 0;
  render::layoutTextLine(font, line, sizeof line, 0.0f, 0.0f, quads, 256, &end);
  return 0;
}
