// The lines of text the user sees, as a table: the entry screen, the prompt
// between turns with the speed and the side to move, and the winner. Which
// lines a state shows, and their text, without any drawing.
#pragma once

namespace game {

struct OverlayLine {
  bool (*shown)();     // whether the current state shows the line
  const char* format;  // printf format; takes the line's value, if any
  enum Value { kNoValue, kMoveSpeed, kNodeCount } value;
  float x, y, z;  // top-left corner of the first character, eye space
};

// The lines in the order they are drawn.
extern const OverlayLine kOverlayLines[];
extern const int kOverlayLineCount;

// Formats the line into textBuffer with its value from the current state.
void formatOverlayLine(const OverlayLine& line);

}  // namespace game
