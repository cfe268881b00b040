// velmora-sim: plays matches without a window, through the very frame logic
// the game runs, as fast as the machine allows, as if the user pressed Enter
// as soon as each turn ended.
#pragma once

#include <cstdint>
#include <cstdio>

namespace game {

struct SimOptions {
  int nodes = 120;
  long long matches = 1;
  std::uint32_t seed = 0;
  float speed = 1;
  long long maxTurns = 2000;
  bool trace = false;
};

// Reads the command line into `options`. On a bad or missing value writes one
// line to `err` saying what is wrong and what is allowed, and returns false.
// `defaultSeed` is taken when no --seed is given.
bool parseSimOptions(int argc, const char* const* argv, std::uint32_t defaultSeed,
                     SimOptions& options, std::FILE* err);

// Plays the matches; writes the trace (if asked) and the summary line to `out`.
void runSimulation(const SimOptions& options, std::FILE* out);

}  // namespace game
