// Renders a range of characters with FreeType into one texture-font: white
// glyphs whose alpha is the coverage, each in a cell the size of its advance.
#pragma once

#include <string>

#include "glf_file.h"

namespace tools {

struct FontSettings {
  int pixelsPerEm;   // rendering size of the glyphs
  float unitsPerEm;  // drawing units one em spans on screen
  int gap;           // empty texels between cells, so filtering cannot bleed
  int textureWidth;  // power of two; the height grows to fit
  int firstChar;
  int lastChar;
};

// The settings the game's font is made with: an em of 2 drawing units makes
// the overlay's longest line fit its screen and centres its centred lines.
FontSettings gameFontSettings();

// False, with a reason in `error`, when the font cannot be loaded or a glyph
// cannot be rendered or the cells do not fit a texture.
bool buildFontAtlas(const std::string& fontPath, const FontSettings& settings, FontFile& font,
                    std::string& error);

}  // namespace tools
