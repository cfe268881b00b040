// The perspective projection the camera is seen through: the GLUT reshape
// callback, also called whenever the field of view changes.
#pragma once

namespace camera {

// The perspective projection for a window of this size with the current
// field of view. Also called with 1024 x 768 whenever the field of view
// changes, whatever the real window size.
void reshape(int width, int height);

}  // namespace camera
