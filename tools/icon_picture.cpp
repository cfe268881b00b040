// The desktop icon, painted back to front: the tile's sky and floor, the
// pieces' shadows, the pyramid, then the sphere in front of it. Every edge
// is an antialiased coverage of a distance, so small sizes stay clean.
#include "icon_picture.h"

#include <cmath>
#include <cstddef>

#include "emblem_painter.h"
#include "shapes.h"

namespace tools {

namespace {

// In emblem units: the frame spans -1..1, y up.
constexpr float kTileHalf = 0.94f;
constexpr float kTileCorner = 0.26f;
constexpr float kHorizon = -0.12f;

constexpr Vec2 kApex{-0.26f, 0.62f};
constexpr Vec2 kBaseLeft{-0.8f, -0.3f};
constexpr Vec2 kBaseFront{-0.24f, -0.5f};
constexpr Vec2 kBaseRight{0.18f, -0.26f};

constexpr Vec2 kSphereCentre{0.36f, -0.3f};
constexpr float kSphereRadius = 0.38f;

constexpr Colour kSkyTop{0.03f, 0.04f, 0.14f};
constexpr Colour kSkyLow{0.2f, 0.08f, 0.3f};
constexpr Colour kFloorFar{0.3f, 0.3f, 0.36f};
constexpr Colour kFloorNear{0.14f, 0.14f, 0.18f};
constexpr Colour kOutline{0.02f, 0.02f, 0.05f};
constexpr Colour kPyramidLit{0.96f, 0.42f, 0.36f};
constexpr Colour kPyramidShaded{0.5f, 0.16f, 0.16f};
constexpr Colour kSphereColour{0.26f, 0.42f, 0.96f};

struct Star {
  Vec2 at;
  float radius;
};

const Star kStars[] = {
    {{-0.7f, 0.72f}, 0.022f}, {{0.52f, 0.7f}, 0.03f},    {{0.16f, 0.46f}, 0.018f},
    {{0.78f, 0.3f}, 0.02f},   {{-0.62f, 0.22f}, 0.016f},
};

Colour backdropAt(Vec2 p, float pixel) {
  if (p.y < kHorizon) {
    const float depth = (kHorizon - p.y) / (kHorizon + kTileHalf);
    return mixColour(kFloorFar, kFloorNear, depth);
  }
  Colour sky = mixColour(kSkyLow, kSkyTop, (p.y - kHorizon) / (kTileHalf - kHorizon));
  // Stars thinner than a pixel would only speckle the small sizes.
  for (const Star& star : kStars) {
    if (star.radius < pixel * 0.5f) continue;
    sky = mixColour(sky, Colour{1, 1, 1}, coverage(circleDistance(p, star.at, star.radius), pixel));
  }
  return sky;
}

// A soft elliptic shadow on the floor, darkest under its centre.
float shadowAt(Vec2 p, Vec2 centre, Vec2 radii) {
  const float dx = (p.x - centre.x) / radii.x;
  const float dy = (p.y - centre.y) / radii.y;
  return 0.55f * (1.0f - smoothStep(0.4f, 1.0f, std::sqrt(dx * dx + dy * dy)));
}

// Lit from the upper left and in front, with a highlight.
Colour sphereShade(Vec2 p) {
  const float nx = (p.x - kSphereCentre.x) / kSphereRadius;
  const float ny = (p.y - kSphereCentre.y) / kSphereRadius;
  const float nz = std::sqrt(std::fmax(0.0f, 1.0f - nx * nx - ny * ny));
  const float lx = -0.5f, ly = 0.6f, lz = 0.62f;  // unit length
  const float diffuse = std::fmax(0.0f, nx * lx + ny * ly + nz * lz);
  // Half-way between the light and the eye at (0, 0, 1).
  const float hl = std::sqrt(lx * lx + ly * ly + (lz + 1.0f) * (lz + 1.0f));
  const float facing = std::fmax(0.0f, (nx * lx + ny * ly + nz * (lz + 1.0f)) / hl);
  const float highlight = std::pow(facing, 40.0f);
  return addColour(scaleColour(kSphereColour, 0.22f + 0.85f * diffuse),
                   scaleColour(Colour{1, 1, 1}, 0.7f * highlight));
}

Colour pyramidFace(Vec2 p, const Colour& colour) {
  // A little lighter towards the apex, as the light comes from above.
  const float t = (p.y - kBaseFront.y) / (kApex.y - kBaseFront.y);
  return scaleColour(colour, 0.85f + 0.25f * t);
}

Colour iconPixel(Vec2 p, float pixel) {
  const float outline = 0.03f + 0.5f * pixel;
  Colour c = backdropAt(p, pixel);
  c = mixColour(c, Colour{0, 0, 0}, shadowAt(p, {-0.3f, -0.4f}, {0.62f, 0.14f}));
  c = mixColour(c, Colour{0, 0, 0}, shadowAt(p, {0.4f, -0.66f}, {0.42f, 0.1f}));

  const std::vector<Vec2> leftFace = {kApex, kBaseLeft, kBaseFront};
  const std::vector<Vec2> rightFace = {kApex, kBaseFront, kBaseRight};
  const std::vector<Vec2> pyramid = {kApex, kBaseLeft, kBaseFront, kBaseRight};
  c = mixColour(c, kOutline, coverage(polygonDistance(p, pyramid) - outline, pixel));
  c = mixColour(c, pyramidFace(p, kPyramidLit), coverage(polygonDistance(p, leftFace), pixel));
  c = mixColour(c, pyramidFace(p, kPyramidShaded), coverage(polygonDistance(p, rightFace), pixel));

  const float sphere = circleDistance(p, kSphereCentre, kSphereRadius);
  c = mixColour(c, kOutline, coverage(sphere - outline, pixel));
  return mixColour(c, sphereShade(p), coverage(sphere, pixel));
}

}  // namespace

IconPicture makeIconPicture(int side) {
  IconPicture icon{makeImage(side, side, Colour{0, 0, 0}),
                   std::vector<float>(static_cast<std::size_t>(side) * side)};
  const float pixel = emblemPixel(side);
  for (int y = 0; y < side; ++y) {
    for (int x = 0; x < side; ++x) {
      const Vec2 p = emblemPoint(side, x, y);
      pixelAt(icon.colour, x, y) = iconPixel(p, pixel);
      const float tile = boxDistance(p, {0, 0}, {kTileHalf, kTileHalf}, kTileCorner);
      icon.alpha[static_cast<std::size_t>(y) * side + x] = coverage(tile, pixel);
    }
  }
  return icon;
}

}  // namespace tools
