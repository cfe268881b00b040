// The fast trail search and board check must walk exactly as the naive
// reference does: same trails, same found flag, same random draws. The
// reference itself is first held to the worked boards of the rules.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <iostream>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "board/board_local.h"
#include "literal_trail_search.h"
#include "state/game_state.h"
#include "state/random.h"

namespace {

using board::Direction;
using Steps = std::vector<std::pair<int, int>>;  // (node index, direction)

// ---- Hand-made boards ---------------------------------------------------------

board::Board handBoard(int nodeCount, int columns, const std::vector<std::pair<int, int>>& open) {
  board::Board b;
  b.nodeCount = nodeCount;
  b.columns = columns;
  b.rows = nodeCount / columns;
  b.nodes.resize(nodeCount);
  for (int i = 0; i < nodeCount; ++i) b.nodes[i].index = i;
  for (auto [lo, hi] : open) {
    board::Node& a = b.nodes[lo];
    board::Node& c = b.nodes[hi];
    if (hi == lo + 1) {
      a.right = &c;
      c.left = &a;
    } else {
      a.down = &c;
      c.up = &a;
    }
  }
  return b;
}

// Either implementation's trail, as plain (node index, direction) pairs.
template <typename TrailT>
Steps stepsOf(const TrailT* trail) {
  Steps steps;
  for (auto* s = trail->firstStep; s != nullptr; s = s->next) {
    steps.emplace_back(s->node->index, s->direction);
  }
  return steps;
}

class LiteralWorkedBoards : public ::testing::Test {
 protected:
  void SetUp() override {
    game::setNodeCount(120);
    board::setSearchSide(1);
    board::setForbidReversal(1);
  }
  void TearDown() override { literal::releaseTrails(); }

