// The GLUT keyboard callbacks: ordinary keys act on press, the function keys
// F1, F2 and F5 on release, the arrows hold while pressed. The camera
// set-ups chosen with 1, 2 and 3 (and with Enter on the entry screen) live
// here too.
#pragma once

#include "state/game_state.h"

namespace input {

void onKeyboard(unsigned char key, int x, int y);
void onSpecialDown(int key, int x, int y);
void onSpecialUp(int key, int x, int y);

// Esc, and the window's close button: ends the process with status 0.
void quit();

// Puts the camera in a set-up: its pose for the current board, the extra
// light, the pointer and the projection.
void applyViewPreset(game::ViewMode view);

}  // namespace input
