// The grid of nodes: its shape, and the making and replacing of the board.
#include <cstdlib>

#include "board/board_local.h"
#include "state/checks.h"
#include "state/game_state.h"

namespace board {

namespace {

std::unique_ptr<Board> current;
long long boardsMadeSoFar = 0;

}  // namespace

GridShape chooseGridShape(int nodeCount) {
  GridShape best{0, 30};
  for (int rows = 9; rows <= 39; ++rows) {
    for (int columns = 7; columns <= 39; ++columns) {
      if (columns * rows == nodeCount &&
          std::abs(columns - rows) < std::abs(best.columns - best.rows)) {
        best = {columns, rows};
      }
    }
  }
  VELMORA_CHECK(best.columns != 0, "no grid shape for this node count");
  return best;
}

std::unique_ptr<Board> createBoard(int nodeCount) {
  auto board = std::make_unique<Board>();
  board->nodeCount = nodeCount;
  const GridShape shape = chooseGridShape(nodeCount);
  board->columns = shape.columns;
  board->rows = shape.rows;
  board->nodes.resize(nodeCount);
  for (int i = 0; i < nodeCount; ++i) board->nodes[i].index = i;
  openPassages(*board);
  return board;
}

void replaceBoard() {
  current.reset();
  current = createBoard(game::nodeCount());
  ++boardsMadeSoFar;
}

long long boardsMade() { return boardsMadeSoFar; }

Board* currentBoard() { return current.get(); }

}  // namespace board
