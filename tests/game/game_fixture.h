// The fixture of the end-to-end tests of the game: a private Xorg server for
// each test, the game started on it, the screen photographed until it shows
// what a test waits for (every picture kept in the build tree), keys typed,
// and the game ended with Esc.
#pragma once

#include <gtest/gtest.h>
#include <sys/types.h>

#include <functional>
#include <string>
#include <vector>

#include "support/rgb_image.h"
#include "support/x_session.h"

namespace gametest {

// What the game prints on its standard output when it starts.
extern const std::string kBanner;

constexpr int kStartMs = 20000;
constexpr int kTurnMs = 30000;

// Whether the picture differs from `before`.
std::function<bool(const xtest::RgbImage&)> differsFrom(const xtest::RgbImage& before);

class GameFixture : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  std::string outPath() const;
  std::string errPath() const;

  // Starts argv in `dir` on the test's server, its output kept for
  // quitWithEscape to judge.
  void startProgram(const std::vector<std::string>& argv, const std::string& dir);
  void waitForEntryScreen();

  xtest::RgbImage shot(const std::string& name);
  // Photographs the screen until `seen` holds for a picture, which is kept
  // under `name` and in last_; false after timeoutMs.
  bool waitFor(const std::string& name, int timeoutMs,
               const std::function<bool(const xtest::RgbImage&)>& seen);
  void keys(const std::string& k);
  // Presses a key that must change the picture, and waits until it has.
  void changeAndSee(const std::string& key, const std::string& name);
  bool awaitingEnter(const xtest::RgbImage& s);
  void waitForPrompt(const std::string& name);
  // Esc ends the game with status 0, after it printed only its banner.
  void quitWithEscape();

  xtest::HeadlessDisplay display_;
  pid_t game_ = -1;
  xtest::RgbImage last_;
};

}  // namespace gametest
