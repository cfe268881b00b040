// The game's command line: its own options, and the X options that freeglut
// reads (-display NAME and the like), which are left for glutInit. The
// values it shares with velmora-sim are read and checked as velmora-sim does.
#pragma once

#include <cstdio>

#include "game/match_name.h"

namespace app {

struct GameOptions {
  bool window = false;  // an ordinary window instead of the game mode
  int nodes = 120;      // the entry screen's board size
  float speed = 1;      // the move speed to start with
  bool named = false;   // the next match set up is `match`
  game::MatchName match;
  const char* trace = nullptr;    // the file the matches played are traced into
  bool watch = false;             // Enter pressed for the user
  bool help = false;              // print kGameUsage and start nothing
  bool version = false;           // print the version and start nothing
  const char* display = nullptr;  // freeglut's -display NAME, when given
};

// The text --help prints.
extern const char* const kGameUsage;

// Reads the command line into `options`. On an unknown option or a bad or
// missing value writes one line to `err` and returns false.
bool parseGameOptions(int argc, const char* const* argv, GameOptions& options, std::FILE* err);

}  // namespace app
