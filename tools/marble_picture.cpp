// The floor tile: dark slate marble with cloudy depth and pale veins. Every
// noise term repeats over the tile, so neighbouring tiles meet without a seam.

#include <algorithm>
#include <cmath>

#include "noise.h"
#include "pictures.h"

namespace tools {

namespace {

constexpr int side = 256;
constexpr float twoPi = 6.28318530718f;

struct VeinSet {
  int period;   // lattice cells of the vein noise across the tile
  float lean;   // weight of the diagonal drift that lines veins up
  float width;  // half-width of the vein, in tile units
  std::uint32_t seed;
};

float veinField(float u, float v, const VeinSet& set) {
  const float wx = 0.18f * fractalNoise(u, v, 2, 4, 0.5f, set.seed + 1u);
  const float wy = 0.18f * fractalNoise(u, v, 2, 4, 0.5f, set.seed + 2u);
  const float n = fractalNoise(u + wx, v + wy, set.period, 3, 0.45f, set.seed);
  return n + set.lean * std::sin(twoPi * (u + v + wx));
}

// Distance to the nearest zero line of the field (first-order estimate), so a
// vein keeps an even width instead of swelling where the field is flat.
float veinDistance(float u, float v, const VeinSet& set) {
  const float h = 0.5f / side;
  const float f = veinField(u, v, set);
  const float gx = (veinField(u + h, v, set) - veinField(u - h, v, set)) / (2.0f * h);
  const float gy = (veinField(u, v + h, set) - veinField(u, v - h, set)) / (2.0f * h);
  return std::fabs(f) / std::max(std::hypot(gx, gy), 1e-3f);
}

float veinProfile(float distance, float width) {
  const float t = distance / width;
  return std::exp(-t * t);
}

Colour marbleAt(float u, float v) {
  const Colour slate{0.12f, 0.14f, 0.18f};
  const Colour mist{0.27f, 0.29f, 0.34f};
  const Colour vein{0.86f, 0.84f, 0.78f};
  static const VeinSet major{2, 0.2f, 1.7f / side, 310u};
  static const VeinSet minor{4, 0.2f, 0.8f / side, 320u};
  static const VeinSet hair{7, 0.0f, 0.5f / side, 330u};

  const float cloud = 0.5f + 0.5f * fractalNoise(u, v, 3, 6, 0.55f, 301u);
  Colour c = mixColour(slate, mist, smoothStep(0.25f, 0.95f, cloud));
  const float grain = fractalNoise(u, v, 32, 2, 0.5f, 302u);
  c = scaleColour(c, 1.0f + 0.05f * grain);

  const float majorDistance = veinDistance(u, v, major);
  // Veins thicken and thin along their length, as real ones do.
  const float swell = 0.5f + 0.5f * fractalNoise(u, v, 3, 2, 0.5f, 360u);
  const float majorWidth = major.width * mixFloat(0.45f, 1.9f, swell);
  // Minor veins fade in and out.
  const float minorFade = smoothStep(-0.2f, 0.4f, fractalNoise(u, v, 3, 2, 0.5f, 340u));
  const float hairFade = smoothStep(0.0f, 0.5f, fractalNoise(u, v, 4, 2, 0.5f, 350u));

  c = mixColour(c, mist, 0.45f * veinProfile(majorDistance, 11.0f / side));
  c = mixColour(c, vein, 0.2f * hairFade * veinProfile(veinDistance(u, v, hair), hair.width));
  c = mixColour(c, vein, 0.4f * minorFade * veinProfile(veinDistance(u, v, minor), minor.width));
  c = mixColour(c, vein, mixFloat(0.3f, 0.65f, swell) * veinProfile(majorDistance, majorWidth));
  return c;
}

}  // namespace

Image makeMarblePicture() {
  Image image = makeImage(side, side, Colour{0, 0, 0});
  for (int y = 0; y < side; ++y) {
    for (int x = 0; x < side; ++x) {
      const float u = static_cast<float>(x) / side;
      const float v = static_cast<float>(y) / side;
      pixelAt(image, x, y) = marbleAt(u, v);
    }
  }
  return image;
}

}  // namespace tools
