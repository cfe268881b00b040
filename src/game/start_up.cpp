// Start-up: the full-screen window in GLUT game mode, the camera, the OpenGL
// state, every callback, the textures, the display lists and models, the
// first game values, then the GLUT loop, which never returns.
#include "game/start_up.h"

#include <GL/freeglut.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "camera/camera.h"
#include "game/display_frame.h"
#include "game/game_state.h"
#include "game/random.h"
#include "input/keyboard.h"
#include "input/mouse.h"
#include "render/board_scene.h"
#include "render/gl_setup.h"
#include "render/piece_models.h"
#include "render/textures.h"

namespace game {

namespace {

constexpr int kFrameDelayMs = 16;
constexpr int kFirstNodeCount = 120;

}  // namespace

void startUp(int argc, char** argv) {
  glutInit(&argc, argv);
  // No stencil buffer: the scene's stencil test then passes everywhere.
  glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
  glutGameModeString("1024x768:32@75");
  glutEnterGameMode();

  static camera::Camera theCamera = camera::createCamera();
  setCurrentCamera(&theCamera);
  camera::setCameraHeight(30.0f);
  camera::updateAndApplyCamera(theCamera);

  if (glutGameModeGet(GLUT_GAME_MODE_POSSIBLE) == 0) {
    std::printf("El modo Game no esta disponible.\n");
    std::exit(1);
  }
  glutEnterGameMode();
  frameDelayMs = kFrameDelayMs;
  render::initRendering();

  glutReshapeFunc(reshape);
  glutSetKeyRepeat(GLUT_KEY_REPEAT_OFF);
  glutIgnoreKeyRepeat(0);
  glutDisplayFunc(displayFrame);
  glutKeyboardFunc(input::onKeyboard);
  glutSpecialFunc(input::onSpecialDown);
  glutSpecialUpFunc(input::onSpecialUp);
  glutMouseFunc(input::onMouse);
  glutMotionFunc(input::onMotion);
  glutPassiveMotionFunc(input::onMotion);

  render::loadTextureTable();
  render::buildBackdropList();
  render::buildPieceModels();

  setGamePhase(NodeEntry);
  setNodeCount(kFirstNodeCount);
  seedRandom(static_cast<std::uint32_t>(std::time(nullptr)));
  glutIdleFunc(idle);
  glutMainLoop();
}

void reshape(int width, int height) {
  glViewport(0, 0, width, height);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluPerspective(fieldOfView, static_cast<double>(width) / height, 0.1, 2000.0);
  // The camera's view matrix stays in force on the modelview stack.
  glMatrixMode(GL_MODELVIEW);
}

void idle() { glutPostRedisplay(); }

}  // namespace game
