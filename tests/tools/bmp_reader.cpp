// Test-side BMP parsing and a small helper to run external tools.

#include "bmp_reader.h"

#include <cstdio>
#include <fstream>
#include <iterator>

namespace {

std::uint32_t u32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8 |
         static_cast<std::uint32_t>(b[at + 2]) << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

std::uint16_t u16(const std::vector<std::uint8_t>& b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

}  // namespace

std::vector<std::uint8_t> readFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in),
                                   std::istreambuf_iterator<char>());
}

bool parseBmp24(const std::vector<std::uint8_t>& b, ReadBmp& out) {
  if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') return false;
  out.fileSize = u32(b, 2);
  out.dataOffset = u32(b, 10);
  out.infoSize = u32(b, 14);
  out.width = static_cast<std::int32_t>(u32(b, 18));
  out.height = static_cast<std::int32_t>(u32(b, 22));
  out.planes = u16(b, 26);
  out.bitsPerPixel = u16(b, 28);
  out.compression = u32(b, 30);
  out.imageSize = u32(b, 34);
  if (out.bitsPerPixel != 24 || out.compression != 0 || out.width <= 0 || out.height <= 0)
    return false;
  const std::size_t stride = (static_cast<std::size_t>(out.width) * 3 + 3) / 4 * 4;
  if (out.dataOffset + stride * static_cast<std::size_t>(out.height) > b.size()) return false;
  out.rgb.assign(static_cast<std::size_t>(out.width) * static_cast<std::size_t>(out.height) * 3, 0);
  for (int row = 0; row < out.height; ++row) {
    const std::size_t src = out.dataOffset + static_cast<std::size_t>(row) * stride;
    const std::size_t dst =
        static_cast<std::size_t>(out.height - 1 - row) * static_cast<std::size_t>(out.width) * 3;
    for (int x = 0; x < out.width; ++x) {
      out.rgb[dst + x * 3 + 0] = b[src + x * 3 + 2];
      out.rgb[dst + x * 3 + 1] = b[src + x * 3 + 1];
      out.rgb[dst + x * 3 + 2] = b[src + x * 3 + 0];
    }
  }
  return true;
}

bool runCommand(const std::string& command, std::string& output) {
  std::FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return false;
  output.clear();
  char buffer[4096];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, n);
  return pclose(pipe) == 0;
}
