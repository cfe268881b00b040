// Private X servers for the window tests, which may run side by side in
// several processes, each with its own server.
#include "support/x_session.h"

#include <X11/Xlib.h>
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

#include "support/processes.h"

namespace xtest {

namespace {

// A display number nobody holds: no lock file and no socket.
bool displayFree(int number) {
  const std::string n = std::to_string(number);
  return access(("/tmp/.X" + n + "-lock").c_str(), F_OK) != 0 &&
         access(("/tmp/.X11-unix/X" + n).c_str(), F_OK) != 0;
}

// Whether the display's lock file names our server (and not one that took
// the number just before it).
bool lockedBy(pid_t pid, int number) {
  std::ifstream lock("/tmp/.X" + std::to_string(number) + "-lock");
  long owner = 0;
  return static_cast<bool>(lock >> owner) && owner == pid;
}

// Waits until our server accepts a client, or gives up when it has ended.
bool serverAnswers(pid_t pid, int number) {
  const std::string name = ":" + std::to_string(number);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(15);
  while (std::chrono::steady_clock::now() < deadline) {
    if (!stillRunning(pid)) return false;
    if (Display* d = XOpenDisplay(name.c_str())) {
      XCloseDisplay(d);
      return lockedBy(pid, number);
    }
    pauseMs(50);
  }
  return false;
}

std::string valueOf(const std::string& lines, const std::string& key) {
  std::istringstream in(lines);
  for (std::string line; std::getline(in, line);) {
    if (line.rfind(key + "=", 0) == 0) return line.substr(key.size() + 1);
  }
  return "";
}

int errorCount = 0;
int countXError(Display*, XErrorEvent*) {
  ++errorCount;
  return 0;
}

}  // namespace

// Each test process starts its search at its own number, so that one test's
// server never takes the number of a server another test is just stopping
// (whose exit would remove the new server's socket).
// -noreset: by default Xvfb resets whenever its last client leaves, and a
// client connecting during the reset (the program under test, right after
// the readiness probe or an xdotool call) has its connection closed.
bool startXvfb(HeadlessDisplay* display, int width, int height,
               const std::vector<std::string>& options) {
  const int first = 100 + static_cast<int>(getpid() % 300) * 3;
  for (int number = first; number < first + 60; ++number) {
    if (!displayFree(number)) continue;
    const std::string name = ":" + std::to_string(number);
    std::vector<std::string> argv = {"Xvfb",
                                     name,
                                     "-screen",
                                     "0",
                                     std::to_string(width) + "x" + std::to_string(height) + "x24",
                                     "-nolisten",
                                     "tcp",
                                     "-noreset"};
    argv.insert(argv.end(), options.begin(), options.end());
    const pid_t pid = spawnProgram(argv, "", "", "");
    if (pid < 0) return false;
    if (serverAnswers(pid, number)) {
      display->pid = pid;
      display->name = name;
      return true;
    }
    kill(pid, SIGKILL);
    waitWithin(pid, 5000, nullptr);
  }
  return false;
}

void stopXvfb(HeadlessDisplay* display) {
  if (display->pid <= 0) return;
  kill(display->pid, SIGTERM);
  waitWithin(display->pid, 5000, nullptr);
  display->pid = -1;
}

namespace {

// Starts a server through one of our scripts (`script start`, owned by this
// process: a test killed before its clean-up takes its server with it).
ServerStart startByScript(const char* script, HeadlessDisplay* display, std::string* why) {
  std::string out;
  std::string err;
  const int status = runProgram(
      {"env", "XSERVER_OWNER=" + std::to_string(getpid()), script, "start"}, "", &out, &err, 60000);
  const std::string name = valueOf(out, "DISPLAY");
  const long pid = std::atol(valueOf(out, "PID").c_str());
  if (status == 0 && !name.empty() && pid > 0) {
    display->pid = static_cast<pid_t>(pid);
    display->name = name;
    return ServerStart::kStarted;
  }
  if (err.empty()) err = "no word from it\n";
  if (status == 77) {
    *why = err.substr(0, err.find('\n'));
    return ServerStart::kSkipped;
  }
  *why = std::string(script) + " start failed with status " + std::to_string(status) + ": " + err;
  return ServerStart::kFailed;
}

bool stopByScript(const char* script, HeadlessDisplay* display) {
  if (display->pid <= 0) return true;
  const int status =
      runProgram({script, "stop", std::to_string(display->pid)}, "", nullptr, nullptr, 30000);
  display->pid = -1;
  display->name.clear();
  return status == 0;
}

}  // namespace

ServerStart startXorg(HeadlessDisplay* display, std::string* why) {
  return startByScript(VELMORA_XSERVER_SCRIPT, display, why);
}

bool stopXorg(HeadlessDisplay* display) { return stopByScript(VELMORA_XSERVER_SCRIPT, display); }

ServerStart startWeston(HeadlessDisplay* display, std::string* why) {
  return startByScript(VELMORA_WESTON_SCRIPT, display, why);
}

bool stopWeston(HeadlessDisplay* display) { return stopByScript(VELMORA_WESTON_SCRIPT, display); }

std::string findWindow(const std::string& title, const std::string& displayName, int timeoutMs) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (std::chrono::steady_clock::now() < deadline) {
    std::string id =
        runOutput("xdotool search --onlyvisible --name '^" + title + "$'", displayName);
    if (!id.empty()) return id.substr(0, id.find('\n'));
    pauseMs(50);
  }
  return "";
}

bool windowGeometry(const std::string& windowId, const std::string& displayName,
                    WindowGeometry* geometry) {
  const Window window = std::strtoul(windowId.c_str(), nullptr, 10);
  Display* d = XOpenDisplay(displayName.c_str());
  if (d == nullptr || window == 0) {
    if (d != nullptr) XCloseDisplay(d);
    return false;
  }
  // A window that is already gone must fail this call, not end the test.
  int (*previous)(Display*, XErrorEvent*) = XSetErrorHandler(countXError);
  errorCount = 0;
  XWindowAttributes attributes{};
  Window child = 0;
  bool ok = XGetWindowAttributes(d, window, &attributes) != 0 &&
            XTranslateCoordinates(d, window, attributes.root, 0, 0, &geometry->x, &geometry->y,
                                  &child) != 0;
  XSync(d, False);
  ok = ok && errorCount == 0;
  geometry->width = attributes.width;
  geometry->height = attributes.height;
  XSetErrorHandler(previous);
  XCloseDisplay(d);
  return ok;
}

}  // namespace xtest
