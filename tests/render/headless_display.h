// A private X server (Xvfb) for tests that show windows, and the process
// handling they need: start a program on it, run a command, wait with a limit.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace xtest {

// Whether a program can be found on PATH.
bool haveProgram(const char* name);

struct HeadlessDisplay {
  pid_t pid = -1;
  std::string name;  // ":N"
};

// Starts Xvfb on a free display number and waits until it answers; false if
// no server could be started.
bool startXvfb(HeadlessDisplay* display);
void stopXvfb(HeadlessDisplay* display);

// Starts argv[0] with DISPLAY set to `displayName` (unset when empty), its
// stdout and stderr into the given files (or /dev/null when empty).
pid_t spawnProgram(const std::vector<std::string>& argv, const std::string& displayName,
                   const std::string& stdoutPath, const std::string& stderrPath);

// Waits up to timeoutMs for the process; true and its wait status if it ended.
// A process still running at the limit is killed.
bool waitWithin(pid_t pid, int timeoutMs, int* status);

// Whether the process is still running (without reaping it).
bool stillRunning(pid_t pid);

// Runs a shell command with DISPLAY set and returns its standard output.
std::string runOutput(const std::string& command, const std::string& displayName);

// Polls `xdotool search` for a visible window with exactly this title.
std::string findWindow(const std::string& title, const std::string& displayName, int timeoutMs);

std::string readFile(const std::string& path);

}  // namespace xtest
