// The game on the desktops users have, where the full-screen mode of 1024 x
// 768 at 75 Hz is missing: an Xvfb screen of 1920 x 1080 (no window manager),
// and Xwayland inside a headless weston (a Wayland desktop). Started as a
// user starts it (make run's launcher), driven with real keys and mouse, and
// judged by photographs of its window: the entry text, a match, the picture
// kept 4:3 through a resize and full screen, the free camera held at the
// window's centre, and Esc.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <sstream>
#include <string>

#include "game/game_screen.h"
#include "support/processes.h"
#include "support/rgb_image.h"
#include "support/screenshot.h"
#include "support/x_input.h"
#include "support/x_session.h"

namespace {

using xtest::RgbImage;

constexpr int kStartMs = 20000;
constexpr int kTurnMs = 30000;
const std::string kLauncher = VELMORA_BUILD_DIR "/velmora-launcher";
const std::string kGame = VELMORA_BUILD_DIR "/velmora";
const std::string kNoModeLine = "El modo Game no esta disponible.";

// Where the picture lies in a photograph of the window: the columns and rows
// holding any pixel that is not pure black (the bars are cleared to black;
// the sky behind a match is nowhere pure black across a whole line).
xtest::PixelRect pictureIn(const RgbImage& image) {
  auto lit = [&](int x, int y) {
    const xtest::Rgb c = xtest::pixelAt(image, x, y);
    return c.r + c.g + c.b > 0;
  };
  int left = image.width, right = -1, top = image.height, bottom = -1;
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      if (!lit(x, y)) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  return {left, top, right - left + 1, bottom - top + 1};
}

// The largest 4:3 rectangle centred in a window of this size.
xtest::PixelRect letterboxOf(int width, int height) {
  if (width * 3 > height * 4) {
    const int w = height * 4 / 3;
    return {(width - w) / 2, 0, w, height};
  }
  const int h = width * 3 / 4;
  return {0, (height - h) / 2, width, h};
}

bool near(const xtest::PixelRect& seen, const xtest::PixelRect& expected) {
  return std::abs(seen.x - expected.x) <= 2 && std::abs(seen.y - expected.y) <= 2 &&
         std::abs(seen.width - expected.width) <= 3 && std::abs(seen.height - expected.height) <= 3;
}

std::string testName() {
  const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
  return std::string(info->test_suite_name()) + "." + info->name();
}

struct Pointer {
  int x = 0;
  int y = 0;
};

class Desktop : public testing::Test {
 protected:
  enum class Server { kXvfb, kWeston };

  void TearDown() override {
    if (game_ > 0) {
      kill(-game_, SIGKILL);
      xtest::waitWithin(game_, 5000, nullptr);
    }
    if (server_ == Server::kWeston) {
      xtest::stopWeston(&display_);
    } else {
      xtest::stopXvfb(&display_);
    }
    unlink(outPath().c_str());
    unlink(errPath().c_str());
  }

  void startServer(Server server) {
    server_ = server;
    if (!xtest::haveProgram("xdotool") || !xtest::haveProgram("import")) {
      GTEST_SKIP() << "xdotool or ImageMagick's import is not installed";
    }
    if (server == Server::kXvfb) {
      if (!xtest::haveProgram("Xvfb")) GTEST_SKIP() << "Xvfb is not installed";
      ASSERT_TRUE(xtest::startXvfb(&display_, 1920, 1080));
      return;
    }
    std::string why;
    switch (xtest::startWeston(&display_, &why)) {
      case xtest::ServerStart::kStarted:
        return;
      case xtest::ServerStart::kSkipped:
        GTEST_SKIP() << why;
      case xtest::ServerStart::kFailed:
        FAIL() << why;
    }
  }

  std::string outPath() const {
    return "/tmp/velmora-desktop-" + std::to_string(getpid()) + ".out";
  }
  std::string errPath() const {
    return "/tmp/velmora-desktop-" + std::to_string(getpid()) + ".err";
  }

