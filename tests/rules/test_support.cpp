// Shared helpers of the rules tests.
#include "test_support.h"

#include <cstdlib>

#include "state/game_state.h"
#include "state/random.h"

namespace testing_support {

void resetAll(int nodeCount, std::uint32_t seed) {
  game::resetGameState();
  game::setNodeCount(nodeCount);
  game::seedRandom(seed);
  board::releaseTrails();
  board::setSearchSide(0);
  board::setForbidReversal(0);
  board::setTargetFound(0);
  armies::armyPiramides.clear();
  armies::armyEsferas.clear();
  armies::auxPiramides.clear();
  armies::auxEsferas.clear();
}

void closeAllPassages(board::Board& board) {
  for (board::Node& node : board.nodes) {
    node.left = node.right = node.up = node.down = nullptr;
  }
}

void closePassagesOf(board::Board& board, int index) {
  board::Node& cell = board.nodes[index];
  for (board::Direction d : board::kAllDirections) {
    board::Node* other = board::linkToward(cell, d);
    if (other == nullptr) continue;
    switch (board::opposite(d)) {
      case board::Left:
        other->left = nullptr;
        break;
      case board::Right:
        other->right = nullptr;
        break;
      case board::Up:
        other->up = nullptr;
        break;
      case board::Down:
        other->down = nullptr;
        break;
      case board::None:
        break;
    }
  }
  cell.left = cell.right = cell.up = cell.down = nullptr;
}

void openPassage(board::Board& board, int a, int b) {
  if (a > b) std::swap(a, b);
  board::Node& low = board.nodes[a];
  board::Node& high = board.nodes[b];
  if (b == a + 1 && b % board.columns != 0) {
    low.right = &high;
    high.left = &low;
  } else if (b == a + board.columns) {
    low.down = &high;
    high.up = &low;
  } else {
    std::abort();  // not grid neighbours: a broken test
  }
}

board::Board& currentBoardWith(const std::vector<Passage>& passages) {
  const std::uint32_t saved = game::randomState();
  board::replaceBoard();
  game::seedRandom(saved);  // making the board must not use up the test's draws
  board::Board& board = *board::currentBoard();
  closeAllPassages(board);
  for (const Passage& p : passages) openPassage(board, p.first, p.second);
  return board;
}

std::vector<StepView> stepsOf(const board::Trail* trail) {
  std::vector<StepView> steps;
  if (trail == nullptr) return steps;
  for (const board::TrailStep* s = trail->firstStep; s != nullptr; s = s->next) {
    steps.push_back({s->node->index, s->direction});
  }
  return steps;
}

int drawsSince(std::uint32_t state) {
  const std::uint32_t now = game::randomState();
  int draws = 0;
  while (state != now) {
    state = state * 214013u + 2531011u;
    if (++draws > 10000000) return -1;
  }
  return draws;
}

armies::Piece& placePiece(armies::Side side, int index, armies::PieceRole role, int node) {
  std::vector<armies::Piece>& pieces = armies::army(side);
  std::vector<armies::PieceAux>& aux = armies::auxOf(side);
  if (static_cast<int>(pieces.size()) <= index) {
    pieces.reserve(128);  // keeps earlier pieces where they are
    pieces.resize(index + 1);
    aux.resize(index + 1);
  }
  board::Board& board = *board::currentBoard();
  armies::Piece& p = pieces[index];
  p = armies::Piece{};
  p.index = index;
  p.side = side;
  p.role = role;
  p.alive = 1;
  p.node = node;
  p.postNode = node;
  p.x = static_cast<float>(board::kNodeSpacing * (node % board.columns));
  p.z = static_cast<float>(board::kNodeSpacing * (node / board.columns));
  board.nodes[node].occupied = 1;
  board.nodes[node].occupant = &p;
  return p;
}

void relocate(armies::Piece& piece, int node) {
  board::Board& board = *board::currentBoard();
  board.nodes[piece.node].occupied = 0;
  board.nodes[piece.node].occupant = nullptr;
  piece.node = node;
  piece.x = static_cast<float>(board::kNodeSpacing * (node % board.columns));
  piece.z = static_cast<float>(board::kNodeSpacing * (node / board.columns));
  board.nodes[node].occupied = 1;
  board.nodes[node].occupant = &piece;
}

}  // namespace testing_support
