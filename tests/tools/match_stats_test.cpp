// The statistics of `make stats`: the Wilson interval against published
// figures, the reading of CSV rows, and the real pipeline (velmora-sim --csv
// into velmora-match-stats, then scripts/stats.sh with gnuplot) checked
// against the simulator's own summary line.
#include "match_stats.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

#include "game/match_csv.h"
#include "support/processes.h"

namespace {

constexpr double kZ2 = 1.959963984540054 * 1.959963984540054;

TEST(Wilson, PublishedIntervalsAndTheirClosedForms) {
  // Newcombe's worked examples of the score interval.
  stats::Interval ci = stats::wilsonInterval(81, 263);
  EXPECT_NEAR(ci.low, 0.2553, 5e-5);
  EXPECT_NEAR(ci.high, 0.3662, 5e-5);
  ci = stats::wilsonInterval(15, 148);
  EXPECT_NEAR(ci.low, 0.0624, 5e-5);
  EXPECT_NEAR(ci.high, 0.1605, 5e-5);
  // No successes: [0, z²/(n + z²)]; all successes: the mirror image.
  ci = stats::wilsonInterval(0, 10);
  EXPECT_EQ(ci.low, 0.0);
  EXPECT_NEAR(ci.high, kZ2 / (10 + kZ2), 1e-12);
  ci = stats::wilsonInterval(10, 10);
  EXPECT_NEAR(ci.low, 10 / (10 + kZ2), 1e-12);
  EXPECT_LE(ci.high, 1.0);
}

TEST(MatchRows, ReadsRowsAndRefusesMalformedOnes) {
  stats::MatchRow row;
  ASSERT_TRUE(stats::parseMatchRow(
      "7,135,15x9,9,27,defensa,ataque,esferas,piramides,31,12,4,0a1b2c3dE", row));
  EXPECT_EQ(row.nodes, 135);
  EXPECT_EQ(row.grid, "15x9");
  EXPECT_EQ(row.stancePiramides, 0);
  EXPECT_EQ(row.stanceEsferas, 2);
  EXPECT_EQ(row.opening, 2);
  EXPECT_EQ(row.winner, 1);
  EXPECT_EQ(row.turns, 31);
  EXPECT_EQ(row.name, "0a1b2c3dE");
  ASSERT_TRUE(stats::parseMatchRow(
      "1,120,12x10,8,8,medio,medio,piramides,undecided,2000,3,3,00000001P", row));
  EXPECT_EQ(row.winner, 0);
  const char* bad[] = {
      "7,135,15x9,9,27,defensa,ataque,esferas,piramides,31,12,4",              // no name
      "7,135,15x9,9,27,defensa,ataque,esferas,piramides,31,12,4,",             // an empty one
      "7,135,15x9,9,27,defence,ataque,esferas,piramides,31,12,4,0a1b2c3dE",    // unknown stance
      "7,135,15x9,9,27,defensa,ataque,undecided,piramides,31,12,4,0a1b2c3dE",  // nobody opened
      "7,135,15x9,9,27,defensa,ataque,esferas,PIRAMIDES,31,12,4,0a1b2c3dE",    // the trace's word
      "7,,15x9,9,27,defensa,ataque,esferas,piramides,31,12,4,0a1b2c3dE",       // no node count
  };
  for (const char* line : bad) EXPECT_FALSE(stats::parseMatchRow(line, row)) << line;
}

int run(const std::string& command) {
  const int raw = std::system(command.c_str());
  return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

// A folder of the test's own, removed when the test ends however it ends.
struct ScratchDir {
  explicit ScratchDir(const char* name)
      : path(::testing::TempDir() + "/" + name + "-" + std::to_string(getpid())) {
    EXPECT_EQ(run("rm -rf " + path + " && mkdir -p " + path), 0);
  }
  ~ScratchDir() { run("rm -rf " + path); }
  const std::string path;
};

// The counts the simulator prints in its summary line for the same matches.
struct Summary {
  long long piramides = 0, esferas = 0, undecided = 0, turns = 0;
};

Summary simSummary(const std::string& args) {
  const std::string line = xtest::runOutput(std::string(VELMORA_SIM_PATH) + " " + args, "");
  Summary s;
  EXPECT_EQ(std::sscanf(line.c_str(),
                        "summary matches=%*d piramides=%lld esferas=%lld undecided=%lld turns=%lld",
                        &s.piramides, &s.esferas, &s.undecided, &s.turns),
            4)
      << line;
  return s;
}

TEST(MatchStatsTool, TalliesAgreeWithTheSimulatorsSummary) {
  const ScratchDir scratch("match-stats");
  const std::string& dir = scratch.path;
  const std::string csv = dir + "/matches.csv";
  const std::string sim = VELMORA_SIM_PATH;
  ASSERT_EQ(run(sim + " --csv --nodes 150 --matches 30 --seed 3 > " + csv), 0);
  ASSERT_EQ(run(sim + " --csv --nodes 300 --matches 20 --seed 4 | tail -n +2 >> " + csv), 0);
  ASSERT_EQ(run(std::string(VELMORA_MATCH_STATS_PATH) + " " + csv + " " + dir), 0);

  const Summary expected[] = {simSummary("--nodes 150 --matches 30 --seed 3"),
                              simSummary("--nodes 300 --matches 20 --seed 4")};
  std::istringstream table(xtest::readFile(dir + "/by_nodes.dat"));
  std::string line;
  std::getline(table, line);  // the column names
  for (const Summary& s : expected) {
    ASSERT_TRUE(std::getline(table, line));
    int nodes = 0;
    long long matches = 0, wins = 0, decided = 0, longest = 0;
    double rate = 0, low = 0, high = 0, mean = 0;
    ASSERT_EQ(std::sscanf(line.c_str(), "%d %lld %lld %lld %lf %lf %lf %lf %lld", &nodes, &matches,
                          &wins, &decided, &rate, &low, &high, &mean, &longest),
              9)
        << line;
    EXPECT_EQ(wins, s.piramides) << line;
    EXPECT_EQ(decided, s.piramides + s.esferas) << line;
    EXPECT_EQ(matches, decided + s.undecided) << line;
    ASSERT_EQ(s.undecided, 0) << "the mean below takes every match as decided";
    EXPECT_NEAR(mean, static_cast<double>(s.turns) / static_cast<double>(decided), 1e-3) << line;
    EXPECT_LE(low, rate);
    EXPECT_GE(high, rate);
  }
  EXPECT_FALSE(std::getline(table, line)) << line;

  const std::string md = xtest::readFile(dir + "/summary.md");
  // The longest match is named, and its name plays it again.
  std::smatch named;
  ASSERT_TRUE(std::regex_search(
      md, named,
      std::regex(R"(The longest decided match: (\d+) turns, `--nodes (\d+) --match (\w+)`)")))
      << md;
  EXPECT_EQ(simSummary("--nodes " + named[2].str() + " --match " + named[3].str()).turns,
            std::stoll(named[1]));
  const long long decidedAll =
      expected[0].piramides + expected[0].esferas + expected[1].piramides + expected[1].esferas;
  EXPECT_NE(md.find("| all matches | " + std::to_string(decidedAll) + " | "), std::string::npos)
      << md;
  // Every decided match lands in exactly one cell of the stance table.
  const std::regex cell(R"(\| [\d.]+ % \((\d+)\))");
  long long inCells = 0;
  for (std::sregex_iterator it(md.begin(), md.end(), cell), end; it != end; ++it) {
    inCells += std::stoll((*it)[1]);
  }
  EXPECT_EQ(inCells, decidedAll);
}

TEST(MatchStatsTool, RefusesAFileThatIsNotTheSimulatorsCsv) {
  const ScratchDir scratch("match-stats-bad");
  const std::string& dir = scratch.path;
  const std::string tool = VELMORA_MATCH_STATS_PATH;
  std::ofstream(dir + "/trace.csv") << "match 1 nodes=120 grid=12x10\n";
  std::ofstream(dir + "/cut.csv") << game::kMatchCsvHeader << "\n1,120,12x10,8,8\n";
  EXPECT_EQ(run(tool + " " + dir + "/trace.csv " + dir + " 2>" + dir + "/err"), 1);
  std::string err = xtest::readFile(dir + "/err");
  EXPECT_NE(err.find("header"), std::string::npos) << err;
  EXPECT_EQ(run(tool + " " + dir + "/cut.csv " + dir + " 2>" + dir + "/err"), 1);
  err = xtest::readFile(dir + "/err");
  EXPECT_NE(err.find("cut.csv:2:"), std::string::npos) << err;
  EXPECT_EQ(run(tool + " " + dir + "/missing.csv " + dir + " 2>/dev/null"), 1);
}

// The whole of `make stats` with two matches per node count: every node count
// in order, the same files from a second run, and two pictures.
TEST(StatsScript, WritesTheRowsTablesAndPlotsReproducibly) {
  const ScratchDir scratch("stats-script");
  const std::string& dir = scratch.path;
  const std::string script =
      std::string(VELMORA_SOURCE_DIR) + "/scripts/stats.sh " + VELMORA_BUILD_DIR + " 2 ";
  ASSERT_EQ(run(script + dir + "/a >/dev/null"), 0);
  ASSERT_EQ(run(script + dir + "/b >/dev/null"), 0);
  const std::string rows = xtest::readFile(dir + "/a/matches.csv");
  EXPECT_EQ(rows, xtest::readFile(dir + "/b/matches.csv"));
  EXPECT_EQ(xtest::readFile(dir + "/a/summary.md"), xtest::readFile(dir + "/b/summary.md"));

  std::istringstream in(rows);
  std::string line;
  std::getline(in, line);
  EXPECT_EQ(line, game::kMatchCsvHeader);
  int count = 0;
  for (int nodes = 120; nodes <= 510; nodes += 15) {
    for (int match = 1; match <= 2; ++match, ++count) {
      ASSERT_TRUE(std::getline(in, line));
      EXPECT_EQ(line.rfind(std::to_string(match) + "," + std::to_string(nodes) + ",", 0), 0u)
          << line;
    }
  }
  EXPECT_FALSE(std::getline(in, line)) << line;
  EXPECT_EQ(count, 54);

  for (const char* plot : {"/a/winrate.png", "/a/length.png"}) {
    EXPECT_EQ(xtest::readFile(dir + plot).substr(0, 8), "\x89PNG\r\n\x1a\n") << plot;
  }
}

}  // namespace
