// Start-up: the full-screen window in GLUT game mode (or an ordinary window),
// the camera, the OpenGL state, every callback, the textures, the display
// lists and models, the first game values, then the GLUT loop, which never
// returns.
#include "app/start_up.h"

#include <GL/freeglut.h>
#include <unistd.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

#include "app/game_options.h"
#include "camera/camera.h"
#include "camera/projection.h"
#include "game/display_frame.h"
#include "game/match_control.h"
#include "input/keyboard.h"
#include "input/mouse.h"
#include "input/watch.h"
#include "platform/game_mode_probe.h"
#include "platform/message_box.h"
#include "platform/one_copy.h"
#include "render/board_scene.h"
#include "render/gl_setup.h"
#include "render/piece_models.h"
#include "render/textures.h"
#include "state/game_state.h"
#include "state/random.h"
#include "state/screen.h"

namespace app {

namespace {

constexpr int kFrameDelayMs = 16;

// The camera, looking at the start-up view.
void createTheCamera() {
  static camera::Camera theCamera = camera::createCamera();
  game::setCurrentCamera(&theCamera);
  camera::setCameraHeight(30.0f);
  camera::updateAndApplyCamera(theCamera);
}

void sayGameModeIsMissing() {
  std::printf("El modo Game no esta disponible.\n");
  std::exit(1);
}

// One copy of the game per display (see platform/one_copy.h). The second is
// told on stderr, and in a box when it has no terminal (started from a menu)
// unless the first holds the keyboard, which no box could then have.
void claimTheDisplay(const char* displayName) {
  if (platform::claimDisplay(displayName) != platform::DisplayClaim::kTakenByAnother) return;
  std::fprintf(stderr, "velmora: Velmora is already running on this display\n");
  std::fflush(stderr);
  if (isatty(STDERR_FILENO) == 0 && !platform::keyboardHeldByAnother(displayName)) {
    platform::showMessageBoxOnDisplay("Velmora", "Velmora ya se esta ejecutando en esta pantalla.");
  }
  std::exit(1);
}

// The full screen in the 1024 x 768 mode at 75 Hz, or the line and status 1.
// Where asking for the mode cannot work (see platform/game_mode_probe.h) it
// is not asked for.
void openGameMode(const char* displayName) {
  const platform::GameModeOutlook outlook = platform::lookAtGameMode(displayName);
  if (outlook == platform::GameModeOutlook::kXwayland ||
      outlook == platform::GameModeOutlook::kNoVidMode) {
    sayGameModeIsMissing();
  }
  claimTheDisplay(displayName);
  glutGameModeString("1024x768:32@75");
  glutEnterGameMode();
  createTheCamera();
  if (glutGameModeGet(GLUT_GAME_MODE_POSSIBLE) == 0) sayGameModeIsMissing();
  glutEnterGameMode();
}

// An ordinary window of the game's 1024 x 768, or of the largest 4:3 size a
// smaller screen holds, centred on the screen.
void openWindow() {
  game::setPlayingInWindow(1);
  const int screenWidth = glutGet(GLUT_SCREEN_WIDTH);
  const int screenHeight = glutGet(GLUT_SCREEN_HEIGHT);
  const camera::Viewport fit = camera::letterbox(std::min(screenWidth, game::kScreenWidth),
                                                 std::min(screenHeight, game::kScreenHeight),
                                                 game::kScreenWidth, game::kScreenHeight);
  const int width = fit.width > 0 ? fit.width : game::kScreenWidth;
  const int height = fit.height > 0 ? fit.height : game::kScreenHeight;
  glutInitWindowSize(width, height);
  glutInitWindowPosition(std::max(0, (screenWidth - width) / 2),
                         std::max(0, (screenHeight - height) / 2));
  glutCreateWindow("Velmora");
  createTheCamera();
}

// A failure freeglut cannot go on from: no display, no OpenGL on it, no
// window. A user who started the game from a menu has no terminal, so a box
// says it too. freeglut would carry on after a handler that returns, so the
// process ends here.
void reportGlutFailure(const char* format, va_list args) {
  char what[512];
  std::vsnprintf(what, sizeof what, format, args);
  std::fprintf(stderr, "velmora: %s\n", what);
  std::fflush(stderr);
  const std::string text = std::string("Velmora no puede abrir su ventana.\n") + what;
  platform::showMessageBoxOnDisplay("Error", text.c_str());
  std::exit(1);
}

}  // namespace

void startUp(int argc, char** argv, const GameOptions& options) {
  glutInitErrorFunc(reportGlutFailure);
  glutInit(&argc, argv);
  // No stencil buffer: the scene's stencil test then passes everywhere.
  glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
  if (options.window) {
    claimTheDisplay(options.display);
    openWindow();
  } else {
    openGameMode(options.display);
  }
  game::frameDelayMs = kFrameDelayMs;
  render::initRendering();

  glutReshapeFunc(camera::onWindowReshape);
  if (options.window) {
    // The repeat of a held key is ignored in our window alone: switching it
    // off would switch it off for the whole desktop.
    glutIgnoreKeyRepeat(1);
    glutCloseFunc(input::quit);
  } else {
    glutSetKeyRepeat(GLUT_KEY_REPEAT_OFF);
    glutIgnoreKeyRepeat(0);
  }
  glutDisplayFunc(game::displayFrame);
  glutKeyboardFunc(input::onKeyboard);
  glutSpecialFunc(input::onSpecialDown);
  glutSpecialUpFunc(input::onSpecialUp);
  glutMouseFunc(input::onMouse);
  glutMotionFunc(input::onMotion);
  glutPassiveMotionFunc(input::onMotion);

  render::loadTextureTable();
  render::buildBackdropList();
  render::buildRingDiskList();
  render::buildPieceModels();

  game::setGamePhase(game::NodeEntry);
  game::setNodeCount(options.nodes);
  game::seedRandom(static_cast<std::uint32_t>(std::time(nullptr)));
  game::setMoveSpeed(options.speed);
  if (options.named) game::queueNamedMatch(options.match);
  glutIdleFunc(options.watch ? idleWatching : idle);
  glutMainLoop();
}

void idle() { glutPostRedisplay(); }

void idleWatching() {
  input::watchTick(glutGet(GLUT_ELAPSED_TIME));
  glutPostRedisplay();
}

}  // namespace app
