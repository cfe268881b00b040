// Army placement: the shell pattern, the worked example of 120 nodes, the
// role dealing, and placement inside the grid for every node count.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "armies/armies.h"
#include "board/board_local.h"
#include "state/game_state.h"
#include "state/random.h"
#include "test_support.h"

namespace {

using armies::Piece;

std::vector<int> nodesOf(const std::vector<Piece>& pieces) {
  std::vector<int> nodes;
  for (const Piece& p : pieces) nodes.push_back(p.node);
  return nodes;
}

TEST(PlacementCell, FillsShellsDiagonalFirstThenPairs) {
  const std::pair<int, int> expected[] = {
      {1, 1}, {1, 0}, {0, 1},                                                  // shell 1
      {2, 2}, {2, 0}, {0, 2}, {2, 1}, {1, 2},                                  // shell 2
      {3, 3}, {3, 0}, {0, 3}, {3, 1}, {1, 3}, {3, 2}, {2, 3},                  // shell 3
      {4, 4}, {4, 0}, {0, 4}, {4, 1}, {1, 4}, {4, 2}, {2, 4}, {4, 3}, {3, 4},  // shell 4
  };
  for (int i = 0; i < 24; ++i) {
    const armies::GridCell cell = armies::placementCell(i);
    EXPECT_EQ(cell.row, expected[i].first) << "piece " << i;
    EXPECT_EQ(cell.column, expected[i].second) << "piece " << i;
  }
  EXPECT_EQ(armies::placementCell(99).row, 10);  // 10 * 10 - 1 opens shell 10
  EXPECT_EQ(armies::placementCell(99).column, 10);
}

TEST(PlaceArmies, WorkedExampleOfOneHundredTwentyNodes) {
  testing_support::resetAll(120, 17);
  board::replaceBoard();
  armies::placeArmies();
  EXPECT_EQ(nodesOf(armies::armyPiramides),
            (std::vector<int>{13, 12, 1,  26, 24, 2, 25, 14, 39, 36, 3,  37,
                              15, 38, 27, 52, 48, 4, 49, 16, 50, 28, 51, 40}));
  EXPECT_EQ(nodesOf(armies::armyEsferas),
            (std::vector<int>{106, 107, 118, 93, 95, 117, 94, 105, 80, 83, 116, 82,
                              104, 81,  92,  67, 71, 115, 70, 103, 69, 91, 68,  79}));
}

TEST(PlaceArmies, FreshPiecesAndTheBoardMarksAgree) {
  testing_support::resetAll(210, 5);
  board::replaceBoard();
  armies::placeArmies();
  const board::Board& b = *board::currentBoard();
  std::set<int> standing;
  for (armies::Side side : {armies::Piramides, armies::Esferas}) {
    const std::vector<Piece>& pieces = armies::army(side);
    ASSERT_EQ(pieces.size(), 42u);
    ASSERT_EQ(armies::auxOf(side).size(), 42u);
    for (const Piece& p : pieces) {
      EXPECT_EQ(p.side, side);
      EXPECT_EQ(p.alive, 1);
      EXPECT_EQ(p.postNode, p.node);
      EXPECT_EQ(p.backDirection, board::None);
      EXPECT_EQ(p.state, armies::Free);
      EXPECT_EQ(p.inSquad, 0);
      EXPECT_EQ(p.target, nullptr);
      EXPECT_EQ(p.x, 16.0f * static_cast<float>(p.node % b.columns));
      EXPECT_EQ(p.z, 16.0f * static_cast<float>(p.node / b.columns));
      EXPECT_EQ(b.nodes[p.node].occupied, 1);
      EXPECT_EQ(b.nodes[p.node].occupant, &p);
      EXPECT_EQ(armies::auxOf(side)[p.index].hunted, 0);
      standing.insert(p.node);
    }
  }
  EXPECT_EQ(standing.size(), 84u);  // no node shared
  for (const board::Node& node : b.nodes) {
    EXPECT_EQ(node.occupied, standing.count(node.index) == 1 ? 1 : 0) << node.index;
  }
  EXPECT_EQ(b.nodes[0].occupied, 0);
  EXPECT_EQ(b.nodes[209].occupied, 0);
  // The nearest pieces stand on columns + 1, columns and 1, and their mirrors.
  EXPECT_EQ(armies::armyPiramides[0].node, b.columns + 1);
  EXPECT_EQ(armies::armyPiramides[1].node, b.columns);
  EXPECT_EQ(armies::armyPiramides[2].node, 1);
  EXPECT_EQ(armies::armyEsferas[0].node, 210 - 2 - b.columns);
  EXPECT_EQ(armies::armyEsferas[1].node, 210 - 1 - b.columns);
  EXPECT_EQ(armies::armyEsferas[2].node, 208);
}

TEST(PlaceArmies, ShellsStayInsideTheGridForEveryNodeCount) {
  for (int n = 120; n <= 510; n += 15) {
    const board::GridShape shape = board::chooseGridShape(n);
    int largest = 0;
    for (int i = 0; i < n / 5; ++i) {
      const armies::GridCell cell = armies::placementCell(i);
      largest = std::max({largest, cell.row, cell.column});
    }
    EXPECT_LT(largest, shape.rows) << n;
    EXPECT_LT(largest, shape.columns) << n;
    // Piramides and Esferas cells never meet: the point mirror keeps them apart.
    std::set<int> piramides;
    for (int i = 0; i < n / 5; ++i) {
      const armies::GridCell c = armies::placementCell(i);
      piramides.insert(c.row * shape.columns + c.column);
    }
    for (int i = 0; i < n / 5; ++i) {
      const armies::GridCell c = armies::placementCell(i);
      EXPECT_EQ(piramides.count(n - 1 - (c.row * shape.columns + c.column)), 0u) << n;
    }
  }
}

TEST(DealRoles, ThirdOfEachRoleDrawnIndependentlyPerSide) {
  testing_support::resetAll(120, 2024);
  board::replaceBoard();
  const std::uint32_t beforeDeal = game::randomState();
  armies::placeArmies();
  for (armies::Side side : {armies::Piramides, armies::Esferas}) {
    int count[4] = {0, 0, 0, 0};
    for (const Piece& p : armies::army(side)) ++count[p.role];
    EXPECT_EQ(count[armies::Red], 8);
    EXPECT_EQ(count[armies::Green], 8);
    EXPECT_EQ(count[armies::Blue], 8);
  }
  // All draws of a placement are the two deals, Piramides first.
  game::seedRandom(beforeDeal);
  const std::vector<armies::PieceRole> piramides = armies::dealRoles(24);
  const std::vector<armies::PieceRole> esferas = armies::dealRoles(24);
  for (int i = 0; i < 24; ++i) {
    EXPECT_EQ(armies::armyPiramides[i].role, piramides[i]);
    EXPECT_EQ(armies::armyEsferas[i].role, esferas[i]);
  }
  EXPECT_NE(piramides, esferas);
}

TEST(DealRoles, RemainderGoesToBlue) {
  game::seedRandom(8);
  const std::vector<armies::PieceRole> roles = armies::dealRoles(7);  // m = 2
  EXPECT_EQ(std::count(roles.begin(), roles.end(), armies::Red), 2);
  EXPECT_EQ(std::count(roles.begin(), roles.end(), armies::Green), 2);
  EXPECT_EQ(std::count(roles.begin(), roles.end(), armies::Blue), 3);
}

TEST(PlaceArmies, SecondMatchLeavesNothingOfTheFirst) {
  testing_support::resetAll(150, 9);
  board::replaceBoard();
  armies::placeArmies();
  board::replaceBoard();
  armies::placeArmies();
  const board::Board& b = *board::currentBoard();
  for (const board::Node& node : b.nodes) {
    if (node.occupied == 0) continue;
    const Piece* p = node.occupant;
    const std::vector<Piece>& pieces = armies::army(p->side);
    EXPECT_TRUE(p >= pieces.data() && p < pieces.data() + pieces.size());
  }
}

}  // namespace
