#include "file_bytes.h"

#include <cstdio>

namespace tools {

bool writeFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  const std::size_t written = std::fwrite(bytes.data(), 1, bytes.size(), file);
  const bool closed = std::fclose(file) == 0;
  return written == bytes.size() && closed;
}

}  // namespace tools
