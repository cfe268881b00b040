// The five move speeds, slowest first, shared by the keys that step the
// speed between turns and by velmora-sim's --speed. Each divides the node
// spacing of 16, so a moving piece lands exactly on the next node.
#pragma once

namespace game {

constexpr float kMoveSpeeds[] = {1, 2, 4, 8, 16};

// True for a speed of the table.
bool isMoveSpeed(float speed);

// The next speed of the table above or below `speed`; the fastest and the
// slowest stay as they are.
float fasterSpeed(float speed);
float slowerSpeed(float speed);

}  // namespace game
