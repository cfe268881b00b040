// The camera on OpenGL: its view matrix, and the mouse's turn and zoom with
// the pointer held at the screen centre.
#include <GL/freeglut.h>

#include "camera/camera.h"
#include "camera/projection.h"
#include "state/game_state.h"
#include "state/screen.h"

namespace camera {

void applyCamera(const Camera& c) {
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glRotatef(-c.roll, 0, 0, 1);
  glRotatef(-c.pitch, 1, 0, 0);
  glRotatef(-c.yaw, 0, 1, 0);
  glTranslatef(-c.x, -c.y, -c.z);
}

void updateAndApplyCamera(Camera& c) {
  updateMotion(c);
  applyCamera(c);
}

void mouseLook(int x, int y) {
  if (!turnByPointer(x, y)) return;
  glutWarpPointer(game::pointerCentreX, game::pointerCentreY);
  applyCamera(*game::currentCamera());
  glutPostRedisplay();
}

void mouseZoom(int x, int y) {
  if (!zoomByPointer(x, y)) return;
  glutWarpPointer(game::pointerCentreX, game::pointerCentreY);
  camera::reshape(game::kScreenWidth, game::kScreenHeight);
  glutPostRedisplay();
}

}  // namespace camera
