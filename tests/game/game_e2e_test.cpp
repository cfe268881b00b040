// The real game on a private Xorg server, driven with real keys and mouse
// clicks as a user would drive it, and judged by what it shows: text where
// each overlay line belongs and nowhere else, the board's colours, and
// pictures that change after a key that must change them and stay put after
// one that must not. Every screenshot is kept in the build tree.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "game/game_fixture.h"
#include "game/game_screen.h"
#include "support/processes.h"
#include "support/rgb_image.h"
#include "support/x_input.h"
#include "support/x_session.h"

namespace {

using gametest::differsFrom;
using gametest::kBanner;
using gametest::kStartMs;
using gametest::kTurnMs;
using gametest::promptBand;
using gametest::textPixels;
using gametest::turnBand;
using xtest::RgbImage;

// A working folder with the game's data files, minus what a test removes.
std::string copyOfGameData() {
  char pattern[] = "/tmp/velmora-e2e.XXXXXX";
  const std::string dir = mkdtemp(pattern);
  const std::string command =
      "cp -r '" VELMORA_GAME_DIR "/Data' '" VELMORA_GAME_DIR "/arial.glf' '" + dir + "/'";
  EXPECT_EQ(std::system(command.c_str()), 0);
  return dir;
}

void removeTree(const std::string& dir) {
  if (dir.rfind("/tmp/velmora-e2e.", 0) == 0) {
    EXPECT_EQ(std::system(("rm -rf '" + dir + "'").c_str()), 0) << dir;
  }
}

class Game : public gametest::GameFixture {
 protected:
  void TearDown() override {
    GameFixture::TearDown();
    removeTree(workDir_);
  }

  // Starts the game in `dir` (the build folder, where its data files are,
  // by default).
  void startGame(const std::string& dir = VELMORA_GAME_DIR) {
    startProgram({VELMORA_GAME_PATH}, dir);
  }

  void startAtEntryScreen() {
    startGame();
    waitForEntryScreen();
  }

