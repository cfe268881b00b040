// The one random generator of the game. Every random choice of the rules
// draws from it, so a seed reproduces a match draw for draw on any machine:
// each draw multiplies the state by 214013, adds 2531011, and returns bits
// 16 to 30 of the new state (0..32767).
#pragma once

#include <cstdint>

namespace game {

// Seeds the generator (the state becomes the seed).
void seedRandom(std::uint32_t seed);

// The current state; together with seedRandom it lets a caller save and
// restore the generator, or count the draws made in between.
std::uint32_t randomState();

// One draw, 0..32767.
int drawRandom();

}  // namespace game
