// The piece colours by side and role, and the pyramid model's faces: wound so
// that back-face culling keeps the outside, with normals pointing out.
#include "render/piece_appearance.h"

#include <gtest/gtest.h>

namespace {

using render::Vec3;

Vec3 minus(const Vec3& a, const Vec3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vec3 cross(const Vec3& a, const Vec3& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
float dot(const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

// A point inside the pyramid, on its axis between base and apex.
constexpr Vec3 kInside = {0, 0, 0};

template <int kCorners>
Vec3 centroid(const Vec3 (&corners)[kCorners]) {
  Vec3 sum;
  for (const Vec3& v : corners) sum = {sum.x + v.x, sum.y + v.y, sum.z + v.z};
  return {sum.x / kCorners, sum.y / kCorners, sum.z / kCorners};
}

// Counter-clockwise seen from outside, and the given normal leaves the model.
template <int kCorners>
void expectOutwardFace(const Vec3& normal, const Vec3 (&corners)[kCorners], const char* name) {
  const Vec3 outward = minus(centroid(corners), kInside);
  const Vec3 front = cross(minus(corners[1], corners[0]), minus(corners[2], corners[1]));
  EXPECT_GT(dot(front, outward), 0) << name << " is wound clockwise from outside";
  EXPECT_GT(dot(normal, outward), 0) << name << "'s normal points inwards";
  EXPECT_FLOAT_EQ(dot(normal, normal), 1.0f) << name;
}

TEST(RoleColours, GreenPiecesOfEachSideAndNoneOutsideTheRoles) {
  const render::Rgb* light = render::roleColour(armies::Piramides, armies::Green);
  const render::Rgb* dark = render::roleColour(armies::Esferas, armies::Green);
  ASSERT_NE(light, nullptr);
  ASSERT_NE(dark, nullptr);
  EXPECT_FLOAT_EQ(light->r, 0.4f);
  EXPECT_FLOAT_EQ(light->g, 0.8f);
  EXPECT_FLOAT_EQ(light->b, 0.4f);
  EXPECT_FLOAT_EQ(dark->r, 0.2f);
  EXPECT_FLOAT_EQ(dark->g, 0.6f);
  EXPECT_FLOAT_EQ(dark->b, 0.2f);
  // A role outside 1..3 sets no colour.
  for (int role : {0, 4, -1}) {
    EXPECT_EQ(render::roleColour(armies::Piramides, role), nullptr) << role;
    EXPECT_EQ(render::roleColour(armies::Esferas, role), nullptr) << role;
  }
}

TEST(PyramidModel, EveryFaceIsWoundAndLitFromOutside) {
  expectOutwardFace(render::kPyramidBase.normal, render::kPyramidBase.corners, "base");
  const char* names[] = {"+z side", "+x side", "-z side", "-x side"};
  for (int k = 0; k < 4; ++k) {
    const render::PyramidSide& side = render::kPyramidSides[k];
    expectOutwardFace(side.normal, side.corners, names[k]);
    EXPECT_EQ(side.normal.y, 0) << names[k] << "'s normal should be horizontal";
  }
}

}  // namespace
