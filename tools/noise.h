// Deterministic noise for the picture generators: hashing, a seeded random
// sequence, and gradient and cellular noise that repeat exactly over a tile.
#pragma once

#include <cstdint>

namespace tools {

std::uint32_t hashInts(std::int32_t x, std::int32_t y, std::uint32_t seed);
// A hash mapped to 0..1.
float hashUnit(std::int32_t x, std::int32_t y, std::uint32_t seed);

// A small seeded generator (splitmix64) so every run draws the same values.
struct Rng {
  std::uint64_t state;
};
Rng makeRng(std::uint64_t seed);
std::uint64_t nextRandom(Rng& rng);
float nextUnit(Rng& rng);  // 0 <= value < 1
float nextRange(Rng& rng, float low, float high);

// Gradient noise about -1..1 at lattice coordinates (x, y); the lattice wraps
// after `period` cells in both directions, so the field tiles.
float gradientNoise(float x, float y, int period, std::uint32_t seed);

// Sums of octaves over the unit tile (u, v in 0..1): the first octave has
// `basePeriod` lattice cells across the tile and each next one twice as many.
// fractalNoise stays about -1..1; turbulence (absolute values) about 0..1.
float fractalNoise(float u, float v, int basePeriod, int octaves, float gain, std::uint32_t seed);
float turbulence(float u, float v, int basePeriod, int octaves, float gain, std::uint32_t seed);

// Cellular noise over the unit tile with `cells` x `cells` feature points:
// distances, in cell widths, to the nearest and second-nearest point, and the
// hash of the nearest cell so a caller can tint cells apart.
struct CellSample {
  float nearest;
  float second;
  std::uint32_t cellId;
};
CellSample cellNoise(float u, float v, int cells, std::uint32_t seed);

}  // namespace tools
