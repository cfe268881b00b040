// The game's desktop icon: a pyramid and a sphere, the two armies, on a
// rounded night-sky tile. Drawn at any size from the same shapes, so every
// size the icon theme asks for is sharp rather than scaled.
#pragma once

#include <vector>

#include "image.h"

namespace tools {

struct IconPicture {
  Image colour;
  std::vector<float> alpha;  // 0..1 per pixel, row by row from the top
};

IconPicture makeIconPicture(int side);

}  // namespace tools
