// Exact signed distance functions for the shapes the emblems are built from.

#include "shapes.h"

#include <algorithm>
#include <cmath>

namespace tools {

Vec2 rotateVec(Vec2 p, float radians) {
  const float c = std::cos(radians);
  const float s = std::sin(radians);
  return {c * p.x - s * p.y, s * p.x + c * p.y};
}

float circleDistance(Vec2 p, Vec2 centre, float radius) {
  return std::hypot(p.x - centre.x, p.y - centre.y) - radius;
}

float boxDistance(Vec2 p, Vec2 centre, Vec2 halfSize, float radius) {
  const float qx = std::fabs(p.x - centre.x) - (halfSize.x - radius);
  const float qy = std::fabs(p.y - centre.y) - (halfSize.y - radius);
  const float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
  const float inside = std::min(std::max(qx, qy), 0.0f);
  return outside + inside - radius;
}

float segmentDistance(Vec2 p, Vec2 a, Vec2 b, float radius) {
  const float px = p.x - a.x;
  const float py = p.y - a.y;
  const float bx = b.x - a.x;
  const float by = b.y - a.y;
  const float lengthSquared = bx * bx + by * by;
  const float h =
      lengthSquared > 0.0f ? std::clamp((px * bx + py * by) / lengthSquared, 0.0f, 1.0f) : 0.0f;
  return std::hypot(px - bx * h, py - by * h) - radius;
}

float polygonDistance(Vec2 p, const std::vector<Vec2>& v) {
  const size_t n = v.size();
  if (n < 3) return 1e9f;
  float bestSquared = 1e30f;
  bool inside = false;
  for (size_t i = 0, j = n - 1; i < n; j = i++) {
    const float ex = v[j].x - v[i].x;
    const float ey = v[j].y - v[i].y;
    const float wx = p.x - v[i].x;
    const float wy = p.y - v[i].y;
    const float lengthSquared = ex * ex + ey * ey;
    const float h =
        lengthSquared > 0.0f ? std::clamp((wx * ex + wy * ey) / lengthSquared, 0.0f, 1.0f) : 0.0f;
    const float dx = wx - ex * h;
    const float dy = wy - ey * h;
    bestSquared = std::min(bestSquared, dx * dx + dy * dy);
    // Even-odd crossing test along +x.
    if ((v[i].y > p.y) != (v[j].y > p.y)) {
      const float crossX = v[i].x + (p.y - v[i].y) * (v[j].x - v[i].x) / (v[j].y - v[i].y);
      if (p.x < crossX) inside = !inside;
    }
  }
  const float d = std::sqrt(bestSquared);
  return inside ? -d : d;
}

float unionDistance(float a, float b) { return std::min(a, b); }
float intersectDistance(float a, float b) { return std::max(a, b); }

float coverage(float d, float pixel) { return std::clamp(0.5f - d / pixel, 0.0f, 1.0f); }

}  // namespace tools
