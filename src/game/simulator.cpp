// velmora-sim's match loop and what it writes: the trace, the CSV rows and the
// summary. Each match is set up exactly as F1 sets it up and then played frame
// by frame through runFrameLogic; the Enter the game waits for between turns
// is given at once.
#include "game/simulator.h"

#include "armies/armies.h"
#include "armies/sides.h"
#include "board/board.h"
#include "game/frame_logic.h"
#include "game/match_control.h"
#include "game/match_csv.h"
#include "game/match_trace.h"
#include "state/checks.h"
#include "state/game_state.h"
#include "state/random.h"

namespace game {

namespace {

// No turn can take this many frames: it is a bound on the list lengths
// times the frames of one move, with a wide margin.
constexpr long long kFrameLimitPerTurn = 1000000;

const char* stanceName(int squadSize, int nodes) {
  const std::optional<armies::Stance> stance = armies::stanceOfSquadSize(squadSize, nodes);
  VELMORA_CHECK(stance.has_value(), "a squad size that is no stance's");
  return kCsvStanceNames[*stance];
}

void writeCsvRow(TraceOutput& out, const MatchRecord& m) {
  emitTrace(out, "%lld,%d,%dx%d,%d,%d,%s,%s,%s,%s,%lld,%d,%d,%s\n", m.number, m.nodes, m.columns,
            m.rows, m.squadPiramides, m.squadEsferas, stanceName(m.squadPiramides, m.nodes),
            stanceName(m.squadEsferas, m.nodes), kCsvSideNames[m.opening], kCsvSideNames[m.winner],
            m.turns, m.alivePiramides, m.aliveEsferas, formatMatchName(m.name).c_str());
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

int runSimulation(const SimOptions& options, std::FILE* file) {
  resetGameState();
  seedRandom(options.seed);
  setGamePhase(NodeEntry);
  setNodeCount(options.nodes);
  setOpeningSide(1);
  setMoveSpeed(options.speed);
  if (options.named) queueNamedMatch(options.match);

  TraceOutput out{file};
  if (options.csv) emitTrace(out, "%s\n", kMatchCsvHeader);
  long long wins[3] = {0, 0, 0};  // by armies::Side
  long long undecided = 0;
  long long totalTurns = 0;
  for (long long match = 1; match <= options.matches && out.error == 0; ++match) {
    startMatch();
    MatchRecord m = recordMatchSetUp(match);
    if (options.trace) traceMatchStart(out, m);

    for (;;) {
      playTurn();
      ++m.turns;
      if (options.trace) traceTurn(out, m.turns);
      if (gamePhase() == PiramidesWon || gamePhase() == EsferasWon) {
        m.winner = gamePhase() == PiramidesWon ? armies::Piramides : armies::Esferas;
        ++wins[m.winner];
        break;
      }
      if (m.turns == options.maxTurns) {
        ++undecided;
        break;
      }
      pressEnter();
    }
    totalTurns += m.turns;
    recordAlivePieces(m);
    if (options.trace) traceMatchEnd(out, m);
    if (options.csv) writeCsvRow(out, m);
  }
  if (!options.csv) {
    emitTrace(out, "summary matches=%lld piramides=%lld esferas=%lld undecided=%lld turns=%lld\n",
              options.matches, wins[armies::Piramides], wins[armies::Esferas], undecided,
              totalTurns);
  }
  return out.error;
}

}  // namespace game
