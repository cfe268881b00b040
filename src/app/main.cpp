// velmora: the banner, then the game.
#include <cstdio>

#include "app/start_up.h"

int main(int argc, char** argv) {
  std::printf("\n Velmora");
  std::printf(
      "\n\n Piramides contra esferas, por turnos, en un tablero al azar.\n"
      " El equipo de Velmora, 2026.\n\n");
  std::fflush(stdout);
  app::startUp(argc, argv);
  return 0;
}
