// The private Xorg server as the end-to-end tests use it: its one screen
// mode, real pointer input, screenshots of what it shows, starters racing
// for one display number, a clean stop (also when its owner dies), and a
// skip where it cannot run.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "support/processes.h"
#include "support/rgb_image.h"
#include "support/screenshot.h"
#include "support/x_input.h"
#include "support/x_session.h"

namespace {

namespace fs = std::filesystem;

// Gone, or a zombie that only waits for its parent to reap it.
bool processGone(pid_t pid) {
  const std::string stat = xtest::readFile("/proc/" + std::to_string(pid) + "/stat");
  const std::size_t close = stat.rfind(')');
  return stat.empty() || (close != std::string::npos && stat.compare(close, 3, ") Z") == 0);
}

bool lockFileExists(const std::string& displayName) {
  return access(("/tmp/.X" + displayName.substr(1) + "-lock").c_str(), F_OK) == 0;
}

std::string valueOf(const std::string& lines, const std::string& key) {
  std::istringstream in(lines);
  for (std::string line; std::getline(in, line);) {
    if (line.rfind(key + "=", 0) == 0) return line.substr(key.size() + 1);
  }
  return "";
}

// Starts the server or ends the test: skipped where Xorg cannot run here.
#define START_XORG_OR_RETURN(display)           \
  do {                                          \
    std::string why_;                           \
    switch (xtest::startXorg(display, &why_)) { \
      case xtest::ServerStart::kStarted:        \
        break;                                  \
      case xtest::ServerStart::kSkipped:        \
        GTEST_SKIP() << why_;                   \
      case xtest::ServerStart::kFailed:         \
        FAIL() << why_;                         \
    }                                           \
  } while (false)

class PrivateXorg : public testing::Test {
 protected:
  void SetUp() override {
    if (!xtest::haveProgram("xdotool") || !xtest::haveProgram("import")) {
      GTEST_SKIP() << "xdotool or ImageMagick is not installed";
    }
    START_XORG_OR_RETURN(&display_);
  }
  void TearDown() override { EXPECT_TRUE(xtest::stopXorg(&display_)); }

