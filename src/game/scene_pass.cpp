// The scene pass. The mirror image is the very drawing of the pieces and
// walls under a scale of -1 in y, clipped to below the floor plane; the
// floor drawn over it at 80 % opacity lets it show through. The window has
// no stencil buffer, so the stencil calls let everything pass.
#include "game/scene_pass.h"

#include <GL/gl.h>

#include "render/board_scene.h"
#include "render/piece_models.h"
#include "render/textures.h"
#include "state/game_state.h"

namespace game {

namespace {

const GLfloat kMirrorLightPosition[] = {4, 4, 6, 1};
const GLdouble kMirrorClipPlane[] = {0, -1, 0, 0};  // keeps world y <= 0
constexpr GLfloat kFloorLift = 0.1f;
constexpr GLfloat kPieceLift = 2.0f;
constexpr GLfloat kWallOffset = -2.0f;  // under the piece lift

// Binds a texture and calls a list under a lift in y.
void callLifted(unsigned int texture, unsigned int list, GLfloat lift) {
  glBindTexture(GL_TEXTURE_2D, texture);
  glPushMatrix();
  glTranslatef(0, lift, 0);
  glEnable(GL_TEXTURE_2D);
  glCallList(list);
  glPopMatrix();
}

void callFloor() { callLifted(render::texFloor(), render::floorList(), kFloorLift); }

void markFloorInStencil() {
  glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
  glEnable(GL_LIGHT6);
  glEnable(GL_STENCIL_TEST);
  glStencilFunc(GL_ALWAYS, 1, 1);
  glStencilOp(GL_KEEP, GL_KEEP, GL_REPLACE);
  glDisable(GL_DEPTH_TEST);
  callFloor();
  glEnable(GL_DEPTH_TEST);
  glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
  glStencilFunc(GL_EQUAL, 1, 1);
  glStencilOp(GL_KEEP, GL_KEEP, GL_KEEP);
}

void drawReflection() {
  glLightfv(GL_LIGHT6, GL_POSITION, kMirrorLightPosition);
  glEnable(GL_CLIP_PLANE0);
  glClipPlane(GL_CLIP_PLANE0, kMirrorClipPlane);
  glPushMatrix();
  glScalef(1, -1, 1);
  glTranslatef(0, kPieceLift, 0);
  if (piecesShown() == 1) render::drawPieces();
  // Mirrored, the walls' faces turn around.
  glBindTexture(GL_TEXTURE_2D, render::texWall());
  glDisable(GL_CULL_FACE);
  glPushMatrix();
  glTranslatef(0, kWallOffset, 0);
  glEnable(GL_TEXTURE_2D);
  glCallList(render::wallList());
  glPopMatrix();
  glEnable(GL_CULL_FACE);
  glPopMatrix();
  glDisable(GL_CLIP_PLANE0);
  glDisable(GL_STENCIL_TEST);
  glLightfv(GL_LIGHT6, GL_POSITION, kMirrorLightPosition);
}

void drawTranslucentFloor() {
  glEnable(GL_BLEND);
  glDisable(GL_LIGHTING);
  glColor4f(1, 1, 1, 0.8f);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  callFloor();
  glEnable(GL_LIGHTING);
  glDisable(GL_BLEND);
}

void drawBackdrop() {
  glDisable(GL_LIGHT6);
  glDisable(GL_LIGHTING);
  glBindTexture(GL_TEXTURE_2D, render::texBackdrop());
  glPushMatrix();
  glEnable(GL_TEXTURE_2D);
  glLoadIdentity();
  glTranslatef(-600, 600, -1000);
  glCallList(render::backdropList());
  glPopMatrix();
  glEnable(GL_LIGHTING);
}

void drawMarkers() {
  glEnable(GL_LIGHTING);
  glBindTexture(GL_TEXTURE_2D, render::texBackdrop());
  glPushMatrix();
  glEnable(GL_TEXTURE_2D);
  // The disks of the list face down; from above only their back faces
  // show, so culling is off while it is drawn.
  glDisable(GL_CULL_FACE);
  glCallList(render::markerList());
  glEnable(GL_CULL_FACE);
  glPopMatrix();
}

void drawRim() {
  glDisable(GL_BLEND);
  glBindTexture(GL_TEXTURE_2D, render::texWall());
  glPushMatrix();
  glEnable(GL_TEXTURE_2D);
  glCallList(render::rimList());
  glPopMatrix();
}

}  // namespace

void drawScenePass() {
  glPushMatrix();
  markFloorInStencil();
  drawReflection();
  // The rasterizer's threads start on the mirror image while this thread
  // goes on with the rest of the scene.
  glFlush();
  drawTranslucentFloor();
  glTranslatef(0, kPieceLift, 0);
  if (piecesShown() == 1) render::drawPieces();
  callLifted(render::texWall(), render::wallList(), kWallOffset);
  glPopMatrix();
  drawBackdrop();
  if (piecesShown() == 1) drawMarkers();
  drawRim();
}

}  // namespace game
