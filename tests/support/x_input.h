// Real keyboard and mouse input through the X server's XTEST extension, as
// a user's hands would give it: keys go to whichever window has the focus,
// clicks to whatever lies under the pointer, and grabs apply. No event is
// sent to a chosen window directly, since such events slip past grabs and
// could hide what a user meets. Each call is false if xdotool failed.
#pragma once

#include <string>

namespace xtest {

// Presses and releases each key in turn; keys are xdotool's names separated
// by spaces ("Return", "a Tab F1", "ctrl+q").
bool pressKeys(const std::string& displayName, const std::string& keys);
bool keyDown(const std::string& displayName, const std::string& key);
bool keyUp(const std::string& displayName, const std::string& key);

// Moves the pointer to an absolute screen position.
bool moveMouse(const std::string& displayName, int x, int y);
// Moves the pointer by an offset, as a mouse does. Under a Wayland
// compositor without a seat only this works: an absolute move warps the
// pointer on the root window, which that Xwayland does not survive.
bool moveMouseBy(const std::string& displayName, int dx, int dy);
// Buttons: 1 left, 2 middle, 3 right, 4 and 5 the wheel.
bool mouseDown(const std::string& displayName, int button);
bool mouseUp(const std::string& displayName, int button);
bool click(const std::string& displayName, int button);

}  // namespace xtest
