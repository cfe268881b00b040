// velmora: the command line, the banner, then the game.
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "app/command_line.h"
#include "app/game_options.h"
#include "app/start_up.h"
#include "game/game_trace.h"

int main(int argc, char** argv) {
  app::GameOptions options;
  if (!app::parseGameOptions(argc, argv, options, stderr)) return 2;
  if (options.help) return std::fputs(app::kGameUsage, stdout) == EOF ? 1 : 0;
  if (options.version) return std::printf("velmora %s\n", VELMORA_VERSION) < 0 ? 1 : 0;
  if (options.trace != nullptr && !game::openGameTrace(options.trace)) {
    std::fprintf(stderr, "velmora: cannot write the trace to %s: %s\n",
                 app::quotedArgument(options.trace).c_str(), std::strerror(errno));
    return 1;
  }

  std::printf("\n Velmora");
  std::printf(
      "\n\n Piramides contra esferas, por turnos, en un tablero al azar.\n"
      " El equipo de Velmora, 2026.\n\n");
  std::fflush(stdout);
  app::startUp(argc, argv, options);
  return 0;
}
