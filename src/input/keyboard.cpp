// The keys on GLUT. What a key does to the game is in match_control and the
// camera; this file adds what it does to the window: the view, the light of
// the top view, the pointer and the projection, and leaving.
#include "input/keyboard.h"

#include <GL/freeglut.h>

#include <cstdlib>

#include "board/board.h"
#include "camera/camera.h"
#include "game/start_up.h"
#include "input/match_control.h"
#include "input/mouse.h"

namespace input {

namespace {

constexpr unsigned char kEnter = 13;
constexpr unsigned char kEscape = 27;

void quit() {
  game::quitting = 1;
  glutSetKeyRepeat(GLUT_KEY_REPEAT_DEFAULT);
  releasePointer(0, 0);
  glutLeaveGameMode();
  board::releaseTrails();
  std::exit(0);
}

void reloadCameraIf(bool moved) {
  if (moved) camera::updateAndApplyCamera(*game::currentCamera());
}

bool arrowOf(int key, Arrow* arrow) {
  switch (key) {
    case GLUT_KEY_LEFT:
      *arrow = kArrowLeft;
      return true;
    case GLUT_KEY_RIGHT:
      *arrow = kArrowRight;
      return true;
    case GLUT_KEY_UP:
      *arrow = kArrowUp;
      return true;
    case GLUT_KEY_DOWN:
      *arrow = kArrowDown;
      return true;
    default:
      return false;
  }
}

}  // namespace

void applyViewPreset(game::ViewMode view) {
  camera::Camera& eye = *game::currentCamera();
  const board::Board* board = board::currentBoard();
  const int columns = board != nullptr ? board->columns : 0;
  const int rows = board != nullptr ? board->rows : 0;
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
  releasePointer(game::kScreenCentreX, game::kScreenCentreY);
  game::setFreeLookActive(0);
  game::fieldOfView = 45;
  glutSetCursor(GLUT_CURSOR_NONE);
  game::reshape(game::kScreenWidth, game::kScreenHeight);
}

void onKeyboard(unsigned char key, int, int) {
  switch (key) {
    case kEnter:
      if (pressEnter()) applyViewPreset(game::TopView);
      break;
    case kEscape:
      quit();
      break;
    case '+':
      pressPlus();
      break;
    case '-':
      pressMinus();
      break;
    case '1':
      if (viewKeysApply()) applyViewPreset(game::TopView);
      break;
    case '2':
      if (viewKeysApply()) applyViewPreset(game::ObliqueView);
      break;
    case '3':
      if (viewKeysApply()) applyViewPreset(game::FreeView);
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
  Arrow arrow;
  if (arrowOf(key, &arrow)) pressArrow(arrow);
}

void onSpecialUp(int key, int, int) {
  Arrow arrow;
  switch (key) {
    case GLUT_KEY_F1:
      startMatch();
      break;
    case GLUT_KEY_F2:
      pressReturnToEntry();
      break;
    case GLUT_KEY_F5:
      togglePause();
      break;
    default:
      if (arrowOf(key, &arrow)) releaseArrow(arrow);
      break;
  }
}

}  // namespace input
