// The monkey's moves and their weights.
#include "monkey/monkey_moves.h"

#include <algorithm>
#include <sstream>

namespace monkey {

std::uint64_t Random::next() {
  std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

int Random::below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }

namespace {

struct Weighted {
  const char* name;
  int weight;
};

// The game's keys, Enter the most (it moves matches on), then those that
// change the match or the view; a few the game ignores.
constexpr Weighted kKeys[] = {
    {"Return", 10}, {"plus", 5}, {"minus", 4}, {"F1", 4},  {"F2", 3}, {"F5", 3},   {"1", 3},
    {"2", 3},       {"3", 5},    {"z", 2},     {"x", 2},   {"Up", 2}, {"Down", 2}, {"Left", 1},
    {"Right", 1},   {"a", 1},    {"space", 1}, {"Tab", 1}, {"F3", 1}, {"F11", 1},  {"KP_Add", 1}};

// What changes the view or the match under held keys and buttons.
constexpr Weighted kViewKeys[] = {{"1", 3},  {"2", 3},  {"3", 3},
                                  {"F2", 2}, {"F1", 2}, {"Return", 1}};

constexpr const char* kArrows[] = {"Up", "Down", "Left", "Right"};

template <std::size_t N>
const char* pick(Random& random, const Weighted (&table)[N]) {
  int total = 0;
  for (const Weighted& w : table) total += w.weight;
  int at = random.below(total);
  for (const Weighted& w : table) {
    if (at < w.weight) return w.name;
    at -= w.weight;
  }
  return table[0].name;
}

const char* anArrow(Random& random) { return kArrows[random.below(4)]; }

Action run(std::vector<std::string> xdotool) { return Action{std::move(xdotool), 0}; }
Action pause(int ms) { return Action{{}, ms}; }

// A pointer position anywhere on the 1024 x 768 screen.
Action mouseAnywhere(Random& random) {
  return run({"mousemove", std::to_string(random.below(1024)), std::to_string(random.below(768))});
}

// A move of the pointer as a hand makes it, by up to 200 pixels.
Action mouseNudge(Random& random) {
  return run({"mousemove_relative", "--", std::to_string(random.between(-200, 200)),
              std::to_string(random.between(-200, 200))});
}

Action mouseStep(Random& random) {
  return random.below(3) == 0 ? mouseAnywhere(random) : mouseNudge(random);
}

// Releases what was pressed, in a random order.
void releaseAll(Random& random, std::vector<Action>& actions, std::vector<std::string> keys,
                std::vector<int> buttons) {
  while (!keys.empty() || !buttons.empty()) {
    const int i = random.below(static_cast<int>(keys.size() + buttons.size()));
    if (i < static_cast<int>(keys.size())) {
      actions.push_back(run({"keyup", keys[i]}));
      keys.erase(keys.begin() + i);
    } else {
      const int b = i - static_cast<int>(keys.size());
      actions.push_back(run({"mouseup", std::to_string(buttons[b])}));
      buttons.erase(buttons.begin() + b);
    }
    if (random.below(2) == 0) actions.push_back(pause(random.between(0, 300)));
  }
}

Move tap(Random& random) { return {"tap", {run({"key", pick(random, kKeys)})}}; }

// Keys in quick succession: mixed, or one key many times (+ up to 510 nodes).
Move burst(Random& random) {
  std::vector<std::string> args = {"key", "--delay", std::to_string(random.between(0, 120))};
  if (random.below(3) == 0) {
    const char* key = random.below(2) == 0 ? "plus" : "minus";
    for (int n = random.between(3, 26); n > 0; --n) args.push_back(key);
  } else {
    for (int n = random.between(3, 12); n > 0; --n) args.push_back(pick(random, kKeys));
  }
  return {"burst", {run(args)}};
}

// One or two arrows held for a while, with the camera raised or lowered.
Move arrows(Random& random) {
  Move move{"arrows", {}};
  std::vector<std::string> held = {anArrow(random)};
  if (random.below(3) == 0) {
    const char* second = anArrow(random);
    if (held[0] != second) held.push_back(second);
  }
  for (const std::string& key : held) move.actions.push_back(run({"keydown", key}));
  for (int n = random.between(1, 4); n > 0; --n) {
    move.actions.push_back(pause(random.between(50, 600)));
    if (random.below(2) == 0) move.actions.push_back(run({"key", random.below(2) ? "z" : "x"}));
  }
  releaseAll(random, move.actions, held, {});
  return move;
}

// The left, the right or both buttons held while the pointer moves.
Move drag(Random& random) {
  Move move{"drag", {mouseAnywhere(random)}};
  const int which = random.below(3);
  std::vector<int> buttons;
  if (which != 1) buttons.push_back(1);
  if (which != 0) buttons.push_back(3);
  if (random.below(2) == 0) std::reverse(buttons.begin(), buttons.end());
  for (int b : buttons) move.actions.push_back(run({"mousedown", std::to_string(b)}));
  for (int n = random.between(2, 6); n > 0; --n) {
    move.actions.push_back(mouseStep(random));
    move.actions.push_back(pause(random.between(10, 150)));
  }
  releaseAll(random, move.actions, {}, buttons);
  return move;
}

// Views and matches changed while a button, an arrow or both are held.
Move heldView(Random& random) {
  Move move{"held-view", {}};
  std::vector<std::string> keys;
  std::vector<int> buttons;
  const int what = random.between(1, 7);  // bits: arrow, left button, right button
  if (what & 1) keys.push_back(anArrow(random));
  if (what & 2) buttons.push_back(1);
  if (what & 4) buttons.push_back(3);
  for (const std::string& key : keys) move.actions.push_back(run({"keydown", key}));
  for (int b : buttons) move.actions.push_back(run({"mousedown", std::to_string(b)}));
  for (int n = random.between(1, 3); n > 0; --n) {
    move.actions.push_back(pause(random.between(20, 400)));
    move.actions.push_back(run({"key", pick(random, kViewKeys)}));
    if (random.below(2) == 0) move.actions.push_back(mouseStep(random));
  }
  move.actions.push_back(pause(random.between(0, 300)));
  releaseAll(random, move.actions, keys, buttons);
  return move;
}

// The free view, where the arrows and the mouse act, then a drag in it.
Move freeLook(Random& random) {
  Move move = drag(random);
  move.kind = "free-look";
  move.actions.insert(move.actions.begin(), run({"key", "3"}));
  return move;
}

Move wait(Random& random) { return {"wait", {pause(random.between(100, 1500))}}; }

Move wander(Random& random) {
  Move move{"wander", {}};
  for (int n = random.between(1, 5); n > 0; --n) move.actions.push_back(mouseStep(random));
  return move;
}

// The middle button and the wheel, which the game ignores.
Move otherButton(Random& random) {
  static const char* const kButtons[] = {"2", "4", "5"};
  return {"other-button", {run({"click", kButtons[random.below(3)]})}};
}

}  // namespace

Move nextMove(Random& random) {
  struct Kind {
    Move (*make)(Random&);
    int weight;
  };
  static constexpr Kind kKinds[] = {{tap, 30},  {burst, 12},    {arrows, 12},
                                    {drag, 12}, {heldView, 12}, {freeLook, 6},
                                    {wait, 8},  {wander, 5},    {otherButton, 3}};
  int total = 0;
  for (const Kind& k : kKinds) total += k.weight;
  int at = random.below(total);
  for (const Kind& k : kKinds) {
    if (at < k.weight) return k.make(random);
    at -= k.weight;
  }
  return tap(random);
}

std::string describe(const Move& move) {
  std::ostringstream line;
  line << move.kind << ":";
  for (const Action& a : move.actions) {
    if (a.xdotool.empty()) {
      line << " (" << a.pauseMs << " ms)";
      continue;
    }
    line << " ";
    for (std::size_t i = 0; i < a.xdotool.size(); ++i) line << (i ? " " : "") << a.xdotool[i];
    line << ";";
  }
  return line.str();
}

}  // namespace monkey
