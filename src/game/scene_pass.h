// The 3D picture of a match, once per frame: the floor with the mirror image
// of the pieces and walls under it, the pieces and walls, the backdrop, the
// markers and the rim.
#pragma once

namespace game {

// Expects the camera's view on the modelview stack, the lights placed for
// the frame, face culling on and clear buffers. Leaves lighting, texturing,
// culling and the depth test on, blending, light 6, the stencil test and
// clip plane 0 off, and the modelview stack as it found it.
void drawScenePass();

}  // namespace game
