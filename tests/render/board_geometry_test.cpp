// Where the board scene's tiles, bars, walls and rim land in the world,
// worked out from the same tables the display lists are compiled from, on the
// default 12 x 10 board; and which picture a home-corner disk shows.
#include "render/board_geometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <type_traits>

namespace {

using render::Vec3;

constexpr int kColumns = 12;
constexpr int kRows = 10;
constexpr float kTolerance = 1e-3f;

struct Box {
  Vec3 low = {1e9f, 1e9f, 1e9f};
  Vec3 high = {-1e9f, -1e9f, -1e9f};
};

void extend(Box& box, const Vec3& p) {
  box.low = {std::min(box.low.x, p.x), std::min(box.low.y, p.y), std::min(box.low.z, p.z)};
  box.high = {std::max(box.high.x, p.x), std::max(box.high.y, p.y), std::max(box.high.z, p.z)};
}

void expectBox(const Box& box, const Vec3& low, const Vec3& high) {
  EXPECT_NEAR(box.low.x, low.x, kTolerance);
  EXPECT_NEAR(box.low.y, low.y, kTolerance);
  EXPECT_NEAR(box.low.z, low.z, kTolerance);
  EXPECT_NEAR(box.high.x, high.x, kTolerance);
  EXPECT_NEAR(box.high.y, high.y, kTolerance);
  EXPECT_NEAR(box.high.z, high.z, kTolerance);
}

Vec3 cross(const Vec3& a, const Vec3& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
Vec3 minus(const Vec3& a, const Vec3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }

// The front-face direction of a quad wound counter-clockwise.
Vec3 frontOf(const Vec3 (&q)[4]) { return cross(minus(q[1], q[0]), minus(q[2], q[1])); }

Box boxOf(const Vec3 (&q)[4]) {
  Box box;
  for (const Vec3& p : q) extend(box, p);
  return box;
}

// The world corners of panel j of a run.
void panelCorners(const render::PanelRun& run, int j, Vec3 (&out)[4]) {
  const Vec3 t = render::runTranslation(run, kColumns, kRows);
  for (int k = 0; k < 4; ++k) {
    out[k] = render::placePoint(t, run.rotation, render::panelCornerPosition(run.corners[k], j));
  }
}

Box runBox(const render::PanelRun& run) {
  Box box;
  for (int j = 0; j < render::panelCount(run, kColumns, kRows); ++j) {
    Vec3 q[4];
    panelCorners(run, j, q);
    for (const Vec3& p : q) extend(box, p);
  }
  return box;
}

template <typename Quad>
void nodeQuadCorners(const Quad& quad, int row, int column, Vec3 (&out)[4]) {
  const Vec3 t = render::addVec3(render::nodeCentre(row, column), quad.offset);
  for (int k = 0; k < 4; ++k) {
    if constexpr (std::is_same_v<Quad, render::TileQuad>) {
      out[k] = render::placePoint(t, quad.rotation, quad.corners[k].position);
    } else {
      out[k] = render::placePoint(t, quad.rotation, quad.corners[k]);
    }
  }
}

TEST(FloorTiles, CoverTheBoardFlatFacingUpWithOverlappingEdges) {
  Box all;
  for (int r = 0; r < kRows; ++r) {
    for (int c = 0; c < kColumns; ++c) {
      Vec3 q[4];
      nodeQuadCorners(render::kFloorTile, r, c, q);
      for (const Vec3& p : q) extend(all, p);
      // 16.1 wide on a 16 grid: neighbours overlap and leave no seam.
      const Box tile = boxOf(q);
      EXPECT_NEAR(tile.high.x - tile.low.x, 16.1f, kTolerance);
      EXPECT_NEAR(tile.high.z - tile.low.z, 16.1f, kTolerance);
      EXPECT_GT(frontOf(q).y, 0) << "tile " << r << "," << c;
    }
  }
  expectBox(all, {-8.05f, 0, -8.05f}, {184.05f, 0, 152.05f});
}

TEST(PassageBars, RightAndDownBarsLieFlatBetweenNeighboursFacingUp) {
  Vec3 q[4];
  nodeQuadCorners(render::kRightBar, 2, 3, q);
  expectBox(boxOf(q), {51, 0.2f, 30.4f}, {61, 0.2f, 33.4f});
  EXPECT_GT(frontOf(q).y, 0);
  nodeQuadCorners(render::kDownBar, 2, 3, q);
  expectBox(boxOf(q), {46.6f, 0.2f, 35}, {49.6f, 0.2f, 45});
  EXPECT_GT(frontOf(q).y, 0);
}

TEST(Walls, StandAroundTheTilesFromBelowTheFloorToHeightEight) {
  expectBox(runBox(render::kWallRuns[0]), {-8, -8.5f, -8}, {184, 8, -8});
  expectBox(runBox(render::kWallRuns[1]), {-8, -8.5f, 151.9f}, {184, 8, 151.9f});
  expectBox(runBox(render::kWallRuns[2]), {-8, -8.5f, -8}, {-8, 8, 152});
  expectBox(runBox(render::kWallRuns[3]), {183.9f, -8.5f, -8.1f}, {183.9f, 8, 151.9f});
}

TEST(Rim, OuterFacesStandTwentyFourOutAndTwentyThreePointEightOnTheFarSide) {
  expectBox(runBox(render::kRimRuns[1]), {-24, -8.1f, -24}, {200, 8, -24});
  expectBox(runBox(render::kRimRuns[3]), {-24, -8.1f, 167.8f}, {200, 8, 167.8f});
  // The left face's panels are 16.1 high from -8, so it tops the rim by 0.1.
  expectBox(runBox(render::kRimRuns[5]), {-24, -8, -24}, {-24, 8.1f, 168});
  expectBox(runBox(render::kRimRuns[7]), {200, -8, -24}, {200, 8, 168});
}

TEST(Rim, TopsFrameTheWallsAndCloseTheCorners) {
  expectBox(runBox(render::kRimRuns[0]), {-8, 8, -24}, {184, 8, -7.9f});
  expectBox(runBox(render::kRimRuns[2]), {-8, 8, 151.8f}, {184, 8, 168});
  expectBox(runBox(render::kRimRuns[4]), {-24, 8, -24}, {-7.9f, 8, 168});
  // The right top's last panel reaches 0.05 past the far face's 16R + 8.
  expectBox(runBox(render::kRimRuns[6]), {183.8f, 7.95f, -24}, {200, 7.95f, 168.05f});
}

}  // namespace
