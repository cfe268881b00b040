// Squad sizes, squad lists and chase lists: who is eligible, the order by
// truncated distance to the goal with ties to the lower index, and the -1
// entries that fill a list.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "armies/armies.h"
#include "board/board.h"
#include "state/game_state.h"
#include "state/random.h"
#include "test_support.h"

namespace {

using armies::Piece;
using armies::Piramides;

class Squads : public ::testing::Test {
 protected:
  void SetUp() override {
    testing_support::resetAll(120);
    testing_support::currentBoardWith({});
  }
  // Six Piramides pieces; the goal is node 119 (row 9, column 11).
  void placeSix(const int nodes[6]) {
    for (int i = 0; i < 6; ++i) testing_support::placePiece(Piramides, i, armies::Red, nodes[i]);
  }
};

TEST_F(Squads, NearestToTheGoalFirstThenMinusOnes) {
  // Distances to 119: 118 and 107 are 16 away, 95 and 117 are 32, 60 about
  // 187 and 13 about 205.
  const int nodes[6] = {13, 118, 95, 107, 60, 117};
  placeSix(nodes);
  armies::buildSquadList(Piramides, 8);
  EXPECT_EQ(game::squadListPiramides, (std::vector<int>{1, 3, 2, 5, 4, 0, -1, -1}));
  for (const Piece& p : armies::armyPiramides) EXPECT_EQ(p.inSquad, 1);

  armies::buildSquadList(Piramides, 2);
  EXPECT_EQ(game::squadListPiramides, (std::vector<int>{1, 3}));
  EXPECT_EQ(armies::armyPiramides[1].inSquad, 1);
  EXPECT_EQ(armies::armyPiramides[2].inSquad, 0);
}

TEST_F(Squads, DistancesTieAfterTruncation) {
  // Node 99 is 16 * sqrt(65) = 128.99 from the goal, node 111 exactly 128:
  // both count as 128, so the lower index comes first.
  const int nodes[6] = {13, 99, 14, 111, 15, 16};
  placeSix(nodes);
  armies::buildSquadList(Piramides, 2);
  EXPECT_EQ(game::squadListPiramides, (std::vector<int>{1, 3}));
}

TEST_F(Squads, OnlyLiveFreeOrReturningPiecesAndReturningOnesTurnFree) {
  const int nodes[6] = {118, 107, 95, 106, 94, 83};
  placeSix(nodes);
  Piece* pieces = armies::armyPiramides.data();
  pieces[0].alive = 0;
  pieces[1].state = armies::Chasing;
  pieces[1].target = &pieces[5];  // any piece will do as a target here
  pieces[2].state = armies::Returning;
  pieces[2].target = &pieces[4];
  armies::buildSquadList(Piramides, 6);
  // 106 is 22.6 away, 95 32, 94 35.8, 83 48.
  EXPECT_EQ(game::squadListPiramides, (std::vector<int>{3, 2, 4, 5, -1, -1}));
  EXPECT_EQ(pieces[2].state, armies::Free);
  EXPECT_EQ(pieces[2].target, &pieces[4]);  // the target field is left alone
  EXPECT_EQ(pieces[1].state, armies::Chasing);
  EXPECT_EQ(pieces[0].inSquad, 0);
  EXPECT_EQ(pieces[1].inSquad, 0);
}

TEST_F(Squads, ChaseListCountsDeadAndSquadPiecesAsEmptyEntries) {
  const int nodes[6] = {118, 107, 95, 106, 94, 83};
  placeSix(nodes);
  Piece* pieces = armies::armyPiramides.data();
  for (int i : {1, 2, 3, 5}) pieces[i].state = armies::Chasing;
  pieces[4].state = armies::Returning;
  pieces[1].alive = 0;    // dead chaser: counted, never listed
  pieces[3].inSquad = 1;  // on the squad list: counted, not listed
  armies::buildChaseList(Piramides);
  EXPECT_EQ(game::chaseCountPiramides(), 5);
  // Live, off-squad, chasing or returning, nearest the goal first: 2 (95, 32
  // away), 4 (94, 35.8), 5 (83, 48).
  EXPECT_EQ(game::chaseListPiramides, (std::vector<int>{2, 4, 5, -1, -1}));
  EXPECT_EQ(game::chaseCountEsferas(), 0);
}

TEST_F(Squads, ChaseListRightAfterPlacementIsEmpty) {
  board::replaceBoard();
  armies::placeArmies();
  armies::buildChaseList(armies::Esferas);
  EXPECT_EQ(game::chaseCountEsferas(), 0);
  EXPECT_TRUE(game::chaseListEsferas.empty());
}

TEST(SquadSize, DrawsAThirdTwoThirdsOrAllPieces) {
  testing_support::resetAll(120);
  board::replaceBoard();
  std::set<int> sizes;
  for (std::uint32_t seed = 1; seed < 60; ++seed) {
    game::seedRandom(seed);
    const int r = game::drawRandom() % 3;
    game::seedRandom(seed);
    armies::drawSquadSize(armies::Esferas);
    const int expected[] = {8, 16, 24};
    EXPECT_EQ(game::squadSizeEsferas(), expected[r]);
    sizes.insert(game::squadSizeEsferas());
  }
  EXPECT_EQ(sizes.size(), 3u);
}

TEST(SquadSize, TheThreeDrawnSizesTellDefenceMiddleAndAttack) {
  EXPECT_EQ(armies::stanceOfSquadSize(8, 120), armies::Defensa);
  EXPECT_EQ(armies::stanceOfSquadSize(16, 120), armies::Medio);
  EXPECT_EQ(armies::stanceOfSquadSize(24, 120), armies::Ataque);
  for (int size : {0, 1, 7, 9, 15, 17, 23, 25, 48}) {
    EXPECT_EQ(armies::stanceOfSquadSize(size, 120), std::nullopt) << "size " << size;
  }
  // Every node count the entry screen offers: m, 2m and n pieces map back.
  for (int nodes = 120; nodes <= 510; nodes += 15) {
    const int n = nodes / 5;
    const int m = n / 3;
    EXPECT_EQ(armies::stanceOfSquadSize(m, nodes), armies::Defensa) << nodes;
    EXPECT_EQ(armies::stanceOfSquadSize(2 * m, nodes), armies::Medio) << nodes;
    EXPECT_EQ(armies::stanceOfSquadSize(n, nodes), armies::Ataque) << nodes;
  }
}

TEST(PointDistance, SinglePrecisionEuclidean) {
  EXPECT_FLOAT_EQ(armies::pointDistance(armies::makePoint(0, 0, 0), armies::makePoint(3, 4, 12)),
                  13.0f);
  EXPECT_EQ(armies::pointDistance(armies::makePoint(16, 0, 16), armies::makePoint(0, 0, 0)),
            static_cast<float>(std::sqrt(512.0)));
}

}  // namespace
