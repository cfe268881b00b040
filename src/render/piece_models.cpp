// Piece models and their drawing. The environment pass leaves texture
// coordinate generation at OpenGL's defaults (eye-linear, s from eye x and t
// from eye y), which is what makes the pattern slide over the pieces as the
// camera moves.
#include "render/piece_models.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <vector>

#include "armies/armies.h"
#include "render/display_list.h"
#include "render/piece_appearance.h"
#include "render/textures.h"
#include "state/game_state.h"

namespace render {

namespace {

struct ModelLists {
  unsigned int pyramid = 0;
  unsigned int sphere = 0;
};

ModelLists gModels;

// The sphere model's quadric; made once and never deleted.
GLUquadric* gModelQuadric = nullptr;

constexpr double kSphereRadius = 3.0;
constexpr int kSphereSlices = 8;
constexpr int kSphereStacks = 8;

// Above the caller's origin: with the scene's lift of 2 a pyramid's base
// stands 2.35 over the board plane.
constexpr float kModelLift = 2.35f;

constexpr float kEnvironmentAlpha = 0.8f;

void vertex(const Vec3& v) { glVertex3f(v.x, v.y, v.z); }
void normal(const Vec3& n) { glNormal3f(n.x, n.y, n.z); }

void compilePyramid() {
  glBegin(GL_QUADS);
  normal(kPyramidBase.normal);
  for (const Vec3& v : kPyramidBase.corners) vertex(v);
  glEnd();
  glBegin(GL_TRIANGLES);
  for (const PyramidSide& side : kPyramidSides) {
    normal(side.normal);
    for (const Vec3& v : side.corners) vertex(v);
  }
  glEnd();
}

// The rules size both armies to nodeCount / 5 when a match is set up, but the
// entry screen can change nodeCount after a match, before the next set-up
// rebuilds the armies; never index past the army actually there.
void drawArmy(const std::vector<armies::Piece>& army, armies::Side side, unsigned int model) {
  const int count = std::min(game::nodeCount() / 5, static_cast<int>(army.size()));
  for (int i = 0; i < count; ++i) {
    const armies::Piece& piece = army[i];
    if (piece.alive != 1) continue;
    glPushMatrix();
    glTranslatef(piece.x, kModelLift, piece.z);
    if (const Rgb* c = roleColour(side, piece.role)) glColor3f(c->r, c->g, c->b);
    glCallList(model);
    glPopMatrix();
  }
}

void drawBothArmies() {
  drawArmy(armies::armyPiramides, armies::Piramides, pyramidList());
  drawArmy(armies::armyEsferas, armies::Esferas, sphereList());
}

}  // namespace

void buildPieceModels() {
  gModelQuadric = gluNewQuadric();
  gluQuadricDrawStyle(gModelQuadric, GLU_FILL);
  gluQuadricNormals(gModelQuadric, GLU_SMOOTH);
  gluQuadricOrientation(gModelQuadric, GLU_OUTSIDE);
  gluQuadricTexture(gModelQuadric, GL_TRUE);

  setPyramidList(beginReplacementList(pyramidList()));
  compilePyramid();
  glEndList();

  setSphereList(beginReplacementList(sphereList()));
  gluSphere(gModelQuadric, kSphereRadius, kSphereSlices, kSphereStacks);
  glEndList();
}

void drawPieces() {
  // The pieces show their role colours as they are: lit by the eight lights
  // of the rig, whose ambient terms alone add up to three times the colour,
  // every colour would reach white. The environment pass still slides over
  // them.
  glDisable(GL_LIGHTING);
  glColor3f(1.0f, 1.0f, 1.0f);
  glDisable(GL_TEXTURE_2D);
  drawBothArmies();

  // The role colours have alpha 1, so the second drawing is added in full
  // onto the first; it lies exactly on it and passes the LEQUAL depth test.
  glColor4f(1.0f, 1.0f, 1.0f, kEnvironmentAlpha);
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE);
  glEnable(GL_TEXTURE_GEN_S);
  glEnable(GL_TEXTURE_GEN_T);
  glEnable(GL_TEXTURE_2D);
  glBindTexture(GL_TEXTURE_2D, texEnvironment());
  drawBothArmies();

  glDisable(GL_TEXTURE_GEN_S);
  glDisable(GL_TEXTURE_GEN_T);
  glDisable(GL_BLEND);
  glEnable(GL_LIGHTING);
}

unsigned int pyramidList() { return gModels.pyramid; }
void setPyramidList(unsigned int list) { gModels.pyramid = list; }
unsigned int sphereList() { return gModels.sphere; }
void setSphereList(unsigned int list) { gModels.sphere = list; }

}  // namespace render
