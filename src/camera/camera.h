// The one camera: an eye position, three angles and two motion rates that
// give the free camera its glide. The record and its motion are plain
// arithmetic; camera_view.cpp turns it into the view matrix and steers it
// with the mouse.
#pragma once

namespace camera {

struct Camera {
  float x = 0;  // eye position, world units
  float y = 0;  // eye height
  float z = 0;
  float yaw = 0;          // degrees about the vertical axis, kept in [0, 360)
  float pitch = 0;        // degrees about the x axis, kept in [-90, 90]
  float roll = 0;         // degrees about the viewing axis, not limited
  float sideRate = 0;     // -5.5..5.5; positive glides to the left
  float forwardRate = 0;  // -5.5..5.5; positive glides forward
};

// A new record with every field 0.
Camera createCamera();

// Sets the height of the current camera.
void setCameraHeight(float height);

// Pitch clamped to [-90, 90], yaw brought into [0, 360); roll untouched.
void normalizeAngles(Camera& camera);

// Adds the three angles (degrees), then normalizes.
void rotateCamera(Camera& camera, float dYaw, float dPitch, float dRoll);

// Moves the eye horizontally by distance / 2 in the direction `angle`
// degrees from the yaw (0 forward, 90 left, 180 back, 270 right).
void stepCamera(Camera& camera, float distance, float angle);

// One frame of the arrow keys' effect: the held keys raise the rates, the
// rates move the eye and decay towards 0.
void updateMotion(Camera& camera);

// Whether the camera is gliding or an arrow key is held: the frame then
// updates and reloads it.
bool cameraInMotion(const Camera& camera);

// The eye and angles of a camera preset (TopView, ObliqueView, FreeView as
// the GameState ViewMode codes 1..3) for a board of `columns` x `rows`.
// The rates are not part of a preset.
struct Pose {
  float x = 0;
  float y = 0;
  float z = 0;
  float yaw = 0;
  float pitch = 0;
  float roll = 0;
};
Pose presetPose(int viewMode, int columns, int rows);

// Puts a pose on the camera, keeping its rates.
void placeCamera(Camera& camera, const Pose& pose);

// The free camera's height keys: Z lowers it by 5 while it is above 50, X
// raises it by 5 while it is below 950, and only in the free view. True when
// the camera moved (the caller then reloads the view).
bool lowerFreeCamera(Camera& camera);
bool raiseFreeCamera(Camera& camera);

// The arithmetic of the mouse, on the captured pointer's offset from the
// screen centre: turns the current camera by 0.06 degrees a pixel, or widens
// the field of view by a degree per 20 pixels down, within 5..45. Both do
// nothing without a capture or at the centre itself, and say whether they
// acted.
bool turnByPointer(int x, int y);
bool zoomByPointer(int x, int y);

// ---- On OpenGL and GLUT (camera_view.cpp) ---------------------------------

// Loads the camera's view matrix into the modelview matrix.
void applyCamera(const Camera& camera);

// updateMotion, then applyCamera.
void updateAndApplyCamera(Camera& camera);

// turnByPointer and zoomByPointer with the pointer warped back to the
// centre and the view or projection reloaded.
void mouseLook(int x, int y);
void mouseZoom(int x, int y);

}  // namespace camera
