// How the game is shown, set once at start-up.
#include "state/screen.h"

namespace game {

namespace {

int gPlayingInWindow = 0;

}  // namespace

int playingInWindow() { return gPlayingInWindow; }
void setPlayingInWindow(int value) { gPlayingInWindow = value; }

}  // namespace game
