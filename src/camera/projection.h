// The perspective projection the camera is seen through, and where the
// picture lies in the window: the largest 4:3 rectangle centred in it, with
// black bars beside or above and below, whatever size the window has.
#pragma once

namespace camera {

struct Viewport {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

// The largest rectangle of the picture's shape centred in the window; empty
// for a window or picture without area.
Viewport letterbox(int windowWidth, int windowHeight, int pictureWidth, int pictureHeight);

// The GLUT reshape callback: keeps the window's size and re-applies the
// projection for the 1024 x 768 picture in it. A captured pointer moves to
// the new centre.
void onWindowReshape(int width, int height);

// The perspective projection for a picture of this size with the current
// field of view, letterboxed into the window. Called with 1024 x 768 whenever
// the field of view changes, whatever the window's size.
void reshape(int width, int height);

// The window's size as the last reshape gave it (1024 x 768 before any).
int windowWidth();
int windowHeight();

}  // namespace camera
