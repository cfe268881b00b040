// Fuzzes the BMP decoder with arbitrary bytes: it must never read outside the
// data, and a picture it accepts must be whole and within the size limits.
#include <cstddef>
#include <cstdint>

#include "render/dib_image.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  render::RgbImage image;
  const render::DibStatus status = render::decodeDib(data, size, &image);
  if (status != render::DibStatus::Ok) {
    if (image.pixels) __builtin_trap();
    return 0;
  }
  const std::int64_t pixels = static_cast<std::int64_t>(image.width) * image.height;
  if (image.width <= 0 || image.height <= 0 || pixels > render::kDibMaxPixels) __builtin_trap();
  // Touch both ends of the array so that a short allocation shows.
  volatile std::uint8_t sink = image.pixels[0];
  sink = image.pixels[pixels * 3 - 1];
  (void)sink;
  return 0;
}
