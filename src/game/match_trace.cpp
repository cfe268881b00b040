// The trace lines, read from the state the rules leave behind.
#include "game/match_trace.h"

#include <cerrno>
#include <cstdarg>
#include <string>

#include "armies/sides.h"
#include "board/board.h"
#include "game/match_control.h"
#include "state/game_state.h"

namespace game {

namespace {

// Side names by armies::Side, with 0 for no side: the winner of an undecided match.
constexpr const char* kTraceSideNames[] = {"none", "PIRAMIDES", "ESFERAS"};

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

}  // namespace

// The errno is kept at once: the rules run between two writes and nothing
// promises they leave it alone.
void emitTrace(TraceOutput& out, const char* format, ...) {
  if (out.error != 0) return;
  std::va_list args;
  va_start(args, format);
  const int written = std::vfprintf(out.file, format, args);
  va_end(args);
  if (written < 0) out.error = errno != 0 ? errno : EIO;
}

MatchRecord recordMatchSetUp(long long number) {
  MatchRecord m;
  m.number = number;
  m.nodes = nodeCount();
  const board::Board& b = *board::currentBoard();
  m.columns = b.columns;
  m.rows = b.rows;
  const MatchSetUp setUp = currentMatchSetUp();
  m.boards = setUp.boards;
  m.name = setUp.name;
  m.squadPiramides = squadSizePiramides();
  m.squadEsferas = squadSizeEsferas();
  m.opening = armies::sideToMove();
  return m;
}

void recordAlivePieces(MatchRecord& record) {
  record.alivePiramides = alivePieces(armies::armyPiramides);
  record.aliveEsferas = alivePieces(armies::armyEsferas);
}

void traceMatchStart(TraceOutput& out, const MatchRecord& m) {
  emitTrace(out, "match %lld nodes=%d grid=%dx%d boards=%lld squads=%d/%d opening=%s name=%s\n",
            m.number, m.nodes, m.columns, m.rows, m.boards, m.squadPiramides, m.squadEsferas,
            kTraceSideNames[m.opening], formatMatchName(m.name).c_str());
}

void traceTurn(TraceOutput& out, long long turn) {
  // The turn has passed: turnSide now names the side to move next.
  const armies::Side moved = armies::enemyOf(armies::sideToMove());
  emitTrace(out, "turn %lld %s phase=%d\n", turn, kTraceSideNames[moved],
            static_cast<int>(gamePhase()));
  std::string line;
  tracePieces(line, 'P', armies::armyPiramides);
  emitTrace(out, "%s", line.c_str());
  tracePieces(line, 'E', armies::armyEsferas);
  emitTrace(out, "%s", line.c_str());
}

void traceMatchEnd(TraceOutput& out, const MatchRecord& m) {
  emitTrace(out, "result %lld winner=%s turns=%lld\n", m.number, kTraceSideNames[m.winner],
            m.turns);
}

}  // namespace game
