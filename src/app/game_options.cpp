// The game's options. freeglut's glutInit takes its own X options out of the
// arguments later; they pass here untouched, with their values.
#include "app/game_options.h"

#include <cstring>

#include "app/command_line.h"

namespace app {

const char* const kGameUsage =
    "usage: velmora [--window] [--help] [--version] [-display NAME]\n"
    "Pyramids against spheres, turn by turn, on a random board, in 3D.\n"
    "  --window       play in an ordinary window (1024x768 to start, resizable;\n"
    "                 F11 switches it to full screen and back) instead of the\n"
    "                 full-screen 1024x768 mode at 75 Hz\n"
    "  --help, -h     this text\n"
    "  --version      the version\n"
    "  -display NAME  the X display to show on (and freeglut's other X options)\n"
    "Keys: + and - set the board size, Enter starts and continues, F1 a new match,\n"
    "F2 back to the board size, F5 pauses, 1 2 3 the camera, Esc quits (man 6 velmora).\n";

namespace {

bool is(const char* arg, const char* name) { return std::strcmp(arg, name) == 0; }

// freeglut's X options, with whether each takes a value.
struct XOption {
  const char* name;
  bool takesValue;
};
constexpr XOption kXOptions[] = {
    {"-display", true}, {"-geometry", true}, {"-direct", false}, {"-indirect", false},
    {"-iconic", false}, {"-gldebug", false}, {"-sync", false},
};

const XOption* xOption(const char* arg) {
  for (const XOption& option : kXOptions) {
    if (is(arg, option.name)) return &option;
  }
  return nullptr;
}

}  // namespace

bool parseGameOptions(int argc, const char* const* argv, GameOptions& options, std::FILE* err) {
  options = GameOptions{};
  for (int i = 1; i < argc; ++i) {
    const char* arg = argv[i];
    if (is(arg, "--help") || is(arg, "-h")) {
      options.help = true;
    } else if (is(arg, "--version")) {
      options.version = true;
    } else if (is(arg, "--window")) {
      options.window = true;
    } else if (const XOption* x = xOption(arg)) {
      if (!x->takesValue) continue;
      if (i + 1 >= argc) {
        std::fprintf(err, "velmora: %s needs a value; see --help\n", arg);
        return false;
      }
      if (is(arg, "-display")) options.display = argv[i + 1];
      ++i;
    } else {
      std::fprintf(err, "velmora: unknown argument %s; see --help\n", quotedArgument(arg).c_str());
      return false;
    }
  }
  return true;
}

}  // namespace app
