// Whole matches for every node count with several seeds and speeds, played
// through the frame logic as velmora-sim plays them, with the invariants of
// the board, the armies and the lists checked after every finished move.
// Built with AddressSanitizer and UndefinedBehaviorSanitizer.
#include <gtest/gtest.h>

#include <string>

#include "armies/armies.h"
#include "board/board_local.h"
#include "game/frame_logic.h"
#include "game/match_control.h"
#include "state/game_state.h"
#include "state/random.h"
#include "test_support.h"

namespace {

using armies::Piece;

// Returns the first broken invariant, or an empty string.
std::string brokenInvariant(bool moveUnderWay) {
  const board::Board& b = *board::currentBoard();
  const int n = game::nodeCount();
  const int c = b.columns;
  const std::size_t pieces = static_cast<std::size_t>(n / 5);

  for (int i = 0; i < n; ++i) {
    const board::Node& node = b.nodes[i];
    for (board::Direction d : board::kAllDirections) {
      const board::Node* other = board::linkToward(node, d);
      if (other == nullptr) continue;
      const bool offGrid = (d == board::Left && i % c == 0) ||
                           (d == board::Right && i % c == c - 1) || (d == board::Up && i < c) ||
                           (d == board::Down && i >= n - c);
      if (offGrid || other != &b.nodes[board::neighbourIndex(i, d, c)] ||
          board::linkToward(*other, board::opposite(d)) != &node) {
        return "passage of node " + std::to_string(i) + " towards " + std::to_string(d);
      }
    }
    if (node.occupied == 1 &&
        (node.occupant == nullptr || node.occupant->alive != 1 || node.occupant->node != i)) {
      return "node " + std::to_string(i) + " is marked by a piece that is not standing on it";
    }
  }

  for (armies::Side side : {armies::Piramides, armies::Esferas}) {
    const std::vector<Piece>& army = armies::army(side);
    if (army.size() != pieces) return "army size";
    for (const Piece& p : army) {
      const std::string who = (side == armies::Piramides ? "P" : "E") + std::to_string(p.index);
      if (p.node < 0 || p.node >= n) return who + " off the board";
      if (p.node == armies::homeCorner(side)) return who + " on its own home corner";
      if (p.alive != 1) continue;
      if (b.nodes[p.node].occupied != 1 || b.nodes[p.node].occupant != &p) {
        return who + " stands on a node not marked with it";
      }
      const bool moving = moveUnderWay && game::currentPiece() == &p;
      if (!moving && (p.x != 16.0f * static_cast<float>(p.node % c) ||
                      p.z != 16.0f * static_cast<float>(p.node / c))) {
        return who + " stands off its node's centre";
      }
      if (p.state == armies::Chasing) {
        if (p.target == nullptr || p.target->side == side) return who + " chases no enemy";
        if (armies::auxOf(p.target->side)[p.target->index].hunted != 1) {
          return who + " chases a piece that is not marked hunted";
        }
      }
    }
  }

  const struct {
    const std::vector<int>& list;
    int length;
    const char* name;
  } lists[] = {
      {game::squadListPiramides, game::squadSizePiramides(), "Piramides squad"},
      {game::squadListEsferas, game::squadSizeEsferas(), "Esferas squad"},
      {game::chaseListPiramides, game::chaseCountPiramides(), "Piramides chase"},
      {game::chaseListEsferas, game::chaseCountEsferas(), "Esferas chase"},
  };
  for (const auto& l : lists) {
    if (static_cast<int>(l.list.size()) != l.length) return std::string(l.name) + " list length";
    for (int entry : l.list) {
      if (entry < -1 || entry >= static_cast<int>(pieces))
        return std::string(l.name) + " list entry";
    }
  }
  return "";
}

struct MatchResult {
  int turns = 0;
  int moves = 0;
  game::GamePhase phase = game::Playing;
};

// Plays one match to its end (or maxTurns), checking after every finished move.
MatchResult playChecked(int maxTurns) {
  MatchResult result;
  game::startMatch();
  std::string broken = brokenInvariant(false);
  EXPECT_EQ(broken, "") << "after set-up";
  for (;;) {
    const int before = game::moveState();
    game::runFrameLogic();
    const bool finished = before == 1 && game::moveState() == -1;
    if (finished || game::awaitingEnter() == 1) {
      ++result.moves;
      broken = brokenInvariant(game::moveState() == 1);
      if (!broken.empty()) {
        ADD_FAILURE() << broken << " (turn " << result.turns + 1 << ")";
        return result;
      }
    }
    if (game::awaitingEnter() == 0) continue;
    ++result.turns;
    result.phase = game::gamePhase();
    if (result.phase != game::Playing || result.turns == maxTurns) return result;
    game::pressEnter();
  }
}

class Soak : public ::testing::TestWithParam<int> {};

TEST_P(Soak, WholeMatchesKeepEveryInvariant) {
  const int nodes = GetParam();
  const struct {
    std::uint32_t seed;
    float speed;
  } runs[] = {{1, 1}, {0x9e3779b9u, 4}, {20261207u, 16}};
  int decided = 0;
  for (const auto& run : runs) {
    testing_support::resetAll(nodes, run.seed);
    game::setGamePhase(game::NodeEntry);
    game::setMoveSpeed(run.speed);
    for (int match = 0; match < 2; ++match) {
      const MatchResult r = playChecked(2000);
      if (::testing::Test::HasFailure()) return;
      EXPECT_GT(r.moves, 0);
      decided += r.phase != game::Playing;
    }
    board::releaseTrails();
  }
  EXPECT_GT(decided, 0) << "no match of " << nodes << " nodes was won";
}

INSTANTIATE_TEST_SUITE_P(EveryNodeCount, Soak, ::testing::Range(120, 511, 15),
                         [](const ::testing::TestParamInfo<int>& info) {
                           return "Nodes" + std::to_string(info.param);
                         });

}  // namespace
