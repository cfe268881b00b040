// The game's command line: its own options, and the X options that freeglut
// reads (-display NAME and the like), which are left for glutInit.
#pragma once

#include <cstdio>

namespace app {

struct GameOptions {
  bool window = false;            // an ordinary window instead of the game mode
  bool help = false;              // print kGameUsage and start nothing
  bool version = false;           // print the version and start nothing
  const char* display = nullptr;  // freeglut's -display NAME, when given
};

// The text --help prints.
extern const char* const kGameUsage;

// Reads the command line into `options`. On an unknown option or a missing
// value writes one line to `err` and returns false.
bool parseGameOptions(int argc, const char* const* argv, GameOptions& options, std::FILE* err);

}  // namespace app
