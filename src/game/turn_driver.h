// The turn driver and the winner test. Each frame runs the driver once while
// a match runs, and the winner test after each finished move.
#pragma once

namespace game {

// 1 when a match has been set up for the current node count, so the driver
// has a board, armies and lists to work on.
int matchIsSetUp();

// One step of the turn driver: moves the piece in motion a second time, or
// takes the next entry of the moving side's squad or chase list.
void advanceTurn();

// Switches the phase to a won phase when a side stands on its goal node.
void checkWinner();

}  // namespace game
