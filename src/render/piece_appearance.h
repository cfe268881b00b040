// How a piece looks, without OpenGL: the pyramid model's faces and the colour
// of each side and role. piece_models.cpp draws from these tables.
#pragma once

#include "armies/armies.h"
#include "render/vec3.h"

namespace render {

struct Rgb {
  float r = 0;
  float g = 0;
  float b = 0;
};

// Indexed [side - 1][role - 1]: lighter shades for the Piramides, darker for
// the Esferas.
extern const Rgb kRoleColours[2][3];

// The colour of a piece of this side and role; null for a role outside 1..3,
// which sets no colour.
const Rgb* roleColour(armies::Side side, int role);

// Square pyramid of base side 5 at y = -2 with its apex at (0, 3, 0). Every
// face is wound counter-clockwise seen from outside; a side's normal is the
// horizontal direction out through it, ignoring the slope.
struct PyramidBase {
  Vec3 normal;
  Vec3 corners[4];
};
struct PyramidSide {
  Vec3 normal;
  Vec3 corners[3];
};

extern const PyramidBase kPyramidBase;
// +z, +x, -z and -x side, in drawing order.
extern const PyramidSide kPyramidSides[4];

}  // namespace render
