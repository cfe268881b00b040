// RGBA PNG output through libpng's simplified interface.
#include "png_writer.h"

#include <png.h>

#include <cstddef>
#include <cstdint>

namespace tools {

bool writePngRgba(const std::string& path, const Image& image, const std::vector<float>& alpha) {
  const std::size_t count = image.pixels.size();
  if (alpha.size() != count) return false;
  std::vector<std::uint8_t> rgba(count * 4);
  for (std::size_t i = 0; i < count; ++i) {
    const Colour& c = image.pixels[i];
    rgba[i * 4] = quantise(c.r, 0.0f);
    rgba[i * 4 + 1] = quantise(c.g, 0.0f);
    rgba[i * 4 + 2] = quantise(c.b, 0.0f);
    rgba[i * 4 + 3] = quantise(alpha[i], 0.0f);
  }
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  png.width = static_cast<png_uint_32>(image.width);
  png.height = static_cast<png_uint_32>(image.height);
  png.format = PNG_FORMAT_RGBA;
  const int written = png_image_write_to_file(&png, path.c_str(), 0, rgba.data(), 0, nullptr);
  png_image_free(&png);
  return written != 0;
}

}  // namespace tools
