// velmora: the banner, then the game.
#include <cstdio>

#include "game/start_up.h"

int main(int argc, char** argv) {
  std::printf("\n Velmora");
  std::printf(
      "\n\n Piramides contra esferas, por turnos, en un tablero al azar.\n"
      " El equipo de Velmora, 2026.\n\n");
  std::fflush(stdout);
  game::startUp(argc, argv);
  return 0;
}
