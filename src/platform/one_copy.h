// One copy of the game per display. A second copy in game mode would wait
// for ever for the first one's keyboard and pointer, its never-drawn window
// over the first one's picture; so a copy claims the display before it opens
// anything, and a second one is told the display is taken.
#pragma once

namespace platform {

enum class DisplayClaim {
  kClaimed,         // this copy holds the display until the process ends
  kTakenByAnother,  // another copy of the game is running there
  kNoDisplay,       // no X display answers (freeglut reports that itself)
};

// Claims `displayName` (or $DISPLAY when null) for this process. The claim
// is an X selection owned by a window of our own on a connection that stays
// open: the X server gives it up when the process ends, however it ends.
DisplayClaim claimDisplay(const char* displayName);

// Whether another client holds the keyboard of the display (as a copy of the
// game in game mode does): a box shown there could never be answered.
bool keyboardHeldByAnother(const char* displayName);

}  // namespace platform
