// The OpenGL state set once at start-up, the eight-light rig and its
// per-frame re-placement, the quadric the board scene draws its disks with,
// and the texture font the overlay writes with.
#pragma once

#include <GL/glu.h>

#include "render/glf_font.h"

namespace render {

// Once, after the game-mode window and the camera exist and before the
// callbacks, textures and display lists: loads the font, makes the shared
// quadric, looks straight down, sets the fixed OpenGL state and the lights,
// and hides the pointer.
void initRendering();

// Every frame, right after the camera view is loaded and before anything is
// drawn: lights 1 to 7 follow the camera's height; light 0 stays put.
void placeLights();

// Made by initRendering and kept for the whole run; null before.
GLUquadric* sharedQuadric();
void setSharedQuadric(GLUquadric* quadric);

// The texture font record, made by initRendering (empty when the font file
// could not be read); null before.
GlfFont* gameFont();
void setGameFont(GlfFont* font);

}  // namespace render
