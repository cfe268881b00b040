// Full screen for the game's ordinary window, without a change of mode: the
// window covers the desktop at its own resolution, and F11 puts it back.
#pragma once

namespace platform {

// Switches the current GLUT window between full screen and its earlier place
// and size. A window manager that follows the desktop conventions is asked
// to do it; without one (a bare X server) the window is moved and sized by
// hand. Nothing happens without a window.
void toggleFullScreen();

}  // namespace platform
