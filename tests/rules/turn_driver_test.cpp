// The turn driver and the frame logic: how lists are walked one entry per
// frame, how long a move takes, the opening turn, pausing mid-move, the winner
// test, and a driver that must not run without a match.
#include "game/turn_driver.h"

#include <gtest/gtest.h>

#include "armies/armies.h"
#include "board/board.h"
#include "game/frame_logic.h"
#include "game/match_control.h"
#include "state/game_state.h"
#include "test_support.h"

namespace {

using armies::Piece;

// Frames until the side to move ends its turn, or -1 past `limit`.
int framesToEndOfTurn(int limit = 10000) {
  for (int frame = 1; frame <= limit; ++frame) {
    game::runFrameLogic();
    if (game::awaitingEnter() == 1) return frame;
  }
  return -1;
}

class Driver : public ::testing::Test {
 protected:
  // A 120-node board with every passage open, both armies placed, and only
  // the pieces named by the test left standing; the Piramides to move.
  void SetUp() override {
    testing_support::resetAll(120, 11);
    std::vector<testing_support::Passage> all;
    for (int i = 0; i < 120; ++i) {
      if ((i + 1) % 12 != 0) all.push_back({i, i + 1});
      if (i + 12 < 120) all.push_back({i, i + 12});
    }
    testing_support::currentBoardWith(all);
    armies::placeArmies();
    for (armies::Side side : {armies::Piramides, armies::Esferas}) {
      for (Piece& p : armies::army(side)) {
        p.alive = 0;
        board::currentBoard()->nodes[p.node].occupied = 0;
        board::currentBoard()->nodes[p.node].occupant = nullptr;
        p.node = p.postNode = 60;  // out of everyone's way; the dead never move
      }
    }
    game::setGamePhase(game::Playing);
    game::setMatchRunning(1);
    game::setTurnSide(game::kTurnPiramides);
    game::setTurnStage(0);
    game::setSquadCursor(-1);
    game::setMoveState(0);
  }
  void TearDown() override { board::releaseTrails(); }

