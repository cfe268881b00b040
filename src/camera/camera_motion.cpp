// The camera's arithmetic: angles, the glide of the free camera, the presets
// and the pointer's turn and zoom. Every value is single precision, rounded
// at each store, so a held key gives the same path on every machine.
#include <algorithm>
#include <cmath>

#include "camera/camera.h"
#include "state/game_state.h"

namespace camera {

namespace {

constexpr float kPi = 3.1415927f;
constexpr float kRateStep = 0.5f;   // gained per frame while an arrow is held
constexpr float kRateDecay = 0.3f;  // lost per frame while gliding
constexpr float kMaxRate = 5.5f;
// Pointer arithmetic is in double precision, rounded once when stored.
constexpr double kDegreesPerPixel = 0.06;
constexpr double kPixelsPerZoomDegree = 20.0;
constexpr float kNarrowestView = 5.0f;
constexpr float kWidestView = 45.0f;
constexpr float kLowestFreeHeight = 50.0f;
constexpr float kHighestFreeHeight = 950.0f;
constexpr float kHeightStep = 5.0f;

bool inFreeView() { return game::viewMode() == game::FreeView; }

}  // namespace

Camera createCamera() { return Camera{}; }

void setCameraHeight(float height) { game::currentCamera()->y = height; }

void normalizeAngles(Camera& c) {
  if (c.pitch > 90) {
    c.pitch = 90;
  } else if (c.pitch < -90) {
    c.pitch = -90;
  }
  while (c.yaw < 0) c.yaw += 360;
  while (c.yaw >= 360) c.yaw -= 360;
}

void rotateCamera(Camera& c, float dYaw, float dPitch, float dRoll) {
  c.yaw += dYaw;
  c.pitch += dPitch;
  c.roll += dRoll;
  normalizeAngles(c);
}

void stepCamera(Camera& c, float distance, float angle) {
  const float a = (c.yaw + angle) * kPi / 180.0f;
  c.x += -std::sin(a) * distance * 0.5f;
  c.z += -std::cos(a) * distance * 0.5f;
}

void updateMotion(Camera& c) {
  if (game::arrowUpHeld) c.forwardRate = std::min(c.forwardRate + kRateStep, kMaxRate);
  if (game::arrowDownHeld) c.forwardRate = std::max(c.forwardRate - kRateStep, -kMaxRate);
  if (game::arrowLeftHeld) c.sideRate = std::min(c.sideRate + kRateStep, kMaxRate);
  if (game::arrowRightHeld) c.sideRate = std::max(c.sideRate - kRateStep, -kMaxRate);
  if (c.forwardRate > 0) {
    stepCamera(c, c.forwardRate, 0);
    c.forwardRate = std::max(c.forwardRate - kRateDecay, 0.0f);
  }
  if (c.forwardRate < 0) {
    stepCamera(c, -c.forwardRate, 180);
    c.forwardRate = std::min(c.forwardRate + kRateDecay, 0.0f);
  }
  if (c.sideRate > 0) {
    stepCamera(c, c.sideRate, 90);
    c.sideRate = std::max(c.sideRate - kRateDecay, 0.0f);
  }
  if (c.sideRate < 0) {
    stepCamera(c, -c.sideRate, 270);
    c.sideRate = std::min(c.sideRate + kRateDecay, 0.0f);
  }
}

bool cameraInMotion(const Camera& c) {
  return c.forwardRate != 0 || c.sideRate != 0 || game::arrowLeftHeld == 1 ||
         game::arrowRightHeld == 1 || game::arrowUpHeld == 1 || game::arrowDownHeld == 1;
}

Pose presetPose(int viewMode, int columns, int rows) {
  const float c = static_cast<float>(columns);
  const float r = static_cast<float>(rows);
  const float halfColumns = static_cast<float>(columns / 2);
  const float halfRows = static_cast<float>(rows / 2);
  const float boardCentreX = 16 * (c * 0.5f) - 8;
  switch (viewMode) {
    case game::TopView:
      return {boardCentreX, 21 * halfColumns + 20 * halfRows, 16 * (r * 0.5f) - 8, 0, -90, 0};
    case game::ObliqueView:
      return {boardCentreX, 19 * halfColumns + 18 * halfRows, 50 * (r * 0.5f) - 8, 0, -51.12f, 0};
    default:
      return {88.2f, 170, 239, 0, -48.6f, 0};
  }
}

void placeCamera(Camera& c, const Pose& pose) {
  c.x = pose.x;
  c.y = pose.y;
  c.z = pose.z;
  c.yaw = pose.yaw;
  c.pitch = pose.pitch;
  c.roll = pose.roll;
}

bool lowerFreeCamera(Camera& c) {
  if (c.y <= kLowestFreeHeight || !inFreeView()) return false;
  c.y -= kHeightStep;
  return true;
}

bool raiseFreeCamera(Camera& c) {
  if (c.y >= kHighestFreeHeight || !inFreeView()) return false;
  c.y += kHeightStep;
  return true;
}

bool turnByPointer(int x, int y) {
  if (game::pointerCaptured == 0) return false;
  const int dx = x - game::pointerCentreX;
  const int dy = y - game::pointerCentreY;
  if (dx == 0 && dy == 0) return false;  // the event of our own warp back
  rotateCamera(*game::currentCamera(), static_cast<float>(-kDegreesPerPixel * dx),
               static_cast<float>(-kDegreesPerPixel * dy), 0);
  return true;
}

bool zoomByPointer(int x, int y) {
  if (game::pointerCaptured == 0) return false;
  const int dx = x - game::pointerCentreX;
  const int dy = y - game::pointerCentreY;
  if (dx == 0 && dy == 0) return false;
  game::fieldOfView = static_cast<float>(game::fieldOfView + dy / kPixelsPerZoomDegree);
  if (game::fieldOfView < kNarrowestView) {
    game::fieldOfView = kNarrowestView;
  } else if (game::fieldOfView > kWidestView) {
    game::fieldOfView = kWidestView;
  }
  return true;
}

}  // namespace camera