  // Starts a program in the build folder and waits for the game's window.
  void startGame(const std::vector<std::string>& argv) {
    game_ = xtest::spawnProgram(argv, display_.name, outPath(), errPath(), VELMORA_BUILD_DIR);
    ASSERT_GT(game_, 0);
    window_ = xtest::findWindow("Velmora", display_.name, kStartMs);
    ASSERT_FALSE(window_.empty()) << "no window titled Velmora; stderr: "
                                  << xtest::readFile(errPath());
  }

  xtest::WindowGeometry geometry() {
    xtest::WindowGeometry g;
    EXPECT_TRUE(xtest::windowGeometry(window_, display_.name, &g));
    return g;
  }

  Pointer pointer() {
    std::istringstream words(xtest::runOutput("xdotool getmouselocation", display_.name));
    Pointer p;
    for (std::string word; words >> word;) {
      if (word.rfind("x:", 0) == 0) p.x = std::atoi(word.c_str() + 2);
      if (word.rfind("y:", 0) == 0) p.y = std::atoi(word.c_str() + 2);
    }
    return p;
  }

  // Keys reach the window only under the pointer (neither desktop here gives
  // it the focus), so the pointer goes to the window's centre, by a relative
  // move on weston (see scripts/weston.sh).
  void pointerToCentre() {
    const xtest::WindowGeometry g = geometry();
    const Pointer at = pointer();
    const int dx = g.x + g.width / 2 - at.x;
    const int dy = g.y + g.height / 2 - at.y;
    if (dx != 0 || dy != 0) {
      ASSERT_TRUE(xtest::moveMouseBy(display_.name, dx, dy));
    }
  }

  RgbImage shot(const std::string& name) {
    RgbImage image;
    std::string why;
    EXPECT_TRUE(xtest::takeWindowShot(display_.name, window_,
                                      xtest::screenshotPath(testName() + "." + name), &image, &why))
        << why;
    return image;
  }

  bool waitFor(const std::string& name, int timeoutMs,
               const std::function<bool(const RgbImage&)>& seen) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    do {
      last_ = shot(name);
      if (last_.width > 0 && seen(last_)) return true;
      xtest::pauseMs(150);
    } while (std::chrono::steady_clock::now() < deadline);
    return false;
  }

  void keys(const std::string& k) { ASSERT_TRUE(xtest::pressKeys(display_.name, k)) << k; }

  // Waits until the window has this size and the picture in it is the
  // largest 4:3 rectangle centred in it (the window is photographed between
  // frames, so the first picture after a resize may still be the old one).
  bool letterboxedIn(const std::string& name, int width, int height) {
    return waitFor(name, 5000, [&](const RgbImage& s) {
      return s.width == width && s.height == height &&
             near(pictureIn(s), letterboxOf(width, height));
    });
  }

