// A look at the X server before freeglut's game mode is asked for, on a
// connection of our own: where the game mode cannot work, asking for it
// either fails with freeglut's own complaint or, under Xwayland, brings the
// X server down (freeglut moves the pointer on the root window, which
// Xwayland does not survive). There the game says the mode is missing
// without asking.
#pragma once

namespace platform {

enum class GameModeOutlook {
  kAsk,        // the server may offer the mode: ask freeglut
  kNoDisplay,  // no X display answers: freeglut reports that itself
  kXwayland,   // an X server inside a Wayland compositor
  kNoVidMode,  // no XFree86-VidMode extension, freeglut's only way to switch modes
};

// The display is the one freeglut will open: `displayName`, or $DISPLAY when
// null.
GameModeOutlook lookAtGameMode(const char* displayName);

}  // namespace platform
