// velmora-sim: the headless match simulator.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>

#include "app/sim_options.h"
#include "game/simulator.h"

int main(int argc, char** argv) {
  game::SimOptions options;
  const auto now = static_cast<std::uint32_t>(std::time(nullptr));
  if (!app::parseSimOptions(argc, argv, now, options, stderr)) return 2;
  static char buffer[1 << 16];
  std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
  int error = 0;
  if (options.help) {
    if (std::fputs(app::kSimUsage, stdout) == EOF) error = errno;
  } else {
    error = game::runSimulation(options, stdout);
  }
  if (error == 0 && std::fflush(stdout) != 0) error = errno;
  if (error != 0) {
    // Nothing more goes to stdout: what was buffered is lost with it.
    std::fprintf(stderr, "velmora-sim: cannot write the output: %s\n", std::strerror(error));
    return 1;
  }
  return 0;
}
