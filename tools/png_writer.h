// Stores a picture with an alpha channel as an 8-bit RGBA PNG through
// libpng: the icon theme wants PNG with transparent corners, which BMP
// cannot carry.
#pragma once

#include <string>
#include <vector>

#include "image.h"

namespace tools {

// `alpha` holds one 0..1 value per pixel. False when the file cannot be written.
bool writePngRgba(const std::string& path, const Image& image, const std::vector<float>& alpha);

}  // namespace tools
