// The GLUT mouse callbacks of the free view: the left button turns the
// camera and the right button zooms, with the pointer captured: hidden
// behind a crosshair and held at the screen centre.
#pragma once

namespace input {

void onMouse(int button, int state, int x, int y);

// Both the motion callback (a button held) and the passive one.
void onMotion(int x, int y);

// Starts a capture (the position given is not used); a second capture does
// nothing.
void capturePointer(int x, int y);

// Ends a capture and puts the pointer at (x, y); nothing without a capture.
void releasePointer(int x, int y);

// releasePointer at the window's centre.
void releasePointerToCentre();

}  // namespace input
