// The game's own trace (velmora --trace FILE): for every match the game
// plays, the lines velmora-sim --trace prints for it, written as the match is
// played, so that a match watched in 3D can be held against the simulator's.
#pragma once

namespace game {

// Opens the file for the trace; false (with errno) when it cannot be written.
bool openGameTrace(const char* path);

// Once a frame, after the frame's steps: the set-up line of a new match, the
// lines of a turn that has just ended, the result of a match that has. Does
// nothing without a trace.
void traceFrame();

// At the end of the game: the result of a match left unfinished, and the
// file closed.
void closeGameTrace();

// Whether the trace could not be written at some point (said once on stderr).
bool gameTraceFailed();

}  // namespace game
