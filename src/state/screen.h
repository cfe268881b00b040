// The screen the game is drawn for, and how it is shown. The projection, the
// camera set-ups and the overlay assume a 1024 x 768 picture; in a window or
// on a screen of another size the picture keeps that 4:3 shape, centred.
#pragma once

namespace game {

constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;

// 1 when the game plays in an ordinary window (velmora --window), 0 in the
// full-screen game mode. Set once at start-up.
int playingInWindow();
void setPlayingInWindow(int value);

}  // namespace game
