// velmora-sim: plays matches without a window, through the very frame logic
// the game runs, as fast as the machine allows, as if the user pressed Enter
// as soon as each turn ended.
#pragma once

#include <cstdint>
#include <cstdio>

#include "game/match_name.h"

namespace game {

struct SimOptions {
  int nodes = 120;
  long long matches = 1;
  std::uint32_t seed = 0;
  float speed = 1;
  long long maxTurns = 2000;
  bool named = false;  // the one match `match`, in place of matches from the seed
  MatchName match;
  bool trace = false;
  bool csv = false;   // one row per match in place of the summary; never with trace
  bool help = false;  // print the usage and play nothing
};

// Plays the matches and writes to `out` the summary line, after the trace if
// asked, or else the CSV header and rows alone (game/match_csv.h). Returns 0, or the errno of the
// first write that failed, after which it plays no further match.
int runSimulation(const SimOptions& options, std::FILE* out);

}  // namespace game
