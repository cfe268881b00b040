// Compiles the board scene's display lists from the tables of
// board_geometry.cpp. Every element of the four board lists sits between a
// push and a pop of the model-view matrix; the backdrop list alone leaves its
// transformation for the caller to pop.
#include "render/board_scene.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include "armies/armies.h"
#include "render/board_geometry.h"
#include "render/display_list.h"
#include "render/gl_setup.h"
#include "render/textures.h"
#include "state/game_state.h"

namespace render {

namespace {

struct SceneLists {
  unsigned int floor = 0;
  unsigned int marker = 0;
  unsigned int wall = 0;
  unsigned int rim = 0;
  unsigned int backdrop = 0;
  unsigned int ringDisk = 0;
};

SceneLists gLists;

struct Rgba {
  float r, g, b, a;
};

struct DiskShape {
  double inner;
  double outer;
  int slices;
  int loops;
};

constexpr Rgba kTileColour = {1.0f, 1.0f, 1.0f, 0.8f};
constexpr Rgba kHomeDiskColour = {1.0f, 1.0f, 1.0f, 0.8f};
constexpr Rgba kRingColour = {1.0f, 0.9f, 0.4f, 0.8f};
constexpr Rgba kBarColour = {0.9f, 0.8f, 0.3f, 0.8f};

// Given after the tile's rotation, so it turns with the tile.
constexpr Vec3 kTileNormal = {0, 1, 0};

constexpr Vec3 kMarkerOffset = {0, 0.45f, 0};
constexpr DiskShape kHomeDisk = {0.0, 5.5, 6, 4};
constexpr DiskShape kRing = {3.0, 5.0, 6, 4};

// The home-corner pictures, indexed by armies::Stance.
unsigned int (*const kStanceTextures[])() = {texDefensa, texMedio, texAtaque};

void translate(const Vec3& v) { glTranslatef(v.x, v.y, v.z); }

void rotate(const Rotation& r) {
  if (r.present) glRotatef(r.angle, r.axis.x, r.axis.y, r.axis.z);
}

void colour(const Rgba& c) { glColor4f(c.r, c.g, c.b, c.a); }

void texCorners(const TexCorner (&corners)[4]) {
  for (const TexCorner& corner : corners) {
    glTexCoord2f(corner.s, corner.t);
    glVertex3f(corner.position.x, corner.position.y, corner.position.z);
  }
}

void disk(const DiskShape& d) { gluDisk(sharedQuadric(), d.inner, d.outer, d.slices, d.loops); }

// The ring's gluDisk is compiled once into a list of its own, which the
// marker list calls. Mesa 22 (llvmpipe) never frees, when a list is deleted,
// a block of 12 bytes a primitive that it keeps for every run of two or more
// quad strips compiled into the list: the ring's four strips are such a run
// (the home disk's fan and strips are not). Compiled straight into the marker
// list, which every match rebuilds, each ring would keep 64 bytes of heap for
// every match as long as the game runs.
void callRingDisk() { glCallList(gLists.ringDisk); }

void compileFloor(const board::Board& board) {
  for (int r = 0; r < board.rows; ++r) {
    for (int c = 0; c < board.columns; ++c) {
      glPushMatrix();
      translate(addVec3(nodeCentre(r, c), kFloorTile.offset));
      rotate(kFloorTile.rotation);
      colour(kTileColour);
      glBegin(GL_QUADS);
      glNormal3f(kTileNormal.x, kTileNormal.y, kTileNormal.z);
      texCorners(kFloorTile.corners);
      glEnd();
      glPopMatrix();
    }
  }
}

// Laid flat by the caller's rotation, the quadric's t runs along +z, down the
// rows; the texture matrix turns t into -t so the picture's top points
// towards row 0.
void homeDisk(int squadSize) {
  colour(kHomeDiskColour);
  glEnable(GL_TEXTURE_2D);
  glMatrixMode(GL_TEXTURE);
  glLoadIdentity();
  glRotatef(180.0f, 1.0f, 0.0f, 0.0f);
  glMatrixMode(GL_MODELVIEW);
  // A size of no stance leaves whatever texture is bound.
  if (const auto stance = armies::stanceOfSquadSize(squadSize, game::nodeCount())) {
    glBindTexture(GL_TEXTURE_2D, kStanceTextures[*stance]());
  }
  disk(kHomeDisk);
  glDisable(GL_TEXTURE_2D);
}

void nodeDisks(const board::Board& board) {
  for (int r = 0; r < board.rows; ++r) {
    for (int c = 0; c < board.columns; ++c) {
      glPushMatrix();
      translate(addVec3(nodeCentre(r, c), kMarkerOffset));
      glRotatef(90.0f, 1.0f, 0.0f, 0.0f);
      if (r == 0 && c == 0) {
        homeDisk(game::squadSizePiramides());
      } else if (r == board.rows - 1 && c == board.columns - 1) {
        homeDisk(game::squadSizeEsferas());
      } else {
        colour(kRingColour);
        callRingDisk();
      }
      glPopMatrix();
    }
  }
}

void bar(const BarQuad& quad, int row, int column) {
  glPushMatrix();
  translate(addVec3(nodeCentre(row, column), quad.offset));
  rotate(quad.rotation);
  colour(kBarColour);
  glBegin(GL_QUADS);
  for (const Vec3& v : quad.corners) glVertex3f(v.x, v.y, v.z);
  glEnd();
  glPopMatrix();
}

// Only `right` and `down` are looked at, so each open passage is drawn once,
// from its left or upper node.
void passageBars(const board::Board& board) {
  for (int r = 0; r < board.rows; ++r) {
    for (int c = 0; c < board.columns; ++c) {
      const board::Node& node = board.nodes[r * board.columns + c];
      if (node.right != nullptr) bar(kRightBar, r, c);
      if (node.down != nullptr) bar(kDownBar, r, c);
    }
  }
}

void compileMarkers(const board::Board& board) {
  glEnable(GL_BLEND);
  glDisable(GL_TEXTURE_2D);
  nodeDisks(board);
  // Whatever is textured after the markers must not inherit the flip.
  glMatrixMode(GL_TEXTURE);
  glLoadIdentity();
  glMatrixMode(GL_MODELVIEW);
  passageBars(board);
}

void panelRun(const PanelRun& run, int columns, int rows) {
  const int count = panelCount(run, columns, rows);
  const Vec3 offset = runTranslation(run, columns, rows);
  for (int j = 0; j < count; ++j) {
    glPushMatrix();
    translate(offset);
    rotate(run.rotation);
    glColor3f(1.0f, 1.0f, 1.0f);
    glBegin(GL_QUADS);
    for (const PanelCorner& corner : run.corners) {
      const Vec3 v = panelCornerPosition(corner, j);
      glTexCoord2f(corner.s, corner.t);
      glVertex3f(v.x, v.y, v.z);
    }
    glEnd();
    glPopMatrix();
  }
}

template <int kCount>
void compilePanels(const PanelRun (&runs)[kCount], const board::Board& board) {
  glDisable(GL_BLEND);
  glEnable(GL_TEXTURE_2D);
  for (const PanelRun& run : runs) panelRun(run, board.columns, board.rows);
}

}  // namespace

void buildBoardScene(const board::Board& board) {
  setFloorList(beginReplacementList(floorList()));
  compileFloor(board);
  glEndList();

  setMarkerList(beginReplacementList(markerList()));
  compileMarkers(board);
  glEndList();

  setWallList(beginReplacementList(wallList()));
  compilePanels(kWallRuns, board);
  glEndList();

  setRimList(beginReplacementList(rimList()));
  compilePanels(kRimRuns, board);
  glEndList();
}

void buildBackdropList() {
  setBackdropList(beginReplacementList(backdropList()));
  glEnable(GL_BLEND);
  glEnable(GL_TEXTURE_2D);
  translate(kBackdropSquare.translate);
  rotate(kBackdropSquare.rotation);
  glColor3f(1.0f, 1.0f, 1.0f);
  glBegin(GL_QUADS);
  texCorners(kBackdropSquare.corners);
  glEnd();
  glEndList();
}

void buildRingDiskList() {
  setRingDiskList(beginReplacementList(ringDiskList()));
  disk(kRing);
  glEndList();
}

unsigned int floorList() { return gLists.floor; }
void setFloorList(unsigned int list) { gLists.floor = list; }
unsigned int markerList() { return gLists.marker; }
void setMarkerList(unsigned int list) { gLists.marker = list; }
unsigned int wallList() { return gLists.wall; }
void setWallList(unsigned int list) { gLists.wall = list; }
unsigned int rimList() { return gLists.rim; }
void setRimList(unsigned int list) { gLists.rim = list; }
unsigned int backdropList() { return gLists.backdrop; }
void setBackdropList(unsigned int list) { gLists.backdrop = list; }
unsigned int ringDiskList() { return gLists.ringDisk; }
void setRingDiskList(unsigned int list) { gLists.ringDisk = list; }

}  // namespace render
