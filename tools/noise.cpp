// Integer hashing, splitmix64, and tileable gradient and cellular noise.
// Everything is computed from integer lattice hashes, never from rand().

#include "noise.h"

#include <cmath>

namespace tools {

namespace {

constexpr float twoPi = 6.28318530718f;

int wrapIndex(int i, int period) {
  int m = i % period;
  return m < 0 ? m + period : m;
}

float fade(float t) { return t * t * t * (t * (t * 6.0f - 15.0f) + 10.0f); }

float cornerDot(int ix, int iy, float dx, float dy, std::uint32_t seed) {
  const float angle = hashUnit(ix, iy, seed) * twoPi;
  return std::cos(angle) * dx + std::sin(angle) * dy;
}

}  // namespace

std::uint32_t hashInts(std::int32_t x, std::int32_t y, std::uint32_t seed) {
  std::uint32_t h = seed * 0x9e3779b9u;
  h ^= static_cast<std::uint32_t>(x) * 0x85ebca6bu;
  h = (h << 13) | (h >> 19);
  h ^= static_cast<std::uint32_t>(y) * 0xc2b2ae35u;
  // lowbias32 finaliser
  h ^= h >> 16;
  h *= 0x7feb352du;
  h ^= h >> 15;
  h *= 0x846ca68bu;
  h ^= h >> 16;
  return h;
}

float hashUnit(std::int32_t x, std::int32_t y, std::uint32_t seed) {
  return static_cast<float>(hashInts(x, y, seed) >> 8) * (1.0f / 16777216.0f);
}

Rng makeRng(std::uint64_t seed) { return Rng{seed}; }

std::uint64_t nextRandom(Rng& rng) {
  rng.state += 0x9e3779b97f4a7c15ull;
  std::uint64_t z = rng.state;
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
  return z ^ (z >> 31);
}

float nextUnit(Rng& rng) {
  return static_cast<float>(nextRandom(rng) >> 40) * (1.0f / 16777216.0f);
}

float nextRange(Rng& rng, float low, float high) { return low + (high - low) * nextUnit(rng); }

float gradientNoise(float x, float y, int period, std::uint32_t seed) {
  const float fx = std::floor(x);
  const float fy = std::floor(y);
  const int x0 = static_cast<int>(fx);
  const int y0 = static_cast<int>(fy);
  const float dx = x - fx;
  const float dy = y - fy;
  const int ax = wrapIndex(x0, period);
  const int bx = wrapIndex(x0 + 1, period);
  const int ay = wrapIndex(y0, period);
  const int by = wrapIndex(y0 + 1, period);

  const float n00 = cornerDot(ax, ay, dx, dy, seed);
  const float n10 = cornerDot(bx, ay, dx - 1.0f, dy, seed);
  const float n01 = cornerDot(ax, by, dx, dy - 1.0f, seed);
  const float n11 = cornerDot(bx, by, dx - 1.0f, dy - 1.0f, seed);
  const float u = fade(dx);
  const float v = fade(dy);
  const float top = n00 + (n10 - n00) * u;
  const float bottom = n01 + (n11 - n01) * u;
  return 1.41421356f * (top + (bottom - top) * v);
}

float fractalNoise(float u, float v, int basePeriod, int octaves, float gain, std::uint32_t seed) {
  float sum = 0.0f;
  float norm = 0.0f;
  float amplitude = 1.0f;
  int period = basePeriod;
  for (int i = 0; i < octaves; ++i) {
    const float f = static_cast<float>(period);
    sum += amplitude *
           gradientNoise(u * f, v * f, period, seed + 7919u * static_cast<std::uint32_t>(i));
    norm += amplitude;
    amplitude *= gain;
    period *= 2;
  }
  return sum / norm;
}

float turbulence(float u, float v, int basePeriod, int octaves, float gain, std::uint32_t seed) {
  float sum = 0.0f;
  float norm = 0.0f;
  float amplitude = 1.0f;
  int period = basePeriod;
  for (int i = 0; i < octaves; ++i) {
    const float f = static_cast<float>(period);
    sum += amplitude * std::fabs(gradientNoise(u * f, v * f, period,
                                               seed + 7919u * static_cast<std::uint32_t>(i)));
    norm += amplitude;
    amplitude *= gain;
    period *= 2;
  }
  return sum / norm;
}

CellSample cellNoise(float u, float v, int cells, std::uint32_t seed) {
  const float x = u * static_cast<float>(cells);
  const float y = v * static_cast<float>(cells);
  const int cx = static_cast<int>(std::floor(x));
  const int cy = static_cast<int>(std::floor(y));
  CellSample best{1e9f, 1e9f, 0u};
  for (int oy = -1; oy <= 1; ++oy) {
    for (int ox = -1; ox <= 1; ++ox) {
      const int gx = cx + ox;
      const int gy = cy + oy;
      const int wx = wrapIndex(gx, cells);
      const int wy = wrapIndex(gy, cells);
      const float px = static_cast<float>(gx) + hashUnit(wx, wy, seed);
      const float py = static_cast<float>(gy) + hashUnit(wx, wy, seed ^ 0x5bd1e995u);
      const float d = std::hypot(px - x, py - y);
      if (d < best.nearest) {
        best.second = best.nearest;
        best.nearest = d;
        best.cellId = hashInts(wx, wy, seed + 1u);
      } else if (d < best.second) {
        best.second = d;
      }
    }
  }
  return best;
}

}  // namespace tools
