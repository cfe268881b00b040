// The marker list, the pieces and the lights on a real OpenGL: Mesa on a
// surfaceless EGL display, no window. The lists are drawn from straight above
// and read back as pixels.
#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>
#include <malloc.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <memory>

#include "armies/armies.h"
#include "board/board_local.h"
#include "camera/camera.h"
#include "render/board_geometry.h"
#include "render/board_scene.h"
#include "render/gl_setup.h"
#include "render/piece_appearance.h"
#include "render/piece_models.h"
#include "render/textures.h"
#include "state/game_state.h"

// initRendering, which loads the camera view, is never called here; the
// camera subsystem is linked by the game, not by these tests.
void camera::updateAndApplyCamera(camera::Camera&) {}

namespace {

// Straight down on x from -32 to 224 and z from -32 to 192, two pixels a unit.
constexpr int kWidth = 512;
constexpr int kHeight = 448;

bool makeContext() {
  setenv("EGL_PLATFORM", "surfaceless", 1);
  EGLDisplay display = eglGetDisplay(EGL_DEFAULT_DISPLAY);
  const EGLint wanted[] = {EGL_SURFACE_TYPE,
                           EGL_PBUFFER_BIT,
                           EGL_RENDERABLE_TYPE,
                           EGL_OPENGL_BIT,
                           EGL_RED_SIZE,
                           8,
                           EGL_DEPTH_SIZE,
                           24,
                           EGL_NONE};
  const EGLint size[] = {EGL_WIDTH, kWidth, EGL_HEIGHT, kHeight, EGL_NONE};
  EGLConfig config;
  EGLint found = 0;
  if (!eglInitialize(display, nullptr, nullptr) || !eglBindAPI(EGL_OPENGL_API) ||
      !eglChooseConfig(display, wanted, &config, 1, &found) || found == 0) {
    return false;
  }
  EGLSurface surface = eglCreatePbufferSurface(display, config, size);
  EGLContext context = eglCreateContext(display, config, EGL_NO_CONTEXT, nullptr);
  return eglMakeCurrent(display, surface, surface, context) == EGL_TRUE;
}

void lookDown() {
  glMatrixMode(GL_PROJECTION);
  glOrtho(-32, 224, -192, 32, -100, 100);
  glMatrixMode(GL_MODELVIEW);
  glRotatef(90, 1, 0, 0);  // world (x, y, z) to eye (x, -z, y)
  glViewport(0, 0, kWidth, kHeight);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void expectPixelAbove(float x, float z, float r, float g, float b, const char* what, int index) {
  GLubyte p[4] = {};
  glReadPixels(static_cast<GLint>((x + 32) * 2), static_cast<GLint>((192 - z) * 2), 1, 1, GL_RGBA,
               GL_UNSIGNED_BYTE, p);
  EXPECT_TRUE(std::abs(p[0] - r * 255) < 2.5f && std::abs(p[1] - g * 255) < 2.5f &&
              std::abs(p[2] - b * 255) < 2.5f)
      << what << " " << index << ": " << int(p[0]) << "," << int(p[1]) << "," << int(p[2]);
}

class SceneGl : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(makeContext()) << "no surfaceless OpenGL context";
    GLUquadric* quadric = gluNewQuadric();
    gluQuadricTexture(quadric, GL_TRUE);
    render::setSharedQuadric(quadric);
    render::buildRingDiskList();
    game::setNodeCount(120);
    board = board::createBoard(120);
    lookDown();
  }
  std::unique_ptr<board::Board> board;
};

TEST_F(SceneGl, RebuildingLeavesTheFourBoardListsAndTheRingAlive) {
  const GLuint ring = render::ringDiskList();
  render::buildBoardScene(*board);
  render::buildBoardScene(*board);
  int alive = 0;
  for (GLuint name = 1; name <= 64; ++name) alive += glIsList(name) == GL_TRUE;
  EXPECT_EQ(alive, 5);
  EXPECT_TRUE(glIsList(render::floorList()) && glIsList(render::markerList()) &&
              glIsList(render::wallList()) && glIsList(render::rimList()));
  EXPECT_EQ(render::ringDiskList(), ring);
  EXPECT_TRUE(glIsList(ring));
}

// The least heap in use after each of `count` rebuilds: now and then the
// driver holds a second vertex store of a megabyte for a few rebuilds, and a
// single reading could fall on one.
long leastHeapInUseOver(int count, const board::Board& board) {
  long least = std::numeric_limits<long>::max();
  for (int i = 0; i < count; ++i) {
    render::buildBoardScene(board);
    least = std::min(least, static_cast<long>(mallinfo2().uordblks));
  }
  return least;
}

// Every match rebuilds the board lists. While the rings were compiled into
// the marker list itself, Mesa kept 64 bytes of heap a ring for each rebuild,
// 7.5 kB on this board.
TEST_F(SceneGl, RebuildingKeepsNoHeapFromMatchToMatch) {
  leastHeapInUseOver(100, *board);  // the driver's stores reach their size
  const long first = leastHeapInUseOver(50, *board);
  ASSERT_GT(first, 0) << "this allocator reports no heap in use";
  leastHeapInUseOver(200, *board);
  const long grown = leastHeapInUseOver(50, *board) - first;
  EXPECT_LT(grown, 256 * 1024L) << grown << " bytes more in use after 250 rebuilds";
}

