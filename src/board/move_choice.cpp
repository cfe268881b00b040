// The armies' whole decision making: four searches, one with each direction
// tried first; the shortest acceptable first step wins, and when there is
// none a random step towards the piece's own home corner, or no move.
#include "armies/armies.h"
#include "board/board_local.h"
#include "state/game_state.h"
#include "state/random.h"

namespace board {

namespace {

// The fallback: drawRandom() % 5 until a direction towards the piece's own
// side can be taken, or the third idle draw.
Direction fallbackStep(const armies::Piece& piece, int start) {
  const Board& board = *currentBoard();
  const int home = armies::homeCorner(piece.side);
  int idleDraws = 0;
  for (;;) {
    const int r = game::drawRandom() % 5;
    if (r == 0) {
      if (++idleDraws == 3) return None;
      continue;
    }
    const Direction d = static_cast<Direction>(r);
    const bool homeward =
        piece.side == armies::Piramides ? (d == Left || d == Up) : (d == Right || d == Down);
    if (!homeward || linkToward(board.nodes[start], d) == nullptr) continue;
    const int next = neighbourIndex(start, d, board.columns);
    if (next != home && acceptsMover(board.nodes[next], piece) == 1) return d;
  }
}

}  // namespace

int acceptsMover(const Node& node, const armies::Piece& piece) {
  if (node.occupied == 0) return 1;
  const armies::Piece& occupant = *node.occupant;
  return occupant.side != piece.side && occupant.role == armies::beatenRole(piece.role) ? 1 : 0;
}

Direction chooseMove(armies::Piece& piece, int start, int target) {
  setSearchSide(piece.side);
  if (piece.state == armies::Chasing || piece.state == armies::Returning) setForbidReversal(0);

  const Board& board = *currentBoard();
  const Direction back = game::currentPiece()->backDirection;
  const Trail* best = nullptr;
  for (Direction first : {Up, Down, Left, Right}) {
    setTargetFound(0);
    const Trail* trail = trailSearch(back, start, target, nullptr, board, first);
    if (trail == nullptr) continue;
    const Direction d = trail->firstStep->direction;
    if (acceptsMover(board.nodes[neighbourIndex(start, d, board.columns)], piece) == 0) continue;
    if (best == nullptr || trail->stepCount < best->stepCount) best = trail;
  }
  if (best != nullptr) return best->firstStep->direction;
  return fallbackStep(piece, start);
}

}  // namespace board
