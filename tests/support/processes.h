// Child processes for the end-to-end tests: start a program on a display,
// run a command to its end, wait with a limit. A child never outlives the
// test process that started it.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace xtest {

// Whether a program can be found on PATH.
bool haveProgram(const char* name);

// Starts argv[0] (searched on PATH when it has no slash) with DISPLAY set to
// `displayName` (unset when empty), in `workingDir` when one is given, its
// stdout and stderr into the given files (or /dev/null when empty).
pid_t spawnProgram(const std::vector<std::string>& argv, const std::string& displayName,
                   const std::string& stdoutPath, const std::string& stderrPath,
                   const std::string& workingDir = "");

// Waits up to timeoutMs for the process; true and its wait status if it ended.
// A process still running at the limit is ended (TERM, then KILL), with
// every process in its group when it leads one (as those spawned here do).
bool waitWithin(pid_t pid, int timeoutMs, int* status);

// Whether the process is still running (without reaping it).
bool stillRunning(pid_t pid);

// Runs argv to its end (killed after timeoutMs) with DISPLAY set as for
// spawnProgram; its exit status, or -1 if it did not run or end by itself.
// Its stdout and stderr go to the strings given, when given.
int runProgram(const std::vector<std::string>& argv, const std::string& displayName,
               std::string* out, std::string* err, int timeoutMs = 30000);

// Runs a shell command with DISPLAY set and returns its standard output.
std::string runOutput(const std::string& command, const std::string& displayName);

std::string readFile(const std::string& path);

void pauseMs(int ms);

}  // namespace xtest
