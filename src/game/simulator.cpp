// velmora-sim's command line and match loop. Each match is set up exactly as
// F1 sets it up and then played frame by frame through runFrameLogic; the
// Enter the game waits for between turns is given at once.
#include "game/simulator.h"

#include <cinttypes>
#include <cstring>
#include <string>

#include "armies/armies.h"
#include "board/board.h"
#include "game/checks.h"
#include "game/frame_logic.h"
#include "game/game_state.h"
#include "game/move_speeds.h"
#include "game/random.h"
#include "game/sides.h"
#include "input/match_control.h"

namespace game {

namespace {

constexpr const char* kUsage =
    "usage: velmora-sim [--nodes N] [--matches M] [--seed S] [--speed V] [--max-turns T] "
    "[--trace]";

// No turn can take this many frames: it is a bound on the list lengths
// times the frames of one move, with a wide margin.
constexpr long long kFrameLimitPerTurn = 1000000;

// A whole decimal number, digits only, within [low, high].
bool parseNumber(const char* text, unsigned long long low, unsigned long long high,
                 unsigned long long& value) {
  if (*text == '\0') return false;
  unsigned long long v = 0;
  for (const char* c = text; *c != '\0'; ++c) {
    if (*c < '0' || *c > '9') return false;
    v = v * 10 + static_cast<unsigned>(*c - '0');
    if (v > high) return false;
  }
  if (v < low) return false;
  value = v;
  return true;
}

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
    std::fprintf(err, "velmora-sim: bad value \"%s\" for %s: allowed is %s\n", value, rule.name,
                 rule.allowed);
  }
  return false;
}

const char* sideName(armies::Side side) {
  return side == armies::Piramides ? "PIRAMIDES" : "ESFERAS";
}

void tracePieces(std::string& line, char label, const std::vector<armies::Piece>& pieces) {
  line.assign(1, label);
  char buffer[48];
  for (const armies::Piece& p : pieces) {
    std::snprintf(buffer, sizeof buffer, " %d,%d,%d", p.node, p.alive, static_cast<int>(p.state));
    line += buffer;
  }
  line += '\n';
}

void traceTurn(std::FILE* out, long long turn) {
  // The turn has passed: turnSide now names the side to move next.
  const armies::Side moved = armies::enemyOf(sideToMove());
  std::fprintf(out, "turn %lld %s phase=%d\n", turn, sideName(moved), static_cast<int>(gamePhase()));
  std::string line;
  tracePieces(line, 'P', armies::armyPiramides);
  std::fputs(line.c_str(), out);
  tracePieces(line, 'E', armies::armyEsferas);
  std::fputs(line.c_str(), out);
}

// Plays frames until the side to move has finished its turn.
void playTurn() {
  long long frames = 0;
  do {
    runFrameLogic();
    VELMORA_CHECK(++frames < kFrameLimitPerTurn, "a turn that never ends");
  } while (awaitingEnter() == 0);
}

}  // namespace

bool parseSimOptions(int argc, const char* const* argv, std::uint32_t defaultSeed,
                     SimOptions& options, std::FILE* err) {
  options = SimOptions{};
  options.seed = defaultSeed;
  for (int i = 1; i < argc; ++i) {
    const char* arg = argv[i];
    if (std::strcmp(arg, "--trace") == 0) {
      options.trace = true;
      continue;
    }
    const OptionRule* rule = nullptr;
    for (const OptionRule* r : {&kNodesRule, &kMatchesRule, &kSeedRule, &kSpeedRule, &kTurnsRule}) {
      if (std::strcmp(arg, r->name) == 0) rule = r;
    }
    if (rule == nullptr) {
      std::fprintf(err, "velmora-sim: unknown argument \"%s\"; %s\n", arg, kUsage);
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
      if (!parseNumber(value, 1, 2147483647, v) || !isMoveSpeed(static_cast<float>(v))) {
        return reject(err, *rule, value);
      }
      options.speed = static_cast<float>(v);
    } else {
      if (!parseNumber(value, 1, 2147483647, v)) return reject(err, *rule, value);
      options.maxTurns = static_cast<long long>(v);
    }
  }
  return true;
}

void runSimulation(const SimOptions& options, std::FILE* out) {
  resetGameState();
  seedRandom(options.seed);
  setGamePhase(NodeEntry);
  setNodeCount(options.nodes);
  setOpeningSide(1);
  setMoveSpeed(options.speed);

  long long wins[2] = {0, 0};  // Piramides, Esferas
  long long undecided = 0;
  long long totalTurns = 0;
  for (long long match = 1; match <= options.matches; ++match) {
    const long long boardsBefore = board::boardsMade();
    input::startMatch();
    if (options.trace) {
      const board::Board& b = *board::currentBoard();
      const armies::Side opening = sideToMove();
      std::fprintf(out, "match %lld nodes=%d grid=%dx%d boards=%lld squads=%d/%d opening=%s\n", match,
                   options.nodes, b.columns, b.rows, board::boardsMade() - boardsBefore,
                   squadSizePiramides(), squadSizeEsferas(), sideName(opening));
    }

    long long turns = 0;
    const char* winner = "none";
    for (;;) {
      playTurn();
      ++turns;
      if (options.trace) traceTurn(out, turns);
      if (gamePhase() == PiramidesWon || gamePhase() == EsferasWon) {
        const bool piramides = gamePhase() == PiramidesWon;
        ++wins[piramides ? 0 : 1];
        winner = piramides ? "PIRAMIDES" : "ESFERAS";
        break;
      }
      if (turns == options.maxTurns) {
        ++undecided;
        break;
      }
      input::pressEnter();
    }
    totalTurns += turns;
    if (options.trace) std::fprintf(out, "result %lld winner=%s turns=%lld\n", match, winner, turns);
  }
  std::fprintf(out, "summary matches=%lld piramides=%lld esferas=%lld undecided=%lld turns=%lld\n",
               options.matches, wins[0], wins[1], undecided, totalTurns);
}

}  // namespace game
