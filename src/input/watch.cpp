// The Enter of the watch goes through the keyboard callback, exactly as the
// user's own would. A wait starts when the game starts awaiting Enter (or
// shows its first entry screen) and any change of what it awaits starts it
// anew, so a key the user presses meanwhile is never overtaken.
#include "input/watch.h"

#include "game/match_control.h"
#include "input/keyboard.h"
#include "state/game_state.h"

namespace input {

namespace {

constexpr int kAfterTurnMs = 1000;
constexpr int kAfterWinMs = 5000;
constexpr int kFirstEntryMs = 5000;
constexpr unsigned char kEnter = 13;

// What the game waits for, as the watch tells it apart.
enum class Waiting { kNothing, kFirstEntry, kNextTurn, kNewMatch };

struct Watch {
  Waiting waiting = Waiting::kNothing;
  long long matches = -1;  // matchesSetUp() when the wait began
  int sinceMs = 0;
};

Watch gWatch;

Waiting waitingNow() {
  if (game::gamePhase() == game::NodeEntry) {
    return game::matchesSetUp() == 0 ? Waiting::kFirstEntry : Waiting::kNothing;
  }
  if (game::awaitingEnter() != 1) return Waiting::kNothing;
  return game::gamePhase() == game::Playing ? Waiting::kNextTurn : Waiting::kNewMatch;
}

int delayOf(Waiting waiting) {
  switch (waiting) {
    case Waiting::kFirstEntry:
      return kFirstEntryMs;
    case Waiting::kNextTurn:
      return kAfterTurnMs;
    case Waiting::kNewMatch:
      return kAfterWinMs;
    case Waiting::kNothing:
      break;
  }
  return 0;
}

}  // namespace

void watchTick(int nowMs) {
  const Waiting waiting = waitingNow();
  if (waiting != gWatch.waiting || game::matchesSetUp() != gWatch.matches) {
    gWatch = Watch{waiting, game::matchesSetUp(), nowMs};
    return;
  }
  if (waiting == Waiting::kNothing || nowMs - gWatch.sinceMs < delayOf(waiting)) return;
  onKeyboard(kEnter, 0, 0);
  gWatch.waiting = Waiting::kNothing;
}

}  // namespace input
