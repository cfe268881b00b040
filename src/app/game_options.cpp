// The game's options. freeglut's glutInit takes its own X options out of the
// arguments later; they pass here untouched, with their values.
#include "app/game_options.h"

#include <cstring>

#include "app/command_line.h"

namespace app {

const char* const kGameUsage =
    "usage: velmora [--window] [--nodes N] [--speed V] [--match NAME] [--trace FILE]\n"
    "               [--watch] [--help] [--version] [-display NAME]\n"
    "Pyramids against spheres, turn by turn, on a random board, in 3D.\n"
    "  --window       play in an ordinary window (1024x768 to start, resizable;\n"
    "                 F11 switches it to full screen and back) instead of the\n"
    "                 full-screen 1024x768 mode at 75 Hz\n"
    "  --nodes N      the board size the entry screen starts at: 120..510 in steps of 15\n"
    "  --speed V      the move speed to start with: 1, 2, 4, 8 or 16\n"
    "  --match NAME   the first match set up is the one of that name, as velmora-sim names\n"
    "                 its matches (with the same N); the ones after it follow as there\n"
    "  --trace FILE   writes every match played as velmora-sim --trace prints it\n"
    "  --watch        presses Enter for you: a second after each turn, five after a win\n"
    "  --help, -h     this text\n"
    "  --version      the version\n"
    "  -display NAME  the X display to show on (and freeglut's other X options)\n"
    "Keys: + and - set the board size, Enter starts and continues, F1 a new match,\n"
    "F2 back to the board size, F5 pauses, 1 2 3 the camera, Esc quits (man 6 velmora).\n";

namespace {

constexpr const char* kProgram = "velmora";
constexpr OptionRule kTraceRule{"--trace", "the name of a file to write"};

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

// Reads the value of one of our options; false, said on `err`, for a bad one.
bool readValue(const OptionRule& rule, const char* value, GameOptions& options, std::FILE* err) {
  bool good = false;
  if (value == nullptr) {
    // none given: said below
  } else if (&rule == &kNodesRule) {
    good = readNodes(value, &options.nodes);
  } else if (&rule == &kSpeedRule) {
    good = readSpeed(value, &options.speed);
  } else if (&rule == &kMatchRule) {
    good = game::parseMatchName(value, &options.match);
    options.named = good;
  } else {
    good = *value != '\0';
    options.trace = value;
  }
  return good || rejectValue(err, kProgram, rule, value);
}

}  // namespace

bool parseGameOptions(int argc, const char* const* argv, GameOptions& options, std::FILE* err) {
  options = GameOptions{};
  for (int i = 1; i < argc; ++i) {
    const char* arg = argv[i];
    const char* next = i + 1 < argc ? argv[i + 1] : nullptr;
    const OptionRule* rule = nullptr;
    for (const OptionRule* r : {&kNodesRule, &kSpeedRule, &kMatchRule, &kTraceRule}) {
      if (is(arg, r->name)) rule = r;
    }
    if (rule != nullptr) {
      if (!readValue(*rule, next, options, err)) return false;
      ++i;
    } else if (is(arg, "--help") || is(arg, "-h")) {
      options.help = true;
    } else if (is(arg, "--version")) {
      options.version = true;
    } else if (is(arg, "--window")) {
      options.window = true;
    } else if (is(arg, "--watch")) {
      options.watch = true;
    } else if (const XOption* x = xOption(arg)) {
      if (!x->takesValue) continue;
      if (next == nullptr) {
        std::fprintf(err, "%s: %s needs a value; see --help\n", kProgram, arg);
        return false;
      }
      if (is(arg, "-display")) options.display = next;
      ++i;
    } else {
      std::fprintf(err, "%s: unknown argument %s; see --help\n", kProgram,
                   quotedArgument(arg).c_str());
      return false;
    }
  }
  return true;
}

}  // namespace app
