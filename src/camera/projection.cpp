// The projection on OpenGL: the field of view of the game state over the
// picture's aspect ratio, with the near and far planes of the scene. The
// frame clears the whole window, so the bars around the picture stay black.
#include "camera/projection.h"

#include <GL/freeglut.h>

#include "state/game_state.h"
#include "state/screen.h"

namespace camera {

namespace {

int gWindowWidth = game::kScreenWidth;
int gWindowHeight = game::kScreenHeight;

}  // namespace

Viewport letterbox(int windowWidth, int windowHeight, int pictureWidth, int pictureHeight) {
  if (windowWidth <= 0 || windowHeight <= 0 || pictureWidth <= 0 || pictureHeight <= 0) return {};
  Viewport v{0, 0, windowWidth, windowHeight};
  const long long wide = static_cast<long long>(windowWidth) * pictureHeight;
  const long long tall = static_cast<long long>(windowHeight) * pictureWidth;
  if (wide > tall) {
    v.width = static_cast<int>(tall / pictureHeight);
    v.x = (windowWidth - v.width) / 2;
  } else if (wide < tall) {
    v.height = static_cast<int>(wide / pictureWidth);
    v.y = (windowHeight - v.height) / 2;
  }
  return v;
}

void onWindowReshape(int width, int height) {
  gWindowWidth = width;
  gWindowHeight = height;
  reshape(game::kScreenWidth, game::kScreenHeight);
  if (game::pointerCaptured == 1) {
    game::pointerCentreX = width / 2;
    game::pointerCentreY = height / 2;
    glutWarpPointer(game::pointerCentreX, game::pointerCentreY);
  }
}

void reshape(int width, int height) {
  const Viewport v = letterbox(gWindowWidth, gWindowHeight, width, height);
  glViewport(v.x, v.y, v.width, v.height);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluPerspective(game::fieldOfView, static_cast<double>(width) / height, 0.1, 2000.0);
  // The camera's view matrix stays in force on the modelview stack.
  glMatrixMode(GL_MODELVIEW);
}

int windowWidth() { return gWindowWidth; }
int windowHeight() { return gWindowHeight; }

}  // namespace camera
