// Fuzzes the BMP decoder with arbitrary bytes: it must never read outside the
// data, and a picture it accepts must be whole and within the size limits.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "render/dib_image.h"

namespace {

// Inputs declaring more pixels than this are skipped before decoding. The
// decoder's own limit (kDibMaxPixels) stays as it is and is tested elsewhere;
// but a tiny run-length file may legally declare 16 million pixels, each such
// input costs tens of milliseconds to fill, and left alone they crowd the
// corpus until the fuzzer runs a few dozen inputs a second instead of
// thousands. The time goes to layouts and edge cases instead.
constexpr std::int64_t kFuzzMaxPixels = std::int64_t{1} << 20;

bool declaresTooManyPixels(const std::uint8_t* data, std::size_t size) {
  render::DibHeader header;
  if (!render::dibDeclaredHeader(data, size, &header)) return false;
  return std::llabs(std::int64_t{header.width}) * std::llabs(std::int64_t{header.height}) >
         kFuzzMaxPixels;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (declaresTooManyPixels(data, size)) return -1;  // -1: not added to the corpus
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
