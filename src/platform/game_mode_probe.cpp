// Xwayland is told by its RandR outputs, named XWAYLAND<n>, or by the
// XWAYLAND extension of its newer versions. An X error while asking only
// counts against the answer; it never ends the process.
#include "platform/game_mode_probe.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>
#include <X11/extensions/xf86vmode.h>

#include <cstring>

namespace platform {

namespace {

int ignoreXError(Display*, XErrorEvent*) { return 0; }

bool hasXwaylandOutput(Display* display) {
  int eventBase = 0;
  int errorBase = 0;
  if (!XRRQueryExtension(display, &eventBase, &errorBase)) return false;
  XRRScreenResources* resources = XRRGetScreenResourcesCurrent(display, DefaultRootWindow(display));
  if (resources == nullptr) return false;
  bool found = false;
  for (int i = 0; i < resources->noutput && !found; ++i) {
    XRROutputInfo* output = XRRGetOutputInfo(display, resources, resources->outputs[i]);
    if (output == nullptr) continue;
    found = std::strncmp(output->name, "XWAYLAND", 8) == 0;
    XRRFreeOutputInfo(output);
  }
  XRRFreeScreenResources(resources);
  return found;
}

bool isXwayland(Display* display) {
  int opcode = 0;
  int eventBase = 0;
  int errorBase = 0;
  return XQueryExtension(display, "XWAYLAND", &opcode, &eventBase, &errorBase) ||
         hasXwaylandOutput(display);
}

}  // namespace

GameModeOutlook lookAtGameMode(const char* displayName) {
  Display* display = XOpenDisplay(displayName);
  if (display == nullptr) return GameModeOutlook::kNoDisplay;
  XErrorHandler previous = XSetErrorHandler(ignoreXError);
  GameModeOutlook outlook = GameModeOutlook::kAsk;
  int eventBase = 0;
  int errorBase = 0;
  if (isXwayland(display)) {
    outlook = GameModeOutlook::kXwayland;
  } else if (!XF86VidModeQueryExtension(display, &eventBase, &errorBase)) {
    outlook = GameModeOutlook::kNoVidMode;
  }
  XSync(display, False);
  XSetErrorHandler(previous);
  XCloseDisplay(display);
  return outlook;
}

}  // namespace platform
