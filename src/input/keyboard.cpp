// The keys on GLUT. What a key does to the game is in game/match_control and
// the camera; this file adds what it does to the window: the view, the light
// of the top view, the pointer and the projection, full screen (F11, only in
// a window), and leaving.
#include "input/keyboard.h"

#include <GL/freeglut.h>

#include <cstdlib>

#include "board/board.h"
#include "camera/camera.h"
#include "camera/projection.h"
#include "game/game_trace.h"
#include "game/match_control.h"
#include "input/mouse.h"
#include "platform/full_screen.h"
#include "state/screen.h"

namespace input {

namespace {

constexpr unsigned char kEnter = 13;
constexpr unsigned char kEscape = 27;

constexpr game::Arrow kArrows[] = {game::kArrowLeft, game::kArrowRight, game::kArrowUp,
                                   game::kArrowDown};

void stopGliding(camera::Camera& eye) {
  eye.sideRate = 0;
  eye.forwardRate = 0;
}

void reloadCameraIf(bool moved) {
  if (moved) camera::updateAndApplyCamera(*game::currentCamera());
}

bool arrowOf(int key, game::Arrow* arrow) {
  switch (key) {
    case GLUT_KEY_LEFT:
      *arrow = game::kArrowLeft;
      return true;
    case GLUT_KEY_RIGHT:
      *arrow = game::kArrowRight;
      return true;
    case GLUT_KEY_UP:
      *arrow = game::kArrowUp;
      return true;
    case GLUT_KEY_DOWN:
      *arrow = game::kArrowDown;
      return true;
    default:
      return false;
  }
}

}  // namespace

void quit() {
  game::quitting = 1;
  // A window never switched the keyboard's repeat off (see start-up), and
  // has no game mode to leave.
  if (game::playingInWindow() == 0) glutSetKeyRepeat(GLUT_KEY_REPEAT_DEFAULT);
  releasePointer(0, 0);
  if (game::playingInWindow() == 0) glutLeaveGameMode();
  board::releaseTrails();
  game::closeGameTrace();
  std::exit(0);
}

void applyViewPreset(game::ViewMode view) {
  camera::Camera& eye = *game::currentCamera();
  const board::Board* board = board::currentBoard();
  const int columns = board != nullptr ? board->columns : 0;
  const int rows = board != nullptr ? board->rows : 0;
  // A new view ends the zoom; a fixed view also ends any glide, and lets go
  // of the arrows, which would glide it off the board while still held.
  game::setZoomActive(0);
  if (view != game::FreeView) {
    stopGliding(eye);
    for (game::Arrow arrow : kArrows) game::releaseArrow(arrow);
  }
  camera::placeCamera(eye, camera::presetPose(view, columns, rows));
  camera::updateAndApplyCamera(eye);
  if (view == game::FreeView) {
    glutSetCursor(GLUT_CURSOR_LEFT_ARROW);
    glDisable(GL_LIGHT5);
    game::setViewMode(view);
    return;
  }
  if (view == game::TopView) {
    glEnable(GL_LIGHT5);
  } else {
    glDisable(GL_LIGHT5);
  }
  game::setViewMode(view);
  releasePointerToCentre();
  game::setFreeLookActive(0);
  game::fieldOfView = 45;
  glutSetCursor(GLUT_CURSOR_NONE);
  camera::reshape(game::kScreenWidth, game::kScreenHeight);
}

void onKeyboard(unsigned char key, int, int) {
  switch (key) {
    case kEnter:
      if (game::pressEnter()) applyViewPreset(game::TopView);
      break;
    case kEscape:
      quit();
      break;
    case '+':
      game::pressPlus();
      break;
    case '-':
      game::pressMinus();
      break;
    case '1':
      if (game::viewKeysApply()) applyViewPreset(game::TopView);
      break;
    case '2':
      if (game::viewKeysApply()) applyViewPreset(game::ObliqueView);
      break;
    case '3':
      if (game::viewKeysApply()) applyViewPreset(game::FreeView);
      break;
    case 'Z':
    case 'z':
      reloadCameraIf(camera::lowerFreeCamera(*game::currentCamera()));
      break;
    case 'X':
    case 'x':
      reloadCameraIf(camera::raiseFreeCamera(*game::currentCamera()));
      break;
    default:
      break;
  }
}

void onSpecialDown(int key, int, int) {
  game::Arrow arrow;
  if (arrowOf(key, &arrow)) {
    game::pressArrow(arrow);
  } else if (key == GLUT_KEY_F11 && game::playingInWindow() == 1) {
    platform::toggleFullScreen();
  }
}

void onSpecialUp(int key, int, int) {
  game::Arrow arrow;
  switch (key) {
    case GLUT_KEY_F1: {
      // A match started from the first entry screen has no view yet: it gets
      // the one Enter gives, not the close-up of the start-up camera.
      const bool firstView = game::viewMode() == game::NoPreset;
      game::startMatch();
      if (firstView) applyViewPreset(game::TopView);
      break;
    }
    case GLUT_KEY_F2:
      // The entry screen is not steered: the mouse lets go of the camera.
      if (game::gamePhase() != game::NodeEntry) {
        releasePointerToCentre();
        game::setFreeLookActive(0);
        game::setZoomActive(0);
      }
      game::pressReturnToEntry();
      break;
    case GLUT_KEY_F5:
      game::togglePause();
      break;
    default:
      if (arrowOf(key, &arrow)) game::releaseArrow(arrow);
      break;
  }
}

}  // namespace input
