// The front end of the game itself, on OpenGL and GLUT.
#include <GL/freeglut.h>

#include "board/board.h"
#include "camera/projection.h"
#include "render/board_scene.h"
#include "state/frontend.h"
#include "state/screen.h"

namespace frontend {

void rebuildBoardScene() { render::buildBoardScene(*board::currentBoard()); }

void restoreEntryView() {
  glutSetCursor(GLUT_CURSOR_NONE);
  camera::reshape(game::kScreenWidth, game::kScreenHeight);
}

}  // namespace frontend
