// The trail search and board check written the slow, obvious way, as a
// reference for the fast search: every level copies the whole trail, one
// zero-filled allocation per step, and a linked registry of trails.
#pragma once

#include "board/board_local.h"

namespace literal {

struct TrailStep {
  const board::Node* node;  // the node the step leaves from
  board::Direction direction;
  TrailStep* next;
};

// stepCount is -1 for a trail that has not taken a step yet.
struct Trail {
  int stepCount;
  TrailStep* firstStep;
};

// The last cell of the registry is always empty (trail null).
struct TrailRegistryCell {
  Trail* trail;
  TrailRegistryCell* next;
};

// Reads the search variables and the random generator of the game itself
// (board::searchSide, forbidReversal, targetFound; game::drawRandom,
// game::nodeCount), so that both searches run under identical conditions.
Trail* trailSearch(board::Direction backDirection, int from, int target, const Trail* previous,
                   const board::Board& board, board::Direction firstDirection);

// a is the back direction in force, or kNoDirection when reversal is allowed.
Trail* tryStep(board::Direction d, int a, int from, int target, Trail* trail,
               const board::Board& board);

// Compares equal to no Direction.
constexpr int kNoDirection = -1;

int isDeadEndToward(const board::Board& board, int index, int d);

void registerTrail(Trail* trail);
void releaseTrails();
const TrailRegistryCell* trailRegistry();

// The board check over this search, on the given board instead of the current one.
int checkBoard(const board::Board& board);

}  // namespace literal
