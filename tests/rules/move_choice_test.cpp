// The move choice: the shortest acceptable first step of four searches, the
// occupant rule of the role cycle, and the random fallback towards home.
#include <gtest/gtest.h>

#include "armies/armies.h"
#include "board/board_local.h"
#include "state/game_state.h"
#include "state/random.h"
#include "test_support.h"

namespace {

using armies::Blue;
using armies::Esferas;
using armies::Green;
using armies::Piramides;
using armies::Red;
using board::Down;
using board::Left;
using board::None;
using board::Right;
using board::Up;

class MoveChoice : public ::testing::Test {
 protected:
  void SetUp() override {
    testing_support::resetAll(120);
    board::setForbidReversal(1);
  }
  void TearDown() override { board::releaseTrails(); }

  board::Direction choose(armies::Piece& piece, int target) {
    game::setCurrentPiece(&piece);
    return board::chooseMove(piece, piece.node, target);
  }
};

TEST_F(MoveChoice, ShortestTrailWinsEvenWithoutReachingTheTarget) {
  testing_support::currentBoardWith({{0, 1}, {1, 13}, {13, 14}, {14, 15}});
  armies::Piece& p = testing_support::placePiece(Piramides, 0, Red, 13);
  // Step counts 3, 2, 2, 3 with first steps Up, Right, Right, Right: the
  // Down-first trail replaces the Up-first one, the Left-first one ties.
  EXPECT_EQ(choose(p, 15), Right);
  EXPECT_EQ(board::searchSide(), Piramides);
}

TEST_F(MoveChoice, EqualStepCountsGoToTheEarlierSearch) {
  // Two routes of two steps from 13 to 26: Right then Down, or Down then
  // Right. The Up-first search (13 has no up passage) steers by its first
  // draw: vertical first (draw 1) starts Down, horizontal first starts Right.
  // Every search returns 2 steps, so the Up-first one must win the tie.
  const std::vector<testing_support::Passage> square = {{13, 14}, {14, 26}, {13, 25}, {25, 26}};
  int checked[2] = {0, 0};
  for (std::uint32_t seed = 1; seed < 40; ++seed) {
    testing_support::resetAll(120, seed);
    board::setForbidReversal(1);
    testing_support::currentBoardWith(square);
    armies::Piece& p = testing_support::placePiece(Piramides, 0, Blue, 13);
    const int firstDraw = game::drawRandom() % 2;
    game::seedRandom(seed);
    EXPECT_EQ(choose(p, 26), firstDraw == 1 ? Down : Right) << "seed " << seed;
    ++checked[firstDraw];
    board::releaseTrails();
  }
  EXPECT_GT(checked[0], 0);
  EXPECT_GT(checked[1], 0);
}

TEST_F(MoveChoice, OccupantRuleFollowsTheRoleCycle) {
  // The only way on from 13 is node 14; what stands there decides.
  struct Case {
    armies::PieceRole mover;
    armies::Side blockerSide;
    armies::PieceRole blocker;
    bool accepted;
  };
  const Case cases[] = {
      {Red, Esferas, Green, true},    {Red, Esferas, Red, false},     {Red, Esferas, Blue, false},
      {Green, Esferas, Blue, true},   {Green, Esferas, Green, false}, {Green, Esferas, Red, false},
      {Blue, Esferas, Red, true},     {Blue, Esferas, Blue, false},   {Blue, Esferas, Green, false},
      {Red, Piramides, Green, false},  // a friend blocks whatever its role
  };
  for (const Case& c : cases) {
    testing_support::resetAll(120, 3);
    board::setForbidReversal(1);
    testing_support::currentBoardWith({{13, 14}, {14, 15}, {15, 27}, {27, 39}, {39, 40}});
    armies::Piece& p = testing_support::placePiece(Piramides, 0, c.mover, 13);
    testing_support::placePiece(c.blockerSide, 1, c.blocker, 14);
    const board::Direction d = choose(p, 39);
    // When refused, the fallback can only try left or up, both closed here.
    EXPECT_EQ(d, c.accepted ? Right : None)
        << "mover " << c.mover << " onto side " << c.blockerSide << " role " << c.blocker;
    board::releaseTrails();
  }
}

TEST_F(MoveChoice, FallbackStepsTowardsOwnCornerOnly) {
  // Every neighbour of 13 is a dead end, which no search enters but the
  // fallback does: a Piramides piece may go left or up, never right or down.
  testing_support::currentBoardWith({{12, 13}, {13, 14}, {1, 13}, {13, 25}});
  armies::Piece& p = testing_support::placePiece(Piramides, 0, Red, 13);
  int seen[5] = {0, 0, 0, 0, 0};
  for (std::uint32_t seed = 1; seed <= 60; ++seed) {
    game::seedRandom(seed);
    ++seen[choose(p, 50)];
    board::releaseTrails();
  }
  EXPECT_GT(seen[Left], 0);
  EXPECT_GT(seen[Up], 0);
  EXPECT_EQ(seen[Right], 0);
  EXPECT_EQ(seen[Down], 0);
}

TEST_F(MoveChoice, FallbackNeverEntersOwnCorner) {
  testing_support::currentBoardWith({{0, 1}, {1, 13}});
  armies::Piece& p = testing_support::placePiece(Piramides, 0, Green, 1);
  for (std::uint32_t seed = 1; seed <= 30; ++seed) {
    game::seedRandom(seed);
    EXPECT_EQ(choose(p, 50), None) << "seed " << seed;
    board::releaseTrails();
  }
}

TEST_F(MoveChoice, FallbackEndsAfterExactlyThreeIdleDraws) {
  // An Esferas piece whose right and down passages are closed: the searches
  // find nothing acceptable and every non-idle draw of the fallback fails.
  testing_support::currentBoardWith({{13, 14}, {14, 15}});
  armies::Piece& p = testing_support::placePiece(Esferas, 0, Red, 15);
  testing_support::placePiece(Esferas, 1, Red, 14);
  for (std::uint32_t seed = 1; seed <= 20; ++seed) {
    game::seedRandom(seed);
    game::setCurrentPiece(&p);
    // Replay the searches alone to find where the fallback starts.
    board::setSearchSide(Esferas);
    for (board::Direction first : {Up, Down, Left, Right}) {
      board::setTargetFound(0);
      board::trailSearch(p.backDirection, 15, 100, nullptr, *board::currentBoard(), first);
    }
    int idle = 0;
    while (idle < 3) idle += game::drawRandom() % 5 == 0;
    const std::uint32_t expectedEnd = game::randomState();

    game::seedRandom(seed);
    EXPECT_EQ(choose(p, 100), None);
    EXPECT_EQ(game::randomState(), expectedEnd) << "seed " << seed;
    board::releaseTrails();
  }
}

TEST_F(MoveChoice, ChasingPieceLiftsTheBanOnReversingForGood) {
  testing_support::currentBoardWith({{13, 14}, {14, 15}, {15, 27}, {13, 25}});
  armies::Piece& p = testing_support::placePiece(Piramides, 0, Red, 13);
  p.backDirection = Right;         // came from 14
  EXPECT_EQ(choose(p, 15), None);  // the way back is forbidden, 25 is a dead end
  EXPECT_EQ(board::forbidReversal(), 1);

  p.state = armies::Chasing;
  EXPECT_EQ(choose(p, 15), Right);
  EXPECT_EQ(board::forbidReversal(), 0);

  p.state = armies::Free;  // a free piece does not bring the ban back
  EXPECT_EQ(choose(p, 15), Right);
  EXPECT_EQ(board::forbidReversal(), 0);
}

}  // namespace
