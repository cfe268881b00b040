// Reading the simulator's CSV rows and adding them up; the Wilson interval.
#include <cmath>
#include <vector>

#include "game/match_csv.h"
#include "match_stats.h"

namespace stats {

namespace {

// z of the 95 % two-sided normal interval.
constexpr double kZ95 = 1.959963984540054;

std::vector<std::string> splitFields(const std::string& line) {
  std::vector<std::string> fields(1);
  for (char c : line) {
    if (c == ',') {
      fields.emplace_back();
    } else {
      fields.back() += c;
    }
  }
  return fields;
}

// A whole number, digits only, that fits comfortably.
bool parseCount(const std::string& text, long long& value) {
  if (text.empty() || text.size() > 12) return false;
  value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
  }
  return true;
}

// The index of `word` in `names`, or -1.
template <std::size_t N>
int indexOf(const char* const (&names)[N], const std::string& word) {
  for (std::size_t i = 0; i < N; ++i) {
    if (word == names[i]) return static_cast<int>(i);
  }
  return -1;
}

void addToTally(Tally& tally, const MatchRow& row) {
  ++tally.matches;
  ++tally.wins[row.winner];
  if (row.winner == 0) return;
  tally.turns += row.turns;
  if (row.turns > tally.longest) tally.longest = row.turns;
}

}  // namespace

bool parseMatchRow(const std::string& line, MatchRow& row) {
  const std::vector<std::string> f = splitFields(line);
  if (f.size() != static_cast<std::size_t>(game::kCsvColumnCount)) return false;
  long long nodes = 0;
  if (!parseCount(f[game::kCsvNodes], nodes) || !parseCount(f[game::kCsvTurns], row.turns)) {
    return false;
  }
  row.nodes = static_cast<int>(nodes);
  row.grid = f[game::kCsvGrid];
  row.stancePiramides = indexOf(game::kCsvStanceNames, f[game::kCsvStancePiramides]);
  row.stanceEsferas = indexOf(game::kCsvStanceNames, f[game::kCsvStanceEsferas]);
  row.opening = indexOf(game::kCsvSideNames, f[game::kCsvOpening]);
  row.winner = indexOf(game::kCsvSideNames, f[game::kCsvWinner]);
  row.name = f[game::kCsvName];
  return !row.name.empty() && row.stancePiramides >= 0 && row.stanceEsferas >= 0 &&
         row.opening > 0 && row.winner >= 0;
}

Interval wilsonInterval(long long successes, long long trials) {
  if (trials <= 0) return Interval{};
  const double n = static_cast<double>(trials);
  const double p = static_cast<double>(successes) / n;
  const double z2 = kZ95 * kZ95;
  const double centre = (p + z2 / (2 * n)) / (1 + z2 / n);
  const double half = kZ95 / (1 + z2 / n) * std::sqrt(p * (1 - p) / n + z2 / (4 * n * n));
  return Interval{std::fmax(0.0, centre - half), std::fmin(1.0, centre + half)};
}

long long decided(const Tally& tally) { return tally.matches - tally.wins[0]; }

void addMatch(MatchStats& stats, const MatchRow& row) {
  addToTally(stats.byNodes[row.nodes], row);
  stats.gridOf[row.nodes] = row.grid;
  addToTally(stats.all, row);
  addToTally(stats.byOpening[row.opening], row);
  addToTally(stats.byStances[row.stancePiramides][row.stanceEsferas], row);
  if (row.winner == 0) {
    stats.undecided.push_back(NamedMatch{row.nodes, row.name, row.turns});
    return;
  }
  if (row.turns > stats.longest.turns) stats.longest = NamedMatch{row.nodes, row.name, row.turns};
  const int stanceOf[3] = {0, row.stancePiramides, row.stanceEsferas};  // by side
  for (int side = 1; side <= 2; ++side) {
    ++stats.stanceDecided[stanceOf[side]];
    if (row.winner == side) ++stats.stanceWins[stanceOf[side]];
  }
}

}  // namespace stats
