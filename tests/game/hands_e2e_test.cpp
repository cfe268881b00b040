// The game under a user's hands: the sequences of keys and buttons that once
// left it zooming with no button held, steering the entry screen, showing a
// match from the start-up camera, gliding off the board in the top view, or
// hanging in a second copy. Real input on the private Xorg, judged by
// whether the picture changes.
#include <gtest/gtest.h>

#include <string>

#include "game/game_fixture.h"
#include "game/game_screen.h"
#include "support/processes.h"
#include "support/rgb_image.h"
#include "support/x_input.h"

namespace {

using gametest::differsFrom;
using gametest::kStartMs;
using xtest::RgbImage;

class Hands : public gametest::GameFixture {
 protected:
  void startAtEntryScreen() {
    startProgram({VELMORA_GAME_PATH}, VELMORA_GAME_DIR);
    waitForEntryScreen();
  }

  // Moves the pointer up from the centre in steps, as a hand would.
  void dragUp() {
    for (int step = 1; step <= 6; ++step) {
      ASSERT_TRUE(xtest::moveMouse(display_.name, 512, 384 - 40 * step));
      xtest::pauseMs(60);
    }
  }

  // Waits for the picture to settle and says whether it equals `expected`.
  bool settlesOn(const std::string& name, const RgbImage& expected) {
    return waitFor(name, 5000, [&](const RgbImage& s) {
      return xtest::differingFraction(expected, s, 8) == 0;
    });
  }

  bool still(const std::string& name, const RgbImage& before) {
    xtest::pauseMs(600);
    return xtest::differingFraction(before, shot(name), 8) == 0;
  }
};

TEST_F(Hands, TheZoomFollowsTheRightButtonThroughAChangeOfView) {
  startAtEntryScreen();
  keys("Return");
  waitForPrompt("top-view");
  const RgbImage top = last_;
  // Held in the top view, released in the free view.
  ASSERT_TRUE(xtest::moveMouse(display_.name, 512, 384));
  ASSERT_TRUE(xtest::mouseDown(display_.name, 3));
  keys("3");
  ASSERT_TRUE(waitFor("free-view", 5000, differsFrom(top)));
  ASSERT_TRUE(xtest::mouseUp(display_.name, 3));
  xtest::pauseMs(400);
  const RgbImage released = shot("released");
  dragUp();
  EXPECT_TRUE(still("moved-without-a-button", released)) << "zooms with no button held";

  // Held again, it zooms.
  ASSERT_TRUE(xtest::moveMouse(display_.name, 512, 384));
  ASSERT_TRUE(xtest::mouseDown(display_.name, 3));
  xtest::pauseMs(200);
  dragUp();
  ASSERT_TRUE(xtest::mouseUp(display_.name, 3));
  EXPECT_TRUE(waitFor("zoomed", 5000, differsFrom(released))) << "the held button did not zoom";
  quitWithEscape();
}

TEST_F(Hands, TheMouseLeavesTheEntryScreenAlone) {
  startAtEntryScreen();
  keys("Return");
  waitForPrompt("match");
  const RgbImage top = last_;
  keys("3");
  ASSERT_TRUE(waitFor("free-view", 5000, differsFrom(top)));
  keys("F2");
  ASSERT_TRUE(waitFor("entry-again", 5000, [](const RgbImage& s) {
    return gametest::textPixels(s, gametest::entryBand(0)) > 100;
  }));
  const RgbImage entry = last_;
  for (int button : {3, 1}) {
    ASSERT_TRUE(xtest::moveMouse(display_.name, 512, 384));
    ASSERT_TRUE(xtest::mouseDown(display_.name, button));
    dragUp();
    ASSERT_TRUE(xtest::mouseUp(display_.name, button));
    EXPECT_TRUE(still("after-a-drag", entry)) << "button " << button << " changed the entry screen";
  }
  quitWithEscape();
}

TEST_F(Hands, F1OnTheFirstEntryScreenShowsTheMatchAsEnterDoes) {
  startAtEntryScreen();
  keys("F1");
  waitForPrompt("match");
  // From above, a 12 x 10 board fills the middle and both home corners carry
  // their disks where Enter's view puts them; the start-up camera shows a
  // close-up of one corner instead.
  for (const xtest::PixelRect corner :
       {xtest::PixelRect{138, 76, 24, 24}, xtest::PixelRect{860, 668, 24, 24}}) {
    const xtest::MeanColour disk = xtest::meanColour(last_, corner);
    EXPECT_GT(disk.r + disk.g + disk.b, 3 * 60.0) << corner.x;
  }
  const xtest::MeanColour wall = xtest::meanColour(last_, {45, 300, 50, 150});
  EXPECT_GT(wall.r, wall.b + 10);
  quitWithEscape();
}

TEST_F(Hands, AnArrowHeldIntoTheTopViewDoesNotGlideIt) {
  startAtEntryScreen();
  keys("Return");
  waitForPrompt("top-view");
  const RgbImage top = last_;
  keys("3");
  ASSERT_TRUE(waitFor("free-view", 5000, differsFrom(top)));
  ASSERT_TRUE(xtest::keyDown(display_.name, "Up"));
  xtest::pauseMs(500);
  keys("1");
  xtest::pauseMs(2000);  // still held
  EXPECT_TRUE(settlesOn("top-while-held", top)) << "the top view glides";
  ASSERT_TRUE(xtest::keyUp(display_.name, "Up"));
  EXPECT_TRUE(still("top-after-release", top));
  quitWithEscape();
}

TEST_F(Hands, ASecondCopySaysTheDisplayIsTakenAndLeavesTheFirstAlone) {
  startAtEntryScreen();
  const RgbImage entry = last_;
  std::string out;
  std::string err;
  EXPECT_EQ(xtest::runProgram({VELMORA_GAME_PATH}, display_.name, &out, &err, 20000), 1)
      << "the second copy did not end by itself";
  EXPECT_EQ(err, "velmora: Velmora is already running on this display\n");
  EXPECT_TRUE(still("first-untouched", entry));
  keys("plus");
  EXPECT_TRUE(waitFor("first-answers", 5000, differsFrom(entry)));
  quitWithEscape();
}

}  // namespace
