// The camera's arithmetic with the numbers a user's hands produce: angle
// wrapping, the glide of a held arrow key and its decay in single precision,
// the pointer's turn and zoom, the height keys, and the presets' poses.
#include "camera/camera.h"

#include <gtest/gtest.h>

#include <cmath>

#include "state/game_state.h"

namespace {

using camera::Camera;

class CameraTest : public ::testing::Test {
 protected:
  void SetUp() override {
    game::resetGameState();
    game::setCurrentCamera(&eye);
  }
  void TearDown() override { game::resetGameState(); }
  Camera eye = camera::createCamera();
};

TEST_F(CameraTest, AnglesWrapYawAndClampPitchButNotRoll) {
  const struct {
    float yaw, pitch, roll, wantYaw, wantPitch, wantRoll;
  } cases[] = {
      {-10, 0, 0, 350, 0, 0},     {725, 0, 0, 5, 0, 0},      {360, 120, 0, 0, 90, 0},
      {0, -95, 400, 0, -90, 400}, {-730, 90, 0, 350, 90, 0},
  };
  for (const auto& c : cases) {
    eye.yaw = c.yaw;
    eye.pitch = c.pitch;
    eye.roll = c.roll;
    camera::normalizeAngles(eye);
    EXPECT_FLOAT_EQ(eye.yaw, c.wantYaw) << c.yaw;
    EXPECT_EQ(eye.pitch, c.wantPitch) << c.pitch;
    EXPECT_EQ(eye.roll, c.wantRoll);
  }
}

TEST_F(CameraTest, StepDirectionsFollowTheYaw) {
  const struct {
    float yaw, angle, dx, dz;
  } cases[] = {
      {0, 0, 0, -1}, {0, 90, -1, 0}, {0, 180, 0, 1}, {0, 270, 1, 0}, {90, 0, -1, 0},
  };
  for (const auto& c : cases) {
    eye = camera::createCamera();
    eye.yaw = c.yaw;
    camera::stepCamera(eye, 4, c.angle);  // half the distance: 2 units
    EXPECT_NEAR(eye.x, 2 * c.dx, 1e-5) << c.yaw << " " << c.angle;
    EXPECT_NEAR(eye.z, 2 * c.dz, 1e-5) << c.yaw << " " << c.angle;
    EXPECT_EQ(eye.y, 0);
  }
}

TEST_F(CameraTest, HeldUpGlidesForwardAndSettlesAtTheCap) {
  game::arrowUpHeld = 1;
  camera::updateMotion(eye);
  EXPECT_FLOAT_EQ(eye.z, -0.25f);           // rate 0.5 moves 0.25 units
  EXPECT_EQ(eye.forwardRate, 0.5f - 0.3f);  // single precision, just under 0.2
  EXPECT_LT(eye.forwardRate, 0.2f);

  for (int i = 0; i < 40; ++i) camera::updateMotion(eye);
  const float before = eye.z;
  camera::updateMotion(eye);
  EXPECT_FLOAT_EQ(before - eye.z, 2.75f);  // capped at 5.5 before the step
  EXPECT_FLOAT_EQ(eye.forwardRate, 5.5f - 0.3f);
  EXPECT_EQ(eye.x, 0);

  game::arrowUpHeld = 0;
  int frames = 0;
  while (camera::cameraInMotion(eye)) {
    camera::updateMotion(eye);
    ASSERT_LT(++frames, 30) << "the glide never stops";
  }
  EXPECT_EQ(frames, 18);  // 5.2 falls by 0.3 a frame
  EXPECT_EQ(eye.forwardRate, 0);
}

TEST_F(CameraTest, OppositeArrowsCancelAndTheRateDecays) {
  eye.sideRate = 1.0f;
  game::arrowLeftHeld = 1;
  game::arrowRightHeld = 1;
  camera::updateMotion(eye);
  EXPECT_FLOAT_EQ(eye.sideRate, 0.7f);
  EXPECT_NEAR(eye.x, -0.5f, 1e-6);  // a positive side rate glides to the left
  game::arrowUpHeld = 1;
  game::arrowDownHeld = 1;
  camera::updateMotion(eye);
  EXPECT_EQ(eye.forwardRate, 0);
}

TEST_F(CameraTest, PointerTurnsTheCameraOnlyWhileCaptured) {
  game::pointerCentreX = 512;
  game::pointerCentreY = 384;
  EXPECT_FALSE(camera::turnByPointer(522, 384));  // not captured
  EXPECT_EQ(eye.yaw, 0);

  game::pointerCaptured = 1;
  EXPECT_FALSE(camera::turnByPointer(512, 384));  // our own warp back
  EXPECT_TRUE(camera::turnByPointer(522, 384));
  EXPECT_FLOAT_EQ(eye.yaw, 359.4f);  // right turns the view right
  EXPECT_TRUE(camera::turnByPointer(512, 484));
  EXPECT_FLOAT_EQ(eye.pitch, -6.0f);  // down tilts it down
  EXPECT_TRUE(camera::turnByPointer(512, 384 + 5000));
  EXPECT_EQ(eye.pitch, -90);
}

TEST_F(CameraTest, PointerZoomFollowsTheVerticalOffsetWithin5And45) {
  game::pointerCentreX = 512;
  game::pointerCentreY = 384;
  game::pointerCaptured = 1;
  game::fieldOfView = 30;
  EXPECT_TRUE(camera::zoomByPointer(512, 424));
  EXPECT_FLOAT_EQ(game::fieldOfView, 32);
  EXPECT_TRUE(camera::zoomByPointer(552, 384));  // sideways: warped back, no zoom
  EXPECT_FLOAT_EQ(game::fieldOfView, 32);
  EXPECT_TRUE(camera::zoomByPointer(512, 384 + 400));
  EXPECT_EQ(game::fieldOfView, 45);
  EXPECT_TRUE(camera::zoomByPointer(512, 384 - 2000));
  EXPECT_EQ(game::fieldOfView, 5);
  EXPECT_FALSE(camera::zoomByPointer(512, 384));
  game::pointerCaptured = 0;
  EXPECT_FALSE(camera::zoomByPointer(512, 500));
  EXPECT_EQ(game::fieldOfView, 5);
}

TEST_F(CameraTest, HeightKeysWorkInTheFreeViewWithin50And950) {
  eye.y = 55;
  EXPECT_FALSE(camera::lowerFreeCamera(eye));  // not the free view
  game::setViewMode(game::FreeView);
  EXPECT_TRUE(camera::lowerFreeCamera(eye));
  EXPECT_EQ(eye.y, 50);
  EXPECT_FALSE(camera::lowerFreeCamera(eye));
  eye.y = 945;
  EXPECT_TRUE(camera::raiseFreeCamera(eye));
  EXPECT_EQ(eye.y, 950);
  EXPECT_FALSE(camera::raiseFreeCamera(eye));
  EXPECT_EQ(eye.y, 950);
}

TEST_F(CameraTest, PresetsLookAtTheBoardOfTheirShape) {
  const struct {
    int view, columns, rows;
    camera::Pose want;
  } cases[] = {
      {game::TopView, 12, 10, {88, 226, 72, 0, -90, 0}},
      {game::TopView, 15, 9, {112, 227, 64, 0, -90, 0}},  // odd halves are truncated
      {game::ObliqueView, 12, 10, {88, 204, 242, 0, -51.12f, 0}},
      {game::ObliqueView, 17, 30, {128, 422, 742, 0, -51.12f, 0}},
      {game::FreeView, 30, 17, {88.2f, 170, 239, 0, -48.6f, 0}},
  };
  for (const auto& c : cases) {
    const camera::Pose p = camera::presetPose(c.view, c.columns, c.rows);
    EXPECT_FLOAT_EQ(p.x, c.want.x) << c.view << " " << c.columns << "x" << c.rows;
    EXPECT_FLOAT_EQ(p.y, c.want.y) << c.view << " " << c.columns << "x" << c.rows;
    EXPECT_FLOAT_EQ(p.z, c.want.z) << c.view << " " << c.columns << "x" << c.rows;
    EXPECT_FLOAT_EQ(p.pitch, c.want.pitch);
  }
  eye.sideRate = 3;  // a preset keeps the glide going
  camera::placeCamera(eye, camera::presetPose(game::FreeView, 12, 10));
  EXPECT_EQ(eye.sideRate, 3);
  EXPECT_FLOAT_EQ(eye.x, 88.2f);
}

}  // namespace
