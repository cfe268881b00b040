// The wall panel: courses of dressed stone blocks with mortar joints, lit from
// the upper left. Block layout and noise both repeat over the tile.

#include <algorithm>
#include <cmath>

#include "noise.h"
#include "pictures.h"

namespace tools {

namespace {

constexpr int side = 256;
constexpr int courseCount = 4;
constexpr int courseHeight = side / courseCount;

struct Course {
  int offset;     // where the first joint sits, in pixels from the left
  int widths[3];  // block widths; each course adds up to the tile width
};

const Course courses[courseCount] = {
    {0, {96, 80, 80}}, {44, {64, 112, 80}}, {18, {120, 72, 64}}, {70, {88, 88, 80}}};

struct BlockHit {
  int id;
  float left;    // pixels to the block's left joint
  float right;   // ... right joint
  float top;     // ... top joint
  float bottom;  // ... bottom joint
};

BlockHit findBlock(float px, float py) {
  const int course = std::min(static_cast<int>(py) / courseHeight, courseCount - 1);
  const Course& c = courses[course];
  float x = std::fmod(px - static_cast<float>(c.offset) + side, static_cast<float>(side));
  int index = 0;
  while (index < 2 && x >= static_cast<float>(c.widths[index])) {
    x -= static_cast<float>(c.widths[index]);
    ++index;
  }
  const float ly = py - static_cast<float>(course * courseHeight);
  return {course * 3 + index, x, static_cast<float>(c.widths[index]) - x, ly,
          static_cast<float>(courseHeight) - ly};
}

Colour stoneTint(int blockId) {
  const Colour tints[] = {{0.58f, 0.54f, 0.48f},
                          {0.55f, 0.53f, 0.50f},
                          {0.60f, 0.55f, 0.47f},
                          {0.53f, 0.51f, 0.48f},
                          {0.57f, 0.52f, 0.47f}};
  const float pick = hashUnit(blockId, 0, 901u);
  const float shade = 0.9f + 0.16f * hashUnit(blockId, 1, 901u);
  return scaleColour(tints[static_cast<int>(pick * 4.999f)], shade);
}

Colour wallAt(float px, float py) {
  const float u = px / side;
  const float v = py / side;
  const BlockHit b = findBlock(px, py);

  // Joints are worn unevenly: the noise eats into the block edges.
  const float wear = 1.8f + 2.2f * (0.5f + 0.5f * fractalNoise(u, v, 16, 3, 0.5f, 902u));
  const float edge = std::min(std::min(b.left, b.right), std::min(b.top, b.bottom)) - wear;

  const float mortarNoise = fractalNoise(u, v, 24, 3, 0.5f, 903u);
  Colour mortar = scaleColour(Colour{0.27f, 0.25f, 0.22f}, 1.0f + 0.25f * mortarNoise);
  // The stone above shades the upper part of a bed joint. Depth below that
  // stone's edge is measured from either side of the joint line alike, so
  // the shade runs on unbroken across it (and across the tile's wrap).
  const float depth = b.bottom < b.top ? wear - b.bottom : wear + b.top;
  mortar = scaleColour(mortar, mixFloat(0.55f, 1.0f, smoothStep(0.0f, 6.0f, depth)));

  Colour stone = stoneTint(b.id);
  const float surface = fractalNoise(u, v, 4, 6, 0.6f, 904u);
  const float grain = fractalNoise(u, v, 64, 2, 0.5f, 908u);
  const CellSample pits = cellNoise(u, v, 40, 905u);
  const bool pitted = (pits.cellId & 0xffu) < 70u;  // only some cells hold a pit
  stone = scaleColour(stone, 1.0f + 0.2f * surface + 0.05f * grain);
  if (pitted)
    stone = scaleColour(stone, mixFloat(0.72f, 1.0f, smoothStep(0.06f, 0.16f, pits.nearest)));

  // Bevelled faces: light from the upper left, shade towards the lower right.
  const float bevel = 7.0f;
  const float lit = (1.0f - smoothStep(0.0f, bevel, b.top - wear)) * 0.28f +
                    (1.0f - smoothStep(0.0f, bevel, b.left - wear)) * 0.16f;
  const float shaded = (1.0f - smoothStep(0.0f, bevel, b.bottom - wear)) * 0.35f +
                       (1.0f - smoothStep(0.0f, bevel, b.right - wear)) * 0.22f;
  stone = scaleColour(stone, 1.0f + lit - shaded);

  // A few hairline cracks on some blocks.
  if (hashUnit(b.id, 2, 906u) < 0.3f) {
    const float crack =
        std::fabs(fractalNoise(u, v, 5, 3, 0.5f, 907u + static_cast<std::uint32_t>(b.id)));
    const float reach = smoothStep(0.1f, 0.4f, fractalNoise(u, v, 3, 2, 0.5f, 909u));
    stone = scaleColour(
        stone, mixFloat(0.7f, 1.0f, smoothStep(0.0f, 0.012f, crack) * (1.0f - reach) + reach));
  }

  const float blend = smoothStep(-0.8f, 0.8f, edge);
  return mixColour(mortar, stone, blend);
}

}  // namespace

Image makeWallPicture() {
  Image image = makeImage(side, side, Colour{0, 0, 0});
  for (int y = 0; y < side; ++y) {
    for (int x = 0; x < side; ++x) {
      const Colour c = wallAt(static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f);
      pixelAt(image, x, y) = {clamp01(c.r), clamp01(c.g), clamp01(c.b)};
    }
  }
  return image;
}

}  // namespace tools
