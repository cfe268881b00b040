// The side mapping of the GameState variables.
#include "game/sides.h"

#include "game/game_state.h"

namespace game {

armies::Side sideOfTurnCode(int code) {
  return code == kTurnPiramides ? armies::Piramides : armies::Esferas;
}

armies::Side sideToMove() { return sideOfTurnCode(turnSide()); }

int turnCodeOf(armies::Side side) {
  return side == armies::Piramides ? kTurnPiramides : kTurnEsferas;
}

std::vector<int>& squadListOf(armies::Side side) {
  return side == armies::Piramides ? squadListPiramides : squadListEsferas;
}

std::vector<int>& chaseListOf(armies::Side side) {
  return side == armies::Piramides ? chaseListPiramides : chaseListEsferas;
}

int squadSizeOf(armies::Side side) {
  return side == armies::Piramides ? squadSizePiramides() : squadSizeEsferas();
}

void setSquadSizeOf(armies::Side side, int size) {
  if (side == armies::Piramides) {
    setSquadSizePiramides(size);
  } else {
    setSquadSizeEsferas(size);
  }
}

int chaseCountOf(armies::Side side) {
  return side == armies::Piramides ? chaseCountPiramides() : chaseCountEsferas();
}

void setChaseCountOf(armies::Side side, int count) {
  if (side == armies::Piramides) {
    setChaseCountPiramides(count);
  } else {
    setChaseCountEsferas(count);
  }
}

}  // namespace game
