// freeglut's own toggle misplaces the window: with no window manager it
// moves the window to minus its position, and under some managers each
// return lands further up and left. So the game asks the manager itself,
// through _NET_WM_STATE, and does the move by hand only where none answers.
#include "platform/full_screen.h"

#include <GL/glx.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace platform {

namespace {

struct Geometry {
  int x = 0;
  int y = 0;
  unsigned int width = 0;
  unsigned int height = 0;
};

bool gFull = false;
Geometry gBefore;  // where the window was, for a move by hand

// Whether a window manager that knows _NET_WM_STATE_FULLSCREEN runs.
bool managerDoesFullScreen(Display* display) {
  const Window root = DefaultRootWindow(display);
  const Atom supported = XInternAtom(display, "_NET_SUPPORTED", True);
  const Atom fullScreen = XInternAtom(display, "_NET_WM_STATE_FULLSCREEN", True);
  const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", True);
  if (supported == None || fullScreen == None || check == None) return false;
  Atom type = None;
  int format = 0;
  unsigned long count = 0;
  unsigned long after = 0;
  unsigned char* data = nullptr;
  bool manager = false;
  if (XGetWindowProperty(display, root, check, 0, 1, False, XA_WINDOW, &type, &format, &count,
                         &after, &data) == Success &&
      data != nullptr) {
    manager = count == 1;
    XFree(data);
  }
  if (!manager) return false;
  bool found = false;
  data = nullptr;
  if (XGetWindowProperty(display, root, supported, 0, 4096, False, XA_ATOM, &type, &format, &count,
                         &after, &data) == Success &&
      data != nullptr) {
    const Atom* atoms = reinterpret_cast<const Atom*>(data);
    for (unsigned long i = 0; i < count && !found; ++i) found = atoms[i] == fullScreen;
    XFree(data);
  }
  return found;
}

void askManager(Display* display, Window window, bool full) {
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(display, "_NET_WM_STATE", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = full ? 1 : 0;  // add or remove
  event.xclient.data.l[1] =
      static_cast<long>(XInternAtom(display, "_NET_WM_STATE_FULLSCREEN", False));
  event.xclient.data.l[2] = 0;
  event.xclient.data.l[3] = 1;  // from an ordinary application
  XSendEvent(display, DefaultRootWindow(display), False,
             SubstructureRedirectMask | SubstructureNotifyMask, &event);
}

Geometry placeOnScreen(Display* display, Window window) {
  Geometry g;
  Window root = None;
  Window child = None;
  int x = 0;
  int y = 0;
  unsigned int border = 0;
  unsigned int depth = 0;
  XGetGeometry(display, window, &root, &x, &y, &g.width, &g.height, &border, &depth);
  XTranslateCoordinates(display, window, root, 0, 0, &g.x, &g.y, &child);
  return g;
}

void moveByHand(Display* display, Window window, bool full) {
  if (full) {
    gBefore = placeOnScreen(display, window);
    const int screen = DefaultScreen(display);
    XMoveResizeWindow(display, window, 0, 0, DisplayWidth(display, screen),
                      DisplayHeight(display, screen));
  } else {
    XMoveResizeWindow(display, window, gBefore.x, gBefore.y, gBefore.width, gBefore.height);
  }
}

}  // namespace

void toggleFullScreen() {
  Display* display = glXGetCurrentDisplay();
  const Window window = glXGetCurrentDrawable();
  if (display == nullptr || window == 0) return;
  gFull = !gFull;
  if (managerDoesFullScreen(display)) {
    askManager(display, window, gFull);
  } else {
    moveByHand(display, window, gFull);
  }
  XFlush(display);
}

}  // namespace platform
