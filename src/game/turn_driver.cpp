// The turn driver: a side works through its squad list one entry per frame,
// then through its chase list, built when the squad list ends; then the turn
// passes and Enter is awaited. And the winner test after each finished move.
#include "game/turn_driver.h"

#include "armies/armies.h"
#include "armies/sides.h"
#include "board/board.h"
#include "state/game_state.h"

namespace game {

namespace {

// Takes list entry `entry`; returns the target node of its piece, or -1 when
// the entry holds no piece.
int takeEntry(armies::Side side, int entry, bool chasePhase) {
  const int index =
      chasePhase ? armies::chaseListOf(side)[entry] : armies::squadListOf(side)[entry];
  if (index == -1) {
    setCurrentPiece(nullptr);
    return -1;
  }
  armies::Piece& piece = armies::army(side)[index];
  setCurrentPiece(&piece);
  if (!chasePhase) return armies::goalNode(side);
  return piece.state == armies::Chasing ? piece.target->node : piece.postNode;
}

void startMove(armies::Piece& piece, int target) {
  const board::Direction d = board::chooseMove(piece, piece.node, target);
  if (d != board::None) {
    setMoveState(1);
    setMoveDirection(d);
    piece.backDirection = board::opposite(d);
  } else if (piece.state == armies::Chasing) {
    // A chaser that cannot move gives up; its target may be chased afresh.
    piece.state = armies::Returning;
    armies::auxOf(piece.target->side)[piece.target->index].hunted = 0;
  }
}

}  // namespace

int matchIsSetUp() {
  const board::Board* board = board::currentBoard();
  const std::size_t pieces = static_cast<std::size_t>(nodeCount() / 5);
  return board != nullptr && board->nodeCount == nodeCount() &&
                 armies::armyPiramides.size() == pieces && armies::armyEsferas.size() == pieces
             ? 1
             : 0;
}

void advanceTurn() {
  if (matchIsSetUp() == 0) return;  // F5 before any match: nothing to drive
  armies::Piece* moving = currentPiece();
  if (moveState() == 1) {
    if (moving->alive == 1) {
      armies::movementStep(static_cast<board::Direction>(moveDirection()), *moving);
    }
    return;
  }

  const armies::Side side = armies::sideToMove();
  setSquadCursor(squadCursor() + 1);
  int target = -1;
  if (turnStage() == 0) {
    if (squadCursor() == armies::squadSizeOf(side)) {
      setSquadCursor(-1);
      setTurnStage(1);
      armies::buildChaseList(side);
    } else {
      target = takeEntry(side, squadCursor(), false);
    }
  } else {
    if (squadCursor() == armies::chaseCountOf(side)) {
      setSquadCursor(-1);
      setAwaitingEnter(1);
      setTurnSide(armies::turnCodeOf(armies::enemyOf(side)));
      setTurnStage(0);
    } else {
      target = takeEntry(side, squadCursor(), true);
    }
  }

  armies::Piece* piece = currentPiece();
  if (piece == nullptr || squadCursor() == -1 || awaitingEnter() != 0 || piece->alive != 1) return;
  if (piece->node == target) return;
  startMove(*piece, target);
}

void checkWinner() {
  if (matchIsSetUp() == 0) return;
  const int last = nodeCount() - 1;
  bool piramides = false;
  bool esferas = false;
  for (const armies::Piece& p : armies::armyPiramides) piramides = piramides || p.node == last;
  for (const armies::Piece& p : armies::armyEsferas) esferas = esferas || p.node == 0;
  if (esferas) {
    setGamePhase(EsferasWon);
  } else if (piramides) {
    setGamePhase(PiramidesWon);
  }
}

}  // namespace game
