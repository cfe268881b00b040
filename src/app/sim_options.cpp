// velmora-sim's command line: the options, their allowed values, and the one
// line of error a bad one gets. Values come from the user's shell and may hold
// anything, so they are shown escaped and cut short.
#include "app/sim_options.h"

#include <cstring>
#include <string>

#include "app/command_line.h"

namespace app {

const char* const kSimUsage =
    "usage: velmora-sim [--nodes N] [--matches M] [--seed S] [--speed V] [--max-turns T]\n"
    "                   [--match NAME] [--trace | --csv] [--help]\n"
    "Plays M matches on boards of N nodes without a window and prints a summary line.\n"
    "  --nodes N      120..510 in steps of 15 (default 120)\n"
    "  --matches M    matches to play, one after another (default 1)\n"
    "  --seed S       0..4294967295; the same seed plays the same matches (default: the clock)\n"
    "  --speed V      1, 2, 4, 8 or 16; changes the frames a move takes, never a decision\n"
    "  --max-turns T  a match still open after T turns ends undecided (default 2000)\n"
    "  --match NAME   plays the one match of that name, as --trace and --csv name each match\n"
    "                 (with the same N); not with --matches or --seed\n"
    "  --trace        every turn: the side that moved and every piece's node, life and state\n"
    "  --csv          one comma-separated row per match after a header, instead of the summary\n"
    "  --help, -h     this text\n";

namespace {

constexpr const char* kProgram = "velmora-sim";
constexpr OptionRule kMatchesRule{"--matches", "a whole number from 1 to 2147483647"};
constexpr OptionRule kSeedRule{"--seed", "a whole number from 0 to 4294967295"};
constexpr OptionRule kTurnsRule{"--max-turns", "a whole number from 1 to 2147483647"};

bool reject(std::FILE* err, const OptionRule& rule, const char* value) {
  return rejectValue(err, kProgram, rule, value);
}

bool isFlag(const char* arg, const char* name) { return std::strcmp(arg, name) == 0; }

}  // namespace

bool parseSimOptions(int argc, const char* const* argv, std::uint32_t defaultSeed,
                     game::SimOptions& options, std::FILE* err) {
  options = game::SimOptions{};
  options.seed = defaultSeed;
  bool matchesGiven = false;
  bool seedGiven = false;
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
    for (const OptionRule* r :
         {&kNodesRule, &kMatchesRule, &kSeedRule, &kSpeedRule, &kTurnsRule, &kMatchRule}) {
      if (isFlag(arg, r->name)) rule = r;
    }
    if (rule == nullptr) {
      std::fprintf(err, "%s: unknown argument %s; see --help\n", kProgram,
                   quotedArgument(arg).c_str());
      return false;
    }
    const char* value = i + 1 < argc ? argv[++i] : nullptr;
    if (value == nullptr) return reject(err, *rule, value);
    unsigned long long v = 0;
    if (rule == &kNodesRule) {
      if (!readNodes(value, &options.nodes)) return reject(err, *rule, value);
    } else if (rule == &kMatchesRule) {
      if (!parseNumber(value, 1, 2147483647, v)) return reject(err, *rule, value);
      options.matches = static_cast<long long>(v);
      matchesGiven = true;
    } else if (rule == &kSeedRule) {
      if (!parseNumber(value, 0, 4294967295u, v)) return reject(err, *rule, value);
      options.seed = static_cast<std::uint32_t>(v);
      seedGiven = true;
    } else if (rule == &kSpeedRule) {
      if (!readSpeed(value, &options.speed)) return reject(err, *rule, value);
    } else if (rule == &kMatchRule) {
      if (!game::parseMatchName(value, &options.match)) return reject(err, *rule, value);
      options.named = true;
    } else {
      if (!parseNumber(value, 1, 2147483647, v)) return reject(err, *rule, value);
      options.maxTurns = static_cast<long long>(v);
    }
  }
  if (options.named && (matchesGiven || seedGiven)) {
    std::fprintf(err, "%s: --match plays one named match; it takes neither --matches nor --seed\n",
                 kProgram);
    return false;
  }
  if (options.trace && options.csv) {
    std::fprintf(err, "%s: --trace and --csv cannot be combined; see --help\n", kProgram);
    return false;
  }
  return true;
}

}  // namespace app
