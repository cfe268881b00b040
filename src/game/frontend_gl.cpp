// The front end of the game itself, on OpenGL and GLUT.
#include <GL/freeglut.h>

#include "board/board.h"
#include "game/frontend.h"
#include "game/start_up.h"
#include "render/board_scene.h"

namespace frontend {

void rebuildBoardScene() { render::buildBoardScene(*board::currentBoard()); }

void restoreEntryView() {
  glutSetCursor(GLUT_CURSOR_NONE);
  game::reshape(game::kScreenWidth, game::kScreenHeight);
}

}  // namespace frontend
