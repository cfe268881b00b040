// The steps of a frame that change the game, shared by the game's display
// callback and by velmora-sim.
#include "game/frame_logic.h"

#include "armies/armies.h"
#include "board/board.h"
#include "game/turn_driver.h"
#include "state/game_state.h"

namespace game {

// A match left behind the entry screen keeps a piece in motion; once + or -
// has changed the node count it is not this board's size, and the piece waits.
void frameMovementStep() {
  if (moveState() == 1 && matchIsSetUp() == 1) {
    setMoveState(
        armies::movementStep(static_cast<board::Direction>(moveDirection()), *currentPiece()));
  }
}

void frameTurnStep() {
  if (matchRunning() == 1 && awaitingEnter() == 0) advanceTurn();
}

void frameWinnerStep() {
  if (matchRunning() == 1 && moveState() == -1) checkWinner();
}

void runFrameLogic() {
  frameMovementStep();
  frameTurnStep();
  frameWinnerStep();
  board::releaseTrails();
}

}  // namespace game
