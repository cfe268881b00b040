// The game's linear congruential generator.
#include "state/random.h"

namespace game {

namespace {
std::uint32_t state = 1;
}

void seedRandom(std::uint32_t seed) { state = seed; }

std::uint32_t randomState() { return state; }

int drawRandom() {
  state = state * 214013u + 2531011u;
  return static_cast<int>((state >> 16) & 0x7fffu);
}

}  // namespace game
