// The point and direction record of the scene's GL-free tables.
#pragma once

namespace render {

struct Vec3 {
  float x = 0;
  float y = 0;
  float z = 0;
};

}  // namespace render
