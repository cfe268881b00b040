// Layer painting for the stance emblems. The bevel takes its slope from the
// distance field's gradient, so any shape gets the same raised-metal look.

#include "emblem_painter.h"

#include <algorithm>
#include <cmath>

#include "noise.h"

namespace tools {

namespace {

float fieldAt(const DistanceField& f, int x, int y) {
  x = std::clamp(x, 0, f.side - 1);
  y = std::clamp(y, 0, f.side - 1);
  return f.distance[static_cast<std::size_t>(y) * static_cast<std::size_t>(f.side) +
                    static_cast<std::size_t>(x)];
}

// Light from the upper left and in front, in emblem coordinates (y up).
float bevelShade(const DistanceField& f, int x, int y, float depth, float bevelWidth) {
  if (bevelWidth <= 0.0f || depth >= bevelWidth) return 1.0f;
  const float pixel = emblemPixel(f.side);
  // Image rows run downwards while emblem y runs upwards.
  const float gx = (fieldAt(f, x + 1, y) - fieldAt(f, x - 1, y)) / (2.0f * pixel);
  const float gy = (fieldAt(f, x, y - 1) - fieldAt(f, x, y + 1)) / (2.0f * pixel);
  const float slope = 1.2f * (1.0f - depth / bevelWidth);
  float nx = gx * slope;
  float ny = gy * slope;
  float nz = 1.0f;
  const float length = std::sqrt(nx * nx + ny * ny + nz * nz);
  nx /= length;
  ny /= length;
  nz /= length;
  const float lx = -0.45f, ly = 0.55f, lz = 0.70f;
  const float flat = lz;
  return std::max(0.25f, (nx * lx + ny * ly + nz * lz) / flat);
}

}  // namespace

Vec2 emblemPoint(int side, int x, int y) {
  const float half = static_cast<float>(side) * 0.5f;
  return {(static_cast<float>(x) + 0.5f - half) / half,
          (half - (static_cast<float>(y) + 0.5f)) / half};
}

float emblemPixel(int side) { return 2.0f / static_cast<float>(side); }

void paintLayer(Image& image, const DistanceField& field, const LayerStyle& style) {
  const int side = field.side;
  const float pixel = emblemPixel(side);
  // The shadow falls down and to the right, a few pixels away.
  const int shadowDx = std::max(1, side / 80);
  const int shadowDy = std::max(1, side / 64);
  for (int y = 0; y < side; ++y) {
    for (int x = 0; x < side; ++x) {
      Colour& p = pixelAt(image, x, y);
      if (style.shadow > 0.0f) {
        const float ds = fieldAt(field, x - shadowDx, y - shadowDy);
        const float soft = 1.0f - smoothStep(-0.01f, 0.06f, ds);
        p = mixColour(p, Colour{0, 0, 0}, style.shadow * soft);
      }
      const float d = fieldAt(field, x, y);
      const float outer = coverage(d - style.outlineWidth, pixel);
      if (outer <= 0.0f) continue;
      p = mixColour(p, style.outline, outer);
      const float inner = coverage(d, pixel);
      if (inner <= 0.0f) continue;
      const float height = 0.5f + 0.5f * emblemPoint(side, x, y).y;
      Colour fill = mixColour(style.dark, style.light, height);
      fill = scaleColour(fill, bevelShade(field, x, y, -d, style.bevelWidth));
      p = mixColour(p, fill, inner);
    }
  }
}

void paintMedallion(Image& image, const Colour& centre, const Colour& edge,
                    const LayerStyle& ring) {
  const int side = image.width;
  for (int y = 0; y < side; ++y) {
    for (int x = 0; x < side; ++x) {
      const Vec2 p = emblemPoint(side, x, y);
      const float r = std::hypot(p.x, p.y);
      const float u = static_cast<float>(x) / static_cast<float>(side);
      const float v = static_cast<float>(y) / static_cast<float>(side);
      const float cloth = 1.0f + 0.07f * fractalNoise(u, v, 6, 4, 0.5f, 1201u);
      pixelAt(image, x, y) =
          scaleColour(mixColour(centre, edge, smoothStep(0.0f, 0.95f, r)), cloth);
    }
  }
  const DistanceField rim =
      sampleField(side, [](Vec2 p) { return std::fabs(std::hypot(p.x, p.y) - 0.77f) - 0.035f; });
  paintLayer(image, rim, ring);
}

}  // namespace tools
