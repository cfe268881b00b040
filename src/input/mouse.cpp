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

bool inFreeView() { return game::viewMode() == game::FreeView; }

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
    // Press and release alike toggle the zoom: on while the button is held.
    if (game::zoomActive() == 0) {
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
