// Storing a generated file's bytes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tools {

// Creates or replaces the file with the bytes; false when it cannot be
// created or fully written.
bool writeFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace tools
