// The screen of the game mode the game asks for. The projection, the camera
// set-ups and the pointer assume it.
#pragma once

namespace game {

constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;
constexpr int kScreenCentreX = kScreenWidth / 2;
constexpr int kScreenCentreY = kScreenHeight / 2;

}  // namespace game
