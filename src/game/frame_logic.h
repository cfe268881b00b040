// The steps of every frame that change the game, in the order the frame runs
// them. The game's display callback calls them between its drawing steps;
// velmora-sim and the tests call runFrameLogic: the same steps, nothing drawn.
#pragma once

namespace game {

// Frame step: the first movement step of the piece in motion, if any, as
// long as its match is one of the current node count.
void frameMovementStep();

// Frame step: the turn driver, while the match runs and no Enter is awaited.
void frameTurnStep();

// Frame step: the winner test, after a finished move of a running match.
void frameWinnerStep();

// Every frame step that changes the game, in order, then the release of the
// frame's search records.
void runFrameLogic();

}  // namespace game
