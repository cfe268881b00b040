// Play on unattended (velmora --watch): Enter is pressed for the user, one
// second after each turn ends and five seconds after a win, which starts a
// new match; the entry screen at start-up is left the same way after five
// seconds, time enough to set the board size. Every key still works.
#pragma once

namespace input {

// Called between frames with GLUT's clock, in milliseconds.
void watchTick(int nowMs);

}  // namespace input
