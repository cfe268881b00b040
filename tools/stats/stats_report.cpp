// The tallies written out: the Markdown summary and gnuplot's table by node count.
#include <cstdarg>
#include <cstdio>

#include "game/match_csv.h"
#include "match_stats.h"

namespace stats {

namespace {

__attribute__((format(printf, 2, 3))) void appendf(std::string& text, const char* format, ...) {
  char buffer[256];
  std::va_list args;
  va_start(args, format);
  std::vsnprintf(buffer, sizeof buffer, format, args);
  va_end(args);
  text += buffer;
}

double percent(long long part, long long whole) {
  return whole > 0 ? 100.0 * static_cast<double>(part) / static_cast<double>(whole) : 0.0;
}

// "54.3 % | 53.5–55.1 %": a rate of decided matches and its interval, as two cells.
void appendRate(std::string& text, long long wins, long long decided) {
  const Interval ci = wilsonInterval(wins, decided);
  appendf(text, "%.1f %% | %.1f–%.1f %%", percent(wins, decided), 100 * ci.low, 100 * ci.high);
}

double meanTurns(const Tally& tally) {
  return decided(tally) > 0 ? static_cast<double>(tally.turns) / static_cast<double>(decided(tally))
                            : 0.0;
}

}  // namespace

std::string summaryMarkdown(const MatchStats& stats) {
  using game::kCsvSideNames;
  using game::kCsvStanceNames;
  const Tally& all = stats.all;
  std::string md = "# Velmora match statistics\n\n";
  appendf(md, "%lld matches played by velmora-sim at %zu node counts", all.matches,
          stats.byNodes.size());
  if (!stats.byNodes.empty()) {
    appendf(md, " from %d to %d", stats.byNodes.begin()->first, stats.byNodes.rbegin()->first);
  }
  appendf(md, "; %lld ended undecided at the turn bound.\n", all.wins[0]);
  md +=
      "Win rates and lengths (in turns) count the decided matches only; intervals are 95 % "
      "Wilson score intervals.\n\n";
  md += "| | decided | Piramides win rate | 95 % interval | mean turns | longest |\n";
  md += "|---|---:|---:|---|---:|---:|\n";
  appendf(md, "| all matches | %lld | ", decided(all));
  appendRate(md, all.wins[1], decided(all));
  appendf(md, " | %.1f | %lld |\n", meanTurns(all), all.longest);

  md += "\n## By node count\n\n";
  md +=
      "| nodes | grid | matches | Piramides win rate | 95 % interval | mean turns | longest | "
      "undecided |\n";
  md += "|---:|---|---:|---:|---|---:|---:|---:|\n";
  for (const auto& [nodes, tally] : stats.byNodes) {
    appendf(md, "| %d | %s | %lld | ", nodes, stats.gridOf.at(nodes).c_str(), tally.matches);
    appendRate(md, tally.wins[1], decided(tally));
    appendf(md, " | %.1f | %lld | %lld |\n", meanTurns(tally), tally.longest, tally.wins[0]);
  }

  md += "\n## By opening side\n\n";
  md += "| opening side | decided | opening side's win rate | 95 % interval |\n";
  md += "|---|---:|---:|---|\n";
  long long openerWins = 0;
  for (int side = 1; side <= 2; ++side) {
    const Tally& tally = stats.byOpening[side];
    openerWins += tally.wins[side];
    appendf(md, "| %s | %lld | ", kCsvSideNames[side], decided(tally));
    appendRate(md, tally.wins[side], decided(tally));
    md += " |\n";
  }
  appendf(md, "| either | %lld | ", decided(all));
  appendRate(md, openerWins, decided(all));
  md += " |\n";

  md += "\n## By stance pair\n\n";
  md +=
      "The Piramides' win rate with the Piramides' stance down the side and the Esferas' "
      "along the top; decided matches in brackets.\n\n";
  md += "| Piramides \\ Esferas | defensa | medio | ataque |\n|---|---:|---:|---:|\n";
  for (int p = 0; p < 3; ++p) {
    appendf(md, "| %s |", kCsvStanceNames[p]);
    for (int e = 0; e < 3; ++e) {
      const Tally& tally = stats.byStances[p][e];
      appendf(md, " %.1f %% (%lld) |", percent(tally.wins[1], decided(tally)), decided(tally));
    }
    md += '\n';
  }

  md += "\n## Matches to watch\n\n";
  md +=
      "`velmora --nodes N --match NAME` plays a match in the game (press Enter after each "
      "turn), `velmora-sim --nodes N --match NAME --trace` in the simulator.\n\n";
  if (stats.longest.turns > 0) {
    appendf(md, "- The longest decided match: %lld turns, `--nodes %d --match %s`.\n",
            stats.longest.turns, stats.longest.nodes, stats.longest.name.c_str());
  }
  for (const NamedMatch& m : stats.undecided) {
    appendf(md, "- Undecided after %lld turns: `--nodes %d --match %s`.\n", m.turns, m.nodes,
            m.name.c_str());
  }

  md += "\n## By a side's own stance\n\n";
  md += "Either side, counted once per decided match it played with the stance.\n\n";
  md += "| stance | decided | win rate | 95 % interval |\n|---|---:|---:|---|\n";
  for (int s = 0; s < 3; ++s) {
    appendf(md, "| %s | %lld | ", kCsvStanceNames[s], stats.stanceDecided[s]);
    appendRate(md, stats.stanceWins[s], stats.stanceDecided[s]);
    md += " |\n";
  }
  return md;
}

std::string nodeTable(const MatchStats& stats) {
  std::string table =
      "# nodes matches piramides_wins decided win_rate low high mean_turns longest\n";
  for (const auto& [nodes, tally] : stats.byNodes) {
    const Interval ci = wilsonInterval(tally.wins[1], decided(tally));
    appendf(table, "%d %lld %lld %lld %.3f %.3f %.3f %.3f %lld\n", nodes, tally.matches,
            tally.wins[1], decided(tally), percent(tally.wins[1], decided(tally)), 100 * ci.low,
            100 * ci.high, meanTurns(tally), tally.longest);
  }
  return table;
}

}  // namespace stats
