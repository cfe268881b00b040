// Which of the GameState variables belong to which side. The state keeps one
// variable per side (squad list, chase list, squad size, chase count) and
// codes the side to move in turnSide the reverse way of the Piece record
// (2 = Piramides); these are the only places that know it.
#pragma once

#include <vector>

#include "armies/armies.h"

namespace armies {

// The side a turnSide code (or openingSide, coded alike) names, the side
// whose turn it is, and the code of a side.
Side sideOfTurnCode(int code);
Side sideToMove();
int turnCodeOf(Side side);

std::vector<int>& squadListOf(Side side);
std::vector<int>& chaseListOf(Side side);

int squadSizeOf(Side side);
void setSquadSizeOf(Side side, int size);

int chaseCountOf(Side side);
void setChaseCountOf(Side side, int count);

}  // namespace armies
