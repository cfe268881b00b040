// The texture-font file the game reads: a 24-byte header, one record of six
// floats per character, then luminance-alpha texels with the first row at t = 0.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tools {

struct GlyphRecord {
    float quadWidth;   // drawing units; also the pen advance
    float quadHeight;  // drawing units
    float texLeft;
    float texTop;      // t of the cell's top edge
    float texRight;
    float texBottom;   // t of the cell's bottom edge
};

struct FontFile {
    std::int32_t textureWidth;
    std::int32_t textureHeight;
    std::int32_t firstChar;
    std::int32_t lastChar;
    std::vector<GlyphRecord> glyphs;   // lastChar - firstChar + 1
    std::vector<std::uint8_t> texels;  // (luminance, alpha) pairs, row by row
};

constexpr int glfHeaderSize = 24;
constexpr int glfRecordSize = 24;

std::vector<std::uint8_t> encodeGlf(const FontFile& font);
bool writeGlf(const std::string& path, const FontFile& font);

// Parses a whole file; false when the bytes are not a consistent font.
bool decodeGlf(const std::vector<std::uint8_t>& bytes, FontFile& font);
bool readGlf(const std::string& path, FontFile& font);

}  // namespace tools
