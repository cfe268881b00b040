// The process entry after the banner: the game-mode window (or an ordinary
// one), the OpenGL set-up, the callbacks, the textures and models, then the
// GLUT loop.
#pragma once

#include "app/game_options.h"

namespace app {

// Opens the game and runs it; returns only by ending the process.
void startUp(int argc, char** argv, const GameOptions& options);

// Keeps the frames coming: every frame is the game loop.
void idle();

// The same, with the Enter of velmora --watch pressed when it is due.
void idleWatching();

}  // namespace app
