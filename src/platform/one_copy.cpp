// The claim is the selection VELMORA_GAME of the display: the X server hands
// a selection to one owner at a time, so of two copies claiming at once the
// later owner keeps it and the earlier one, reading the owner back, yields.
#include "platform/one_copy.h"

#include <X11/Xlib.h>

#include <cstdlib>

namespace platform {

namespace {

constexpr const char* kSelection = "VELMORA_GAME";

// Open for the rest of the process: closing it would give the claim up.
Display* gClaimConnection = nullptr;

// At exit, however the game ends by exit(), so that no connection is left
// for leak checkers to find; the server drops the claim with it.
void releaseClaim() {
  if (gClaimConnection == nullptr) return;
  XCloseDisplay(gClaimConnection);
  gClaimConnection = nullptr;
}

}  // namespace

DisplayClaim claimDisplay(const char* displayName) {
  Display* display = XOpenDisplay(displayName);
  if (display == nullptr) return DisplayClaim::kNoDisplay;
  const Atom selection = XInternAtom(display, kSelection, False);
  if (XGetSelectionOwner(display, selection) != None) {
    XCloseDisplay(display);
    return DisplayClaim::kTakenByAnother;
  }
  const Window owner =
      XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
  XSetSelectionOwner(display, selection, owner, CurrentTime);
  if (XGetSelectionOwner(display, selection) != owner) {
    XCloseDisplay(display);
    return DisplayClaim::kTakenByAnother;
  }
  XFlush(display);
  gClaimConnection = display;
  std::atexit(releaseClaim);
  return DisplayClaim::kClaimed;
}

bool keyboardHeldByAnother(const char* displayName) {
  Display* display = XOpenDisplay(displayName);
  if (display == nullptr) return false;
  const bool held = XGrabKeyboard(display, DefaultRootWindow(display), False, GrabModeAsync,
                                  GrabModeAsync, CurrentTime) == AlreadyGrabbed;
  XUngrabKeyboard(display, CurrentTime);
  XCloseDisplay(display);
  return held;
}

}  // namespace platform
