// Which overlay lines each state of the game shows, and their exact text.
#include "game/overlay_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "state/game_state.h"

namespace {

// The texts of the lines the current state shows, in drawing order.
std::vector<std::string> shownLines() {
  std::vector<std::string> texts;
  for (int i = 0; i < game::kOverlayLineCount; ++i) {
    if (!game::kOverlayLines[i].shown()) continue;
    game::formatOverlayLine(game::kOverlayLines[i]);
    texts.emplace_back(game::textBuffer);
  }
  return texts;
}

const std::string kPrompt = "Pulse INTRO para Continuar" + std::string(22, ' ') + "Vel.: ";

class Overlay : public ::testing::Test {
 protected:
  void SetUp() override { game::resetGameState(); }
  void TearDown() override { game::resetGameState(); }

  void state(game::GamePhase phase, int awaiting, int running, int turnSide) {
    game::setGamePhase(phase);
    game::setAwaitingEnter(awaiting);
    game::setMatchRunning(running);
    game::setTurnSide(turnSide);
  }
};

TEST_F(Overlay, EntryScreenShowsItsFourLinesWithTheCount) {
  game::setNodeCount(120);
  state(game::NodeEntry, 0, 0, 1);
  const std::vector<std::string> want = {"Introduce el numero de NODOS",
                                         "( Numero >=120 y <=510 div. 3 y 5 )", "Numero:   120",
                                         "( + para subir, - para bajar, INTRO para comenzar )"};
  EXPECT_EQ(shownLines(), want);
  // An awaited Enter left over from an abandoned match shows no prompt here.
  state(game::NodeEntry, 1, 0, 1);
  game::setNodeCount(510);
  EXPECT_EQ(shownLines()[2], "Numero:   510");
  EXPECT_EQ(shownLines().size(), 4u);
}

TEST_F(Overlay, NothingWhileAMatchRunsOrIsPaused) {
  state(game::Playing, 0, 1, 2);
  EXPECT_TRUE(shownLines().empty());
  state(game::Playing, 0, 0, 1);
  EXPECT_TRUE(shownLines().empty());
}

TEST_F(Overlay, BetweenTurnsTheSideToMoveAndTheSpeed) {
  state(game::Playing, 1, 1, game::kTurnPiramides);
  EXPECT_EQ(shownLines(), (std::vector<std::string>{"Turno de las PIRAMIDES", kPrompt + "1.0"}));
  state(game::Playing, 1, 1, game::kTurnEsferas);
  game::setMoveSpeed(16);
  EXPECT_EQ(shownLines(), (std::vector<std::string>{"Turno de las ESFERAS", kPrompt + "16.0"}));
}

TEST_F(Overlay, WinnerLinesThenThePromptOnceTheTurnIsOver) {
  state(game::PiramidesWon, 0, 1, game::kTurnEsferas);
  EXPECT_EQ(shownLines(),
            (std::vector<std::string>{"FINAL !!!", "EL GANADOR ES EL BANDO DE LAS PIRAMIDES !!!"}));
  state(game::EsferasWon, 1, 1, game::kTurnPiramides);
  game::setMoveSpeed(4);
  EXPECT_EQ(shownLines(),
            (std::vector<std::string>{"FINAL !!!", "EL GANADOR ES EL BANDO DE LAS ESFERAS !!!",
                                      kPrompt + "4.0"}));
}

TEST_F(Overlay, EveryLineLiesInTheOverlayPlaneInsideTheView) {
  for (int i = 0; i < game::kOverlayLineCount; ++i) {
    const game::OverlayLine& line = game::kOverlayLines[i];
    EXPECT_EQ(line.z, -70) << i;
    // At 45 degrees and 4:3 the plane z = -70 shows x within 38.7, y within 29.
    EXPECT_GT(line.x, -38.7f) << i;
    EXPECT_LT(line.y, 29.0f) << i;
    EXPECT_GT(line.y, -29.0f) << i;
  }
}

}  // namespace
