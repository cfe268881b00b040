// The mouse on GLUT. Both buttons share one capture: the first release ends
// it for both. The pointer is held at the centre of the window, whatever its
// size; on the game-mode screen that is (512, 384).
#include "input/mouse.h"

#include <GL/freeglut.h>

#include "camera/camera.h"
#include "camera/projection.h"
#include "state/game_state.h"

namespace input {

namespace {

// The mouse steers the free camera of a match; the entry screen, which keeps
// the view of the match before it, is not steered.
bool inFreeView() {
  return game::viewMode() == game::FreeView && game::gamePhase() != game::NodeEntry;
}

}  // namespace

void capturePointer(int, int) {
  if (game::pointerCaptured == 1) return;
  game::pointerCaptured = 1;
  // The window's centre now: a window may have changed size since the last
  // capture (a reshape during a capture moves the centre itself).
  game::pointerCentreX = camera::windowWidth() / 2;
  game::pointerCentreY = camera::windowHeight() / 2;
  glutSetCursor(GLUT_CURSOR_CROSSHAIR);
  glutWarpPointer(game::pointerCentreX, game::pointerCentreY);
}

void releasePointer(int x, int y) {
  if (game::pointerCaptured == 0) return;
  game::pointerCaptured = 0;
  glutSetCursor(GLUT_CURSOR_LEFT_ARROW);
  glutWarpPointer(x, y);
}

void releasePointerToCentre() {
  releasePointer(camera::windowWidth() / 2, camera::windowHeight() / 2);
}

void onMouse(int button, int state, int x, int y) {
  if (!inFreeView()) return;
  if (button == GLUT_LEFT_BUTTON) {
    if (game::freeLookActive() == 0 && state == GLUT_DOWN) {
      game::setFreeLookActive(1);
      capturePointer(x, y);
    } else {
      game::setFreeLookActive(0);
      releasePointerToCentre();
    }
  } else if (button == GLUT_RIGHT_BUTTON) {
    // The zoom follows the button: on while it is held. (A flag that flipped
    // on every event would be turned over by a release that arrived outside
    // the free view, and then zoom with no button held.)
    if (state == GLUT_DOWN) {
      game::setZoomActive(1);
      capturePointer(x, y);
    } else {
      game::setZoomActive(0);
      releasePointerToCentre();
    }
  }
}

void onMotion(int x, int y) {
  if (game::freeLookActive() == 1 && inFreeView()) camera::mouseLook(x, y);
  if (game::zoomActive() == 1 && inFreeView()) camera::mouseZoom(x, y);
}

}  // namespace input
