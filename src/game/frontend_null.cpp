// The front end of a build without graphics: nothing to draw, nothing to show.
#include "game/frontend.h"

namespace game {

void buildBoardScene(const board::Board*) {}

void restoreEntryView() {}

}  // namespace game
