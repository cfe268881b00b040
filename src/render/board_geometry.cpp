// The board scene's tables. Positions are in each element's local frame; the
// translation and rotation carry them into the world, where y is up and the
// node in row r, column c sits at (16c, 0, 16r).
#include "render/board_geometry.h"

#include <cmath>

#include "board/board.h"

namespace render {

namespace {

constexpr Vec3 kOrigin = {0, 0, 0};
constexpr Vec3 kAlongX = {16, 0, 0};
constexpr Vec3 kAlongY = {0, 16, 0};

constexpr Rotation kNoRotation = {};
constexpr Rotation kQuarterAboutX = {true, 90, {1, 0, 0}};
constexpr Rotation kHalfAboutX = {true, 180, {1, 0, 0}};
constexpr Rotation kQuarterAboutY = {true, 90, {0, 1, 0}};
constexpr Rotation kBackQuarterAboutY = {true, -90, {0, 1, 0}};
constexpr Rotation kHalfAboutY = {true, 180, {0, 1, 0}};

constexpr ShapeCount kPerColumn = {0, 1, 0};
constexpr ShapeCount kPerRow = {0, 0, 1};
constexpr ShapeCount kPerColumnPlusCorners = {2, 1, 0};
constexpr ShapeCount kPerRowPlusCorners = {2, 0, 1};

// Translations that follow the far side (16R) or the right side (16C).
constexpr Vec3 kFarSide = {0, 0, 16};
constexpr Vec3 kRightSide = {16, 0, 0};

}  // namespace

const PanelRun kWallRuns[kWallRunCount] = {
    // near wall, in the plane z = -8
    {kPerColumn,
     {kOrigin, kOrigin, kOrigin},
     kNoRotation,
     {{1, 1, {8, 8, -8}, kAlongX},
      {0, 1, {-8, 8, -8}, kAlongX},
      {0, 0, {-8, -8.5f, -8}, kAlongX},
      {1, 0, {8, -8.5f, -8}, kAlongX}}},
    // far wall, in the plane z = 16R - 8.1
    {kPerColumn,
     {{0, 0, -0.2f}, kOrigin, kFarSide},
     kNoRotation,
     {{0, 1, {-8, 8, -7.9f}, kAlongX},
      {1, 1, {8, 8, -7.9f}, kAlongX},
      {1, 0, {8, -8.5f, -7.9f}, kAlongX},
      {0, 0, {-8, -8.5f, -7.9f}, kAlongX}}},
    // left wall, in the plane x = -8
    {kPerRow,
     {{-16, 0, 0}, kOrigin, kOrigin},
     kBackQuarterAboutY,
     {{0, 0, {-8, 8, -8}, kAlongX},
      {0, 1, {8, 8, -8}, kAlongX},
      {1, 1, {8, -8.5f, -8}, kAlongX},
      {1, 0, {-8, -8.5f, -8}, kAlongX}}},
    // right wall, in the plane x = 16C - 8.1; panel j covers row R - 1 - j
    {kPerRow,
     {{0, 0, -16}, kRightSide, kFarSide},
     kQuarterAboutY,
     {{0, 1, {-7.9f, 8, -8.1f}, kAlongX},
      {0, 0, {8.1f, 8, -8.1f}, kAlongX},
      {1, 0, {8.1f, -8.5f, -8.1f}, kAlongX},
      {1, 1, {-7.9f, -8.5f, -8.1f}, kAlongX}}},
};

const PanelRun kRimRuns[kRimRunCount] = {
    // near top: z from -24 to -7.9 at height 8
    {kPerColumn,
     {{0, 0, -24}, kOrigin, kOrigin},
     kQuarterAboutX,
     {{0, 1, {-8, 16.1f, -8}, kAlongX},
      {1, 1, {8, 16.1f, -8}, kAlongX},
      {1, 0, {8, 0, -8}, kAlongX},
      {0, 0, {-8, 0, -8}, kAlongX}}},
    // near face, in the plane z = -24
    {kPerColumnPlusCorners,
     {{0, -8.1f, -16}, kOrigin, kOrigin},
     kNoRotation,
     {{0, 1, {-24, 16.1f, -8}, kAlongX},
      {1, 1, {-8, 16.1f, -8}, kAlongX},
      {1, 0, {-8, 0, -8}, kAlongX},
      {0, 0, {-24, 0, -8}, kAlongX}}},
    // far top: z from 16R - 8.2 to 16R + 8
    {kPerColumn,
     {{0, 0, -8.2f}, kOrigin, kFarSide},
     kQuarterAboutX,
     {{0, 1, {-8, 16.2f, -8}, kAlongX},
      {1, 1, {8, 16.2f, -8}, kAlongX},
      {1, 0, {8, 0, -8}, kAlongX},
      {0, 0, {-8, 0, -8}, kAlongX}}},
    // far face, in the plane z = 16R + 7.8
    {kPerColumnPlusCorners,
     {{0, 8, -0.2f}, kOrigin, kFarSide},
     kHalfAboutX,
     {{0, 1, {-24, 16.1f, -8}, kAlongX},
      {1, 1, {-8, 16.1f, -8}, kAlongX},
      {1, 0, {-8, 0, -8}, kAlongX},
      {0, 0, {-24, 0, -8}, kAlongX}}},
    // left top: x from -24 to -7.9, closing both left corners
    {kPerRowPlusCorners,
     {{-16, 0, -24}, kOrigin, kOrigin},
     kQuarterAboutX,
     {{0, 1, {-8, 16, -8}, kAlongY},
      {1, 1, {8.1f, 16, -8}, kAlongY},
      {1, 0, {8.1f, 0, -8}, kAlongY},
      {0, 0, {-8, 0, -8}, kAlongY}}},
    // left face, in the plane x = -24
    {kPerRowPlusCorners,
     {{-16, -8, -16}, kOrigin, kFarSide},
     kQuarterAboutY,
     {{0, 1, {-24, 16.1f, -8}, kAlongX},
      {0, 0, {-8, 16.1f, -8}, kAlongX},
      {1, 0, {-8, 0, -8}, kAlongX},
      {1, 1, {-24, 0, -8}, kAlongX}}},
    // right top: x from 16C - 8.2 to 16C + 8 at height 7.95
    {kPerRowPlusCorners,
     {{-0.2f, -0.05f, -24}, kRightSide, kOrigin},
     kQuarterAboutX,
     {{0, 1, {-8, 16.05f, -8}, kAlongY},
      {1, 1, {8.2f, 16.05f, -8}, kAlongY},
      {1, 0, {8.2f, 0, -8}, kAlongY},
      {0, 0, {-8, 0, -8}, kAlongY}}},
    // right face, in the plane x = 16C + 8
    {kPerRowPlusCorners,
     {{0, -8, 0}, kRightSide, kOrigin},
     kBackQuarterAboutY,
     {{0, 0, {-24, 16, -8}, kAlongX},
      {0, 1, {-8, 16, -8}, kAlongX},
      {1, 1, {-8, 0, -8}, kAlongX},
      {1, 0, {-24, 0, -8}, kAlongX}}},
};

// A 16.1-unit square, so neighbouring tiles overlap by 0.1 and leave no seam.
const TileQuad kFloorTile = {{0, -0.1f, 0},
                             kQuarterAboutX,
                             {{0, 1, {-8.05f, 8.05f, -0.1f}},
                              {1, 1, {8.05f, 8.05f, -0.1f}},
                              {1, 0, {8.05f, -8.05f, -0.1f}},
                              {0, 0, {-8.05f, -8.05f, -0.1f}}}};

const BarQuad kRightBar = {
    {3, 0.2f, 1.4f}, kQuarterAboutX, {{0, 0, 0}, {10, 0, 0}, {10, -3, 0}, {0, -3, 0}}};

const BarQuad kDownBar = {
    {-1.4f, 0.2f, 13}, kQuarterAboutX, {{0, 0, 0}, {3, 0, 0}, {3, -10, 0}, {0, -10, 0}}};

// Mirrored left to right on purpose: s = 0 lands on the right edge.
const PlacedQuad kBackdropSquare = {
    {1200, 0, 0},
    kHalfAboutY,
    {{0, 1, {0, 0, 0}}, {1, 1, {1200, 0, 0}}, {1, 0, {1200, -1200, 0}}, {0, 0, {0, -1200, 0}}}};

Vec3 nodeCentre(int row, int column) {
  return {static_cast<float>(board::kNodeSpacing * column), 0.0f,
          static_cast<float>(board::kNodeSpacing * row)};
}

int panelCount(const PanelRun& run, int columns, int rows) {
  return run.panels.base + run.panels.perColumn * columns + run.panels.perRow * rows;
}

Vec3 runTranslation(const PanelRun& run, int columns, int rows) {
  const ShapeVec3& t = run.translate;
  const float c = static_cast<float>(columns);
  const float r = static_cast<float>(rows);
  return {t.base.x + t.perColumn.x * c + t.perRow.x * r,
          t.base.y + t.perColumn.y * c + t.perRow.y * r,
          t.base.z + t.perColumn.z * c + t.perRow.z * r};
}

Vec3 panelCornerPosition(const PanelCorner& corner, int panel) {
  const float j = static_cast<float>(panel);
  return {corner.base.x + corner.perPanel.x * j, corner.base.y + corner.perPanel.y * j,
          corner.base.z + corner.perPanel.z * j};
}

Vec3 addVec3(const Vec3& a, const Vec3& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }

Vec3 placePoint(const Vec3& translate, const Rotation& rotation, const Vec3& local) {
  if (!rotation.present) return addVec3(translate, local);
  // Rodrigues' formula, as glRotatef builds its matrix: the axis is normalized.
  const double length = std::sqrt(double(rotation.axis.x) * rotation.axis.x +
                                  double(rotation.axis.y) * rotation.axis.y +
                                  double(rotation.axis.z) * rotation.axis.z);
  const double kx = rotation.axis.x / length;
  const double ky = rotation.axis.y / length;
  const double kz = rotation.axis.z / length;
  const double radians = rotation.angle * M_PI / 180.0;
  const double c = std::cos(radians);
  const double s = std::sin(radians);
  const double dot = kx * local.x + ky * local.y + kz * local.z;
  const double crossX = ky * local.z - kz * local.y;
  const double crossY = kz * local.x - kx * local.z;
  const double crossZ = kx * local.y - ky * local.x;
  const Vec3 turned = {static_cast<float>(local.x * c + crossX * s + kx * dot * (1 - c)),
                       static_cast<float>(local.y * c + crossY * s + ky * dot * (1 - c)),
                       static_cast<float>(local.z * c + crossZ * s + kz * dot * (1 - c))};
  return addVec3(translate, turned);
}

}  // namespace render