TEST_F(SceneGl, MarkersPutPicturesOnTheCornersRingsElsewhereAndOneBarPerPassage) {
  render::setTexDefensa(11);
  render::setTexMedio(12);
  render::setTexAtaque(13);
  game::setSquadSizePiramides(16);
  game::setSquadSizeEsferas(8);
  render::buildBoardScene(*board);
  glBindTexture(GL_TEXTURE_2D, 99);
  glCallList(render::markerList());  // culling is off: the disks face down

  // Medio for the Piramides corner, then Defensa for the Esferas corner. The
  // pictures are not loaded here, so the corner disks show plain white.
  GLint bound = 0;
  glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
  EXPECT_EQ(bound, 11);
  for (int i = 0; i < 120; ++i) {
    const render::Vec3 c = render::nodeCentre(i / 12, i % 12);
    const bool corner = i == 0 || i == 119;
    // Radius 4 on a diagonal lies inside every ring and clear of the bars.
    const float ring[] = {1, corner ? 1 : 0.9f, corner ? 1 : 0.4f};
    const float middle = corner ? 1.0f : 0.0f;
    expectPixelAbove(c.x + 2.83f, c.z + 2.83f, ring[0], ring[1], ring[2], "disk or ring", i);
    expectPixelAbove(c.x, c.z, middle, middle, middle, "disk or hole", i);
    const float right = board->nodes[i].right != nullptr ? 1.0f : 0.0f;
    const float down = board->nodes[i].down != nullptr ? 1.0f : 0.0f;
    expectPixelAbove(c.x + 8, c.z, 0.9f * right, 0.8f * right, 0.3f * right, "right bar", i);
    expectPixelAbove(c.x, c.z + 8, 0.9f * down, 0.8f * down, 0.3f * down, "down bar", i);
  }

  // A size that matches no rule binds nothing: the caller's texture stays.
  game::setSquadSizePiramides(5);
  game::setSquadSizeEsferas(5);
  render::buildBoardScene(*board);
  glBindTexture(GL_TEXTURE_2D, 99);
  glCallList(render::markerList());
  glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
  EXPECT_EQ(bound, 99);
}

TEST_F(SceneGl, PiecesAreDrawnAliveOnlyInTheirRoleColourInBothPasses) {
  render::buildPieceModels();
  armies::armyPiramides.assign(24, armies::Piece{});
  armies::armyEsferas.assign(3, armies::Piece{});  // shorter than nodeCount / 5
  for (int i = 0; i < 24; ++i) {
    armies::armyPiramides[i] = {16.0f * (i % 12), 16.0f * (i / 12)};
    armies::armyPiramides[i].role = static_cast<armies::PieceRole>(1 + i % 3);
    armies::armyPiramides[i].alive = i != 4;
    if (i < 3) armies::armyEsferas[i] = armies::armyPiramides[i];
    if (i < 3) armies::armyEsferas[i].z = 144;
  }
  glEnable(GL_DEPTH_TEST);
  glDepthFunc(GL_LEQUAL);
  render::drawPieces();

  // Unlit, the environment pass adds the role colour once more onto the
  // nearest face, which it lies exactly on: every channel doubles, up to 1.
  for (armies::Side side : {armies::Piramides, armies::Esferas}) {
    for (const armies::Piece& piece : armies::army(side)) {
      const render::Rgb& c = render::kRoleColours[side - 1][piece.role - 1];
      const float lit = piece.alive ? 2.0f : 0.0f;
      expectPixelAbove(piece.x + 1, piece.z + 0.5f, std::min(1.0f, lit * c.r),
                       std::min(1.0f, lit * c.g), std::min(1.0f, lit * c.b), "piece of side", side);
    }
  }
  EXPECT_FALSE(glIsEnabled(GL_BLEND));
  EXPECT_FALSE(glIsEnabled(GL_TEXTURE_GEN_S) || glIsEnabled(GL_TEXTURE_GEN_T));
  EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
  GLint depth = 0;
  glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
  EXPECT_EQ(depth, 1);
}

TEST_F(SceneGl, LightsFollowACameraFortyHighDownToTheBoardPlane) {
  camera::Camera eye;
  eye.y = 40;
  game::setCurrentCamera(&eye);
  glLoadIdentity();
  render::placeLights();
  for (GLenum light = GL_LIGHT1; light <= GL_LIGHT7; ++light) {
    GLfloat position[4];
    glGetLightfv(light, GL_POSITION, position);
    EXPECT_TRUE(position[1] == 0 && position[3] == 1) << "light " << light - GL_LIGHT0;
  }
  GLfloat untouched[4];
  glGetLightfv(GL_LIGHT0, GL_POSITION, untouched);
  EXPECT_EQ(untouched[3], 0) << "light 0 was placed again";
  game::setCurrentCamera(nullptr);
}

}  // namespace
