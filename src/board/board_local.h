// Inside the board subsystem: the grid shape and passage generation, the
// bounded trail search with its flags and per-frame record store, and the
// occupant rule of the move choice. The rules tests use these too; the rest
// of the game goes through board.h.
#pragma once

#include <memory>

#include "board/board.h"

namespace board {

// ---- Grid ------------------------------------------------------------------

constexpr Direction kAllDirections[] = {Left, Right, Up, Down};

struct GridShape {
  int columns = 0;
  int rows = 0;
};

// The link of a node in a direction (null when closed or for None).
inline Node* linkToward(const Node& node, Direction d) {
  switch (d) {
    case Left:
      return node.left;
    case Right:
      return node.right;
    case Up:
      return node.up;
    case Down:
      return node.down;
    case None:
      break;
  }
  return nullptr;
}

// The most nearly square shape with columns * rows = nodeCount, columns in
// 7..39 and rows in 9..39; of two equally square shapes the one with fewer rows.
// Every count the game offers (120..510 in steps of 15) has one; any other
// count is a programming error and stops the process.
GridShape chooseGridShape(int nodeCount);

// A new board of nodeCount nodes with its random passages open; not made current.
std::unique_ptr<Board> createBoard(int nodeCount);

// Opens the random passages of a fresh board, visiting the nodes in index
// order: one draw of drawRandom() % 4 per attempt, none for a node with
// nothing left to open.
void openPassages(Board& board);
void openNodePassages(Board& board, int index);

// ---- Trail search ------------------------------------------------------------

struct TrailStep {
  const Node* node = nullptr;  // the node the step leaves from
  Direction direction = None;
  TrailStep* next = nullptr;
};

// The record of one bounded search: the steps in the order they were taken,
// abandoned branches included. stepCount is -1 for a trail without steps.
struct Trail {
  int stepCount = -1;
  TrailStep* firstStep = nullptr;
};

// The side on whose behalf searches run; fixes the excluded node (its home
// corner): nodeCount - 1 for the Esferas (2), node 0 otherwise.
int searchSide();
void setSearchSide(int value);

// 1: searches honour the back direction they are given; 0: they ignore it.
int forbidReversal();
void setForbidReversal(int value);

// Set when any level of a search reaches its target; callers clear it
// before each top-level search.
int targetFound();
void setTargetFound(int value);

// Walks depth first from `from` towards `target`, continuing a copy of
// `previous` when it is not null, trying `firstDirection` (when not None)
// before the steering order. Returns the trail, or null when it took no step.
// The trail lives in the registry until releaseTrails.
Trail* trailSearch(Direction backDirection, int from, int target, const Trail* previous,
                   const Board& board, Direction firstDirection);

// 1 when the node has exactly one open passage and it lies in direction d.
int isDeadEndToward(const Board& board, int index, Direction d);

// Search records live in a per-frame store, never released one by one:
// releaseTrails releases every registered trail with its steps, and the store
// with them. A new trail is empty; a block of steps is for the caller to fill
// in whole.
Trail* allocateTrail();
TrailStep* allocateTrailSteps(int count);
void registerTrail(Trail* trail);
int registeredTrailCount();

// ---- Move choice -------------------------------------------------------------

// 1 when `piece` may step onto `node`: the node is empty, or holds an enemy
// whose role the piece beats.
int acceptsMover(const Node& node, const armies::Piece& piece);

}  // namespace board
