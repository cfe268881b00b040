// The side mapping of the GameState variables.
#include "armies/sides.h"

#include "state/game_state.h"

namespace armies {

Side sideOfTurnCode(int code) { return code == game::kTurnPiramides ? Piramides : Esferas; }

Side sideToMove() { return sideOfTurnCode(game::turnSide()); }

int turnCodeOf(Side side) { return side == Piramides ? game::kTurnPiramides : game::kTurnEsferas; }

std::vector<int>& squadListOf(Side side) {
  return side == Piramides ? game::squadListPiramides : game::squadListEsferas;
}

std::vector<int>& chaseListOf(Side side) {
  return side == Piramides ? game::chaseListPiramides : game::chaseListEsferas;
}

int squadSizeOf(Side side) {
  return side == Piramides ? game::squadSizePiramides() : game::squadSizeEsferas();
}

void setSquadSizeOf(Side side, int size) {
  if (side == Piramides) {
    game::setSquadSizePiramides(size);
  } else {
    game::setSquadSizeEsferas(size);
  }
}

int chaseCountOf(Side side) {
  return side == Piramides ? game::chaseCountPiramides() : game::chaseCountEsferas();
}

void setChaseCountOf(Side side, int count) {
  if (side == Piramides) {
    game::setChaseCountPiramides(count);
  } else {
    game::setChaseCountEsferas(count);
  }
}

}  // namespace armies
