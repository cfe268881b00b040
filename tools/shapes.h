// Signed distances to simple shapes (negative inside) and their antialiased
// coverage: the small rasteriser the emblems are drawn with.
#pragma once

#include <vector>

namespace tools {

struct Vec2 {
  float x;
  float y;
};

Vec2 rotateVec(Vec2 p, float radians);

float circleDistance(Vec2 p, Vec2 centre, float radius);
// Axis-aligned box given by its centre and half sizes, corners rounded by `radius`.
float boxDistance(Vec2 p, Vec2 centre, Vec2 halfSize, float radius);
// A stroke of half-width `radius` from a to b with round caps.
float segmentDistance(Vec2 p, Vec2 a, Vec2 b, float radius);
// A closed simple polygon, vertices in order (either winding).
float polygonDistance(Vec2 p, const std::vector<Vec2>& vertices);

float unionDistance(float a, float b);
float intersectDistance(float a, float b);

// Fraction of a pixel of size `pixel` covered by the inside of a shape whose
// centre lies at signed distance d.
float coverage(float d, float pixel);

}  // namespace tools
