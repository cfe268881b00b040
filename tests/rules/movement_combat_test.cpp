// Moves, fights and chases: the step-by-step landing, the role cycle in
// combat, the home zone that makes an intruder, the choice of its chaser, and
// the calling off of chasers when the intruder leaves or dies.
#include <gtest/gtest.h>

#include "armies/armies.h"
#include "board/board.h"
#include "state/game_state.h"
#include "test_support.h"

namespace {

using armies::Blue;
using armies::Esferas;
using armies::Green;
using armies::Piece;
using armies::Piramides;
using armies::Red;

class Armies : public ::testing::Test {
 protected:
  void SetUp() override {
    testing_support::resetAll(120);
    std::vector<testing_support::Passage> all;
    for (int i = 0; i < 120; ++i) {
      if ((i + 1) % 12 != 0) all.push_back({i, i + 1});
      if (i + 12 < 120) all.push_back({i, i + 12});
    }
    testing_support::currentBoardWith(all);
  }
  board::Node& node(int i) { return board::currentBoard()->nodes[i]; }
  armies::PieceAux& aux(const Piece& p) { return armies::auxOf(p.side)[p.index]; }

  // Moves a piece one node, step by step, and returns the number of steps.
  int moveFully(Piece& p, board::Direction d) {
    int steps = 1;
    while (armies::movementStep(d, p) == 1) ++steps;
    return steps;
  }
};

TEST_F(Armies, MoveLandsExactlyOnTheNodeAndFreesTheDepartureOnlyThen) {
  game::setMoveSpeed(4);
  Piece& p = testing_support::placePiece(Piramides, 0, Red, 13);
  game::setMoveState(1);
  for (int step = 1; step <= 3; ++step) {
    EXPECT_EQ(armies::movementStep(board::Right, p), 1);
    EXPECT_EQ(p.x, 16.0f + 4.0f * static_cast<float>(step));
    EXPECT_EQ(p.node, 13);
    EXPECT_EQ(node(13).occupant, &p);
    EXPECT_EQ(node(14).occupied, 0);
    EXPECT_EQ(game::moveState(), 1);
  }
  EXPECT_EQ(armies::movementStep(board::Right, p), -1);
  EXPECT_EQ(p.x, 32.0f);
  EXPECT_EQ(p.node, 14);
  EXPECT_EQ(node(13).occupied, 0);
  EXPECT_EQ(node(13).occupant, nullptr);
  EXPECT_EQ(node(14).occupant, &p);
  EXPECT_EQ(game::moveState(), -1);
}

TEST_F(Armies, EverySpeedTakesSixteenOverSpeedSteps) {
  Piece& p = testing_support::placePiece(Esferas, 0, Blue, 50);
  for (float speed : {1.0f, 2.0f, 4.0f, 8.0f, 16.0f}) {
    game::setMoveSpeed(speed);
    const int before = p.node;
    EXPECT_EQ(moveFully(p, board::Down), static_cast<int>(16 / speed));
    EXPECT_EQ(p.node, before + 12);
    EXPECT_EQ(p.z, 16.0f * static_cast<float>(p.node / 12));
  }
}

TEST_F(Armies, CombatFollowsTheRoleCycle) {
  struct Case {
    armies::PieceRole attacker, defender;
    int attackerAlive, defenderAlive;
    bool attackerHoldsNode;
  };
  const Case cases[] = {
      {Red, Green, 1, 0, true},   {Red, Blue, 0, 1, false},  {Red, Red, 1, 1, false},
      {Green, Blue, 1, 0, true},  {Green, Red, 0, 1, false}, {Blue, Red, 1, 0, true},
      {Blue, Green, 0, 1, false}, {Blue, Blue, 1, 1, false},
  };
  for (const Case& c : cases) {
    SetUp();
    game::setMoveSpeed(16);
    Piece& attacker = testing_support::placePiece(Piramides, 0, c.attacker, 40);
    Piece& defender = testing_support::placePiece(Esferas, 0, c.defender, 41);
    moveFully(attacker, board::Right);
    EXPECT_EQ(attacker.alive, c.attackerAlive) << c.attacker << " on " << c.defender;
    EXPECT_EQ(defender.alive, c.defenderAlive) << c.attacker << " on " << c.defender;
    EXPECT_EQ(attacker.node, 41);  // a losing attacker keeps the node it died on
    EXPECT_EQ(node(41).occupied, 1);
    EXPECT_EQ(node(41).occupant, c.attackerHoldsNode ? &attacker : &defender);
    EXPECT_EQ(node(40).occupied, 0);
  }
}

TEST_F(Armies, IntruderGetsTheNearestChaserOfTheCounterRole) {
  // N = 120: the Esferas' home zone is every node within 7 grid steps of 119.
  // A Green Piramides piece arriving there gets a Red chaser.
  Piece& intruder = testing_support::placePiece(Piramides, 0, Green, 89);  // 2 + 6 = 8 steps
  Piece& redFar = testing_support::placePiece(Esferas, 0, Red, 71);
  Piece& blueNear = testing_support::placePiece(Esferas, 1, Blue, 91);
  Piece& redNear = testing_support::placePiece(Esferas, 2, Red, 106);
  Piece& redNearTwin = testing_support::placePiece(Esferas, 3, Red, 82);  // as near to 90 as 106
  game::setMoveSpeed(16);
  moveFully(intruder, board::Right);  // to 90: 2 + 5 = 7 steps
  EXPECT_EQ(aux(intruder).hunted, 1);
  EXPECT_EQ(redNear.state, armies::Chasing);
  EXPECT_EQ(redNear.target, &intruder);
  EXPECT_EQ(redNearTwin.state, armies::Free);  // tie: the lower index wins
  EXPECT_EQ(redFar.state, armies::Free);
  EXPECT_EQ(blueNear.state, armies::Free);
}

TEST_F(Armies, ZoneEndsAtDistanceNodeCountOverFifteen) {
  Piece& esfera = testing_support::placePiece(Esferas, 0, Green, 31);  // 2 + 7 steps from node 0
  Piece& chaser = testing_support::placePiece(Piramides, 0, Red, 1);
  game::setMoveSpeed(16);
  moveFully(esfera, board::Left);  // to 30: 2 + 6 = 8 = 120 / 15, outside
  EXPECT_EQ(armies::auxEsferas[0].hunted, 0);
  EXPECT_EQ(chaser.state, armies::Free);
  moveFully(esfera, board::Up);  // to 18: 1 + 6 = 7, inside
  EXPECT_EQ(armies::auxEsferas[0].hunted, 1);
  EXPECT_EQ(chaser.state, armies::Chasing);
}

TEST_F(Armies, NoSuitableChaserLeavesTheIntruderUnhunted) {
  Piece& intruder = testing_support::placePiece(Piramides, 0, Green, 106);
  Piece& busy = testing_support::placePiece(Esferas, 0, Red, 118);
  busy.inSquad = 1;  // on the squad list
  Piece& blue = testing_support::placePiece(Esferas, 1, Blue, 117);
  Piece& walledIn = testing_support::placePiece(Esferas, 2, Red, 116);
  testing_support::closePassagesOf(*board::currentBoard(), 116);
  game::setMoveSpeed(16);
  moveFully(intruder, board::Right);
  EXPECT_EQ(aux(intruder).hunted, 0);
  EXPECT_EQ(busy.state, armies::Free);
  EXPECT_EQ(blue.state, armies::Free);
  EXPECT_EQ(walledIn.state, armies::Free);
}

TEST_F(Armies, DeadPiecesMayBeChosenAsChasers) {
  Piece& intruder = testing_support::placePiece(Piramides, 0, Blue, 106);
  Piece& deadGreen = testing_support::placePiece(Esferas, 0, Green, 118);
  deadGreen.alive = 0;
  game::setMoveSpeed(16);
  moveFully(intruder, board::Right);
  EXPECT_EQ(deadGreen.state, armies::Chasing);
  EXPECT_EQ(deadGreen.target, &intruder);
  EXPECT_EQ(aux(intruder).hunted, 1);
}

TEST_F(Armies, LeavingTheZoneCallsTheChasersOff) {
  Piece& intruder = testing_support::placePiece(Piramides, 0, Red, 105);
  Piece& chaser = testing_support::placePiece(Esferas, 0, Blue, 118);
  game::setMoveSpeed(16);
  moveFully(intruder, board::Right);  // 106: inside
  ASSERT_EQ(chaser.state, armies::Chasing);
  testing_support::relocate(intruder, 60);  // far away; the next arrival is outside
  moveFully(intruder, board::Up);
  EXPECT_EQ(aux(intruder).hunted, 0);
  EXPECT_EQ(chaser.state, armies::Returning);
  EXPECT_EQ(chaser.target, nullptr);
}

TEST_F(Armies, ArrivingAgainInsideTheZoneChoosesTheChaserAfresh) {
  Piece& intruder = testing_support::placePiece(Piramides, 0, Red, 105);
  Piece& first = testing_support::placePiece(Esferas, 0, Blue, 118);
  Piece& second = testing_support::placePiece(Esferas, 1, Blue, 82);
  game::setMoveSpeed(16);
  moveFully(intruder, board::Right);  // 106
  ASSERT_EQ(first.state, armies::Chasing);
  moveFully(intruder, board::Up);  // 94: now 16 from 82 and 32 from 118
  EXPECT_EQ(aux(intruder).hunted, 1);
  EXPECT_EQ(first.state, armies::Returning);
  EXPECT_EQ(second.state, armies::Chasing);
  EXPECT_EQ(second.target, &intruder);
}

TEST_F(Armies, KilledIntruderReleasesItsChasers) {
  Piece& intruder = testing_support::placePiece(Piramides, 0, Green, 105);
  Piece& chaser = testing_support::placePiece(Esferas, 0, Red, 118);
  game::setMoveSpeed(16);
  moveFully(intruder, board::Right);  // 106, chased by the Red piece
  ASSERT_EQ(chaser.state, armies::Chasing);
  testing_support::relocate(chaser, 107);
  moveFully(chaser, board::Left);  // Red onto Green at 106
  EXPECT_EQ(intruder.alive, 0);
  EXPECT_EQ(chaser.state, armies::Returning);
  EXPECT_EQ(chaser.target, nullptr);
  EXPECT_EQ(node(106).occupant, &chaser);
}

TEST_F(Armies, KilledChaserFreesItsTargetForANewChaser) {
  Piece& intruder = testing_support::placePiece(Piramides, 0, Green, 105);
  Piece& chaser = testing_support::placePiece(Esferas, 0, Red, 118);
  game::setMoveSpeed(16);
  moveFully(intruder, board::Right);
  ASSERT_EQ(aux(intruder).hunted, 1);
  // A Piramides Blue piece beats the Red chaser on its own node.
  Piece& killer = testing_support::placePiece(Piramides, 1, Blue, 117);
  moveFully(killer, board::Right);
  EXPECT_EQ(chaser.alive, 0);
  EXPECT_EQ(aux(intruder).hunted, 0);
  EXPECT_EQ(chaser.state, armies::Chasing);  // the dead keep their state
}

TEST_F(Armies, ReturningPieceTurnsFreeOnItsPostOnly) {
  Piece& p = testing_support::placePiece(Esferas, 0, Blue, 60);
  p.postNode = 62;
  p.state = armies::Returning;
  game::setMoveSpeed(16);
  moveFully(p, board::Right);
  EXPECT_EQ(p.state, armies::Returning);
  moveFully(p, board::Right);
  EXPECT_EQ(p.state, armies::Free);
}

}  // namespace
