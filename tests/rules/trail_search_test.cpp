// The bounded trail search on hand-made boards: the worked examples with their
// exact trails and draws, the rules of a step, the board check, the registry.
#include <gtest/gtest.h>

#include "board/board_local.h"
#include "state/game_state.h"
#include "state/random.h"
#include "test_support.h"

namespace {

using board::Down;
using board::Left;
using board::None;
using board::Right;
using board::Up;
using testing_support::StepView;

class TrailSearch : public ::testing::Test {
 protected:
  void SetUp() override {
    testing_support::resetAll(120);
    board::setSearchSide(1);
    board::setForbidReversal(1);
  }
  void TearDown() override { board::releaseTrails(); }

  struct Outcome {
    std::vector<StepView> steps;
    int stepCount;
    int found;
    int draws;
    bool null;
  };

  Outcome search(board::Direction back, int from, int target, board::Direction first,
                 const board::Trail* previous = nullptr) {
    board::setTargetFound(0);
    const std::uint32_t before = game::randomState();
    const board::Trail* t =
        board::trailSearch(back, from, target, previous, *board::currentBoard(), first);
    return {testing_support::stepsOf(t), t ? t->stepCount : 0, board::targetFound(),
            testing_support::drawsSince(before), t == nullptr};
  }
};

// 12 columns: 0-1, 1-13, 13-14, 14-15, 15-27.
const std::vector<testing_support::Passage> kOpenToTwentySeven = {
    {0, 1}, {1, 13}, {13, 14}, {14, 15}, {15, 27}};
const std::vector<testing_support::Passage> kDeadEndAtFifteen = {
    {0, 1}, {1, 13}, {13, 14}, {14, 15}};

TEST_F(TrailSearch, ReachesTheTargetWhateverTheFirstDirection) {
  testing_support::currentBoardWith(kOpenToTwentySeven);
  const std::vector<StepView> expected = {{13, Right}, {14, Right}};
  // The walk with Up first visits node 1 and makes one more steering draw there.
  const int draws[] = {0, 2, 2, 3, 2};  // indexed by the first direction
  for (board::Direction first : {Up, Down, Left, Right}) {
    const Outcome o = search(None, 13, 15, first);
    EXPECT_EQ(o.stepCount, 2) << "first " << first;
    EXPECT_EQ(o.steps, expected) << "first " << first;
    EXPECT_EQ(o.found, 1);
    EXPECT_EQ(o.draws, draws[first]) << "first " << first;
  }
}

TEST_F(TrailSearch, NeverEntersATargetThatIsADeadEnd) {
  testing_support::currentBoardWith(kDeadEndAtFifteen);
  struct Case {
    board::Direction first;
    std::vector<StepView> steps;
    int draws;
  };
  const Case cases[] = {
      {Right, {{13, Right}, {13, Right}, {13, Up}}, 4},
      {Up, {{13, Up}, {13, Right}, {13, Up}}, 4},
      {Down, {{13, Right}, {13, Up}}, 3},
      {Left, {{13, Right}, {13, Up}}, 3},
  };
  for (const Case& c : cases) {
    const Outcome o = search(None, 13, 15, c.first);
    EXPECT_EQ(o.found, 0);
    EXPECT_EQ(o.stepCount, static_cast<int>(c.steps.size())) << "first " << c.first;
    EXPECT_EQ(o.steps, c.steps) << "first " << c.first;
    EXPECT_EQ(o.draws, c.draws) << "first " << c.first;
  }
}

TEST_F(TrailSearch, StartWhereNoStepCanBeTakenGivesNoTrail) {
  testing_support::currentBoardWith({{0, 1}, {1, 13}, {13, 14}, {14, 15}});
  // Node 0 is the excluded corner of the Piramides and a dead end anyway;
  // from node 1 going back down is forbidden.
  const Outcome o = search(Down, 1, 15, None);
  EXPECT_TRUE(o.null);
  EXPECT_EQ(o.found, 0);
}

TEST_F(TrailSearch, AdjacentTargetIsOneStep) {
  testing_support::currentBoardWith({{13, 14}, {14, 15}, {13, 25}});
  const Outcome o = search(None, 13, 14, Right);
  EXPECT_EQ(o.found, 1);
  EXPECT_EQ(o.stepCount, 1);
  EXPECT_EQ(o.steps, (std::vector<StepView>{{13, Right}}));
}

TEST_F(TrailSearch, ExcludedCornerIsNeverEntered) {
  // From node 13 to node 0 for the Piramides: node 0 is their own corner.
  testing_support::currentBoardWith({{0, 1}, {0, 12}, {1, 13}, {12, 13}});
  const Outcome o = search(None, 13, 0, Up);
  EXPECT_EQ(o.found, 0);
  for (const StepView& s : o.steps) EXPECT_NE(s.node, 0);
  board::setSearchSide(2);  // for the Esferas node 0 is the goal
  const Outcome esferas = search(None, 13, 0, Up);
  EXPECT_EQ(esferas.found, 1);
  EXPECT_EQ(esferas.steps, (std::vector<StepView>{{13, Up}, {1, Left}}));
}

TEST_F(TrailSearch, BackDirectionMattersOnlyWhileReversalIsForbidden) {
  testing_support::currentBoardWith({{13, 14}, {14, 15}, {15, 27}, {13, 25}});
  // Standing on 13 having come from 14 (back direction Right).
  const Outcome forbidden = search(Right, 13, 15, Right);
  EXPECT_EQ(forbidden.found, 0);
  for (const StepView& s : forbidden.steps) EXPECT_FALSE(s.node == 13 && s.direction == Right);

  board::setForbidReversal(0);
  const Outcome allowed = search(Right, 13, 15, Right);
  EXPECT_EQ(allowed.found, 1);
  EXPECT_EQ(allowed.steps, (std::vector<StepView>{{13, Right}, {14, Right}}));
}

TEST_F(TrailSearch, DeadEndBehindStopsTheLevelWithoutADraw) {
  // Node 14's only passage leads back to 13, the way the walker came.
  testing_support::currentBoardWith({{13, 14}, {13, 25}, {25, 37}});
  const Outcome o = search(Left, 14, 50, None);
  EXPECT_TRUE(o.null);
  EXPECT_EQ(o.draws, 0);
  board::setForbidReversal(0);  // now the way back is a way like any other
  const Outcome reversing = search(Left, 14, 50, None);
  EXPECT_FALSE(reversing.null);
  EXPECT_EQ(reversing.steps.front(), (StepView{14, Left}));
  EXPECT_GT(reversing.draws, 0);
}

TEST_F(TrailSearch, ContinuedTrailExtendsACopyOfThePreviousOne) {
  testing_support::currentBoardWith(kDeadEndAtFifteen);
  board::setTargetFound(0);
  const board::Trail* previous =
      board::trailSearch(None, 13, 15, nullptr, *board::currentBoard(), Down);
  ASSERT_NE(previous, nullptr);
  const std::vector<StepView> before = testing_support::stepsOf(previous);
  ASSERT_EQ(before, (std::vector<StepView>{{13, Right}, {13, Up}}));

  // Node 13 has been left, but 14 and 1 were only entered: the walk may
  // enter them again, and the copy grows after the old steps.
  const Outcome continued = search(None, 13, 15, Right, previous);
  EXPECT_EQ(continued.found, 0);
  EXPECT_EQ(continued.steps,
            (std::vector<StepView>{{13, Right}, {13, Up}, {13, Right}, {13, Right}, {13, Up}}));
  EXPECT_EQ(continued.stepCount, 5);
  EXPECT_EQ(previous->stepCount, 2);
  EXPECT_EQ(testing_support::stepsOf(previous), before);
}

TEST_F(TrailSearch, BudgetStopsTheWalkAfterAThirdOfTheNodes) {
  // One serpentine corridor through all 120 nodes: row 0 left to right, row 1
  // right to left, and so on. From node 1 towards node 119 there is exactly
  // one way forward at every node.
  std::vector<testing_support::Passage> corridor;
  for (int row = 0; row < 10; ++row) {
    for (int c = 0; c < 11; ++c) corridor.push_back({row * 12 + c, row * 12 + c + 1});
    if (row < 9) {
      const int column = row % 2 == 0 ? 11 : 0;
      corridor.push_back({row * 12 + column, (row + 1) * 12 + column});
    }
  }
  testing_support::currentBoardWith(corridor);
  const Outcome o = search(None, 1, 119, None);
  EXPECT_EQ(o.found, 0);
  // The level entered with 41 steps is over the budget of 40 and stops; every
  // level before it made one steering draw.
  EXPECT_EQ(o.stepCount, 41);
  EXPECT_EQ(o.draws, 41);
  EXPECT_EQ(o.steps.front(), (StepView{1, Right}));
  EXPECT_EQ(o.steps[10], (StepView{11, Down}));
  EXPECT_EQ(o.steps[11], (StepView{23, Left}));
  EXPECT_EQ(o.steps.back(), (StepView{42, Left}));
}

TEST_F(TrailSearch, ReleaseEmptiesTheRegistry) {
  testing_support::currentBoardWith(kOpenToTwentySeven);
  search(None, 13, 15, Up);
  search(None, 13, 15, Down);
  EXPECT_GT(board::registeredTrailCount(), 0);
  board::releaseTrails();
  EXPECT_EQ(board::registeredTrailCount(), 0);
  const Outcome after = search(None, 13, 15, Right);
  EXPECT_EQ(after.stepCount, 2);
  EXPECT_EQ(board::registeredTrailCount(), 1);
}

class BoardCheck : public ::testing::Test {
 protected:
  void SetUp() override { testing_support::resetAll(120); }
  void TearDown() override { board::releaseTrails(); }
};

TEST_F(BoardCheck, AcceptsAFullGridButNotACornerWithASinglePassage) {
  std::vector<testing_support::Passage> all;
  for (int i = 0; i < 120; ++i) {
    if ((i + 1) % 12 != 0) all.push_back({i, i + 1});
    if (i + 12 < 120) all.push_back({i, i + 12});
  }
  board::Board& b = testing_support::currentBoardWith(all);
  EXPECT_EQ(board::checkBoard(), 1);
  EXPECT_EQ(board::searchSide(), 2);
  EXPECT_EQ(board::forbidReversal(), 1);
  // Close 0-12: node 0 keeps only 0-1 and the last step into it is refused.
  b.nodes[0].down = nullptr;
  b.nodes[12].up = nullptr;
  EXPECT_EQ(board::checkBoard(), 0);
}

TEST_F(BoardCheck, RejectsAnUnreachableCorner) {
  std::vector<testing_support::Passage> split;
  for (int i = 0; i < 120; ++i) {
    if ((i + 1) % 12 != 0 && i % 12 != 5) split.push_back({i, i + 1});  // no 5-6 crossings
    if (i + 12 < 120) split.push_back({i, i + 12});
  }
  testing_support::currentBoardWith(split);
  EXPECT_EQ(board::checkBoard(), 0);
}

TEST_F(BoardCheck, RandomBoardsPassSometimesAndFailSometimes) {
  int passed = 0;
  for (int i = 0; i < 200; ++i) {
    board::replaceBoard();
    passed += board::checkBoard();
    board::releaseTrails();
  }
  EXPECT_GT(passed, 0);
  EXPECT_LT(passed, 200);
}

}  // namespace
