// The process entry after the banner: the game-mode window, the OpenGL
// set-up, the callbacks, the textures and models, then the GLUT loop; and
// the two smallest callbacks.
#pragma once

namespace game {

// The screen of the game mode the game asks for; the projection, the camera
// set-ups and the pointer assume it.
constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;
constexpr int kScreenCentreX = kScreenWidth / 2;
constexpr int kScreenCentreY = kScreenHeight / 2;

// Opens the game and runs it; returns only by ending the process.
void startUp(int argc, char** argv);

// The perspective projection for a window of this size with the current
// field of view. Also called with 1024 x 768 whenever the field of view
// changes, whatever the real window size.
void reshape(int width, int height);

// Keeps the frames coming: every frame is the game loop.
void idle();

}  // namespace game
