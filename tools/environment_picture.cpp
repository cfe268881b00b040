// The sheen laid additively over the pieces: near-black with broad diagonal
// sweeps of light and a few sharp streaks. It repeats across the tile because
// the game generates texture coordinates that run over it many times per piece.

#include <cmath>

#include "noise.h"
#include "pictures.h"

namespace tools {

namespace {

constexpr int side = 256;

// Signed distance across a diagonal band whose centre line is u + v = offset,
// folded so the band repeats over the tile.
float bandDistance(float u, float v, float offset) {
  float d = u + v - offset;
  d -= std::floor(d + 0.5f);
  return d * 0.70710678f;  // measured across the band, not along u
}

float gauss(float d, float width) {
  const float t = d / width;
  return std::exp(-t * t);
}

struct Streak {
  float offset;
  float width;
  float strength;
};

Colour sheenAt(float u, float v, const Streak* streaks, int streakCount) {
  // A gentle bend so the sweeps read as a curved reflection, not a ruler.
  const float bend = 0.06f * fractalNoise(u, v, 1, 3, 0.5f, 501u);
  const float bu = u + bend;

  const Colour dark{0.015f, 0.02f, 0.035f};
  const Colour cool{0.55f, 0.62f, 0.75f};
  const Colour warm{0.45f, 0.38f, 0.3f};
  const Colour white{1.0f, 1.0f, 1.0f};

  Colour c = dark;
  const float main = bandDistance(bu, v, 0.3f);
  c = addColour(c, scaleColour(cool, 0.5f * gauss(main, 0.15f)));
  c = addColour(c, scaleColour(white, 0.5f * gauss(main, 0.015f)));
  const float second = bandDistance(bu, v, 0.8f);
  c = addColour(c, scaleColour(warm, 0.3f * gauss(second, 0.1f)));

  for (int i = 0; i < streakCount; ++i) {
    const float d = bandDistance(bu, v, streaks[i].offset);
    c = addColour(c, scaleColour(white, streaks[i].strength * gauss(d, streaks[i].width)));
  }

  // Faint mottling keeps the dark part from looking like flat paint.
  const float mottle = 0.5f + 0.5f * fractalNoise(u, v, 4, 4, 0.5f, 502u);
  c = addColour(c, scaleColour(cool, 0.05f * mottle));
  return c;
}

}  // namespace

Image makeEnvironmentPicture() {
  Rng rng = makeRng(77031ull);
  Streak streaks[5];
  for (Streak& s : streaks) {
    s.offset = nextUnit(rng);
    s.width = nextRange(rng, 0.8f, 2.2f) / side;
    s.strength = nextRange(rng, 0.2f, 0.6f);
  }

  Image image = makeImage(side, side, Colour{0, 0, 0});
  for (int y = 0; y < side; ++y) {
    for (int x = 0; x < side; ++x) {
      const float u = static_cast<float>(x) / side;
      const float v = static_cast<float>(y) / side;
      Colour c = sheenAt(u, v, streaks, 5);
      pixelAt(image, x, y) = {clamp01(c.r), clamp01(c.g), clamp01(c.b)};
    }
  }
  return image;
}

}  // namespace tools
