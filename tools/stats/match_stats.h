// velmora-match-stats: reads the rows of `velmora-sim --csv` (game/match_csv.h)
// and tallies them into the balance tables of build/stats: win rates with
// their Wilson intervals by node count, opening side and stance pair, and
// match lengths.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace stats {

// What one CSV row says that the tables use. Sides and stances are numbered
// as armies::Side (winner 0: undecided) and armies::Stance.
struct MatchRow {
  int nodes = 0;
  std::string grid;
  int stancePiramides = 0;
  int stanceEsferas = 0;
  int opening = 0;
  int winner = 0;
  long long turns = 0;
  std::string name;  // velmora-sim --nodes N --match NAME plays it again
};

// Reads one data row; false for a row of the wrong shape or an unknown word.
bool parseMatchRow(const std::string& line, MatchRow& row);

struct Interval {
  double low = 0;
  double high = 1;
};

// The 95 % Wilson score interval of a proportion of `successes` in `trials`;
// [0, 1] when there are no trials. Sound near 0 and 1 and for small counts,
// where the normal approximation gives bounds outside [0, 1].
Interval wilsonInterval(long long successes, long long trials);

// A match worth watching again: its board size, name and length.
struct NamedMatch {
  int nodes = 0;
  std::string name;
  long long turns = 0;
};

// Lengths are of decided matches: an undecided one lasts the turn bound,
// which says nothing of the game.
struct Tally {
  long long matches = 0;
  long long wins[3] = {0, 0, 0};  // by armies::Side; [0] counts the undecided
  long long turns = 0;
  long long longest = 0;
};

long long decided(const Tally& tally);

struct MatchStats {
  std::map<int, Tally> byNodes;
  std::map<int, std::string> gridOf;  // by node count
  Tally all;
  Tally byOpening[3];                   // by the opening side
  Tally byStances[3][3];                // [Piramides stance][Esferas stance]
  long long stanceWins[3] = {0, 0, 0};  // wins of a side by its own stance, both sides
  long long stanceDecided[3] = {0, 0, 0};
  NamedMatch longest;                 // the longest decided match (the first of equals)
  std::vector<NamedMatch> undecided;  // every match that reached the turn bound
};

void addMatch(MatchStats& stats, const MatchRow& row);

// The summary as a Markdown document.
std::string summaryMarkdown(const MatchStats& stats);

// One line per node count for gnuplot: nodes, matches, Piramides wins,
// decided matches, win rate, interval low, interval high (rates in per cent),
// mean turns, longest match.
std::string nodeTable(const MatchStats& stats);

}  // namespace stats
