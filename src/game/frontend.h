// What the rules engine asks of the presentation on top of it. The game links
// the real implementations (OpenGL, GLUT); velmora-sim and the rules tests
// link frontend_null.cpp, which does nothing, the way a dedicated server
// links a null renderer.
#pragma once

namespace board {
struct Board;
}

namespace game {

// Compiles the display lists of a new match's board.
void buildBoardScene(const board::Board* board);

// Back on the entry screen: hides the cursor and re-applies the projection
// for the 45-degree field of view.
void restoreEntryView();

}  // namespace game