  xtest::HeadlessDisplay display_;
};

TEST_F(PrivateXorg, OneScreenOf1024x768WhoseOnlyModesRunAt75Hz) {
  EXPECT_EQ(xtest::runOutput("xdotool getdisplaygeometry", display_.name), "1024 768\n");
  if (!xtest::haveProgram("xrandr")) GTEST_SKIP() << "xrandr is not installed";
  const std::string modes = xtest::runOutput("xrandr", display_.name);
  // Mode lines are indented: "   1024x768_75   75.03*+".
  const std::regex modeLine(R"(^\s+(\S+)\s+(.*)$)");
  const std::regex rate(R"(^75\.\d+[*+ ]*$)");
  int count = 0;
  std::istringstream lines(modes);
  for (std::string line; std::getline(lines, line);) {
    std::smatch m;
    if (!std::regex_match(line, m, modeLine)) continue;
    ++count;
    EXPECT_EQ(m[1].str().rfind("1024x768", 0), 0u) << line;
    std::istringstream rates(m[2].str());
    for (std::string r; rates >> r;) EXPECT_TRUE(std::regex_match(r, rate)) << line;
  }
  EXPECT_GE(count, 1) << modes;
}

TEST_F(PrivateXorg, PointerGoesWhereItIsSentAndScreenshotsShowTheScreen) {
  ASSERT_TRUE(xtest::moveMouse(display_.name, 300, 200));
  const std::string where = xtest::runOutput("xdotool getmouselocation --shell", display_.name);
  EXPECT_EQ(valueOf(where, "X"), "300");
  EXPECT_EQ(valueOf(where, "Y"), "200");

  // A root of one known colour, so that a shot of the wrong screen, a
  // swapped channel or a misread row shows.
  ASSERT_TRUE(xtest::haveProgram("xsetroot")) << "xsetroot is not installed";
  ASSERT_EQ(xtest::runProgram({"xsetroot", "-solid", "#3366cc"}, display_.name, nullptr, nullptr),
            0);
  xtest::RgbImage shot;
  std::string why;
  const std::string stem = xtest::screenshotPath("xorg_session_" + std::to_string(getpid()));
  ASSERT_TRUE(xtest::takeScreenshot(display_.name, stem, &shot, &why)) << why;
  EXPECT_EQ(shot.width, 1024);
  EXPECT_EQ(shot.height, 768);
  EXPECT_EQ(access((stem + ".png").c_str(), R_OK), 0);
  const xtest::Rgb blue = {0x33, 0x66, 0xcc};
  const int matching = xtest::countPixels(
      shot, {0, 0, 1024, 768}, [&](xtest::Rgb c) { return xtest::nearColour(c, blue, 2); });
  EXPECT_EQ(matching, 1024 * 768);
  unlink((stem + ".ppm").c_str());
  unlink((stem + ".png").c_str());
}

TEST(PrivateXorgLife, StopEndsTheServerAndLeavesNoLockBehind) {
  xtest::HeadlessDisplay display;
  START_XORG_OR_RETURN(&display);
  const xtest::HeadlessDisplay started = display;
  EXPECT_FALSE(processGone(started.pid));
  EXPECT_TRUE(lockFileExists(started.name));
  EXPECT_TRUE(xtest::stopXorg(&display));
  EXPECT_TRUE(processGone(started.pid));
  EXPECT_FALSE(lockFileExists(started.name));
  EXPECT_EQ(xtest::runProgram({"xdpyinfo"}, started.name, nullptr, nullptr), 1);
  // Stopping a process the script did not start is refused.
  EXPECT_NE(xtest::runProgram({VELMORA_XSERVER_SCRIPT, "stop", std::to_string(getpid())}, "",
                              nullptr, nullptr),
            0);
}

TEST(PrivateXorgLife, AServerWhoseOwnerEndsStopsByItself) {
  const pid_t owner = xtest::spawnProgram({"sleep", "60"}, "", "", "");
  std::string out;
  std::string err;
  const int status = xtest::runProgram(
      {"env", "XSERVER_OWNER=" + std::to_string(owner), VELMORA_XSERVER_SCRIPT, "start"}, "", &out,
      &err);
  if (status == 77) {
    xtest::waitWithin(owner, 0, nullptr);
    GTEST_SKIP() << err;
  }
  ASSERT_EQ(status, 0) << err;
  const pid_t server = static_cast<pid_t>(std::atol(valueOf(out, "PID").c_str()));
  const std::string name = valueOf(out, "DISPLAY");
  ASSERT_GT(server, 0);
  xtest::pauseMs(1500);
  EXPECT_FALSE(processGone(server)) << "stopped while its owner still ran";

  xtest::waitWithin(owner, 0, nullptr);  // kills and reaps it
  int waited = 0;
  while (!processGone(server) && waited < 10000) {
    xtest::pauseMs(100);
    waited += 100;
  }
  EXPECT_TRUE(processGone(server)) << "still running 10 s after its owner ended";
  EXPECT_FALSE(lockFileExists(name));
  if (!processGone(server)) {
    xtest::HeadlessDisplay display;
    display.pid = server;
    xtest::stopXorg(&display);
  }
}

// run's command sees the server, its status comes back, and the server is
// gone afterwards; read through a pipe, as a shell caller reads it, which
// a background process keeping the pipe open would block.
TEST(PrivateXorgLife, RunGivesTheCommandAServerAndStopsItAfter) {
  const std::string command = std::string("out=$(") + VELMORA_XSERVER_SCRIPT +
                              " run -- sh -c 'echo $DISPLAY; xdotool getdisplaygeometry; exit 3');"
                              " status=$?; echo \"$out\"; exit $status";
  std::string out;
  std::string err;
  const int status = xtest::runProgram({"sh", "-c", command}, "", &out, &err, 60000);
  if (status == 77) GTEST_SKIP() << err;
  ASSERT_EQ(status, 3) << err;
  std::istringstream lines(out);
  std::string name;
  std::string geometry;
  std::getline(lines, name);
  std::getline(lines, geometry);
  EXPECT_EQ(geometry, "1024 768");
  ASSERT_EQ(name.rfind(':', 0), 0u) << out;
  EXPECT_FALSE(lockFileExists(name));
}

// Three starters told to begin at one number: each must end on a display of
// its own, held by its own server.
TEST(PrivateXorgLife, StartersRacingForOneNumberEachGetTheirOwnDisplay) {
  const std::string first = std::to_string(300 + getpid() % 500);
  const std::string base = "/tmp/velmora_xorg_race_" + std::to_string(getpid());
  std::vector<pid_t> starters;
  for (int i = 0; i < 3; ++i) {
    starters.push_back(xtest::spawnProgram(
        {"env", "XSERVER_FIRST_DISPLAY=" + first, VELMORA_XSERVER_SCRIPT, "start"}, "",
        base + std::to_string(i) + ".out", base + std::to_string(i) + ".err"));
  }
  std::vector<std::pair<std::string, pid_t>> servers;
  std::string skip;
  for (int i = 0; i < 3; ++i) {
    int status = 0;
    const bool ended = xtest::waitWithin(starters[i], 60000, &status);
    const std::string out = xtest::readFile(base + std::to_string(i) + ".out");
    const std::string err = xtest::readFile(base + std::to_string(i) + ".err");
    unlink((base + std::to_string(i) + ".out").c_str());
    unlink((base + std::to_string(i) + ".err").c_str());
    if (ended && WIFEXITED(status) && WEXITSTATUS(status) == 77) {
      skip = err;
      continue;
    }
    EXPECT_TRUE(ended && WIFEXITED(status) && WEXITSTATUS(status) == 0) << err;
    const pid_t pid = static_cast<pid_t>(std::atol(valueOf(out, "PID").c_str()));
    if (pid > 0) servers.emplace_back(valueOf(out, "DISPLAY"), pid);
  }
  std::set<std::string> names;
  for (const auto& [name, pid] : servers) {
    names.insert(name);
    const std::string lock = xtest::readFile("/tmp/.X" + name.substr(1) + "-lock");
    EXPECT_EQ(std::atol(lock.c_str()), pid) << name;
    EXPECT_EQ(xtest::runOutput("xdotool getdisplaygeometry", name), "1024 768\n") << name;
  }
  EXPECT_EQ(names.size(), servers.size());
  for (auto& [name, pid] : servers) {
    xtest::HeadlessDisplay display;
    display.pid = pid;
    display.name = name;
    EXPECT_TRUE(xtest::stopXorg(&display));
    EXPECT_TRUE(processGone(pid));
  }
  if (!skip.empty()) GTEST_SKIP() << skip;
  EXPECT_EQ(servers.size(), 3u);
}

// Without root rights (here: as nobody) start must say so in one line and
// exit 77, which the tests turn into a skip. Nobody runs a copy of the
// scripts in a folder of its own: the checkout may lie where only root reads
// (a clone in /root).
TEST(PrivateXorgLife, WithoutRootStartExplainsInOneLineAndExits77) {
  std::vector<std::string> command = {VELMORA_XSERVER_SCRIPT, "start"};
  std::string copies;
  if (getuid() == 0) {
    if (!xtest::haveProgram("setpriv")) GTEST_SKIP() << "setpriv is not installed";
    char folder[] = "/tmp/velmora-nobody.XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    copies = folder;
    const std::string scripts = fs::path(VELMORA_XSERVER_SCRIPT).parent_path();
    for (const char* name : {"xserver.sh", "server_common.sh"}) {
      fs::copy_file(scripts + "/" + name, copies + "/" + name);
    }
    fs::permissions(copies, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                fs::perms::others_read | fs::perms::others_exec);
    command = {"setpriv",        "--reuid=65534",        "--regid=65534",
               "--clear-groups", copies + "/xserver.sh", "start"};
  } else if (xtest::runProgram({"sudo", "-n", "true"}, "", nullptr, nullptr) == 0) {
    GTEST_SKIP() << "sudo works without a password here";
  }
  std::string out;
  std::string err;
  EXPECT_EQ(xtest::runProgram(command, "", &out, &err), 77) << err;
  EXPECT_EQ(out, "");
  EXPECT_NE(err.find("needs root"), std::string::npos) << err;
  EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
  if (!copies.empty()) fs::remove_all(copies);
}

}  // namespace
