// The end-to-end fixture's server, game process and screenshots.
#include "game/game_fixture.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>

#include "game/game_screen.h"
#include "support/processes.h"
#include "support/screenshot.h"
#include "support/x_input.h"

namespace gametest {

using xtest::RgbImage;

const std::string kBanner =
    "\n Velmora\n\n Piramides contra esferas, por turnos, en un tablero al azar.\n"
    " El equipo de Velmora, 2026.\n\n";

namespace {

std::string testName() {
  const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
  return std::string(info->test_suite_name()) + "." + info->name();
}

}  // namespace

std::function<bool(const RgbImage&)> differsFrom(const RgbImage& before) {
  return [&before](const RgbImage& s) { return xtest::differingFraction(before, s, 8) > 0; };
}

void GameFixture::SetUp() {
  if (!xtest::haveProgram("xdotool") || !xtest::haveProgram("import")) {
    GTEST_SKIP() << "xdotool or ImageMagick's import is not installed";
  }
  std::string why;
  switch (xtest::startXorg(&display_, &why)) {
    case xtest::ServerStart::kStarted:
      break;
    case xtest::ServerStart::kSkipped:
      GTEST_SKIP() << why;
    case xtest::ServerStart::kFailed:
      FAIL() << why;
  }
}

void GameFixture::TearDown() {
  if (game_ > 0) {
    kill(game_, SIGKILL);
    xtest::waitWithin(game_, 5000, nullptr);
  }
  xtest::stopXorg(&display_);
  unlink(outPath().c_str());
  unlink(errPath().c_str());
}

std::string GameFixture::outPath() const {
  return "/tmp/velmora-e2e-" + std::to_string(getpid()) + ".out";
}

std::string GameFixture::errPath() const {
  return "/tmp/velmora-e2e-" + std::to_string(getpid()) + ".err";
}

void GameFixture::startProgram(const std::vector<std::string>& argv, const std::string& dir) {
  game_ = xtest::spawnProgram(argv, display_.name, outPath(), errPath(), dir);
  ASSERT_GT(game_, 0);
}

void GameFixture::waitForEntryScreen() {
  ASSERT_TRUE(waitFor("entry", kStartMs, [](const RgbImage& s) {
    return textPixels(s, entryBand(0)) > 100;
  })) << "no entry screen";
}

RgbImage GameFixture::shot(const std::string& name) {
  RgbImage image;
  std::string why;
  const std::string path = xtest::screenshotPath(testName() + "." + name);
  EXPECT_TRUE(xtest::takeScreenshot(display_.name, path, &image, &why)) << why;
  return image;
}

bool GameFixture::waitFor(const std::string& name, int timeoutMs,
                          const std::function<bool(const RgbImage&)>& seen) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  do {
    last_ = shot(name);
    if (last_.width > 0 && seen(last_)) return true;
    xtest::pauseMs(100);
  } while (std::chrono::steady_clock::now() < deadline);
  return false;
}

void GameFixture::keys(const std::string& k) {
  ASSERT_TRUE(xtest::pressKeys(display_.name, k)) << k;
}

void GameFixture::changeAndSee(const std::string& key, const std::string& name) {
  const RgbImage before = shot(name + "-before");
  keys(key);
  ASSERT_TRUE(waitFor(name, 5000, differsFrom(before))) << key << " changed nothing";
}

bool GameFixture::awaitingEnter(const RgbImage& s) { return textPixels(s, promptBand()) > 100; }

void GameFixture::waitForPrompt(const std::string& name) {
  ASSERT_TRUE(waitFor(name, kTurnMs, [this](const RgbImage& s) { return awaitingEnter(s); }))
      << "no prompt after the turn";
}

void GameFixture::quitWithEscape() {
  keys("Escape");
  int status = 0;
  ASSERT_TRUE(xtest::waitWithin(game_, 10000, &status)) << "Esc did not end the game";
  game_ = -1;
  EXPECT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(xtest::readFile(outPath()), kBanner);
}

}  // namespace gametest
