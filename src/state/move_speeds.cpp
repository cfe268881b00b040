// Steps through the table of move speeds.
#include "state/move_speeds.h"

#include <iterator>

namespace game {

bool isMoveSpeed(float speed) {
  for (float s : kMoveSpeeds) {
    if (s == speed) return true;
  }
  return false;
}

float fasterSpeed(float speed) {
  for (float s : kMoveSpeeds) {
    if (s > speed) return s;
  }
  return kMoveSpeeds[std::size(kMoveSpeeds) - 1];
}

float slowerSpeed(float speed) {
  float slower = kMoveSpeeds[0];
  for (float s : kMoveSpeeds) {
    if (s < speed) slower = s;
  }
  return slower;
}

}  // namespace game