  // The whole play of a window: entry screen, a match, a resize, full screen
  // and back, the free camera held at the window's centre, then Esc.
  void playInTheWindow() {
    const xtest::WindowGeometry start = geometry();
    EXPECT_EQ(start.width, 1024);
    EXPECT_EQ(start.height, 768);
    pointerToCentre();
    ASSERT_TRUE(waitFor("entry", kStartMs, [](const RgbImage& s) {
      return s.width == 1024 && gametest::textPixels(s, gametest::entryBand(0)) > 100;
    })) << "no entry screen";

    keys("Return");
    ASSERT_TRUE(waitFor("match", kTurnMs, [](const RgbImage& s) {
      return gametest::textPixels(s, gametest::promptBand()) > 100;
    })) << "no match after Enter";
    EXPECT_TRUE(near(pictureIn(last_), letterboxOf(1024, 768)));

    // A wide, low window: bars left and right.
    ASSERT_EQ(
        xtest::runOutput("xdotool windowsize " + window_ + " 1400 600 && echo ok", display_.name),
        "ok\n");
    ASSERT_TRUE(letterboxedIn("wide", 1400, 600)) << "the picture did not keep its shape";

    // F11: the whole screen, the picture 4:3 in its middle; F11 again: back.
    pointerToCentre();
    keys("F11");
    ASSERT_TRUE(letterboxedIn("full-screen", 1920, 1080)) << "F11 did not fill the screen";
    pointerToCentre();
    keys("F11");
    ASSERT_TRUE(letterboxedIn("back", 1400, 600)) << "F11 did not bring the window back";

    // The free camera: the left button held turns it, with the pointer held
    // at the window's centre.
    pointerToCentre();
    keys("3");
    ASSERT_TRUE(waitFor("free-view", 5000, differsFrom(last_)));
    const RgbImage before = last_;
    ASSERT_TRUE(xtest::moveMouseBy(display_.name, 200, 100));
    ASSERT_TRUE(xtest::mouseDown(display_.name, 1));
    xtest::pauseMs(300);
    const xtest::WindowGeometry g = geometry();
    const Pointer held = pointer();
    EXPECT_NEAR(held.x, g.x + g.width / 2, 1);
    EXPECT_NEAR(held.y, g.y + g.height / 2, 1);
    for (int step = 0; step < 5; ++step) {
      ASSERT_TRUE(xtest::moveMouseBy(display_.name, 30, 0));
      xtest::pauseMs(80);
    }
    ASSERT_TRUE(xtest::mouseUp(display_.name, 1));
    ASSERT_TRUE(waitFor("turned", 5000, differsFrom(before))) << "the mouse did not turn";

    pointerToCentre();
    keys("Escape");
    int status = 0;
    ASSERT_TRUE(xtest::waitWithin(game_, 10000, &status)) << "Esc did not end the game";
    game_ = -1;
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
  }

  static std::function<bool(const RgbImage&)> differsFrom(const RgbImage& before) {
    return [before](const RgbImage& s) {
      return s.width == before.width && s.height == before.height &&
             xtest::differingFraction(before, s, 8) > 0.01;
    };
  }

  Server server_ = Server::kXvfb;
  xtest::HeadlessDisplay display_;
  pid_t game_ = -1;
  std::string window_;
  RgbImage last_;
};

// The one line the launcher adds, on stderr, and nothing from a library.
void expectTheLauncherSaysWhy(const std::string& out, const std::string& err) {
  EXPECT_NE(out.find(kNoModeLine), std::string::npos) << out;
  int lines = 0;
  std::istringstream in(err);
  for (std::string line; std::getline(in, line);) {
    if (line.rfind("velmora:", 0) == 0) {
      ++lines;
      EXPECT_NE(line.find("window"), std::string::npos) << line;
    }
  }
  EXPECT_EQ(lines, 1) << err;
  EXPECT_EQ(err.find("freeglut"), std::string::npos) << err;
  EXPECT_EQ(err.find("X connection"), std::string::npos) << err;
}

TEST_F(Desktop, OnA1920x1080ScreenMakeRunOpensTheGameInAWindow) {
  startServer(Server::kXvfb);
  startGame({VELMORA_SOURCE_DIR "/scripts/run-game.sh", VELMORA_BUILD_DIR});
  playInTheWindow();
  expectTheLauncherSaysWhy(xtest::readFile(outPath()), xtest::readFile(errPath()));
}

TEST_F(Desktop, OnWaylandTheGameSaysTheModeIsMissingAndTheLauncherOpensAWindow) {
  startServer(Server::kWeston);
  // Asked for the full screen alone, the game says no, and the X server lives.
  std::string out;
  std::string err;
  EXPECT_EQ(xtest::runProgram({kGame}, display_.name, &out, &err, 30000), 1);
  EXPECT_NE(out.find(kNoModeLine), std::string::npos) << out;
  EXPECT_EQ(err, "");
  EXPECT_EQ(xtest::runProgram({"xdpyinfo"}, display_.name, nullptr, nullptr, 10000), 0)
      << "the X server did not survive";

  startGame({kLauncher});
  playInTheWindow();
  expectTheLauncherSaysWhy(xtest::readFile(outPath()), xtest::readFile(errPath()));
}

