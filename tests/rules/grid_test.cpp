// The grid shape of every node count, and the passage generator: symmetric,
// inside the grid, with the draw pattern that makes a seed reproduce a board.
#include <gtest/gtest.h>

#include "board/board_local.h"
#include "state/game_state.h"
#include "state/random.h"
#include "test_support.h"

namespace {

using board::Board;
using board::Node;

TEST(GridShape, EveryOfferedNodeCountHasItsShape) {
  struct Expected {
    int nodes, columns, rows;
  };
  const Expected table[] = {
      {120, 12, 10}, {135, 15, 9},  {150, 15, 10}, {165, 15, 11}, {180, 15, 12}, {195, 15, 13},
      {210, 15, 14}, {225, 15, 15}, {240, 16, 15}, {255, 17, 15}, {270, 18, 15}, {285, 19, 15},
      {300, 20, 15}, {315, 21, 15}, {330, 22, 15}, {345, 23, 15}, {360, 20, 18}, {375, 25, 15},
      {390, 26, 15}, {405, 27, 15}, {420, 21, 20}, {435, 29, 15}, {450, 25, 18}, {465, 31, 15},
      {480, 24, 20}, {495, 33, 15}, {510, 30, 17},
  };
  for (const Expected& e : table) {
    const board::GridShape shape = board::chooseGridShape(e.nodes);
    EXPECT_EQ(shape.columns, e.columns) << e.nodes << " nodes";
    EXPECT_EQ(shape.rows, e.rows) << e.nodes << " nodes";
  }
}

TEST(GridShapeDeathTest, CountWithoutShapeStopsLoudly) {
  EXPECT_DEATH(board::chooseGridShape(127), "no grid shape");   // a prime
  EXPECT_DEATH(board::chooseGridShape(1600), "no grid shape");  // 40 x 40
  EXPECT_DEATH(board::chooseGridShape(0), "no grid shape");
}

// Every invariant of a freshly generated board.
void expectSoundPassages(const Board& b) {
  const int n = b.nodeCount;
  const int c = b.columns;
  ASSERT_EQ(static_cast<int>(b.nodes.size()), n);
  for (int i = 0; i < n; ++i) {
    const Node& node = b.nodes[i];
    ASSERT_EQ(node.index, i);
    EXPECT_EQ(node.occupied, 0);
    EXPECT_EQ(node.occupant, nullptr);
    EXPECT_GE(board::openPassageCount(node), 1) << "node " << i;
    const bool onEdge[] = {false, i % c == 0, i % c == c - 1, i < c, i >= n - c};
    for (board::Direction d : board::kAllDirections) {
      const Node* other = board::linkToward(node, d);
      if (onEdge[d]) {
        EXPECT_EQ(other, nullptr) << "node " << i << " leaves the grid towards " << d;
      } else if (other != nullptr) {
        EXPECT_EQ(other, &b.nodes[board::neighbourIndex(i, d, c)]) << "node " << i;
        EXPECT_EQ(board::linkToward(*other, board::opposite(d)), &node) << "node " << i;
      }
    }
  }
}

TEST(Passages, AreSymmetricInsideTheGridAndReachEveryNode) {
  for (int n = 120; n <= 510; n += 15) {
    for (std::uint32_t seed : {1u, 77u, 4000000000u}) {
      game::seedRandom(seed);
      const auto b = board::createBoard(n);
      expectSoundPassages(*b);
    }
  }
}

TEST(Passages, SameSeedSameBoard) {
  game::seedRandom(99);
  const auto a = board::createBoard(300);
  const std::uint32_t after = game::randomState();
  game::seedRandom(99);
  const auto b = board::createBoard(300);
  EXPECT_EQ(game::randomState(), after);
  for (int i = 0; i < 300; ++i) {
    EXPECT_EQ(board::openPassageCount(a->nodes[i]), board::openPassageCount(b->nodes[i]));
    EXPECT_EQ(a->nodes[i].right != nullptr, b->nodes[i].right != nullptr);
    EXPECT_EQ(a->nodes[i].down != nullptr, b->nodes[i].down != nullptr);
  }
}

// A board of the given count with every passage closed.
Board closedBoard(int n) {
  Board b;
  b.nodeCount = n;
  const board::GridShape shape = board::chooseGridShape(n);
  b.columns = shape.columns;
  b.rows = shape.rows;
  b.nodes.resize(n);
  for (int i = 0; i < n; ++i) b.nodes[i].index = i;
  return b;
}

TEST(Passages, FirstNodeOpensExactlyOneOfRightAndDown) {
  for (std::uint32_t seed = 1; seed <= 200; ++seed) {
    game::seedRandom(seed);
    Board b = closedBoard(120);
    board::openNodePassages(b, 0);
    EXPECT_EQ(b.nodes[0].left, nullptr);
    EXPECT_EQ(b.nodes[0].up, nullptr);
    EXPECT_EQ((b.nodes[0].right != nullptr) + (b.nodes[0].down != nullptr), 1) << seed;
  }
}

TEST(Passages, OddNodesOpenTwoEvenNodesOne) {
  game::seedRandom(3);
  Board b = closedBoard(120);
  board::openNodePassages(b, 13);  // row 1, column 1: even, quota 1
  EXPECT_EQ(board::openPassageCount(b.nodes[13]), 1);
  board::openNodePassages(b, 14);  // row 1, column 2: odd, quota 2
  EXPECT_GE(board::openPassageCount(b.nodes[14]), 2);
}

TEST(Passages, LastNodeWithBothLinksOpenDrawsNothing) {
  testing_support::resetAll(120);
  Board b = closedBoard(120);
  testing_support::openPassage(b, 118, 119);
  testing_support::openPassage(b, 107, 119);
  game::seedRandom(42);
  board::openNodePassages(b, 119);
  EXPECT_EQ(game::randomState(), 42u);
  EXPECT_EQ(board::openPassageCount(b.nodes[119]), 2);
}

TEST(Passages, LastNodeOpensOnlyLeftOrUp) {
  for (std::uint32_t seed = 1; seed <= 50; ++seed) {
    game::seedRandom(seed);
    Board b = closedBoard(120);
    board::openNodePassages(b, 119);  // row 9, column 11: quota 1
    EXPECT_EQ(b.nodes[119].right, nullptr);
    EXPECT_EQ(b.nodes[119].down, nullptr);
    EXPECT_EQ(board::openPassageCount(b.nodes[119]), 1);
  }
}

TEST(Passages, FullyLinkedBoardDrawsNothing) {
  Board b = closedBoard(135);
  for (int i = 0; i < 135; ++i) {
    if ((i + 1) % b.columns != 0) testing_support::openPassage(b, i, i + 1);
    if (i + b.columns < 135) testing_support::openPassage(b, i, i + b.columns);
  }
  game::seedRandom(7);
  board::openPassages(b);
  EXPECT_EQ(game::randomState(), 7u);
}

TEST(ReplaceBoard, FollowsTheNodeCountWithEveryNodeEmpty) {
  testing_support::resetAll(360);
  board::replaceBoard();
  const Board* first = board::currentBoard();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->columns, 20);
  EXPECT_EQ(first->rows, 18);
  game::setNodeCount(510);
  const long long before = board::boardsMade();
  board::replaceBoard();
  EXPECT_EQ(board::boardsMade(), before + 1);
  const Board& b = *board::currentBoard();
  EXPECT_EQ(b.nodeCount, 510);
  EXPECT_EQ(b.columns, 30);
  EXPECT_EQ(b.rows, 17);
  for (const Node& node : b.nodes) {
    EXPECT_EQ(node.occupied, 0);
    EXPECT_EQ(node.occupant, nullptr);
  }
}

}  // namespace