  Piece& revive(armies::Side side, int index, int node) {
    Piece& p = armies::army(side)[index];
    p.alive = 1;
    p.node = p.postNode = node;
    p.x = 16.0f * static_cast<float>(node % 12);
    p.z = 16.0f * static_cast<float>(node / 12);
    board::currentBoard()->nodes[node].occupied = 1;
    board::currentBoard()->nodes[node].occupant = &p;
    return p;
  }
  void setSquad(std::vector<int> list) {
    game::setSquadSizePiramides(static_cast<int>(list.size()));
    game::squadListPiramides = std::move(list);
  }
};

TEST_F(Driver, EveryEntryAndEveryListEndTakesAFrame) {
  setSquad({-1, -1, -1});
  // Three empty entries, the end of the squad list, the end of the (empty)
  // chase list.
  EXPECT_EQ(framesToEndOfTurn(), 5);
  EXPECT_EQ(game::turnSide(), game::kTurnEsferas);
  EXPECT_EQ(game::turnStage(), 0);
  EXPECT_EQ(game::squadCursor(), -1);
}

TEST_F(Driver, PieceOnItsTargetOrDeadUsesUpItsEntry) {
  revive(armies::Piramides, 0, 119);  // already on the goal
  setSquad({0, 1});                   // piece 1 is dead
  EXPECT_EQ(framesToEndOfTurn(), 4);
  EXPECT_EQ(armies::armyPiramides[0].node, 119);
}

TEST_F(Driver, AMoveTakesEightFramesAtSpeedOne) {
  Piece& p = revive(armies::Piramides, 0, 50);
  setSquad({0});
  game::runFrameLogic();  // takes the entry and starts the move
  ASSERT_EQ(game::moveState(), 1);
  EXPECT_EQ(p.backDirection, board::opposite(static_cast<board::Direction>(game::moveDirection())));
  int frames = 0;
  while (game::moveState() == 1) {
    game::runFrameLogic();
    ++frames;
  }
  EXPECT_EQ(frames, 8);  // 16 steps, two a frame while the match runs
  EXPECT_NE(p.node, 50);
  // The end of the squad list, then the end of the chase list.
  EXPECT_EQ(framesToEndOfTurn(), 2);
}

TEST_F(Driver, PausedMoveStillLandsOneStepAFrame) {
  Piece& p = revive(armies::Piramides, 0, 50);
  setSquad({0});
  game::runFrameLogic();
  game::runFrameLogic();  // two steps
  game::togglePause();
  ASSERT_EQ(game::matchRunning(), 0);
  int frames = 0;
  while (game::moveState() == 1 && frames < 100) {
    game::runFrameLogic();
    ++frames;
  }
  EXPECT_EQ(frames, 14);
  const int landed = p.node;
  for (int i = 0; i < 20; ++i) game::runFrameLogic();
  EXPECT_EQ(p.node, landed);
  EXPECT_EQ(game::squadCursor(), 0);  // the driver has not moved on
}

TEST_F(Driver, ChasingPieceThatCannotMoveGivesUp) {
  Piece& intruder = revive(armies::Esferas, 0, 30);
  Piece& chaser = revive(armies::Piramides, 0, 13);
  chaser.state = armies::Chasing;
  chaser.target = &intruder;
  armies::auxEsferas[0].hunted = 1;
  // Wall the chaser in: no search and no fallback step can leave node 13.
  testing_support::closePassagesOf(*board::currentBoard(), 13);
  setSquad({});
  game::runFrameLogic();  // squad list ends, chase list built
  ASSERT_EQ(game::chaseListPiramides, (std::vector<int>{0}));
  game::runFrameLogic();  // the chaser's entry
  EXPECT_EQ(chaser.state, armies::Returning);
  EXPECT_EQ(chaser.target, &intruder);  // kept
  EXPECT_EQ(armies::auxEsferas[0].hunted, 0);
  EXPECT_EQ(game::moveState(), 0);
}

TEST_F(Driver, WinnerTestLooksAtEveryPieceAndEsferasPrevail) {
  armies::armyPiramides[5].node = 119;  // dead, but standing on the goal
  game::checkWinner();
  EXPECT_EQ(game::gamePhase(), game::PiramidesWon);
  armies::armyEsferas[7].node = 0;
  game::checkWinner();
  EXPECT_EQ(game::gamePhase(), game::EsferasWon);

  game::setGamePhase(game::Playing);
  armies::armyPiramides[5].node = 60;
  armies::armyEsferas[7].node = 60;
  game::checkWinner();
  EXPECT_EQ(game::gamePhase(), game::Playing);
}

TEST(Frames, OpeningTurnEndsOnTheSecondFrame) {
  testing_support::resetAll(180, 3);
  game::startMatch();
  EXPECT_EQ(game::turnSide(), game::kTurnPiramides);
  game::runFrameLogic();
  EXPECT_EQ(game::awaitingEnter(), 0);
  EXPECT_EQ(game::turnStage(), 1);
  game::runFrameLogic();
  EXPECT_EQ(game::awaitingEnter(), 1);
  EXPECT_EQ(game::turnSide(), game::kTurnEsferas);
  for (const Piece& p : armies::armyPiramides) EXPECT_EQ(p.node, p.postNode);
}

TEST(Frames, DriverDoesNothingBeforeAnyMatch) {
  testing_support::resetAll(120);
  game::setGamePhase(game::NodeEntry);
  game::togglePause();  // F5 on the entry screen
  ASSERT_EQ(game::matchRunning(), 1);
  for (int i = 0; i < 10; ++i) game::runFrameLogic();
  EXPECT_EQ(game::squadCursor(), -1);
  EXPECT_EQ(game::awaitingEnter(), 0);
  EXPECT_EQ(game::gamePhase(), game::NodeEntry);
}

TEST(Frames, DriverDoesNotRunAMatchOfAnotherNodeCount) {
  // F2 in the middle of a turn, + on the entry screen, then F5: the armies
  // left over are those of 120 nodes, the node count is now 135.
  testing_support::resetAll(120, 8);
  game::startMatch();
  game::runFrameLogic();
  game::runFrameLogic();
  game::pressEnter();
  game::runFrameLogic();
  game::returnToEntry();
  game::pressPlus();
  ASSERT_EQ(game::nodeCount(), 135);
  game::togglePause();
  const int cursor = game::squadCursor();
  for (int i = 0; i < 50; ++i) game::runFrameLogic();
  EXPECT_EQ(game::squadCursor(), cursor);
  EXPECT_EQ(game::gamePhase(), game::NodeEntry);
  // Back at 120 nodes the old match may be driven on, as it was left.
  game::pressMinus();
  EXPECT_NE(framesToEndOfTurn(), -1);
}

TEST(Frames, PieceInMotionHoldsWhileTheNodeCountDiffersFromItsMatch) {
  // F2 and F5 let the old match run on behind the entry screen; a + there
  // while a piece is between nodes must not have it arrive on a board of
  // another size.
  testing_support::resetAll(120, 8);
  game::startMatch();
  game::runFrameLogic();
  game::runFrameLogic();
  game::pressEnter();
  game::returnToEntry();
  game::togglePause();
  for (int i = 0; i < 200 && game::moveState() != 1; ++i) game::runFrameLogic();
  ASSERT_EQ(game::moveState(), 1);
  Piece& moving = *game::currentPiece();
  const Piece before = moving;
  game::pressPlus();
  for (int i = 0; i < 40; ++i) game::runFrameLogic();
  EXPECT_EQ(moving.x, before.x);
  EXPECT_EQ(moving.z, before.z);
  EXPECT_EQ(moving.node, before.node);
  EXPECT_EQ(game::moveState(), 1);

  game::pressMinus();  // the match's own size again: the move completes on its board
  for (int i = 0; i < 40 && game::moveState() == 1; ++i) game::runFrameLogic();
  EXPECT_NE(moving.node, before.node);
  const board::FloorPoint at = board::nodeFloorPoint(moving.node, board::currentBoard()->columns);
  EXPECT_EQ(moving.x, at.x);
  EXPECT_EQ(moving.z, at.z);
}

}  // namespace