// Where no window can be opened at all, a user who started the game from a
// menu still learns why: a box, besides the line on stderr.
TEST(NoOpenGL, TheGameSaysWhyInABoxAndEndsWithOne) {
  if (!xtest::haveProgram("Xvfb") || !xtest::haveProgram("xdotool")) {
    GTEST_SKIP() << "Xvfb or xdotool is not installed";
  }
  xtest::HeadlessDisplay xvfb;
  ASSERT_TRUE(xtest::startXvfb(&xvfb, 1024, 768, {"-extension", "GLX"}));
  const std::string err = "/tmp/velmora-noglx-" + std::to_string(getpid()) + ".err";
  const pid_t game = xtest::spawnProgram({kLauncher}, xvfb.name, "", err, VELMORA_BUILD_DIR);
  ASSERT_GT(game, 0);
  EXPECT_FALSE(xtest::findWindow("Error", xvfb.name, kStartMs).empty()) << "no box";
  EXPECT_TRUE(xtest::pressKeys(xvfb.name, "Return"));
  int status = 0;
  EXPECT_TRUE(xtest::waitWithin(game, 10000, &status)) << "the box did not close";
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << status;
  EXPECT_NE(xtest::readFile(err).find("velmora: OpenGL GLX extension not supported"),
            std::string::npos)
      << xtest::readFile(err);
  unlink(err.c_str());
  xtest::stopXvfb(&xvfb);
}

// A second copy started from a menu (no terminal) says in a box that the game
// runs already, and ends when the box is closed; the first plays on.
TEST_F(Desktop, ASecondWindowOfTheGameSaysSoInABox) {
  startServer(Server::kXvfb);
  startGame({kGame, "--window"});
  const std::string err = "/tmp/velmora-second-" + std::to_string(getpid()) + ".err";
  const pid_t second = xtest::spawnProgram({kGame, "--window"}, display_.name, "", err);
  ASSERT_GT(second, 0);
  std::string windows;
  for (int i = 0; i < 100 && windows.find('\n') == windows.rfind('\n'); ++i) {
    xtest::pauseMs(100);
    windows = xtest::runOutput("xdotool search --onlyvisible --name '^Velmora$'", display_.name);
  }
  EXPECT_NE(windows.find('\n'), windows.rfind('\n')) << "no box beside the game: " << windows;
  EXPECT_TRUE(xtest::pressKeys(display_.name, "Return"));  // the box has the keyboard
  int status = 0;
  EXPECT_TRUE(xtest::waitWithin(second, 10000, &status)) << "the box did not close";
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << status;
  EXPECT_EQ(xtest::readFile(err), "velmora: Velmora is already running on this display\n");
  unlink(err.c_str());
  EXPECT_TRUE(xtest::stillRunning(game_));
}

TEST(GameOptions, HelpVersionAndAnUnknownOptionNeedNoDisplay) {
  std::string out;
  std::string err;
  EXPECT_EQ(xtest::runProgram({kGame, "--help"}, "", &out, &err), 0);
  EXPECT_NE(out.find("--window"), std::string::npos) << out;
  EXPECT_EQ(xtest::runProgram({kGame, "--version"}, "", &out, &err), 0);
  EXPECT_EQ(out, "velmora " VELMORA_VERSION "\n");
  EXPECT_EQ(xtest::runProgram({kGame, "--windowed", "-display"}, "", &out, &err), 2);
  EXPECT_EQ(out, "");
  EXPECT_EQ(err, "velmora: unknown argument \"--windowed\"; see --help\n");
}

}  // namespace
