// The two piece models, compiled once at start-up, and the drawing of every
// living piece of both armies: a plain pass in the role colours, then an
// additive pass with the environment texture over the same surfaces, both
// unlit, so that the colours stay what they are under the rig's strong light.
#pragma once

namespace render {

// Makes the models' own quadric, then compiles pyramidList and sphereList.
void buildPieceModels();

// Both armies, base pass then environment pass. Expects the camera view and
// the scene's lift on the model-view matrix, lighting and face culling on.
// Leaves blending and texture generation off, 2D texturing and lighting on,
// and the model-view matrix as it found it.
void drawPieces();

// List names, 0 until built.
unsigned int pyramidList();
void setPyramidList(unsigned int list);
unsigned int sphereList();
void setSphereList(unsigned int list);

}  // namespace render
