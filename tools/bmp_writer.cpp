// 24-bit BMP encoding. Only the layout the game's loader is certain to read
// is produced: no compression, no colour table, positive height.

#include "bmp_writer.h"

#include <cstddef>
#include <cstdio>

namespace tools {

namespace {

void putU16(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
    out[at] = static_cast<std::uint8_t>(v & 0xff);
    out[at + 1] = static_cast<std::uint8_t>((v >> 8) & 0xff);
}

void putU32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
    putU16(out, at, v & 0xffff);
    putU16(out, at + 2, v >> 16);
}

// Bayer 8 x 8 thresholds mapped to -0.5..0.5 of one level.
float orderedDither(int x, int y) {
    static const int bayer[8][8] = {
        {0, 32, 8, 40, 2, 34, 10, 42},  {48, 16, 56, 24, 50, 18, 58, 26},
        {12, 44, 4, 36, 14, 46, 6, 38}, {60, 28, 52, 20, 62, 30, 54, 22},
        {3, 35, 11, 43, 1, 33, 9, 41},  {51, 19, 59, 27, 49, 17, 57, 25},
        {15, 47, 7, 39, 13, 45, 5, 37}, {63, 31, 55, 23, 61, 29, 53, 21}};
    return (static_cast<float>(bayer[y & 7][x & 7]) + 0.5f) / 64.0f - 0.5f;
}

}  // namespace

int bmpRowStride(int width) { return (width * 3 + 3) / 4 * 4; }

std::vector<std::uint8_t> encodeBmp24(const Image& image, bool dither) {
    const std::size_t stride = static_cast<std::size_t>(bmpRowStride(image.width));
    const std::size_t dataSize = stride * static_cast<std::size_t>(image.height);
    const std::size_t offset = bmpFileHeaderSize + bmpInfoHeaderSize;
    std::vector<std::uint8_t> out(offset + dataSize, 0);

    out[0] = 'B';
    out[1] = 'M';
    putU32(out, 2, static_cast<std::uint32_t>(out.size()));
    putU32(out, 10, static_cast<std::uint32_t>(offset));

    putU32(out, 14, bmpInfoHeaderSize);
    putU32(out, 18, static_cast<std::uint32_t>(image.width));
    putU32(out, 22, static_cast<std::uint32_t>(image.height));
    putU16(out, 26, 1);   // planes
    putU16(out, 28, 24);  // bits per pixel
    putU32(out, 30, 0);   // no compression
    putU32(out, 34, static_cast<std::uint32_t>(dataSize));
    putU32(out, 38, 2835);  // 72 dots per inch, in dots per metre
    putU32(out, 42, 2835);
    // Colours used and important colours stay 0: there is no table.

    for (int row = 0; row < image.height; ++row) {
        const int y = image.height - 1 - row;  // stored bottom row first
        std::size_t at = offset + static_cast<std::size_t>(row) * stride;
        for (int x = 0; x < image.width; ++x) {
            const Colour& c = pixelAt(image, x, y);
            const float d = dither ? orderedDither(x, y) : 0.0f;
            out[at++] = quantise(c.b, d);
            out[at++] = quantise(c.g, d);
            out[at++] = quantise(c.r, d);
        }
    }
    return out;
}

bool writeBmp24(const std::string& path, const Image& image, bool dither) {
    const std::vector<std::uint8_t> bytes = encodeBmp24(image, dither);
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return false;
    const std::size_t written = std::fwrite(bytes.data(), 1, bytes.size(), file);
    const bool closed = std::fclose(file) == 0;
    return written == bytes.size() && closed;
}

}  // namespace tools
