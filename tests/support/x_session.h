// Private X servers for tests that show windows: Xvfb for plain windows, Xorg
// on the dummy driver (through scripts/xserver.sh) for the game's full-screen
// mode, which Xvfb cannot offer, and Xwayland in a headless weston (through
// scripts/weston.sh) for a Wayland desktop. Also finding a window on them.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace xtest {

struct HeadlessDisplay {
  pid_t pid = -1;
  std::string name;  // ":N"
};

// Starts Xvfb (1024x768 unless told otherwise, depth 24, with any further
// options of Xvfb's) on a free display number and waits until it answers;
// false if no server could be started.
bool startXvfb(HeadlessDisplay* display, int width = 1024, int height = 768,
               const std::vector<std::string>& options = {});
void stopXvfb(HeadlessDisplay* display);

enum class ServerStart { kStarted, kSkipped, kFailed };

// Starts the private Xorg server; when it cannot be started here at all (no
// root rights, Xorg missing) the result is kSkipped, and `why` says why.
ServerStart startXorg(HeadlessDisplay* display, std::string* why);
// Stops it and removes its files; false if the server would not stop.
bool stopXorg(HeadlessDisplay* display);

// Starts a private weston compositor (headless, 1920x1080) with Xwayland,
// through scripts/weston.sh; `display` names the Xwayland server. kSkipped
// when weston or Xwayland is not installed.
ServerStart startWeston(HeadlessDisplay* display, std::string* why);
bool stopWeston(HeadlessDisplay* display);

// Polls `xdotool search` for a visible window with exactly this title.
std::string findWindow(const std::string& title, const std::string& displayName, int timeoutMs);

struct WindowGeometry {
  int x = 0;  // where the window's inside lies on the screen
  int y = 0;
  int width = 0;
  int height = 0;
};

// The window's size and absolute position; false if there is no such window.
bool windowGeometry(const std::string& windowId, const std::string& displayName,
                    WindowGeometry* geometry);

}  // namespace xtest
