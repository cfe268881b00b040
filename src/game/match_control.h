// What the keys do to the game: setting up a match, returning to the entry
// screen, pausing, continuing after a turn, and the node-count and speed
// steps of + and -. The GLUT callbacks map keys onto these.
#pragma once

#include "game/match_name.h"

namespace game {

// F1, and Enter on the entry screen or after a win: a new board that passes
// the check, new armies and squad lists, the other side opens, and it runs.
void startMatch();

// Makes the next match set up the named one: the generator is put in the
// named state and the named side opens. The matches after it follow from
// there, as they would after it anywhere.
void queueNamedMatch(const MatchName& name);

// What the set-up of the last match gave: its name, and how many boards were
// drawn until one passed the check. And how many matches have been set up
// since the process started.
struct MatchSetUp {
  MatchName name;
  long long boards = 0;
};
MatchSetUp currentMatchSetUp();
long long matchesSetUp();

// F2: back to the entry screen; the match is kept but no longer shown.
void returnToEntry();

// F5: pauses or resumes a running match; ignored while Enter is awaited.
void togglePause();

// Enter, by phase: sets up a match on the entry screen, continues after a
// turn while playing, sets up a new match after a win. True when it set up a
// match from the entry screen, which the caller then shows in the top view.
bool pressEnter();

// + and -: the node count on the entry screen, the move speed between turns.
void pressPlus();
void pressMinus();

// F2: back to the entry screen, unless it is shown already. True when it went.
bool pressReturnToEntry();

// 1, 2 and 3 choose a camera set-up once a match has been set up.
bool viewKeysApply();

// The arrow keys glide the free camera: a press holds its arrow only in the
// free view, a release lets go of it in any view.
enum Arrow { kArrowLeft, kArrowRight, kArrowUp, kArrowDown };
void pressArrow(Arrow arrow);
void releaseArrow(Arrow arrow);

}  // namespace game