  const literal::Trail* search(const board::Board& b, Direction first) {
    board::setTargetFound(0);
    return literal::trailSearch(board::None, 13, 15, nullptr, b, first);
  }
};

TEST_F(LiteralWorkedBoards, OpenCorridorReachesTargetWhateverFirstDirection) {
  const board::Board b = handBoard(120, 12, {{0, 1}, {1, 13}, {13, 14}, {14, 15}, {15, 27}});
  for (Direction first : {board::None, board::Left, board::Right, board::Up, board::Down}) {
    SCOPED_TRACE(first);
    const literal::Trail* trail = search(b, first);
    ASSERT_NE(trail, nullptr);
    EXPECT_EQ(trail->stepCount, 2);
    EXPECT_EQ(stepsOf(trail), (Steps{{13, board::Right}, {14, board::Right}}));
    EXPECT_EQ(board::targetFound(), 1);
  }
}

TEST_F(LiteralWorkedBoards, DeadEndTargetIsNeverEntered) {
  const board::Board b = handBoard(120, 12, {{0, 1}, {1, 13}, {13, 14}, {14, 15}});
  const Steps rightFirst{{13, board::Right}, {13, board::Right}, {13, board::Up}};
  const Steps upFirst{{13, board::Up}, {13, board::Right}, {13, board::Up}};
  const Steps closedFirst{{13, board::Right}, {13, board::Up}};
  const std::pair<Direction, const Steps*> cases[] = {{board::Right, &rightFirst},
                                                      {board::Up, &upFirst},
                                                      {board::Down, &closedFirst},
                                                      {board::Left, &closedFirst}};
  for (auto [first, expected] : cases) {
    SCOPED_TRACE(first);
    const literal::Trail* trail = search(b, first);
    ASSERT_NE(trail, nullptr);
    EXPECT_EQ(trail->stepCount, static_cast<int>(expected->size()));
    EXPECT_EQ(stepsOf(trail), *expected);
    EXPECT_EQ(board::targetFound(), 0);
  }
}

TEST_F(LiteralWorkedBoards, StepIntoAdjacentTargetIsTheWholeTrail) {
  const board::Board b = handBoard(120, 12, {{13, 14}, {14, 15}, {2, 14}});
  board::setTargetFound(0);
  const literal::Trail* trail = literal::trailSearch(board::None, 13, 14, nullptr, b, board::Right);
  ASSERT_NE(trail, nullptr);
  EXPECT_EQ(stepsOf(trail), (Steps{{13, board::Right}}));
  EXPECT_EQ(trail->stepCount, 1);
  EXPECT_EQ(board::targetFound(), 1);
}

TEST_F(LiteralWorkedBoards, SearchThatTakesNoStepReturnsNull) {
  // Node 13's only way out leads into the dead end 14.
  const board::Board b = handBoard(120, 12, {{13, 14}, {1, 13}, {0, 1}});
  board::setTargetFound(0);
  EXPECT_EQ(literal::trailSearch(board::Up, 13, 40, nullptr, b, board::Up), nullptr);
  EXPECT_EQ(board::targetFound(), 0);
}

TEST_F(LiteralWorkedBoards, RegistryHoldsEveryTrailUntilReleased) {
  const board::Board b = handBoard(120, 12, {{0, 1}, {1, 13}, {13, 14}, {14, 15}, {15, 27}});
  search(b, board::Up);
  int held = 0;
  const literal::TrailRegistryCell* cell = literal::trailRegistry();
  for (; cell->next != nullptr; cell = cell->next) {
    ASSERT_NE(cell->trail, nullptr);
    ++held;
  }
  EXPECT_EQ(cell->trail, nullptr);  // the empty last cell
  // One trail for each level (at 13, 1, 14 and 15) and the compacted one.
  EXPECT_EQ(held, 5);
  literal::releaseTrails();
  EXPECT_EQ(literal::trailRegistry(), nullptr);
}

// Row 0 and the last column form a corridor from node 119 to node 0.
std::vector<std::pair<int, int>> cornerCorridor() {
  std::vector<std::pair<int, int>> open;
  for (int i = 0; i < 11; ++i) open.emplace_back(i, i + 1);
  for (int i = 11; i + 12 < 120; i += 12) open.emplace_back(i, i + 12);
  return open;
}

TEST_F(LiteralWorkedBoards, CheckAcceptsCorridorIntoTwoWayCorner) {
  auto open = cornerCorridor();
  open.emplace_back(0, 12);
  EXPECT_EQ(literal::checkBoard(handBoard(120, 12, open)), 1);
  EXPECT_EQ(board::searchSide(), 2);
  EXPECT_EQ(board::forbidReversal(), 1);
}

TEST_F(LiteralWorkedBoards, CheckRejectsCornerWithSinglePassage) {
  EXPECT_EQ(literal::checkBoard(handBoard(120, 12, cornerCorridor())), 0);
}

// ---- Fast against literal -------------------------------------------------------

constexpr int kBoardsPerCount = 16;  // every other one thinned
constexpr int kSearchesPerBoard = 80;
constexpr int kChecksPerCount = 300;

struct SearchSetUp {
  Direction back = board::None;
  int from = 0;
  int target = 0;
  Direction first = board::None;
  int forbid = 1;
  int side = 1;
  int foundBefore = 0;  // a caller that forgot to clear targetFound
  bool withPrevious = false;
};

std::string describe(int n, std::uint32_t boardSeed, bool thinned, const SearchSetUp& s,
                     std::uint32_t generator) {
  std::ostringstream out;
  out << "nodes " << n << ", board seed " << boardSeed << (thinned ? " thinned" : "") << ", back "
      << s.back << ", from " << s.from << ", target " << s.target << ", first " << s.first
      << ", forbidReversal " << s.forbid << ", searchSide " << s.side << ", targetFound before "
      << s.foundBefore << ", previous " << s.withPrevious << ", generator " << generator;
  return out.str();
}

// Closes about a third of the passages: generated boards give every node a
// passage and few dead ends, these give isolated nodes, many dead ends and
// searches that take no step at all.
void thinPassages(board::Board& b, std::mt19937& rng) {
  for (board::Node& node : b.nodes) {
    if (node.right != nullptr && rng() % 3 == 0) {
      node.right->left = nullptr;
      node.right = nullptr;
    }
    if (node.down != nullptr && rng() % 3 == 0) {
      node.down->up = nullptr;
      node.down = nullptr;
    }
  }
}

// Half the targets lie within a few rows and columns of the start, so that
// many searches reach theirs; the rest anywhere on the board.
SearchSetUp drawSetUp(std::mt19937& rng, const board::Board& b, bool havePrevious) {
  SearchSetUp s;
  const int n = b.nodeCount;
  s.from = static_cast<int>(rng() % n);
  do {
    if (rng() % 2 == 0) {
      s.target = static_cast<int>(rng() % n);
    } else {
      int row = s.from / b.columns + static_cast<int>(rng() % 9) - 4;
      int column = s.from % b.columns + static_cast<int>(rng() % 9) - 4;
      row = std::min(std::max(row, 0), b.rows - 1);
      column = std::min(std::max(column, 0), b.columns - 1);
      s.target = row * b.columns + column;
    }
  } while (s.target == s.from);
  s.back = static_cast<Direction>(rng() % 5);
  s.first = static_cast<Direction>(rng() % 5);
  s.forbid = static_cast<int>(rng() % 2);
  s.side = 1 + static_cast<int>(rng() % 2);
  s.foundBefore = rng() % 10 == 0 ? 1 : 0;
  s.withPrevious = havePrevious && rng() % 2 == 0;
  return s;
}

struct Outcome {
  bool isNull = true;
  int stepCount = 0;
  Steps steps;
  int targetFound = 0;
  std::uint32_t generatorAfter = 0;
};

bool operator==(const Outcome& x, const Outcome& y) {
  return x.isNull == y.isNull && x.stepCount == y.stepCount && x.steps == y.steps &&
         x.targetFound == y.targetFound && x.generatorAfter == y.generatorAfter;
}

std::ostream& operator<<(std::ostream& out, const Outcome& o) {
  if (o.isNull) {
    out << "null";
  } else {
    out << "stepCount " << o.stepCount << " steps";
    for (auto [node, direction] : o.steps) out << " (" << node << "," << direction << ")";
  }
  return out << ", targetFound " << o.targetFound << ", generator after " << o.generatorAfter;
}

template <typename TrailT>
Outcome outcomeOf(const TrailT* trail) {
  Outcome o;
  o.isNull = trail == nullptr;
  if (trail != nullptr) {
    o.stepCount = trail->stepCount;
    o.steps = stepsOf(trail);
  }
  o.targetFound = board::targetFound();
  o.generatorAfter = game::randomState();
  return o;
}

// Both searches from the same generator state and search variables.
struct SearchPair {
  const board::Trail* fast = nullptr;
  const literal::Trail* reference = nullptr;
  Outcome fastOutcome;
  Outcome referenceOutcome;
  std::uint32_t generatorBefore = 0;
};

SearchPair runBoth(const board::Board& b, const SearchSetUp& s, const board::Trail* fastPrevious,
                   const literal::Trail* referencePrevious) {
  SearchPair pair;
  board::setSearchSide(s.side);
  board::setForbidReversal(s.forbid);
  pair.generatorBefore = game::randomState();

  board::setTargetFound(s.foundBefore);
  pair.fast = board::trailSearch(s.back, s.from, s.target, fastPrevious, b, s.first);
  pair.fastOutcome = outcomeOf(pair.fast);

  game::seedRandom(pair.generatorBefore);
  board::setTargetFound(s.foundBefore);
  pair.reference = literal::trailSearch(s.back, s.from, s.target, referencePrevious, b, s.first);
  pair.referenceOutcome = outcomeOf(pair.reference);
  return pair;
}

struct Tally {
  long searches = 0;
  long found = 0;
  long nulls = 0;
  long overBudget = 0;
  long withPrevious = 0;
  int longestTrail = 0;
};

TEST(TrailSearchEquivalence, FastSearchWalksAsTheLiteralOneOnRandomBoards) {
  std::mt19937 rng(20240611);
  Tally tally;
  for (int n = 120; n <= 510; n += 15) {
    game::setNodeCount(n);
    for (int boardIndex = 0; boardIndex < kBoardsPerCount; ++boardIndex) {
      const std::uint32_t boardSeed = rng();
      game::seedRandom(boardSeed);
      const std::unique_ptr<board::Board> b = board::createBoard(n);
      const bool thinned = boardIndex % 2 == 1;
      if (thinned) thinPassages(*b, rng);
      const board::Trail* fastPrevious = nullptr;
      const literal::Trail* referencePrevious = nullptr;
      for (int k = 0; k < kSearchesPerBoard; ++k) {
        const SearchSetUp s = drawSetUp(rng, *b, fastPrevious != nullptr);
        const SearchPair pair = s.withPrevious ? runBoth(*b, s, fastPrevious, referencePrevious)
                                               : runBoth(*b, s, nullptr, nullptr);
        ASSERT_EQ(pair.fastOutcome, pair.referenceOutcome)
            << describe(n, boardSeed, thinned, s, pair.generatorBefore);
        ASSERT_EQ(board::searchSide(), s.side);
        ASSERT_EQ(board::forbidReversal(), s.forbid);

        const Outcome& o = pair.referenceOutcome;
        ++tally.searches;
        tally.found += o.targetFound;
        tally.nulls += o.isNull;
        tally.overBudget += !o.isNull && o.stepCount > n / 3;
        tally.withPrevious += s.withPrevious;
        tally.longestTrail = std::max(tally.longestTrail, o.stepCount);
        if (pair.fast != nullptr) {
          fastPrevious = pair.fast;
          referencePrevious = pair.reference;
        }
      }
      board::releaseTrails();
      literal::releaseTrails();
    }
  }
  ::testing::Test::RecordProperty("searchesCompared", static_cast<int>(tally.searches));
  std::cout << "[ compared ] " << tally.searches << " searches: " << tally.found
            << " reached the target, " << tally.nulls << " took no step, " << tally.overBudget
            << " ended over the budget, " << tally.withPrevious
            << " continued a previous trail; longest trail " << tally.longestTrail << " steps\n";
}

// Outside what the callers do, but the rules still say what comes back: the
// compacted previous trail (none at all: a trail of no steps).
TEST(TrailSearchEquivalence, SearchStartingOnItsTargetAgrees) {
  std::mt19937 rng(99);
  int compared = 0;
  for (int n : {120, 300, 510}) {
    game::setNodeCount(n);
    game::seedRandom(rng());
    const std::unique_ptr<board::Board> b = board::createBoard(n);
    for (int k = 0; k < 50; ++k) {
      SearchSetUp s = drawSetUp(rng, *b, false);
      const SearchPair earlier = runBoth(*b, s, nullptr, nullptr);
      ASSERT_EQ(earlier.fastOutcome, earlier.referenceOutcome);
      s.target = s.from;
      const SearchPair fresh = runBoth(*b, s, nullptr, nullptr);
      ASSERT_EQ(fresh.fastOutcome, fresh.referenceOutcome) << "from " << s.from;
      ASSERT_EQ(fresh.referenceOutcome.stepCount, 0);
      ASSERT_EQ(fresh.referenceOutcome.targetFound, 1);
      compared += 2;
      if (earlier.fast == nullptr) continue;
      const SearchPair continued = runBoth(*b, s, earlier.fast, earlier.reference);
      ASSERT_EQ(continued.fastOutcome, continued.referenceOutcome) << "from " << s.from;
      ++compared;
    }
    board::releaseTrails();
    literal::releaseTrails();
  }
  ::testing::Test::RecordProperty("searchesCompared", compared);
}

TEST(BoardCheckEquivalence, FastCheckJudgesEveryBoardAsTheLiteralOne) {
  std::mt19937 rng(7031);
  long checks = 0;
  long accepted = 0;
  for (int n = 120; n <= 510; n += 15) {
    game::setNodeCount(n);
    for (int k = 0; k < kChecksPerCount; ++k) {
      const std::uint32_t boardSeed = rng();
      game::seedRandom(boardSeed);
      board::replaceBoard();
      const std::uint32_t saved = game::randomState();
      // Left over from the last check, so a check that forgets to set them shows.
      board::setSearchSide(1);
      board::setForbidReversal(0);
      board::setTargetFound(1);

      const int fast = board::checkBoard();
      const int fastFound = board::targetFound();
      const std::uint32_t fastAfter = game::randomState();
      const int fastSide = board::searchSide();
      const int fastForbid = board::forbidReversal();

      game::seedRandom(saved);
      board::setSearchSide(1);
      board::setForbidReversal(0);
      board::setTargetFound(1);
      const int reference = literal::checkBoard(*board::currentBoard());

      const std::string where =
          "nodes " + std::to_string(n) + ", board seed " + std::to_string(boardSeed);
      ASSERT_EQ(fast, reference) << where;
      ASSERT_EQ(fastFound, board::targetFound()) << where;
      ASSERT_EQ(fastAfter, game::randomState()) << where;
      ASSERT_EQ(fastSide, board::searchSide()) << where;
      ASSERT_EQ(fastForbid, board::forbidReversal()) << where;
      ++checks;
      accepted += reference;
      board::releaseTrails();
      literal::releaseTrails();
    }
  }
  ::testing::Test::RecordProperty("checksCompared", static_cast<int>(checks));
  std::cout << "[ compared ] " << checks << " board checks (" << accepted << " accepted)\n";
}

}  // namespace
