// The board check: a fresh board is played on only if a walk on behalf of the
// Esferas from their home corner reaches the Piramides' home corner within
// the search budget. The four attempts continue one trail, so they share one
// budget and one set of visited nodes.
#include "board/board_local.h"
#include "state/game_state.h"

namespace board {

int checkBoard() {
  setSearchSide(2);
  setForbidReversal(1);
  const Board& board = *currentBoard();
  const int last = game::nodeCount() - 1;
  const Trail* trail = nullptr;
  for (Direction first : {Up, Down, Left, Right}) {
    setTargetFound(0);
    trail = trailSearch(None, last, 0, trail, board, first);
    if (targetFound() == 1) return 1;
  }
  return 0;
}

}  // namespace board
