// The board subsystem as the rest of the game sees it: the grid of nodes and
// its random passages, the bounded trail search with its per-frame registry,
// the board check, and the move choice of a piece.
#pragma once

#include <memory>
#include <vector>

namespace armies {
struct Piece;
}

namespace board {

// ---- Grid ------------------------------------------------------------------

enum Direction : int {
  None = 0,
  Left = 1,   // index - 1
  Right = 2,  // index + 1
  Up = 3,     // index - columns, towards row 0
  Down = 4,   // index + columns
};

constexpr Direction kAllDirections[] = {Left, Right, Up, Down};

// World units between neighbouring node centres.
constexpr int kNodeSpacing = 16;

// A passage is open in a direction exactly when that link is not null.
struct Node {
  Node* left = nullptr;
  Node* right = nullptr;
  Node* up = nullptr;
  Node* down = nullptr;
  int index = 0;
  int occupied = 0;                   // 1 while a piece stands here
  armies::Piece* occupant = nullptr;  // meaningful only while occupied
};

struct Board {
  int nodeCount = 0;
  int rows = 0;
  int columns = 0;
  std::vector<Node> nodes;  // node i lies in row i / columns, column i % columns
};

struct GridShape {
  int columns = 0;
  int rows = 0;
};

// These four are called in the inner loop of every search, hence inline.

inline Direction opposite(Direction d) {
  constexpr Direction kOpposite[] = {None, Right, Left, Down, Up};
  return kOpposite[d];
}

// The link of a node in a direction (null when closed or for None).
inline Node* linkToward(const Node& node, Direction d) {
  switch (d) {
    case Left: return node.left;
    case Right: return node.right;
    case Up: return node.up;
    case Down: return node.down;
    case None: break;
  }
  return nullptr;
}

// The index of the neighbour in a direction, whether or not a passage leads there.
inline int neighbourIndex(int index, Direction d, int columns) {
  switch (d) {
    case Left: return index - 1;
    case Right: return index + 1;
    case Up: return index - columns;
    case Down: return index + columns;
    case None: break;
  }
  return index;
}

inline int openPassageCount(const Node& node) {
  return (node.left != nullptr) + (node.right != nullptr) + (node.up != nullptr) +
         (node.down != nullptr);
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

// Releases the current board and makes a new one for the GameState nodeCount.
void replaceBoard();

// How many boards replaceBoard has made since the process started.
long long boardsMade();

// The board of the current match; null until the first board is made.
Board* currentBoard();

// Has the board scene compiled for the current board.
void rebuildBoardScene();

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

// Search records live in a per-frame store, never released one by one.
// releaseTrails releases every registered trail with its steps, and the store
// with them; the frame cycle calls it once per frame. A new trail is empty;
// a block of steps is for the caller to fill in whole.
Trail* allocateTrail();
TrailStep* allocateTrailSteps(int count);
void registerTrail(Trail* trail);
void releaseTrails();
int registeredTrailCount();

// 1 when the current board is played on: a walk for the Esferas from node
// nodeCount - 1 reaches node 0 within the search budget.
int checkBoard();

// ---- Move choice -------------------------------------------------------------

// The direction of the next one-node move of `piece` from `start` towards
// `target` (start != target), or None.
Direction chooseMove(armies::Piece& piece, int start, int target);

// 1 when `piece` may step onto `node`: the node is empty, or holds an enemy
// whose role the piece beats.
int acceptsMover(const Node& node, const armies::Piece& piece);

}  // namespace board
