// One frame: the camera, the lights, the game's frame steps (frame_logic.h)
// between the drawing of the scene and of the overlay, the pacing, and the
// swap. The steps that change the game are the simulator's very own.
#include "game/display_frame.h"

#include <GL/freeglut.h>

#include <ctime>

#include "board/board.h"
#include "camera/camera.h"
#include "game/frame_logic.h"
#include "game/game_trace.h"
#include "game/overlay.h"
#include "game/scene_pass.h"
#include "render/gl_setup.h"
#include "state/game_state.h"

namespace game {

namespace {

// Returns once at least delayMs milliseconds of the GLUT clock have passed
// since `stamp`. It sleeps through the wait rather than spinning on the
// clock, which would keep a core busy: in one sleep up to the last
// millisecond, then in naps of a tenth of one, since the clock counts whole
// milliseconds and the moment it turns over is not known in advance.
void waitSince(int stamp, int delayMs) {
  for (;;) {
    const int left = delayMs - (glutGet(GLUT_ELAPSED_TIME) - stamp);
    if (left <= 0) return;
    const long sleepNs = left > 1 ? (left - 1) * 1000000L : 100000L;
    const timespec pause{sleepNs / 1000000000L, sleepNs % 1000000000L};
    nanosleep(&pause, nullptr);
  }
}

void prepareOverlayState() {
  glPushMatrix();
  glLoadIdentity();
  glDisable(GL_BLEND);
  glEnable(GL_TEXTURE_2D);
  glDisable(GL_LIGHTING);
  glDisable(GL_CULL_FACE);
  glDisable(GL_DEPTH_TEST);
  glColor3f(1, 1, 1);
}

void restoreSceneState() {
  glPopMatrix();
  glDisable(GL_TEXTURE_2D);
  glDisable(GL_BLEND);
  glEnable(GL_DEPTH_TEST);
}

}  // namespace

void displayFrame() {
  glClearColor(0, 0, 0, 1);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  if (quitting == 1) {
    board::releaseTrails();
    return;
  }
  glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);

  camera::Camera& eye = *currentCamera();
  if (camera::cameraInMotion(eye)) camera::updateAndApplyCamera(eye);
  render::placeLights();
  glEnable(GL_CULL_FACE);

  frameMovementStep();
  if (gamePhase() != NodeEntry) drawScenePass();
  // Hands the scene to the rasterizer now, so that it is drawn while this
  // frame waits out its delay rather than after it.
  glFlush();

  const int stamp = glutGet(GLUT_ELAPSED_TIME);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  waitSince(stamp, frameDelayMs);

  prepareOverlayState();
  frameTurnStep();
  drawOverlay();
  restoreSceneState();

  frameWinnerStep();
  traceFrame();
  board::releaseTrails();
  glutSwapBuffers();
}

}  // namespace game
