// Shared helpers of the rules tests: hand-made boards, a clean game state,
// and trails read back as plain (node, direction) lists.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "armies/armies.h"
#include "board/board_local.h"

namespace testing_support {

using Passage = std::pair<int, int>;  // two neighbouring node indices

// Puts every variable of the game, the search and the armies back to the
// start of the process, with `nodeCount` nodes and the generator at `seed`.
void resetAll(int nodeCount, std::uint32_t seed = 1);

// Makes a current board of the game's node count whose only open passages
// are `passages` (each must join grid neighbours).
board::Board& currentBoardWith(const std::vector<Passage>& passages);

// Closes every passage of a board.
void closeAllPassages(board::Board& board);

// Closes every passage of one node, in both directions.
void closePassagesOf(board::Board& board, int index);

// Opens the passage between neighbours a and b in both nodes.
void openPassage(board::Board& board, int a, int b);

struct StepView {
  int node;
  board::Direction direction;
  bool operator==(const StepView& other) const {
    return node == other.node && direction == other.direction;
  }
};

std::vector<StepView> stepsOf(const board::Trail* trail);

// The number of draws the generator has made since it stood at `state`.
int drawsSince(std::uint32_t state);

// Puts a piece of `side` with `role` on `node` of the current board as piece
// `index` of its army (the army grows to hold it), marking the node occupied.
armies::Piece& placePiece(armies::Side side, int index, armies::PieceRole role, int node);

// Moves a standing piece to another node, keeping the board's marks right.
void relocate(armies::Piece& piece, int node);

}  // namespace testing_support
