// velmora-sim's match loop and what it writes: the trace, the CSV rows and the
// summary. Each match is set up exactly as F1 sets it up and then played frame
// by frame through runFrameLogic; the Enter the game waits for between turns
// is given at once.
#include "game/simulator.h"

#include <cerrno>
#include <cstdarg>
#include <string>

#include "armies/armies.h"
#include "armies/sides.h"
#include "board/board.h"
#include "game/frame_logic.h"
#include "game/match_control.h"
#include "game/match_csv.h"
#include "state/checks.h"
#include "state/game_state.h"
#include "state/random.h"

namespace game {

namespace {

// No turn can take this many frames: it is a bound on the list lengths
// times the frames of one move, with a wide margin.
constexpr long long kFrameLimitPerTurn = 1000000;

// Side names by armies::Side, with 0 for no side: the winner of an undecided match.
constexpr const char* kTraceSideNames[] = {"none", "PIRAMIDES", "ESFERAS"};

// The output and the first error in writing it. The errno is kept at once:
// the rules run between two writes and nothing promises they leave it alone.
struct Output {
  std::FILE* file = nullptr;
  int error = 0;
};

__attribute__((format(printf, 2, 3))) void emit(Output& out, const char* format, ...) {
  if (out.error != 0) return;
  std::va_list args;
  va_start(args, format);
  const int written = std::vfprintf(out.file, format, args);
  va_end(args);
  if (written < 0) out.error = errno != 0 ? errno : EIO;
}

// What the trace's match and result lines and a CSV row tell of one match.
struct MatchRecord {
  long long number = 0;
  int columns = 0;
  int rows = 0;
  long long boards = 0;  // boards drawn until one passed the check
  int squadPiramides = 0;
  int squadEsferas = 0;
  armies::Side opening = armies::Piramides;
  int winner = 0;  // an armies::Side, 0 while undecided
  long long turns = 0;
  int alivePiramides = 0;  // at the end
  int aliveEsferas = 0;
};

const char* stanceName(int squadSize, int nodes) {
  const std::optional<armies::Stance> stance = armies::stanceOfSquadSize(squadSize, nodes);
  VELMORA_CHECK(stance.has_value(), "a squad size that is no stance's");
  return kCsvStanceNames[*stance];
}

int alivePieces(const std::vector<armies::Piece>& pieces) {
  int alive = 0;
  for (const armies::Piece& p : pieces) alive += p.alive;
  return alive;
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

void traceTurn(Output& out, long long turn) {
  // The turn has passed: turnSide now names the side to move next.
  const armies::Side moved = armies::enemyOf(armies::sideToMove());
  emit(out, "turn %lld %s phase=%d\n", turn, kTraceSideNames[moved], static_cast<int>(gamePhase()));
  std::string line;
  tracePieces(line, 'P', armies::armyPiramides);
  emit(out, "%s", line.c_str());
  tracePieces(line, 'E', armies::armyEsferas);
  emit(out, "%s", line.c_str());
}

void traceMatchStart(Output& out, const SimOptions& options, const MatchRecord& m) {
  emit(out, "match %lld nodes=%d grid=%dx%d boards=%lld squads=%d/%d opening=%s\n", m.number,
       options.nodes, m.columns, m.rows, m.boards, m.squadPiramides, m.squadEsferas,
       kTraceSideNames[m.opening]);
}

void traceMatchEnd(Output& out, const MatchRecord& m) {
  emit(out, "result %lld winner=%s turns=%lld\n", m.number, kTraceSideNames[m.winner], m.turns);
}

void writeCsvRow(Output& out, const SimOptions& options, const MatchRecord& m) {
  emit(out, "%lld,%d,%dx%d,%d,%d,%s,%s,%s,%s,%lld,%d,%d\n", m.number, options.nodes, m.columns,
       m.rows, m.squadPiramides, m.squadEsferas, stanceName(m.squadPiramides, options.nodes),
       stanceName(m.squadEsferas, options.nodes), kCsvSideNames[m.opening], kCsvSideNames[m.winner],
       m.turns, m.alivePiramides, m.aliveEsferas);
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

  Output out{file};
  if (options.csv) emit(out, "%s\n", kMatchCsvHeader);
  long long wins[3] = {0, 0, 0};  // by armies::Side
  long long undecided = 0;
  long long totalTurns = 0;
  for (long long match = 1; match <= options.matches && out.error == 0; ++match) {
    MatchRecord m;
    m.number = match;
    const long long boardsBefore = board::boardsMade();
    game::startMatch();
    const board::Board& b = *board::currentBoard();
    m.columns = b.columns;
    m.rows = b.rows;
    m.boards = board::boardsMade() - boardsBefore;
    m.squadPiramides = squadSizePiramides();
    m.squadEsferas = squadSizeEsferas();
    m.opening = armies::sideToMove();
    if (options.trace) traceMatchStart(out, options, m);

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
      game::pressEnter();
    }
    totalTurns += m.turns;
    m.alivePiramides = alivePieces(armies::armyPiramides);
    m.aliveEsferas = alivePieces(armies::armyEsferas);
    if (options.trace) traceMatchEnd(out, m);
    if (options.csv) writeCsvRow(out, options, m);
  }
  if (!options.csv) {
    emit(out, "summary matches=%lld piramides=%lld esferas=%lld undecided=%lld turns=%lld\n",
         options.matches, wins[armies::Piramides], wins[armies::Esferas], undecided, totalTurns);
  }
  return out.error;
}

}  // namespace game
