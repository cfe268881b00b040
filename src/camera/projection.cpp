// The projection on OpenGL: the field of view of the game state over the
// window's aspect ratio, with the near and far planes of the scene.
#include "camera/projection.h"

#include <GL/glu.h>

#include "state/game_state.h"

namespace camera {

void reshape(int width, int height) {
  glViewport(0, 0, width, height);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluPerspective(game::fieldOfView, static_cast<double>(width) / height, 0.1, 2000.0);
  // The camera's view matrix stays in force on the modelview stack.
  glMatrixMode(GL_MODELVIEW);
}

}  // namespace camera
