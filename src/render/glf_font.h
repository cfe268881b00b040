// The texture-font file (.glf) in memory, read without OpenGL: the header's
// fields, one quad-and-texture record per character code, and the font
// texture as (luminance, alpha) texel pairs. The bytes are in glf_format.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>

#include "render/glf_format.h"

namespace render {

struct GlfFont {
  std::uint32_t textureName = 0;  // always 0, the default texture object
  std::int32_t textureWidth = 0;
  std::int32_t textureHeight = 0;
  std::int32_t firstChar = 0;
  std::int32_t lastChar = 0;
  std::unique_ptr<GlfChar[]> chars;  // lastChar - firstChar + 1 records; null while none loaded
};

// The texels of the font texture, textureWidth * textureHeight pairs.
struct GlfTexels {
  std::unique_ptr<std::uint8_t[]> bytes;
  std::size_t size = 0;
};

// A font texture wider or taller than this, or with more character records,
// is taken for a damaged file rather than allocated.
constexpr std::int32_t kGlfMaxSide = 8192;
constexpr std::int64_t kGlfMaxChars = 65536;
// A quad wider or taller than this many drawing units (the overlay plane is
// 77 across) is taken for a damaged record: it would throw the pen off screen.
constexpr float kGlfMaxQuadSize = 1000.0f;

// Reads a whole font from `file`. On any short read or impossible field (a
// texture size or character range beyond the limits, a quad size that is
// negative or beyond kGlfMaxQuadSize, a texture coordinate that is not a
// finite number) the font is left with no records and false is returned,
// with what was wrong in `why` when it is given.
bool readGlfFont(std::FILE* file, GlfFont* font, GlfTexels* texels, const char** why = nullptr);

// Opens `fileName` and reads it with readGlfFont.
bool readGlfFile(const char* fileName, GlfFont* font, GlfTexels* texels,
                 const char** why = nullptr);

// Forgets the records of a font (as after a failed load).
void clearGlfFont(GlfFont* font);

// The record of a character code, or null when the font lacks it.
const GlfChar* glfCharFor(const GlfFont& font, int code);

}  // namespace render
