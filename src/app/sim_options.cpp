// velmora-sim's command line: the options, their allowed values, and the one
// line of error a bad one gets. Values come from the user's shell and may hold
// anything, so they are shown escaped and cut short.
#include "app/sim_options.h"

#include <cstring>
#include <string>

#include "app/command_line.h"
#include "state/move_speeds.h"

namespace app {

const char* const kSimUsage =
    "usage: velmora-sim [--nodes N] [--matches M] [--seed S] [--speed V] [--max-turns T]\n"
    "                   [--trace | --csv] [--help]\n"
    "Plays M matches on boards of N nodes without a window and prints a summary line.\n"
    "  --nodes N      120..510 in steps of 15 (default 120)\n"
    "  --matches M    matches to play, one after another (default 1)\n"
    "  --seed S       0..4294967295; the same seed plays the same matches (default: the clock)\n"
    "  --speed V      1, 2, 4, 8 or 16; changes the frames a move takes, never a decision\n"
    "  --max-turns T  a match still open after T turns ends undecided (default 2000)\n"
    "  --trace        every turn: the side that moved and every piece's node, life and state\n"
    "  --csv          one comma-separated row per match after a header, instead of the summary\n"
    "  --help, -h     this text\n";

namespace {

struct OptionRule {
  const char* name;
  const char* allowed;
};

constexpr OptionRule kNodesRule{"--nodes", "120..510 in steps of 15"};
constexpr OptionRule kMatchesRule{"--matches", "a whole number from 1 to 2147483647"};
constexpr OptionRule kSeedRule{"--seed", "a whole number from 0 to 4294967295"};
constexpr OptionRule kSpeedRule{"--speed", "1, 2, 4, 8 or 16"};
constexpr OptionRule kTurnsRule{"--max-turns", "a whole number from 1 to 2147483647"};

bool reject(std::FILE* err, const OptionRule& rule, const char* value) {
  if (value == nullptr) {
    std::fprintf(err, "velmora-sim: %s needs a value: %s\n", rule.name, rule.allowed);
  } else {
    std::fprintf(err, "velmora-sim: bad value %s for %s: allowed is %s\n",
                 quotedArgument(value).c_str(), rule.name, rule.allowed);
  }
  return false;
}

bool isFlag(const char* arg, const char* name) { return std::strcmp(arg, name) == 0; }

}  // namespace

bool parseSimOptions(int argc, const char* const* argv, std::uint32_t defaultSeed,
                     game::SimOptions& options, std::FILE* err) {
  options = game::SimOptions{};
  options.seed = defaultSeed;
  for (int i = 1; i < argc; ++i) {
    const char* arg = argv[i];
    if (isFlag(arg, "--help") || isFlag(arg, "-h")) {
      options.help = true;
      return true;
    }
    if (isFlag(arg, "--trace")) {
      options.trace = true;
      continue;
    }
    if (isFlag(arg, "--csv")) {
      options.csv = true;
      continue;
    }
    const OptionRule* rule = nullptr;
    for (const OptionRule* r : {&kNodesRule, &kMatchesRule, &kSeedRule, &kSpeedRule, &kTurnsRule}) {
      if (isFlag(arg, r->name)) rule = r;
    }
    if (rule == nullptr) {
      std::fprintf(err, "velmora-sim: unknown argument %s; see --help\n",
                   quotedArgument(arg).c_str());
      return false;
    }
    const char* value = i + 1 < argc ? argv[++i] : nullptr;
    if (value == nullptr) return reject(err, *rule, value);
    unsigned long long v = 0;
    if (rule == &kNodesRule) {
      if (!parseNumber(value, 120, 510, v) || v % 15 != 0) return reject(err, *rule, value);
      options.nodes = static_cast<int>(v);
    } else if (rule == &kMatchesRule) {
      if (!parseNumber(value, 1, 2147483647, v)) return reject(err, *rule, value);
      options.matches = static_cast<long long>(v);
    } else if (rule == &kSeedRule) {
      if (!parseNumber(value, 0, 4294967295u, v)) return reject(err, *rule, value);
      options.seed = static_cast<std::uint32_t>(v);
    } else if (rule == &kSpeedRule) {
      if (!parseNumber(value, 1, 2147483647, v) || !game::isMoveSpeed(static_cast<float>(v))) {
        return reject(err, *rule, value);
      }
      options.speed = static_cast<float>(v);
    } else {
      if (!parseNumber(value, 1, 2147483647, v)) return reject(err, *rule, value);
      options.maxTurns = static_cast<long long>(v);
    }
  }
  if (options.trace && options.csv) {
    std::fprintf(err, "velmora-sim: --trace and --csv cannot be combined; see --help\n");
    return false;
  }
  return true;
}

}  // namespace app
