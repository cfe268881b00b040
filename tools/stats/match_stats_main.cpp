// velmora-match-stats MATCHES_CSV OUT_DIR: reads the rows of velmora-sim --csv
// (one header line, then any number of rows) and writes OUT_DIR/summary.md and
// OUT_DIR/by_nodes.dat, the table the plots are drawn from.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

#include "game/match_csv.h"
#include "match_stats.h"

namespace {

bool writeFile(const std::string& path, const std::string& text) {
  std::FILE* file = std::fopen(path.c_str(), "w");
  if (file == nullptr) {
    std::fprintf(stderr, "velmora-match-stats: cannot create %s: %s\n", path.c_str(),
                 std::strerror(errno));
    return false;
  }
  int error = std::fwrite(text.data(), 1, text.size(), file) == text.size() ? 0 : errno;
  if (std::fclose(file) != 0 && error == 0) error = errno;
  if (error != 0) {
    std::fprintf(stderr, "velmora-match-stats: cannot write %s: %s\n", path.c_str(),
                 std::strerror(error));
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: velmora-match-stats MATCHES_CSV OUT_DIR\n");
    return 2;
  }
  std::ifstream in(argv[1]);
  if (!in) {
    std::fprintf(stderr, "velmora-match-stats: cannot read %s\n", argv[1]);
    return 1;
  }
  std::string line;
  if (!std::getline(in, line) || line != game::kMatchCsvHeader) {
    std::fprintf(stderr, "velmora-match-stats: %s does not start with velmora-sim's CSV header\n",
                 argv[1]);
    return 1;
  }
  stats::MatchStats tallies;
  for (long long number = 2; std::getline(in, line); ++number) {
    stats::MatchRow row;
    if (!stats::parseMatchRow(line, row)) {
      std::fprintf(stderr, "velmora-match-stats: %s:%lld: not a match row\n", argv[1], number);
      return 1;
    }
    stats::addMatch(tallies, row);
  }
  const std::string dir = argv[2];
  const bool written = writeFile(dir + "/summary.md", stats::summaryMarkdown(tallies)) &&
                       writeFile(dir + "/by_nodes.dat", stats::nodeTable(tallies));
  return written ? 0 : 1;
}
