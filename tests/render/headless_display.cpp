// Xvfb and child processes for the window tests, which may run side by side
// in several processes, each with its own server.
#include "headless_display.h"

#include <X11/Xlib.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <thread>

namespace xtest {

namespace {

void redirect(int fd, const std::string& path) {
  const int target =
      open(path.empty() ? "/dev/null" : path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  if (target >= 0) {
    dup2(target, fd);
    close(target);
  }
}

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
    if (waitpid(pid, nullptr, WNOHANG) == pid) return false;
    if (Display* d = XOpenDisplay(name.c_str())) {
      XCloseDisplay(d);
      return lockedBy(pid, number);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return false;
}

}  // namespace

bool haveProgram(const char* name) {
  const std::string command = std::string("command -v ") + name + " >/dev/null 2>&1";
  return std::system(command.c_str()) == 0;
}

// Each test process starts its search at its own number, so that one test's
// server never takes the number of a server another test is just stopping
// (whose exit would remove the new server's socket).
bool startXvfb(HeadlessDisplay* display) {
  const int first = 100 + static_cast<int>(getpid() % 300) * 3;
  for (int number = first; number < first + 60; ++number) {
    if (!displayFree(number)) continue;
    const std::string name = ":" + std::to_string(number);
    const pid_t pid = fork();
    if (pid < 0) return false;
    if (pid == 0) {
      redirect(1, "");
      redirect(2, "");
      execlp("Xvfb", "Xvfb", name.c_str(), "-screen", "0", "1024x768x24", "-nolisten", "tcp",
             static_cast<char*>(nullptr));
      _exit(127);
    }
    if (serverAnswers(pid, number)) {
      display->pid = pid;
      display->name = name;
      return true;
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
  }
  return false;
}

void stopXvfb(HeadlessDisplay* display) {
  if (display->pid <= 0) return;
  kill(display->pid, SIGTERM);
  int status = 0;
  if (!waitWithin(display->pid, 5000, &status)) waitpid(display->pid, nullptr, 0);
  display->pid = -1;
}

pid_t spawnProgram(const std::vector<std::string>& argv, const std::string& displayName,
                   const std::string& stdoutPath, const std::string& stderrPath) {
  const pid_t pid = fork();
  if (pid != 0) return pid;
  if (displayName.empty())
    unsetenv("DISPLAY");
  else
    setenv("DISPLAY", displayName.c_str(), 1);
  redirect(1, stdoutPath);
  redirect(2, stderrPath);
  std::vector<char*> args;
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  execv(args[0], args.data());
  _exit(127);
}

bool waitWithin(pid_t pid, int timeoutMs, int* status) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    const pid_t done = waitpid(pid, status, WNOHANG);
    if (done == pid) return true;
    if (done < 0) return false;
    if (std::chrono::steady_clock::now() >= deadline) {
      kill(pid, SIGKILL);
      waitpid(pid, status, 0);
      return false;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}

bool stillRunning(pid_t pid) {
  siginfo_t info{};
  return waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOHANG | WNOWAIT) == 0 &&
         info.si_pid == 0;
}

std::string runOutput(const std::string& command, const std::string& displayName) {
  const std::string full = "DISPLAY=" + displayName + " " + command + " 2>/dev/null";
  std::FILE* pipe = popen(full.c_str(), "r");
  if (pipe == nullptr) return "";
  std::string out;
  char buffer[256];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
  pclose(pipe);
  return out;
}

std::string findWindow(const std::string& title, const std::string& displayName, int timeoutMs) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (std::chrono::steady_clock::now() < deadline) {
    std::string id =
        runOutput("xdotool search --onlyvisible --name '^" + title + "$'", displayName);
    if (!id.empty()) return id.substr(0, id.find('\n'));
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return "";
}

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace xtest
