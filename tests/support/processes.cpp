// Child processes for the end-to-end tests. Output is collected in unlinked
// temporary files rather than pipes, so a command that leaves a background
// process holding its stdout (a server it started) cannot block the reader.
#include "support/processes.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
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

// In the child, before exec: a test that dies (a crash, a timeout) takes its
// programs and servers with it instead of leaving them to the next test. A
// group of its own lets a timeout end whatever the child started as well.
void prepareChild(pid_t parent, const std::string& displayName, const std::string& workingDir) {
  prctl(PR_SET_PDEATHSIG, SIGKILL);
  if (getppid() != parent) _exit(127);
  setpgid(0, 0);
  if (displayName.empty())
    unsetenv("DISPLAY");
  else
    setenv("DISPLAY", displayName.c_str(), 1);
  if (!workingDir.empty() && chdir(workingDir.c_str()) != 0) {
    std::perror(workingDir.c_str());
    _exit(126);
  }
}

[[noreturn]] void execute(const std::vector<std::string>& argv) {
  std::vector<char*> args;
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  execvp(args[0], args.data());
  std::perror(args[0]);
  _exit(127);
}

std::string readAll(std::FILE* file) {
  std::string text;
  std::rewind(file);
  char buffer[4096];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) text.append(buffer, n);
  return text;
}

}  // namespace

bool haveProgram(const char* name) {
  const std::string command = std::string("command -v ") + name + " >/dev/null 2>&1";
  return std::system(command.c_str()) == 0;
}

pid_t spawnProgram(const std::vector<std::string>& argv, const std::string& displayName,
                   const std::string& stdoutPath, const std::string& stderrPath,
                   const std::string& workingDir) {
  if (argv.empty()) return -1;
  const pid_t parent = getpid();
  const pid_t pid = fork();
  if (pid != 0) return pid;
  redirect(1, stdoutPath);
  redirect(2, stderrPath);
  prepareChild(parent, displayName, workingDir);
  execute(argv);
}

namespace {

// TERM first, so that servers remove their lock files and scripts run their
// clean-up; KILL whatever is left a moment later.
void endProcessAndGroup(pid_t pid, int* status) {
  const bool leader = getpgid(pid) == pid;
  kill(leader ? -pid : pid, SIGTERM);
  bool ended = false;
  for (int waited = 0; waited < 2000 && !ended; waited += 20) {
    ended = waitpid(pid, status, WNOHANG) == pid;
    if (!ended) std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  if (leader) kill(-pid, SIGKILL);
  if (!ended) {
    kill(pid, SIGKILL);
    waitpid(pid, status, 0);
  }
}

}  // namespace

bool waitWithin(pid_t pid, int timeoutMs, int* status) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    const pid_t done = waitpid(pid, status, WNOHANG);
    if (done == pid) return true;
    if (done < 0) return false;
    if (std::chrono::steady_clock::now() >= deadline) {
      endProcessAndGroup(pid, status);
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

int runProgram(const std::vector<std::string>& argv, const std::string& displayName,
               std::string* out, std::string* err, int timeoutMs) {
  if (argv.empty()) return -1;
  std::FILE* outFile = std::tmpfile();
  std::FILE* errFile = std::tmpfile();
  int status = -1;
  const pid_t parent = getpid();
  const pid_t pid = outFile != nullptr && errFile != nullptr ? fork() : -1;
  if (pid == 0) {
    dup2(fileno(outFile), 1);
    dup2(fileno(errFile), 2);
    prepareChild(parent, displayName, "");
    execute(argv);
  }
  const bool ended = pid > 0 && waitWithin(pid, timeoutMs, &status);
  if (out != nullptr) *out = outFile != nullptr ? readAll(outFile) : "";
  if (err != nullptr) *err = errFile != nullptr ? readAll(errFile) : "";
  if (outFile != nullptr) std::fclose(outFile);
  if (errFile != nullptr) std::fclose(errFile);
  return ended && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string runOutput(const std::string& command, const std::string& displayName) {
  std::string out;
  runProgram({"/bin/sh", "-c", command}, displayName, &out, nullptr);
  return out;
}

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void pauseMs(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

}  // namespace xtest
