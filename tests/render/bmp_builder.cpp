// The pictures of the decoder tests and the pixels expected back.
#include "bmp_builder.h"

#include <cstdlib>

namespace bmptest {

std::vector<std::uint8_t> expectedRgb(const Picture& picture) {
  std::vector<std::uint8_t> out;
  for (int row = picture.height - 1; row >= 0; --row) {
    for (int x = 0; x < picture.width; ++x) {
      const Rgb c = picture.at(x, row);
      out.push_back(c.r);
      out.push_back(c.g);
      out.push_back(c.b);
    }
  }
  return out;
}

Picture pictureFromRows(const std::vector<std::string>& rows,
                        const std::vector<std::pair<char, Rgb>>& colours) {
  Picture p;
  p.height = static_cast<int>(rows.size());
  p.width = p.height > 0 ? static_cast<int>(rows[0].size()) : 0;
  for (const std::string& row : rows) {
    for (char letter : row) {
      bool found = false;
      for (const auto& [key, colour] : colours) {
        if (key == letter) {
          p.pixels.push_back(colour);
          found = true;
        }
      }
      if (!found) std::abort();
    }
  }
  return p;
}

}  // namespace bmptest
