// The overlay's table of lines and the state that shows each.
#include "game/overlay_lines.h"

#include <cstdio>

#include "state/game_state.h"

namespace game {

namespace {

bool piramidesWon() { return gamePhase() == PiramidesWon; }
bool esferasWon() { return gamePhase() == EsferasWon; }
bool onEntryScreen() { return gamePhase() == NodeEntry; }
bool piramidesToMove() {
  return awaitingEnter() == 1 && gamePhase() == Playing && turnSide() == kTurnPiramides;
}
bool esferasToMove() {
  return awaitingEnter() == 1 && gamePhase() == Playing && turnSide() != kTurnPiramides;
}
bool promptShown() { return awaitingEnter() == 1 && gamePhase() != NodeEntry; }

}  // namespace

const OverlayLine kOverlayLines[] = {
    {piramidesWon, "FINAL !!!", OverlayLine::kNoValue, -4, 6, -70},
    {piramidesWon, "EL GANADOR ES EL BANDO DE LAS PIRAMIDES !!!", OverlayLine::kNoValue, -25.2f, 0,
     -70},
    {esferasWon, "FINAL !!!", OverlayLine::kNoValue, -4, 6, -70},
    {esferasWon, "EL GANADOR ES EL BANDO DE LAS ESFERAS !!!", OverlayLine::kNoValue, -23.6f, 0,
     -70},
    {piramidesToMove, "Turno de las PIRAMIDES", OverlayLine::kNoValue, -13, 28.6f, -70},
    {esferasToMove, "Turno de las ESFERAS", OverlayLine::kNoValue, -12.3f, 28.6f, -70},
    {promptShown, "Pulse INTRO para Continuar                      Vel.: %.1f",
     OverlayLine::kMoveSpeed, -14.8f, -25.6f, -70},
    {onEntryScreen, "Introduce el numero de NODOS", OverlayLine::kNoValue, -32.8f, 26.6f, -70},
    {onEntryScreen, "( Numero >=120 y <=510 div. 3 y 5 )", OverlayLine::kNoValue, -32.8f, 23.6f,
     -70},
    {onEntryScreen, "Numero:   %d", OverlayLine::kNodeCount, -26.8f, 17.6f, -70},
    {onEntryScreen, "( + para subir, - para bajar, INTRO para comenzar )", OverlayLine::kNoValue,
     -32.8f, 11.6f, -70},
};
const int kOverlayLineCount = sizeof kOverlayLines / sizeof kOverlayLines[0];

void formatOverlayLine(const OverlayLine& line) {
  switch (line.value) {
    case OverlayLine::kMoveSpeed:
      std::snprintf(textBuffer, kTextBufferSize, line.format, static_cast<double>(moveSpeed()));
      break;
    case OverlayLine::kNodeCount:
      std::snprintf(textBuffer, kTextBufferSize, line.format, nodeCount());
      break;
    case OverlayLine::kNoValue:
      std::snprintf(textBuffer, kTextBufferSize, "%s", line.format);
      break;
  }
}

}  // namespace game
