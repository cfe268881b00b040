// The grabs are those of freeglut's game mode on its own X connection, which
// is the one of the current GLX context. Without a context (no window yet,
// or a test without one) there is nothing to release.
#include "platform/box_over_game.h"

#include <GL/freeglut.h>
#include <GL/glx.h>
#include <X11/Xlib.h>

#include "platform/message_box.h"

namespace platform {

namespace {

void releaseGrabs(Display* display) {
  XUngrabKeyboard(display, CurrentTime);
  XUngrabPointer(display, CurrentTime);
  XSync(display, False);
}

void retakeGrabs(Display* display, Window window) {
  XSetInputFocus(display, window, RevertToNone, CurrentTime);
  XGrabPointer(display, window, True,
               ButtonPressMask | ButtonReleaseMask | ButtonMotionMask | PointerMotionMask,
               GrabModeAsync, GrabModeAsync, window, None, CurrentTime);
  XGrabKeyboard(display, window, False, GrabModeAsync, GrabModeAsync, CurrentTime);
  XSync(display, False);
}

}  // namespace

void showBoxLeavingGame(const char* title, const char* text) {
  if (glutGet(GLUT_INIT_STATE) == 1 && glutGameModeGet(GLUT_GAME_MODE_ACTIVE) != 0) {
    glutLeaveGameMode();
  }
  showMessageBox(title, text);
}

void showBoxOverGame(const char* title, const char* text) {
  Display* display = glXGetCurrentDisplay();
  const Window window = glXGetCurrentDrawable();
  if (display == nullptr || window == 0) {
    showMessageBox(title, text);
    return;
  }
  releaseGrabs(display);
  showMessageBox(title, text);
  retakeGrabs(display, window);
}

}  // namespace platform
