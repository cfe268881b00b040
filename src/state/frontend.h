// What the game logic asks of the presentation on top of it. The game links
// the real front end (game/frontend_gl.cpp, on OpenGL and GLUT); velmora-sim
// and the rules tests link state/frontend_null.cpp, which does nothing, the
// way a dedicated server links a null renderer.
#pragma once

namespace frontend {

// Has the board scene compiled for the current board and squad sizes: once
// per new match, after the armies are placed and the squad sizes drawn.
void rebuildBoardScene();

// Back on the entry screen: hides the cursor and re-applies the projection
// for the 45-degree field of view.
void restoreEntryView();

}  // namespace frontend
