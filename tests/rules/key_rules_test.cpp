// The key rules the GLUT callbacks apply, in every phase: the view keys and
// F2 only once a match has been set up, the arrows held only in the free view
// and let go in any.
#include <gtest/gtest.h>

#include "game/match_control.h"
#include "state/game_state.h"
#include "test_support.h"

namespace {

class KeyRules : public ::testing::Test {
 protected:
  void SetUp() override { testing_support::resetAll(120, 5); }
  void TearDown() override { testing_support::resetAll(120); }
};

TEST_F(KeyRules, ViewKeysAndReturnWaitForAMatch) {
  game::setGamePhase(game::NodeEntry);
  EXPECT_FALSE(game::viewKeysApply());
  EXPECT_FALSE(game::pressReturnToEntry());
  EXPECT_EQ(game::gamePhase(), game::NodeEntry);

  for (game::GamePhase phase : {game::Playing, game::PiramidesWon, game::EsferasWon}) {
    game::startMatch();
    game::setGamePhase(phase);
    EXPECT_TRUE(game::viewKeysApply()) << phase;
    EXPECT_TRUE(game::pressReturnToEntry()) << phase;
    EXPECT_EQ(game::gamePhase(), game::NodeEntry);
    EXPECT_EQ(game::piecesShown(), 0);
  }
}

TEST_F(KeyRules, ArrowsHoldOnlyInTheFreeViewAndReleaseAnywhere) {
  const game::Arrow arrows[] = {game::kArrowLeft, game::kArrowRight, game::kArrowUp,
                                game::kArrowDown};
  int* flags[] = {&game::arrowLeftHeld, &game::arrowRightHeld, &game::arrowUpHeld,
                  &game::arrowDownHeld};
  for (game::ViewMode view : {game::NoPreset, game::TopView, game::ObliqueView}) {
    game::setViewMode(view);
    for (game::Arrow a : arrows) game::pressArrow(a);
    for (int* f : flags) EXPECT_EQ(*f, 0) << view;
  }
  game::setViewMode(game::FreeView);
  for (int i = 0; i < 4; ++i) {
    game::pressArrow(arrows[i]);
    for (int j = 0; j < 4; ++j) EXPECT_EQ(*flags[j], j <= i ? 1 : 0) << i << " " << j;
  }
  game::setViewMode(game::TopView);  // a preset chosen while a key is down
  game::releaseArrow(game::kArrowUp);
  EXPECT_EQ(game::arrowUpHeld, 0);
  EXPECT_EQ(game::arrowLeftHeld, 1);
}

}  // namespace
