// The game learns of a new match by the count of matches set up, and of the
// end of a turn by the Enter it then awaits, both read once a frame; the
// lines are those of velmora-sim, written by the same functions. A match
// abandoned (a new one set up, or the game left) ends with the result of an
// undecided one.
#include "game/game_trace.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "game/match_control.h"
#include "game/match_trace.h"
#include "game/turn_driver.h"
#include "state/game_state.h"

namespace game {

namespace {

struct GameTrace {
  TraceOutput out;
  long long matchesSeen = 0;
  bool matchOpen = false;  // its set-up line written, its result not yet
  MatchRecord match;
  bool awaiting = false;  // awaitingEnter as the last frame left it
  bool failureSaid = false;
};

GameTrace gTrace;

void flushAndCheck() {
  if (gTrace.out.error == 0 && std::fflush(gTrace.out.file) != 0) {
    gTrace.out.error = errno != 0 ? errno : EIO;
  }
  if (gTrace.out.error != 0 && !gTrace.failureSaid) {
    gTrace.failureSaid = true;
    std::fprintf(stderr, "velmora: cannot write the trace: %s; the game goes on without it\n",
                 std::strerror(gTrace.out.error));
  }
}

void endMatch(int winner) {
  gTrace.match.winner = winner;
  recordAlivePieces(gTrace.match);
  traceMatchEnd(gTrace.out, gTrace.match);
  gTrace.matchOpen = false;
}

}  // namespace

bool openGameTrace(const char* path) {
  gTrace = GameTrace{};
  gTrace.out.file = std::fopen(path, "w");
  return gTrace.out.file != nullptr;
}

void traceFrame() {
  if (gTrace.out.file == nullptr || gTrace.out.error != 0) return;
  if (matchesSetUp() != gTrace.matchesSeen) {
    if (gTrace.matchOpen) endMatch(0);
    gTrace.matchesSeen = matchesSetUp();
    gTrace.match = recordMatchSetUp(gTrace.matchesSeen);
    traceMatchStart(gTrace.out, gTrace.match);
    gTrace.matchOpen = true;
    gTrace.awaiting = false;
    flushAndCheck();
  }
  if (!gTrace.matchOpen || matchIsSetUp() == 0) return;
  const bool awaiting = awaitingEnter() == 1;
  if (awaiting && !gTrace.awaiting) {
    traceTurn(gTrace.out, ++gTrace.match.turns);
    if (gamePhase() == PiramidesWon) endMatch(armies::Piramides);
    if (gamePhase() == EsferasWon) endMatch(armies::Esferas);
    flushAndCheck();
  }
  gTrace.awaiting = awaiting;
}

void closeGameTrace() {
  if (gTrace.out.file == nullptr) return;
  if (gTrace.matchOpen && gTrace.out.error == 0) endMatch(0);
  flushAndCheck();
  std::fclose(gTrace.out.file);
  gTrace.out.file = nullptr;
}

bool gameTraceFailed() { return gTrace.out.error != 0; }

}  // namespace game
