// Where the board scene's tiles, bars, walls, rim and backdrop land in the
// world, worked out from the same tables the display lists are compiled
// from, on the default 12 x 10 board; and which picture a home-corner disk
// shows for each squad size.
#include <gtest/gtest.h>

#include <algorithm>
#include <type_traits>

#include "render/board_geometry.h"

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

TEST(SceneTransform, QuarterTurnAboutXTakesYToZ) {
  const render::Rotation quarter = {true, 90, {1, 0, 0}};
  const Vec3 p = render::placePoint({0, 0, 0}, quarter, {1, 2, 3});
  EXPECT_NEAR(p.x, 1, kTolerance);
  EXPECT_NEAR(p.y, -3, kTolerance);
  EXPECT_NEAR(p.z, 2, kTolerance);
}

TEST(FloorTiles, CoverTheBoardFlatFacingUpWithOverlappingEdges) {
  Box all;
  for (int r = 0; r < kRows; ++r) {
    for (int c = 0; c < kColumns; ++c) {
      Vec3 q[4];
      nodeQuadCorners(render::kFloorTile, r, c, q);
      Box tile;
      for (const Vec3& p : q) {
        extend(tile, p);
        extend(all, p);
      }
      expectBox(tile, {16.0f * c - 8.05f, 0, 16.0f * r - 8.05f},
                {16.0f * c + 8.05f, 0, 16.0f * r + 8.05f});
      EXPECT_GT(frontOf(q).y, 0) << "tile " << r << "," << c;
    }
  }
  expectBox(all, {-8.05f, 0, -8.05f}, {184.05f, 0, 152.05f});
}

TEST(PassageBars, RightAndDownBarsLieFlatBetweenNeighboursFacingUp) {
  Vec3 q[4];
  Box right;
  nodeQuadCorners(render::kRightBar, 2, 3, q);
  for (const Vec3& p : q) extend(right, p);
  expectBox(right, {51, 0.2f, 30.4f}, {61, 0.2f, 33.4f});
  EXPECT_GT(frontOf(q).y, 0);

  Box down;
  nodeQuadCorners(render::kDownBar, 2, 3, q);
  for (const Vec3& p : q) extend(down, p);
  expectBox(down, {46.6f, 0.2f, 35}, {49.6f, 0.2f, 45});
  EXPECT_GT(frontOf(q).y, 0);
}

TEST(Walls, StandAroundTheTilesFromBelowTheFloorToHeightEight) {
  const Box nearWall = runBox(render::kWallRuns[0]);
  const Box farWall = runBox(render::kWallRuns[1]);
  const Box leftWall = runBox(render::kWallRuns[2]);
  const Box rightWall = runBox(render::kWallRuns[3]);
  expectBox(nearWall, {-8, -8.5f, -8}, {184, 8, -8});
  expectBox(farWall, {-8, -8.5f, 151.9f}, {184, 8, 151.9f});
  expectBox(leftWall, {-8, -8.5f, -8}, {-8, 8, 152});
  expectBox(rightWall, {183.9f, -8.5f, -8.1f}, {183.9f, 8, 151.9f});
}

TEST(Walls, RightWallPanelsRunFromTheLastRowBack) {
  const render::PanelRun& right = render::kWallRuns[3];
  for (int j = 0; j < kRows; ++j) {
    Vec3 q[4];
    panelCorners(right, j, q);
    Box panel;
    for (const Vec3& p : q) extend(panel, p);
    const float row = static_cast<float>(kRows - 1 - j);
    EXPECT_NEAR((panel.low.z + panel.high.z) / 2, 16 * row - 0.1f, kTolerance) << "panel " << j;
  }
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

TEST(PanelRuns, CountTwoPerSideForWallsAndFourPlusTwelveForTheRim) {
  int walls = 0;
  int rim = 0;
  for (const render::PanelRun& run : render::kWallRuns) walls += render::panelCount(run, 12, 10);
  for (const render::PanelRun& run : render::kRimRuns) rim += render::panelCount(run, 12, 10);
  EXPECT_EQ(walls, 2 * (12 + 10));
  EXPECT_EQ(rim, 4 * (12 + 10) + 12);
}

TEST(Backdrop, FillsTheViewFacingTheEyeMirroredLeftToRight) {
  // The scene pass calls the list under an identity view moved by (-600, 600, -1000).
  const render::PlacedQuad& square = render::kBackdropSquare;
  const Vec3 placement = {-600, 600, -1000};
  Vec3 q[4];
  Box box;
  for (int k = 0; k < 4; ++k) {
    q[k] = render::addVec3(
        placement, render::placePoint(square.translate, square.rotation, square.corners[k].position));
    extend(box, q[k]);
  }
  expectBox(box, {-600, -600, -1000}, {600, 600, -1000});
  EXPECT_GT(frontOf(q).z, 0);
  for (int k = 0; k < 4; ++k) {
    EXPECT_NEAR(q[k].x, square.corners[k].s == 0 ? 600 : -600, kTolerance);
    EXPECT_NEAR(q[k].y, square.corners[k].t == 1 ? 600 : -600, kTolerance);
  }
}

TEST(CornerDiskStance, TheThreeDrawnSizesShowDefenceMiddleAndAttack) {
  EXPECT_EQ(render::cornerDiskStance(8, 120), armies::Defensa);
  EXPECT_EQ(render::cornerDiskStance(16, 120), armies::Medio);
  EXPECT_EQ(render::cornerDiskStance(24, 120), armies::Ataque);
  for (int size : {0, 1, 7, 9, 15, 17, 23, 25, 48}) {
    EXPECT_EQ(render::cornerDiskStance(size, 120), std::nullopt) << "size " << size;
  }
  // Every node count the entry screen offers: m, 2m and n pieces map back.
  for (int nodes = 120; nodes <= 510; nodes += 15) {
    const int n = nodes / 5;
    const int m = n / 3;
    EXPECT_EQ(render::cornerDiskStance(m, nodes), armies::Defensa) << nodes;
    EXPECT_EQ(render::cornerDiskStance(2 * m, nodes), armies::Medio) << nodes;
    EXPECT_EQ(render::cornerDiskStance(n, nodes), armies::Ataque) << nodes;
  }
}

}  // namespace
