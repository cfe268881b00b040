// The board subsystem as the rest of the game sees it: the grid of nodes and
// its random passages, the board check that decides whether a fresh board is
// played on, the move choice of a piece, and the per-frame release of the
// search records. Its internals are in board_local.h.
#pragma once

#include <vector>

namespace armies {
struct Piece;
}

namespace board {

enum Direction : int {
  None = 0,
  Left = 1,   // index - 1
  Right = 2,  // index + 1
  Up = 3,     // index - columns, towards row 0
  Down = 4,   // index + columns
};

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

// These are called in the inner loop of every search, hence inline.

inline Direction opposite(Direction d) {
  constexpr Direction kOpposite[] = {None, Right, Left, Down, Up};
  return kOpposite[d];
}

// The index of the neighbour in a direction, whether or not a passage leads there.
inline int neighbourIndex(int index, Direction d, int columns) {
  switch (d) {
    case Left:
      return index - 1;
    case Right:
      return index + 1;
    case Up:
      return index - columns;
    case Down:
      return index + columns;
    case None:
      break;
  }
  return index;
}

inline int openPassageCount(const Node& node) {
  return (node.left != nullptr) + (node.right != nullptr) + (node.up != nullptr) +
         (node.down != nullptr);
}

// Where a node's centre lies on the floor (the plane y = 0): 16 units per
// column along x, 16 per row along z, node 0 at the origin.
struct FloorPoint {
  float x = 0;
  float z = 0;
};

inline FloorPoint nodeFloorPoint(int node, int columns) {
  return {static_cast<float>(kNodeSpacing * (node % columns)),
          static_cast<float>(kNodeSpacing * (node / columns))};
}

// Releases the current board and makes a new one for the GameState nodeCount.
void replaceBoard();

// How many boards replaceBoard has made since the process started.
long long boardsMade();

// The board of the current match; null until the first board is made.
Board* currentBoard();

// 1 when the current board is played on: a walk for the Esferas from node
// nodeCount - 1 reaches node 0 within the search budget.
int checkBoard();

// The direction of the next one-node move of `piece` from `start` towards
// `target` (start != target), or None.
Direction chooseMove(armies::Piece& piece, int start, int target);

// Releases every search record made since the last call; the frame cycle
// calls it once at the end of every frame.
void releaseTrails();

}  // namespace board
