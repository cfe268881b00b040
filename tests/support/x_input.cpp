// Real input through xdotool, without its --window option.
#include "support/x_input.h"

#include <sstream>
#include <vector>

#include "support/processes.h"

namespace xtest {

namespace {

bool xdotool(const std::string& displayName, std::vector<std::string> arguments) {
  arguments.insert(arguments.begin(), "xdotool");
  return runProgram(arguments, displayName, nullptr, nullptr, 10000) == 0;
}

}  // namespace

// Keys go in at a person's pace: a program that reads its input once a frame
// may take a release followed at once by a press of the same key for the
// keyboard's auto-repeat, and drop both (freeglut does, with repeat off).
bool pressKeys(const std::string& displayName, const std::string& keys) {
  std::vector<std::string> arguments = {"key", "--delay", "150"};
  std::istringstream words(keys);
  for (std::string key; words >> key;) arguments.push_back(key);
  return arguments.size() > 3 && xdotool(displayName, arguments);
}

bool keyDown(const std::string& displayName, const std::string& key) {
  return xdotool(displayName, {"keydown", key});
}

bool keyUp(const std::string& displayName, const std::string& key) {
  return xdotool(displayName, {"keyup", key});
}

bool moveMouse(const std::string& displayName, int x, int y) {
  return xdotool(displayName, {"mousemove", std::to_string(x), std::to_string(y)});
}

bool moveMouseBy(const std::string& displayName, int dx, int dy) {
  return xdotool(displayName, {"mousemove_relative", "--", std::to_string(dx), std::to_string(dy)});
}

bool mouseDown(const std::string& displayName, int button) {
  return xdotool(displayName, {"mousedown", std::to_string(button)});
}

bool mouseUp(const std::string& displayName, int button) {
  return xdotool(displayName, {"mouseup", std::to_string(button)});
}

bool click(const std::string& displayName, int button) {
  return xdotool(displayName, {"click", std::to_string(button)});
}

}  // namespace xtest
