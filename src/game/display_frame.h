// The display callback, which is also the game loop: each call advances the
// game by at most one small step and draws the frame.
#pragma once

namespace game {

void displayFrame();

}  // namespace game
