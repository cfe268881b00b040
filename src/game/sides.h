// Which of the GameState variables belong to which side. The state keeps one
// variable per side (squad list, chase list, squad size, chase count) and
// codes the side to move in turnSide the reverse way of the Piece record
// (2 = Piramides); these are the only places that know it.
#pragma once

#include <vector>

#include "armies/armies.h"

namespace game {

// The side a turnSide code (or openingSide, coded alike) names, the side
// whose turn it is, and the code of a side.
armies::Side sideOfTurnCode(int code);
armies::Side sideToMove();
int turnCodeOf(armies::Side side);

std::vector<int>& squadListOf(armies::Side side);
std::vector<int>& chaseListOf(armies::Side side);

int squadSizeOf(armies::Side side);
void setSquadSizeOf(armies::Side side, int size);

int chaseCountOf(armies::Side side);
void setChaseCountOf(armies::Side side, int count);

}  // namespace game
