// The lines that tell how a match went, as velmora-sim --trace prints them
// and the game writes them with --trace: the set-up line, every turn with
// every piece's node, life and chase state, and the result. Also the record
// of one match that those lines and velmora-sim's CSV rows are made from.
#pragma once

#include <cstdio>

#include "armies/armies.h"
#include "game/match_name.h"

namespace game {

// Where lines go, and the first error in writing them (an errno); after an
// error nothing more is written.
struct TraceOutput {
  std::FILE* file = nullptr;
  int error = 0;
};

__attribute__((format(printf, 2, 3))) void emitTrace(TraceOutput& out, const char* format, ...);

// What a match's set-up, result and CSV row tell of it.
struct MatchRecord {
  long long number = 0;
  int nodes = 0;
  int columns = 0;
  int rows = 0;
  long long boards = 0;  // boards drawn until one passed the check
  int squadPiramides = 0;
  int squadEsferas = 0;
  armies::Side opening = armies::Piramides;
  MatchName name;
  int winner = 0;  // an armies::Side, 0 while undecided
  long long turns = 0;
  int alivePiramides = 0;  // at the end
  int aliveEsferas = 0;
};

// The record of the match just set up (startMatch), as match `number`.
MatchRecord recordMatchSetUp(long long number);

// Counts the pieces alive on each side into the record.
void recordAlivePieces(MatchRecord& record);

void traceMatchStart(TraceOutput& out, const MatchRecord& record);

// The turn that has just ended, numbered from 1 within its match.
void traceTurn(TraceOutput& out, long long turn);

void traceMatchEnd(TraceOutput& out, const MatchRecord& record);

}  // namespace game
