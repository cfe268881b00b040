// The deep sky behind the board: a dark field crossed by a diagonal band of
// nebula and dust, scattered with stars of varied brightness and colour.

#include <cmath>

#include "noise.h"
#include "pictures.h"

namespace tools {

namespace {

constexpr int side = 512;

// Distance across the diagonal band, in tile units.
float bandOffset(float u, float v) { return (u - 0.5f) * 0.6f + (v - 0.5f) * 0.8f; }

float bandWeight(float u, float v) {
  const float wobble = 0.08f * fractalNoise(u, v, 2, 3, 0.5f, 71u);
  const float d = bandOffset(u, v) + wobble;
  return std::exp(-(d * d) / (2.0f * 0.14f * 0.14f));
}

Colour skyAt(float u, float v) {
  const float band = bandWeight(u, v);
  const float warpX = 0.12f * fractalNoise(u, v, 3, 4, 0.5f, 11u);
  const float warpY = 0.12f * fractalNoise(u, v, 3, 4, 0.5f, 12u);
  const float cloud = fractalNoise(u + warpX, v + warpY, 4, 6, 0.55f, 13u);
  const float density = smoothStep(-0.3f, 0.6f, cloud) * band;
  // Bright filaments where the ridged noise folds over.
  const float ridge = 1.0f - std::fabs(fractalNoise(u + warpY, v + warpX, 3, 5, 0.55f, 16u));
  const float filament = std::pow(ridge, 6.0f) * band;
  const float hue = 0.5f + 0.5f * fractalNoise(u, v, 2, 3, 0.5f, 14u);
  const Colour violet{0.36f, 0.10f, 0.42f};
  const Colour teal{0.06f, 0.26f, 0.42f};
  const Colour tint = mixColour(violet, teal, smoothStep(0.3f, 0.7f, hue));
  Colour gas = scaleColour(tint, density * 0.62f + filament * 0.75f);

  // Dark dust lanes eat into the brightest part of the band.
  const float dust = turbulence(u + warpY, v + warpX, 5, 5, 0.5f, 15u);
  const float lane = smoothStep(0.08f, 0.28f, dust);
  gas = scaleColour(gas, mixFloat(0.25f, 1.0f, lane));

  const Colour deep{0.006f, 0.008f, 0.022f};
  const Colour glow{0.025f, 0.03f, 0.07f};
  Colour sky = mixColour(deep, glow, band);
  sky = addColour(sky, gas);
  // A faint warm core in the middle of the band.
  const float core = band * band * smoothStep(0.0f, 0.8f, cloud) * 0.12f;
  return addColour(sky, Colour{core, core * 0.75f, core * 0.55f});
}

Colour starColour(float pick) {
  static const Colour palette[] = {{0.75f, 0.85f, 1.0f}, {0.9f, 0.95f, 1.0f}, {1.0f, 1.0f, 1.0f},
                                   {1.0f, 0.95f, 0.82f}, {1.0f, 0.82f, 0.6f}, {0.7f, 0.8f, 1.0f}};
  return palette[static_cast<int>(pick * 5.999f)];
}

void addGlow(Image& image, float cx, float cy, float sigma, const Colour& colour, float reach) {
  const int r = static_cast<int>(std::ceil(reach));
  const int x0 = static_cast<int>(std::floor(cx));
  const int y0 = static_cast<int>(std::floor(cy));
  for (int y = y0 - r; y <= y0 + r; ++y) {
    for (int x = x0 - r; x <= x0 + r; ++x) {
      if (x < 0 || y < 0 || x >= image.width || y >= image.height) continue;
      const float dx = static_cast<float>(x) + 0.5f - cx;
      const float dy = static_cast<float>(y) + 0.5f - cy;
      const float w = std::exp(-(dx * dx + dy * dy) / (2.0f * sigma * sigma));
      Colour& p = pixelAt(image, x, y);
      p = addColour(p, scaleColour(colour, w));
    }
  }
}

// Thin cross-shaped rays of the brightest stars.
void addSpikes(Image& image, float cx, float cy, float length, const Colour& colour) {
  const int r = static_cast<int>(length * 3.0f);
  for (int d = -r; d <= r; ++d) {
    for (int w = -2; w <= 2; ++w) {
      const float along = std::exp(-std::fabs(static_cast<float>(d)) / length);
      const int xs[2] = {static_cast<int>(cx) + d, static_cast<int>(cx) + w};
      const int ys[2] = {static_cast<int>(cy) + w, static_cast<int>(cy) + d};
      const float across = std::exp(-static_cast<float>(w * w) / 0.7f);
      for (int k = 0; k < 2; ++k) {
        if (xs[k] < 0 || ys[k] < 0 || xs[k] >= image.width || ys[k] >= image.height) continue;
        Colour& p = pixelAt(image, xs[k], ys[k]);
        p = addColour(p, scaleColour(colour, along * across * 0.5f));
      }
    }
  }
}

}  // namespace

Image makeBackdropPicture() {
  Image image = makeImage(side, side, Colour{0, 0, 0});
  for (int y = 0; y < side; ++y) {
    for (int x = 0; x < side; ++x) {
      const float u = (static_cast<float>(x) + 0.5f) / side;
      const float v = (static_cast<float>(y) + 0.5f) / side;
      pixelAt(image, x, y) = skyAt(u, v);
    }
  }

  Rng rng = makeRng(20240611ull);
  int placed = 0;
  while (placed < 4200) {
    const float u = nextUnit(rng);
    const float v = nextUnit(rng);
    const float keep = nextUnit(rng);
    const float brightness = std::pow(nextUnit(rng), 7.0f);
    const float pick = nextUnit(rng);
    // More stars crowd into the band, as they do along a galaxy's plane.
    if (keep > 0.3f + 0.7f * bandWeight(u, v)) continue;
    ++placed;
    const float amplitude = 0.03f + 0.12f * nextUnit(rng) + 1.2f * brightness;
    const float sigma = 0.45f + 0.6f * brightness;
    addGlow(image, u * side, v * side, sigma, scaleColour(starColour(pick), amplitude), 3.0f);
  }

  for (int i = 0; i < 14; ++i) {
    const float cx = nextRange(rng, 20.0f, side - 20.0f);
    const float cy = nextRange(rng, 20.0f, side - 20.0f);
    const Colour colour = starColour(nextUnit(rng));
    addGlow(image, cx, cy, 0.9f, scaleColour(colour, 1.6f), 4.0f);
    addGlow(image, cx, cy, 4.5f, scaleColour(colour, 0.10f), 14.0f);
    if (i % 2 == 0) addSpikes(image, cx, cy, nextRange(rng, 3.0f, 6.0f), scaleColour(colour, 0.6f));
  }

  // Soft roll-off keeps star cores from clipping into flat discs.
  for (Colour& p : image.pixels) {
    p = {1.0f - std::exp(-1.3f * p.r), 1.0f - std::exp(-1.3f * p.g), 1.0f - std::exp(-1.3f * p.b)};
  }
  return image;
}

}  // namespace tools
