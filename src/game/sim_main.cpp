// velmora-sim: the headless match simulator.
#include <cstdio>
#include <ctime>

#include "game/simulator.h"

int main(int argc, char** argv) {
  game::SimOptions options;
  const auto now = static_cast<std::uint32_t>(std::time(nullptr));
  if (!game::parseSimOptions(argc, argv, now, options, stderr)) return 2;
  static char buffer[1 << 16];
  std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
  game::runSimulation(options, stdout);
  return std::fflush(stdout) == 0 ? 0 : 1;
}
