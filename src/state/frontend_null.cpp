// The front end of a build without graphics: nothing to draw, nothing to show.
#include "state/frontend.h"

namespace frontend {

void rebuildBoardScene() {}

void restoreEntryView() {}

}  // namespace frontend
