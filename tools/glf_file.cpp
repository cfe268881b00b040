// Byte-exact reading and writing of the texture-font file, little-endian
// whatever the host, with every size checked before it is trusted.

#include "glf_file.h"

#include <cstddef>
#include <cstdio>
#include <cstring>

namespace tools {

namespace {

void putU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>((v >> (8 * i)) & 0xff));
}

void putFloat(std::vector<std::uint8_t>& out, float f) {
    std::uint32_t bits;
    std::memcpy(&bits, &f, sizeof bits);
    putU32(out, bits);
}

std::uint32_t getU32(const std::vector<std::uint8_t>& in, std::size_t at) {
    return static_cast<std::uint32_t>(in[at]) | (static_cast<std::uint32_t>(in[at + 1]) << 8) |
           (static_cast<std::uint32_t>(in[at + 2]) << 16) | (static_cast<std::uint32_t>(in[at + 3]) << 24);
}

float getFloat(const std::vector<std::uint8_t>& in, std::size_t at) {
    const std::uint32_t bits = getU32(in, at);
    float f;
    std::memcpy(&f, &bits, sizeof f);
    return f;
}

}  // namespace

std::vector<std::uint8_t> encodeGlf(const FontFile& font) {
    std::vector<std::uint8_t> out;
    out.reserve(glfHeaderSize + font.glyphs.size() * glfRecordSize + font.texels.size());
    putU32(out, 0);  // texture name: the game assigns its own
    putU32(out, static_cast<std::uint32_t>(font.textureWidth));
    putU32(out, static_cast<std::uint32_t>(font.textureHeight));
    putU32(out, static_cast<std::uint32_t>(font.firstChar));
    putU32(out, static_cast<std::uint32_t>(font.lastChar));
    putU32(out, 0);  // reserved
    for (const GlyphRecord& g : font.glyphs) {
        putFloat(out, g.quadWidth);
        putFloat(out, g.quadHeight);
        putFloat(out, g.texLeft);
        putFloat(out, g.texTop);
        putFloat(out, g.texRight);
        putFloat(out, g.texBottom);
    }
    out.insert(out.end(), font.texels.begin(), font.texels.end());
    return out;
}

bool writeGlf(const std::string& path, const FontFile& font) {
    const std::vector<std::uint8_t> bytes = encodeGlf(font);
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return false;
    const std::size_t written = std::fwrite(bytes.data(), 1, bytes.size(), file);
    const bool closed = std::fclose(file) == 0;
    return written == bytes.size() && closed;
}

bool decodeGlf(const std::vector<std::uint8_t>& bytes, FontFile& font) {
    if (bytes.size() < static_cast<std::size_t>(glfHeaderSize)) return false;
    const auto width = static_cast<std::int32_t>(getU32(bytes, 4));
    const auto height = static_cast<std::int32_t>(getU32(bytes, 8));
    const auto first = static_cast<std::int32_t>(getU32(bytes, 12));
    const auto last = static_cast<std::int32_t>(getU32(bytes, 16));
    if (width <= 0 || height <= 0 || width > 8192 || height > 8192) return false;
    if (first < 0 || last < first || last > 255) return false;
    const std::size_t count = static_cast<std::size_t>(last - first + 1);
    const std::size_t texelBytes = static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 2u;
    if (bytes.size() != glfHeaderSize + count * glfRecordSize + texelBytes) return false;

    font.textureWidth = width;
    font.textureHeight = height;
    font.firstChar = first;
    font.lastChar = last;
    font.glyphs.resize(count);
    std::size_t at = glfHeaderSize;
    for (GlyphRecord& g : font.glyphs) {
        g.quadWidth = getFloat(bytes, at);
        g.quadHeight = getFloat(bytes, at + 4);
        g.texLeft = getFloat(bytes, at + 8);
        g.texTop = getFloat(bytes, at + 12);
        g.texRight = getFloat(bytes, at + 16);
        g.texBottom = getFloat(bytes, at + 20);
        at += glfRecordSize;
    }
    font.texels.assign(bytes.begin() + static_cast<std::ptrdiff_t>(at), bytes.end());
    return true;
}

bool readGlf(const std::string& path, FontFile& font) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return false;
    std::vector<std::uint8_t> bytes;
    std::uint8_t buffer[65536];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.insert(bytes.end(), buffer, buffer + n);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    return !failed && decodeGlf(bytes, font);
}

}  // namespace tools
