// The key rules the GLUT callbacks apply, in every phase: the view keys and
// F2 only once a match has been set up, the arrows held only in the free view
// and let go in any.
#include <gtest/gtest.h>

#include "game/game_state.h"
#include "input/match_control.h"
#include "test_support.h"

namespace {

class KeyRules : public ::testing::Test {
 protected:
  void SetUp() override { testing_support::resetAll(120, 5); }
  void TearDown() override { testing_support::resetAll(120); }
};

TEST_F(KeyRules, ViewKeysAndReturnWaitForAMatch) {
  game::setGamePhase(game::NodeEntry);
  EXPECT_FALSE(input::viewKeysApply());
  EXPECT_FALSE(input::pressReturnToEntry());
  EXPECT_EQ(game::gamePhase(), game::NodeEntry);

  for (game::GamePhase phase : {game::Playing, game::PiramidesWon, game::EsferasWon}) {
    input::startMatch();
    game::setGamePhase(phase);
    EXPECT_TRUE(input::viewKeysApply()) << phase;
    EXPECT_TRUE(input::pressReturnToEntry()) << phase;
    EXPECT_EQ(game::gamePhase(), game::NodeEntry);
    EXPECT_EQ(game::piecesShown(), 0);
  }
}

TEST_F(KeyRules, ArrowsHoldOnlyInTheFreeViewAndReleaseAnywhere) {
  const input::Arrow arrows[] = {input::kArrowLeft, input::kArrowRight, input::kArrowUp,
                                 input::kArrowDown};
  int* flags[] = {&game::arrowLeftHeld, &game::arrowRightHeld, &game::arrowUpHeld,
                  &game::arrowDownHeld};
  for (game::ViewMode view : {game::NoPreset, game::TopView, game::ObliqueView}) {
    game::setViewMode(view);
    for (input::Arrow a : arrows) input::pressArrow(a);
    for (int* f : flags) EXPECT_EQ(*f, 0) << view;
  }
  game::setViewMode(game::FreeView);
  for (int i = 0; i < 4; ++i) {
    input::pressArrow(arrows[i]);
    for (int j = 0; j < 4; ++j) EXPECT_EQ(*flags[j], j <= i ? 1 : 0) << i << " " << j;
  }
  game::setViewMode(game::TopView);  // a preset chosen while a key is down
  input::releaseArrow(input::kArrowUp);
  EXPECT_EQ(game::arrowUpHeld, 0);
  EXPECT_EQ(game::arrowLeftHeld, 1);
}

}  // namespace
