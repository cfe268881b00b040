// What the keys do to the game: the match set-up, Enter by phase, + and - on
// the entry screen and between turns, pause, and the return to the entry screen.
#include "game/match_control.h"

#include <gtest/gtest.h>

#include "armies/armies.h"
#include "board/board.h"
#include "game/frame_logic.h"
#include "state/game_state.h"
#include "test_support.h"

namespace {

class Keys : public ::testing::Test {
 protected:
  void SetUp() override {
    testing_support::resetAll(120, 21);
    game::setGamePhase(game::NodeEntry);
  }
  void TearDown() override { board::releaseTrails(); }

  void playToEndOfTurn() {
    do {
      game::runFrameLogic();
    } while (game::awaitingEnter() == 0);
  }
};

TEST_F(Keys, PlusAndMinusStepTheNodeCountWithinItsBounds) {
  for (int i = 0; i < 40; ++i) game::pressPlus();
  EXPECT_EQ(game::nodeCount(), 510);
  game::pressMinus();
  EXPECT_EQ(game::nodeCount(), 495);
  for (int i = 0; i < 40; ++i) game::pressMinus();
  EXPECT_EQ(game::nodeCount(), 120);
  EXPECT_EQ(game::moveSpeed(), 1.0f);  // never the speed on the entry screen
}

TEST_F(Keys, SpeedChangesOnlyBetweenTurns) {
  game::startMatch();
  game::pressPlus();
  EXPECT_EQ(game::moveSpeed(), 1.0f);  // running: nothing
  playToEndOfTurn();
  const float up[] = {2, 4, 8, 16, 16};
  for (float expected : up) {
    game::pressPlus();
    EXPECT_EQ(game::moveSpeed(), expected);
  }
  const float down[] = {8, 4, 2, 1, 1};
  for (float expected : down) {
    game::pressMinus();
    EXPECT_EQ(game::moveSpeed(), expected);
  }
  EXPECT_EQ(game::nodeCount(), 120);
}

TEST_F(Keys, StartMatchSetsUpAPlayableMatch) {
  game::setNodeCount(240);
  game::startMatch();
  EXPECT_EQ(game::gamePhase(), game::Playing);
  EXPECT_EQ(game::matchRunning(), 1);
  EXPECT_EQ(game::awaitingEnter(), 0);
  EXPECT_EQ(game::piecesShown(), 1);
  EXPECT_EQ(game::moveState(), 0);
  EXPECT_EQ(game::currentPiece(), nullptr);
  const board::Board& b = *board::currentBoard();
  EXPECT_EQ(b.nodeCount, 240);
  EXPECT_EQ(armies::armyPiramides.size(), 48u);
  EXPECT_EQ(armies::armyEsferas.size(), 48u);
  for (int size : {game::squadSizePiramides(), game::squadSizeEsferas()}) {
    EXPECT_TRUE(size == 16 || size == 32 || size == 48) << size;
  }
  EXPECT_EQ(static_cast<int>(game::squadListPiramides.size()), game::squadSizePiramides());
  EXPECT_EQ(static_cast<int>(game::squadListEsferas.size()), game::squadSizeEsferas());
  // The Piramides open the first match: their squad list ends at once.
  EXPECT_EQ(game::turnSide(), game::kTurnPiramides);
  EXPECT_EQ(game::squadCursor(), game::squadSizePiramides() - 1);
  // The accepted board passes the check again.
  board::releaseTrails();
  EXPECT_EQ(board::checkBoard(), 1);
}

TEST_F(Keys, MatchesAlternateTheOpeningSideHoweverTheyEnd) {
  int opened[6];
  for (int& side : opened) {
    game::startMatch();
    side = game::turnSide();
    game::runFrameLogic();
    if (side == game::kTurnEsferas) game::returnToEntry();  // abandoned with F2 now and then
  }
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(opened[i], i % 2 == 0 ? game::kTurnPiramides : game::kTurnEsferas) << i;
  }
}

TEST_F(Keys, EnterDependsOnThePhase) {
  EXPECT_TRUE(game::pressEnter());  // entry screen: a new match, shown from above
  EXPECT_EQ(game::gamePhase(), game::Playing);
  EXPECT_EQ(game::matchRunning(), 1);

  game::runFrameLogic();
  const int stage = game::turnStage();
  EXPECT_FALSE(game::pressEnter());  // playing, turn not over: nothing
  EXPECT_EQ(game::turnStage(), stage);
  EXPECT_EQ(game::awaitingEnter(), 0);

  playToEndOfTurn();
  armies::armyEsferas[0].state = armies::Returning;  // taken back into a full squad
  game::setSquadSizeEsferas(24);
  EXPECT_FALSE(game::pressEnter());  // between turns: both squads rebuilt, play on
  EXPECT_EQ(game::awaitingEnter(), 0);
  EXPECT_EQ(game::turnStage(), 0);
  EXPECT_EQ(game::squadCursor(), -1);
  EXPECT_EQ(armies::armyEsferas[0].state, armies::Free);
  int inSquad = 0;
  for (const armies::Piece& p : armies::armyEsferas) inSquad += p.inSquad;
  EXPECT_EQ(inSquad, game::squadSizeEsferas());

  game::setGamePhase(game::EsferasWon);  // after a win Enter sets up a new match at once
  const long long boards = board::boardsMade();
  EXPECT_FALSE(game::pressEnter());  // the view stays as it was
  EXPECT_GT(board::boardsMade(), boards);
  EXPECT_EQ(game::gamePhase(), game::Playing);
}

TEST_F(Keys, PauseTogglesOnlyWhileNoEnterIsAwaited) {
  game::startMatch();
  game::togglePause();
  EXPECT_EQ(game::matchRunning(), 0);
  game::togglePause();
  EXPECT_EQ(game::matchRunning(), 1);
  playToEndOfTurn();
  game::togglePause();
  EXPECT_EQ(game::matchRunning(), 1);
}

TEST_F(Keys, ReturnToEntryKeepsTheMatchAndTheSpeed) {
  game::startMatch();
  playToEndOfTurn();
  game::pressPlus();
  game::pressPlus();  // speed 4
  const board::Board* b = board::currentBoard();
  const int side = game::turnSide();
  game::fieldOfView = 20;
  game::returnToEntry();
  EXPECT_EQ(game::gamePhase(), game::NodeEntry);
  EXPECT_EQ(game::matchRunning(), 0);
  EXPECT_EQ(game::piecesShown(), 0);
  EXPECT_EQ(game::squadCursor(), -1);
  EXPECT_EQ(game::fieldOfView, 45.0f);
  EXPECT_EQ(game::awaitingEnter(), 1);
  EXPECT_EQ(game::turnSide(), side);
  EXPECT_EQ(board::currentBoard(), b);
  EXPECT_EQ(armies::armyPiramides.size(), 24u);
  game::startMatch();
  EXPECT_EQ(game::moveSpeed(), 4.0f);
}

}  // namespace
