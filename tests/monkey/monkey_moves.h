// The monkey's moves: seeded random real input for the game, as xdotool
// commands and pauses. Keys are weighted towards the game's own; there are
// bursts, arrows held, drags with either or both buttons, and view changes
// while keys and buttons are held. A move releases everything it pressed
// before it ends, and never presses Escape, so that the driver can judge the
// game between moves and end it itself.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace monkey {

// splitmix64: the same seed gives the same numbers on every machine and
// standard library, which std's distributions do not promise.
class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed) {}
  std::uint64_t next();
  // A number in [0, n); n > 0.
  int below(int n);
  // A number in [low, high].
  int between(int low, int high) { return low + below(high - low + 1); }

 private:
  std::uint64_t state_;
};

struct Action {
  // xdotool's arguments ("keydown", "Up"); empty for a pause of `pauseMs`.
  std::vector<std::string> xdotool;
  int pauseMs = 0;
};

struct Move {
  std::string kind;  // "tap", "burst", "arrows", "drag", "held-view", "wait", ...
  std::vector<Action> actions;
};

// The next move; the sequence depends on the seed of `random` alone.
Move nextMove(Random& random);

// One line for logs: the move's kind and its actions.
std::string describe(const Move& move);

}  // namespace monkey