  std::string workDir_;
};

TEST(GameWithoutGameMode, PrintsTheBannerAndItsLineThenEndsWithOne) {
  if (!xtest::haveProgram("Xvfb")) GTEST_SKIP() << "Xvfb is not installed";
  xtest::HeadlessDisplay xvfb;
  ASSERT_TRUE(xtest::startXvfb(&xvfb));
  std::string out;
  const int status = xtest::runProgram({VELMORA_GAME_PATH}, xvfb.name, &out, nullptr, 30000);
  xtest::stopXvfb(&xvfb);
  EXPECT_EQ(status, 1);
  EXPECT_EQ(out, kBanner + "El modo Game no esta disponible.\n");
}

TEST_F(Game, EntryScreenCountsNodesFrom120To510) {
  startAtEntryScreen();
  const RgbImage first = shot("at-120");
  const xtest::PixelRect bands[] = {gametest::entryBand(0), gametest::entryBand(1),
                                    gametest::entryBand(2), gametest::entryBand(3)};
  for (const xtest::PixelRect& band : bands) EXPECT_GT(textPixels(first, band), 200);
  EXPECT_EQ(gametest::textPixelsOutside(first, bands, 4), 0);

  keys("minus 1 2 3");  // at 120 nothing goes lower; no view before a match
  xtest::pauseMs(400);
  EXPECT_EQ(xtest::differingFraction(first, shot("minus-at-120"), 8), 0);

  keys("plus");
  ASSERT_TRUE(waitFor("at-135", 5000, [&](const RgbImage& s) {
    return xtest::differingFraction(first, s, 8) > 0;
  }));
  const RgbImage at135 = last_;
  // Only the number line changed.
  for (int line : {0, 1, 3}) {
    const xtest::PixelRect b = gametest::entryBand(line);
    EXPECT_EQ(xtest::countPixels(first, b, xtest::nearWhite),
              xtest::countPixels(at135, b, xtest::nearWhite))
        << line;
  }
  keys("minus");
  ASSERT_TRUE(waitFor("back-at-120", 5000, [&](const RgbImage& s) {
    return xtest::differingFraction(first, s, 8) == 0;
  }));

  for (int i = 0; i < 26; ++i) keys("plus");  // 120 + 26 * 15 = 510
  xtest::pauseMs(500);
  const RgbImage at510 = shot("at-510");
  keys("plus");
  xtest::pauseMs(400);
  EXPECT_EQ(xtest::differingFraction(at510, shot("plus-at-510"), 8), 0);
  keys("minus");
  ASSERT_TRUE(waitFor("at-495", 5000, [&](const RgbImage& s) {
    return xtest::differingFraction(at510, s, 8) > 0;
  }));
  quitWithEscape();
}

TEST_F(Game, MatchShowsTheBoardThenPlaysTurnsAtTheChosenSpeedAndPauses) {
  startAtEntryScreen();
  keys("Return");
  waitForPrompt("opening-turn-over");
  const RgbImage top = last_;
  EXPECT_GT(textPixels(top, turnBand()), 100);
  // From above, a 12 x 10 board fills the middle: the marble floor is dark,
  // the walls and rim around it are light brown stone.
  const xtest::MeanColour floor = xtest::meanColour(top, {300, 300, 120, 60});
  EXPECT_LT(floor.r + floor.g + floor.b, 3 * 150.0);
  const xtest::MeanColour wall = xtest::meanColour(top, {45, 300, 50, 150});
  EXPECT_GT(wall.r, wall.b + 10);
  EXPECT_GT(wall.r + wall.g + wall.b, 3 * 80.0);
  // Both home corners carry a disk with a stance picture: not black, not
  // just the white of the rings.
  for (const xtest::PixelRect corner :
       {xtest::PixelRect{138, 76, 24, 24}, xtest::PixelRect{860, 668, 24, 24}}) {
    const xtest::MeanColour disk = xtest::meanColour(top, corner);
    EXPECT_GT(disk.r + disk.g + disk.b, 3 * 60.0) << corner.x;
    EXPECT_GT(xtest::countPixels(top, corner, [](xtest::Rgb c) { return !xtest::nearWhite(c); }),
              200)
        << corner.x;
  }

  // + and - between turns change the speed shown; the rest of the picture
  // stays.
  keys("plus");
  ASSERT_TRUE(waitFor("speed-2", 5000, differsFrom(top)));
  const RgbImage speed2 = last_;
  EXPECT_LT(xtest::differingFraction(top, speed2, 8), 0.01);
  keys("plus");
  ASSERT_TRUE(waitFor("speed-4", 5000, differsFrom(speed2)));
  keys("minus");
  ASSERT_TRUE(waitFor("speed-2-again", 5000, [&](const RgbImage& s) {
    return xtest::differingFraction(speed2, s, 8) == 0;
  }));
  keys("minus");
  ASSERT_TRUE(waitFor("speed-1-again", 5000,
                      [&](const RgbImage& s) { return xtest::differingFraction(top, s, 8) == 0; }));

  // Enter plays the next turn and F5 at once holds it: a piece in motion
  // lands, then nothing moves and no prompt shows, the turn not being over.
  keys("Return F5");
  RgbImage previous;
  ASSERT_TRUE(waitFor("paused", kTurnMs, [&](const RgbImage& s) {
    const bool still = previous.width > 0 && xtest::differingFraction(previous, s, 8) == 0;
    previous = s;
    return still;
  })) << "the pieces never came to rest";
  const RgbImage paused = last_;
  EXPECT_FALSE(awaitingEnter(paused));
  xtest::pauseMs(1000);
  EXPECT_EQ(xtest::differingFraction(paused, shot("still-paused"), 8), 0);
  // F5 again: the pieces move on until the turn is over.
  keys("F5");
  ASSERT_TRUE(waitFor("pieces-moving", 5000, [&](const RgbImage& s) {
    return xtest::differingFraction(paused, s, 8) > 0;
  }));
  waitForPrompt("turn-over");
  quitWithEscape();
}

TEST_F(Game, ViewsAndTheFreeCameraWithArrowsHeightAndMouse) {
  startAtEntryScreen();
  keys("Return");
  waitForPrompt("top-view");
  const RgbImage top = last_;

  keys("2");
  ASSERT_TRUE(waitFor("oblique-view", 5000, differsFrom(top)));
  const RgbImage oblique = last_;
  // From above and from the side alike the pieces show their red, green and
  // blue roles (each colour on a few hundred pixels at least).
  const xtest::PixelRect board{100, 60, 824, 660};
  for (int channel = 0; channel < 3; ++channel) {
    EXPECT_GT(gametest::roleColouredPixels(top, board, channel), 300) << "channel " << channel;
    EXPECT_GT(gametest::roleColouredPixels(oblique, board, channel), 300) << "channel " << channel;
  }

  keys("3");
  ASSERT_TRUE(waitFor("free-view", 5000, differsFrom(oblique)));
  const RgbImage free = last_;

  // A held arrow glides the camera, which comes to rest after the release.
  ASSERT_TRUE(xtest::keyDown(display_.name, "Up"));
  xtest::pauseMs(600);
  ASSERT_TRUE(xtest::keyUp(display_.name, "Up"));
  ASSERT_TRUE(waitFor("glided", 5000, differsFrom(free)));
  xtest::pauseMs(1500);  // the glide decays within a second
  const RgbImage glided = shot("at-rest");

  keys("x");  // higher
  ASSERT_TRUE(waitFor("raised", 5000, differsFrom(glided)));
  keys("z");  // and back down
  ASSERT_TRUE(waitFor("lowered", 5000, [&](const RgbImage& s) {
    return xtest::differingFraction(glided, s, 8) == 0;
  }));
  const RgbImage lowered = last_;

  // The left button held turns the camera as the mouse moves.
  ASSERT_TRUE(xtest::moveMouse(display_.name, 512, 384));
  ASSERT_TRUE(xtest::mouseDown(display_.name, 1));
  xtest::pauseMs(200);
  for (int step = 1; step <= 5; ++step) {
    ASSERT_TRUE(xtest::moveMouse(display_.name, 512 + 20 * step, 384));
    xtest::pauseMs(60);
  }
  ASSERT_TRUE(xtest::mouseUp(display_.name, 1));
  ASSERT_TRUE(waitFor("turned", 5000, differsFrom(lowered)));
  const RgbImage turned = last_;

  // The right button held zooms: the backdrop and the board grow.
  ASSERT_TRUE(xtest::moveMouse(display_.name, 512, 384));
  ASSERT_TRUE(xtest::mouseDown(display_.name, 3));
  xtest::pauseMs(200);
  for (int step = 1; step <= 5; ++step) {
    ASSERT_TRUE(xtest::moveMouse(display_.name, 512, 384 - 40 * step));
    xtest::pauseMs(60);
  }
  ASSERT_TRUE(xtest::mouseUp(display_.name, 3));
  ASSERT_TRUE(waitFor("zoomed", 5000, differsFrom(turned)));

  // Back to the top view: the picture of the start, but for the zoom that
  // the preset resets.
  keys("1");
  ASSERT_TRUE(waitFor("top-again", 5000,
                      [&](const RgbImage& s) { return xtest::differingFraction(top, s, 8) == 0; }));
  quitWithEscape();
}

TEST_F(Game, ReturnToEntryNewMatchAndAWinner) {
  startAtEntryScreen();
  keys("Return");
  waitForPrompt("first-match");
  keys("F2");
  ASSERT_TRUE(waitFor("entry-again", 5000, [](const RgbImage& s) {
    return textPixels(s, gametest::entryBand(0)) > 100 && textPixels(s, promptBand()) == 0;
  }));
  keys("F1");
  waitForPrompt("second-match");

  // At speed 16, Enter after every turn until one side wins: then the prompt
  // shows under the winner lines, without a turn line. The rare match whose
  // pieces cycle for ever is replaced with F1, as a user would.
  for (int faster = 0; faster < 4; ++faster) changeAndSee("plus", "faster");
  const auto won = [](const RgbImage& s) {
    return textPixels(s, promptBand()) > 100 && textPixels(s, turnBand()) == 0;
  };
  RgbImage beforeLastTurn = last_;
  bool over = false;
  for (int turn = 0; turn < 400 && !over; ++turn) {
    keys(turn % 150 == 149 ? "F1" : "Return");
    ASSERT_TRUE(waitFor("turn-played", kTurnMs, [&](const RgbImage& s) {
      return xtest::differingFraction(beforeLastTurn, s, 8) > 0 && awaitingEnter(s);
    }));
    over = won(last_);
    if (!over) beforeLastTurn = last_;
  }
  ASSERT_TRUE(over) << "no side won in 400 turns";
  const RgbImage end = shot("winner");
  // The board's rings are as white as text; the lines are what the last turn
  // added where they belong.
  EXPECT_GT(gametest::newTextPixels(beforeLastTurn, end, gametest::finalBand()), 100);
  EXPECT_GT(gametest::newTextPixels(beforeLastTurn, end, gametest::winnerBand()), 400);
  quitWithEscape();
}

TEST_F(Game, MissingPictureShowsItsNameInABoxThatEnterOrAClickCloses) {
  for (const char* how : {"enter", "click"}) {
    SCOPED_TRACE(how);
    removeTree(workDir_);
    workDir_ = copyOfGameData();
    ASSERT_EQ(unlink((workDir_ + "/Data/marmol.bmp").c_str()), 0);
    startGame(workDir_);
    const std::string box = xtest::findWindow("Error!", display_.name, kStartMs);
    ASSERT_FALSE(box.empty()) << "no box titled Error!";
    shot(std::string("box-") + how);
    xtest::pauseMs(300);
    EXPECT_TRUE(xtest::stillRunning(game_)) << "the game went on without waiting for the box";
    if (std::string(how) == "enter") {
      keys("Return");
    } else {
      xtest::WindowGeometry g;
      ASSERT_TRUE(xtest::windowGeometry(box, display_.name, &g));
      // The OK button sits centred near the bottom of the box.
      ASSERT_TRUE(xtest::moveMouse(display_.name, g.x + g.width / 2, g.y + g.height - 30));
      ASSERT_TRUE(xtest::click(display_.name, 1));
    }
    int status = 0;
    ASSERT_TRUE(xtest::waitWithin(game_, 10000, &status)) << "the box did not close";
    game_ = -1;
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
  }
}

TEST_F(Game, UndecodablePictureShowsTheReasonThenTheGameRuns) {
  workDir_ = copyOfGameData();
  // A bitmap header of 108 bytes, a layout the loader does not read.
  std::FILE* f = std::fopen((workDir_ + "/Data/marmol.bmp").c_str(), "r+b");
  ASSERT_NE(f, nullptr);
  std::fseek(f, 14, SEEK_SET);
  std::fputc(108, f);
  std::fclose(f);
  startGame(workDir_);
  ASSERT_FALSE(xtest::findWindow("Error", display_.name, kStartMs).empty())
      << "no box titled Error";
  shot("box");
  keys("Return");
  ASSERT_TRUE(waitFor("entry", kStartMs, [](const RgbImage& s) {
    return textPixels(s, gametest::entryBand(0)) > 100;
  })) << "the game did not go on after the box";
  keys("Return");
  waitForPrompt("match");
  quitWithEscape();
}

TEST_F(Game, MissingFontRunsWithoutText) {
  workDir_ = copyOfGameData();
  ASSERT_EQ(unlink((workDir_ + "/arial.glf").c_str()), 0);
  startGame(workDir_);
  xtest::pauseMs(3000);
  ASSERT_TRUE(xtest::stillRunning(game_));
  const RgbImage entry = shot("entry");
  EXPECT_EQ(textPixels(entry, {0, 0, entry.width, entry.height}), 0);
  keys("Return");
  ASSERT_TRUE(waitFor("match", kStartMs, differsFrom(entry)));
  xtest::pauseMs(1000);
  EXPECT_EQ(textPixels(shot("no-prompt"), promptBand()), 0);
  quitWithEscape();
  // Said once, with the file and why.
  EXPECT_EQ(xtest::readFile(errPath()),
            "velmora: arial.glf: No such file or directory; the game runs without text\n");
}

}  // namespace
