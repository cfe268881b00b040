// The text overlay: the lines of the current state, drawn with the texture
// font in the plane z = -70 of eye space.
#pragma once

namespace game {

// Expects the modelview matrix set to the identity, depth test, lighting and
// face culling off, 2D texturing on.
void drawOverlay();

}  // namespace game
