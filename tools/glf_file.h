// Writing the texture-font file the game reads, in the format of
// render/glf_format: the header, one record per character, then the texels.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "render/glf_format.h"

namespace tools {

struct FontFile {
  std::int32_t textureWidth = 0;
  std::int32_t textureHeight = 0;
  std::int32_t firstChar = 0;
  std::int32_t lastChar = 0;
  std::vector<render::GlfChar> glyphs;  // lastChar - firstChar + 1
  std::vector<std::uint8_t> texels;     // (luminance, alpha) pairs, row by row
};

std::vector<std::uint8_t> encodeGlf(const FontFile& font);

// False when the file cannot be created or fully written.
bool writeGlf(const std::string& path, const FontFile& font);

}  // namespace tools
