// The board scene's geometry as data, without OpenGL: the floor tile, the
// passage bars, the wall and rim panel runs and the backdrop square, each as
// the translation, rotation and quad corners that board_scene.cpp hands to
// OpenGL. Tests read the same tables to check where the panels end up in the world.
#pragma once

#include "render/vec3.h"

namespace render {

// glRotatef(angle, axis) when present; an element without one issues no call.
struct Rotation {
  bool present = false;
  float angle = 0;  // degrees
  Vec3 axis;
};

// One quad vertex: texture coordinate, then position in the local frame.
struct TexCorner {
  float s = 0;
  float t = 0;
  Vec3 position;
};

// A value that grows with the board's shape: base + perColumn * C + perRow * R.
struct ShapeCount {
  int base = 0;
  int perColumn = 0;
  int perRow = 0;
};
struct ShapeVec3 {
  Vec3 base;
  Vec3 perColumn;
  Vec3 perRow;
};

// A panel's corner: position base + j * perPanel for panel j of its run.
struct PanelCorner {
  float s = 0;
  float t = 0;
  Vec3 base;
  Vec3 perPanel;
};

// A row of textured panels along one side of the board; every panel of a run
// has the same translation and rotation, only its corners move with j.
struct PanelRun {
  ShapeCount panels;
  ShapeVec3 translate;
  Rotation rotation;
  PanelCorner corners[4];
};

// An element drawn once per node: translated by its offset from the node
// centre, then rotated.
struct TileQuad {
  Vec3 offset;
  Rotation rotation;
  TexCorner corners[4];
};
struct BarQuad {
  Vec3 offset;
  Rotation rotation;
  Vec3 corners[4];  // drawn without texture coordinates
};

// A square drawn once, at an absolute place.
struct PlacedQuad {
  Vec3 translate;
  Rotation rotation;
  TexCorner corners[4];
};

constexpr int kWallRunCount = 4;
constexpr int kRimRunCount = 8;

// Near, far, left and right wall, in drawing order.
extern const PanelRun kWallRuns[kWallRunCount];
// Near top, near face, far top, far face, left top, left face, right top,
// right face, in drawing order.
extern const PanelRun kRimRuns[kRimRunCount];

extern const TileQuad kFloorTile;
extern const BarQuad kRightBar;  // a node's open `right` passage
extern const BarQuad kDownBar;   // a node's open `down` passage
extern const PlacedQuad kBackdropSquare;

// The centre of the node in this row and column, on the board plane y = 0.
Vec3 nodeCentre(int row, int column);

int panelCount(const PanelRun& run, int columns, int rows);
Vec3 runTranslation(const PanelRun& run, int columns, int rows);
Vec3 panelCornerPosition(const PanelCorner& corner, int panel);

Vec3 addVec3(const Vec3& a, const Vec3& b);

// Where a local point lands after glTranslatef(translate) then
// glRotatef(rotation): translate + rotation applied to the point.
Vec3 placePoint(const Vec3& translate, const Rotation& rotation, const Vec3& local);

}  // namespace render
