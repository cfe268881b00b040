// Start-up: the full-screen window in GLUT game mode, the camera, the OpenGL
// state, every callback, the textures, the display lists and models, the
// first game values, then the GLUT loop, which never returns.
#include "app/start_up.h"

#include <GL/freeglut.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "camera/camera.h"
#include "camera/projection.h"
#include "game/display_frame.h"
#include "input/keyboard.h"
#include "input/mouse.h"
#include "render/board_scene.h"
#include "render/gl_setup.h"
#include "render/piece_models.h"
#include "render/textures.h"
#include "state/game_state.h"
#include "state/random.h"

namespace app {

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
  game::setCurrentCamera(&theCamera);
  camera::setCameraHeight(30.0f);
  camera::updateAndApplyCamera(theCamera);

  if (glutGameModeGet(GLUT_GAME_MODE_POSSIBLE) == 0) {
    std::printf("El modo Game no esta disponible.\n");
    std::exit(1);
  }
  glutEnterGameMode();
  game::frameDelayMs = kFrameDelayMs;
  render::initRendering();

  glutReshapeFunc(camera::reshape);
  glutSetKeyRepeat(GLUT_KEY_REPEAT_OFF);
  glutIgnoreKeyRepeat(0);
  glutDisplayFunc(game::displayFrame);
  glutKeyboardFunc(input::onKeyboard);
  glutSpecialFunc(input::onSpecialDown);
  glutSpecialUpFunc(input::onSpecialUp);
  glutMouseFunc(input::onMouse);
  glutMotionFunc(input::onMotion);
  glutPassiveMotionFunc(input::onMotion);

  render::loadTextureTable();
  render::buildBackdropList();
  render::buildPieceModels();

  game::setGamePhase(game::NodeEntry);
  game::setNodeCount(kFirstNodeCount);
  game::seedRandom(static_cast<std::uint32_t>(std::time(nullptr)));
  glutIdleFunc(idle);
  glutMainLoop();
}

void idle() { glutPostRedisplay(); }

}  // namespace app
