// Message boxes shown while the full-screen game holds the keyboard and the
// pointer. In game mode the game's window grabs both, so a box of ours on
// top would get no key and no click; these hand the input over first.
#pragma once

namespace platform {

// For a box after which the process ends: leaves game mode (which releases
// the grabs and the screen), shows the box, and returns once it is closed.
void showBoxLeavingGame(const char* title, const char* text);

// For a box after which the game goes on: releases the grabs for the box,
// then takes them and the keyboard focus back for the game window.
void showBoxOverGame(const char* title, const char* text);

}  // namespace platform
