// Start-up OpenGL state and the light rig. With colour material on, no object
// sets a material: every surface's ambient and diffuse follow its colour.
#include "render/gl_setup.h"

#include <GL/gl.h>
#include <GL/glut.h>

#include <cstdio>

#include "camera/camera.h"
#include "render/texture_font.h"
#include "state/game_state.h"

namespace render {

namespace {

constexpr const char* kFontFile = "arial.glf";

GLUquadric* gSharedQuadric = nullptr;
GlfFont* gGameFont = nullptr;

// The record gameFont points at once initRendering has run; lives for the run.
GlfFont gFontRecord;

struct StartupLight {
  GLenum light;
  float ambient;  // grey levels
  float diffuse;
  float x, y, z;
};

// In set-up order: light 0 first, then 7, then 1 to 6. The positions are
// taken in the straight-down camera view that initRendering has just loaded,
// so light 0, never placed again, keeps its place relative to the viewer.
constexpr StartupLight kStartupLights[] = {
    {GL_LIGHT0, 0.4f, 0.9f, 0, 0, 20},      {GL_LIGHT7, 0.4f, 0.9f, 192, 160, 20},
    {GL_LIGHT1, 0.4f, 0.9f, -50, 100, -50}, {GL_LIGHT2, 0.4f, 0.9f, -50, 100, 210},
    {GL_LIGHT3, 0.4f, 0.9f, 242, 100, -50}, {GL_LIGHT4, 0.4f, 0.9f, 242, 100, 210},
    {GL_LIGHT5, 0.3f, 0.9f, 0, 100, 0},     {GL_LIGHT6, 0.3f, 0.9f, -50, 100, 210},
};

// Per-frame places, at the camera's height less kLightDrop. Lights 1 to 4
// frame the default 12 x 10 board with a margin of 50; 6 and 7 share a place
// (the scene pass moves 6 again).
struct FrameLight {
  GLenum light;
  float x, z;
};
constexpr FrameLight kFrameLights[] = {
    {GL_LIGHT1, -50, -50}, {GL_LIGHT2, -50, 210}, {GL_LIGHT3, 242, -50}, {GL_LIGHT4, 242, 210},
    {GL_LIGHT5, 192, 20},  {GL_LIGHT6, 0, 0},     {GL_LIGHT7, 0, 0},
};
constexpr float kLightDrop = 40;

// Every three-coordinate light position is positional.
constexpr float kPositional = 1.0f;

constexpr GLfloat kGlobalAmbient[] = {0.1f, 0.1f, 0.1f, 1.0f};

void placeLight(GLenum light, float x, float y, float z) {
  const GLfloat position[] = {x, y, z, kPositional};
  glLightfv(light, GL_POSITION, position);
}

void setUpLight(const StartupLight& l) {
  const GLfloat ambient[] = {l.ambient, l.ambient, l.ambient, 1.0f};
  const GLfloat diffuse[] = {l.diffuse, l.diffuse, l.diffuse, 1.0f};
  glLightfv(l.light, GL_AMBIENT, ambient);
  glLightfv(l.light, GL_DIFFUSE, diffuse);
  placeLight(l.light, l.x, l.y, l.z);
  glEnable(l.light);
}

}  // namespace

void initRendering() {
  // Without the font the overlay simply draws no text; the game goes on, and
  // says once why the screen will have none.
  gFontRecord = GlfFont{};
  setGameFont(&gFontRecord);
  const char* why = nullptr;
  if (loadFont(gameFont(), kFontFile, &why) == 0) {
    std::fprintf(stderr, "velmora: %s: %s; the game runs without text\n", kFontFile,
                 why != nullptr ? why : "cannot be read");
  }

  GLUquadric* quadric = gluNewQuadric();
  gluQuadricDrawStyle(quadric, GLU_FILL);
  gluQuadricNormals(quadric, GLU_SMOOTH);
  gluQuadricOrientation(quadric, GLU_OUTSIDE);
  gluQuadricTexture(quadric, GL_TRUE);
  setSharedQuadric(quadric);

  // The start-up light positions are taken in this straight-down view.
  camera::Camera& c = *game::currentCamera();
  c.yaw = 0;
  c.pitch = -90;
  c.roll = 0;
  camera::updateAndApplyCamera(c);

  glDisable(GL_LIGHTING);
  glEnable(GL_LIGHTING);
  glShadeModel(GL_SMOOTH);
  glClearColor(0.0f, 0.0f, 0.0f, 0.5f);
  glClearDepth(1.0);
  glEnable(GL_DEPTH_TEST);
  glDepthFunc(GL_LEQUAL);
  glEnable(GL_COLOR_MATERIAL);
  glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
  glLightModelfv(GL_LIGHT_MODEL_AMBIENT, kGlobalAmbient);

  for (const StartupLight& light : kStartupLights) setUpLight(light);

  glutSetCursor(GLUT_CURSOR_NONE);
}

void placeLights() {
  const float h = game::currentCamera()->y - kLightDrop;
  for (const FrameLight& light : kFrameLights) placeLight(light.light, light.x, h, light.z);
}

GLUquadric* sharedQuadric() { return gSharedQuadric; }
void setSharedQuadric(GLUquadric* quadric) { gSharedQuadric = quadric; }

GlfFont* gameFont() { return gGameFont; }
void setGameFont(GlfFont* font) { gGameFont = font; }

}  // namespace render
