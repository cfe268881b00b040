// velmora-sim as a user runs it: its command line, the exact trace format,
// the summary, and the same bytes for the same seed.
#include "game/simulator.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/sim_options.h"

namespace {

struct SimRun {
  int status = -1;
  std::string out;
  std::string err;
};

std::string slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Runs velmora-sim through the shell with `args`, after `launcher` if given;
// its standard output goes where `stdoutTo` says (a shell redirection), or
// else is read back.
SimRun runSim(const std::string& args, const std::string& stdoutTo = "",
              const std::string& launcher = "") {
  // CTest runs the tests of this file side by side: each run gets its own files.
  static int runs = 0;
  const std::string stem = ::testing::TempDir() + "/velmora-sim-" + std::to_string(getpid()) + "-" +
                           std::to_string(++runs);
  const std::string out = stem + ".out";
  const std::string err = stem + ".err";
  const std::string redirect = stdoutTo.empty() ? ">" + out : stdoutTo;
  const std::string command =
      launcher + " " + VELMORA_SIM_PATH + " " + args + " " + redirect + " 2>" + err;
  SimRun run;
  const int raw = std::system(command.c_str());
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  run.out = slurp(out);
  run.err = slurp(err);
  std::remove(out.c_str());
  std::remove(err.c_str());
  return run;
}

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> result;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) result.push_back(line);
  return result;
}

TEST(SimCommandLine, BadValuesGiveOneLineAndStatusTwo) {
  const char* bad[] = {
      "--nodes 121",
      "--nodes 525",
      "--nodes 105",
      "--nodes",
      "--nodes abc",
      "--nodes 1e2",
      "--nodes -120",
      "--matches 0",
      "--matches 2147483648",
      "--seed -1",
      "--seed 4294967296",
      "--speed 3",
      "--speed 32",
      "--speed 0",
      "--max-turns 0",
      "--max-turns",
      "--bogus",
      "extra",
      "--nodes 120 --speed",
      "--csv --trace",
      "--trace --matches 2 --csv",
      "--match 0a1b2c3d",
      "--match 0a1b2c3dX",
      "--match 0a1b2c3g",
      "--match 0a1b2c3dPP",
      "--match 0a1b2c3dP --matches 2",
      "--seed 3 --match 0a1b2c3dP",
  };
  for (const char* args : bad) {
    const SimRun run = runSim(args);
    EXPECT_EQ(run.status, 2) << args;
    EXPECT_EQ(run.out, "") << args;
    const std::vector<std::string> errLines = lines(run.err);
    ASSERT_EQ(errLines.size(), 1u) << args << ": " << run.err;
    EXPECT_NE(errLines[0].find("velmora-sim"), std::string::npos) << run.err;
  }
}

TEST(SimCommandLine, MessagesSayWhatIsAllowed) {
  char buffer[512] = {};
  std::FILE* err = fmemopen(buffer, sizeof buffer - 1, "w");
  game::SimOptions options;
  const char* args[] = {"velmora-sim", "--speed", "3"};
  EXPECT_FALSE(app::parseSimOptions(3, args, 0, options, err));
  std::fclose(err);
  EXPECT_NE(std::string(buffer).find("1, 2, 4, 8 or 16"), std::string::npos) << buffer;
  EXPECT_NE(std::string(buffer).find("\"3\""), std::string::npos) << buffer;
}

TEST(SimCommandLine, ValuesFromTheShellAreShownEscapedAndCut) {
  const std::string longValue(100000, '1');
  const std::string args[] = {
      "--nodes \"$(printf '120\\nx')\"",         // a newline would split the line
      "--seed \"$(printf '1\\033[2J\\r\\t')\"",  // a terminal escape and the rest
      "\"$(printf '\\033[31m')--nodes\"",        // an unknown argument is quoted alike
      "--matches " + longValue,
  };
  const std::string shown[] = {
      "\"120\\nx\"",
      "\"1\\x1b[2J\\x0d\\t\"",
      "\"\\x1b[31m--nodes\"",
      "\"" + longValue.substr(0, 40) + "\"... (100000 bytes)",
  };
  for (int i = 0; i < 4; ++i) {
    const SimRun run = runSim(args[i]);
    EXPECT_EQ(run.status, 2) << args[i].substr(0, 40);
    ASSERT_EQ(lines(run.err).size(), 1u) << run.err.substr(0, 200);
    EXPECT_LT(run.err.size(), 300u);
    EXPECT_NE(run.err.find(shown[i]), std::string::npos) << run.err;
    for (char c : run.err.substr(0, run.err.size() - 1)) EXPECT_GE(c, ' ') << run.err;
  }
}

TEST(SimCommandLine, HelpPrintsTheUsageAndPlaysNothing) {
  for (const char* args : {"--help", "-h", "--nodes 135 --help --bogus"}) {
    const SimRun run = runSim(args);
    EXPECT_EQ(run.status, 0) << args;
    EXPECT_EQ(run.err, "") << args;
    EXPECT_EQ(run.out, app::kSimUsage) << args;
  }
}

// A failed write is said on stderr, once, with its cause, and the run stops
// there rather than playing the remaining matches into the void: the longest
// run there is would otherwise outlast its minute.
TEST(SimCommandLine, WriteFailuresAreReportedWithTheirCause) {
  struct Case {
    const char* args;
    const char* stdoutTo;
    int error;
  };
  const Case cases[] = {
      {"--matches 3 --trace", ">/dev/full", ENOSPC},
      {"--matches 3", ">&-", EBADF},
      {"--help", ">/dev/full", ENOSPC},
      {"--matches 2147483647 --trace", ">/dev/full", ENOSPC},
  };
  for (const Case& c : cases) {
    const SimRun run = runSim(c.args, c.stdoutTo, "timeout 60");
    EXPECT_EQ(run.status, 1) << c.args << " " << c.stdoutTo;
    ASSERT_EQ(lines(run.err).size(), 1u) << run.err;
    EXPECT_NE(run.err.find(std::strerror(c.error)), std::string::npos) << run.err;
  }
}

TEST(SimCommandLine, DefaultsAndEveryOption) {
  game::SimOptions options;
  const char* none[] = {"velmora-sim"};
  ASSERT_TRUE(app::parseSimOptions(1, none, 777, options, stderr));
  EXPECT_EQ(options.nodes, 120);
  EXPECT_EQ(options.matches, 1);
  EXPECT_EQ(options.seed, 777u);
  EXPECT_EQ(options.speed, 1.0f);
  EXPECT_EQ(options.maxTurns, 2000);
  EXPECT_FALSE(options.trace);
  EXPECT_FALSE(options.csv);
  const char* all[] = {"velmora-sim", "--nodes", "510", "--matches",   "3", "--seed",
                       "4294967295",  "--speed", "16",  "--max-turns", "9", "--trace"};
  ASSERT_TRUE(app::parseSimOptions(12, all, 0, options, stderr));
  EXPECT_EQ(options.nodes, 510);
  EXPECT_EQ(options.matches, 3);
  EXPECT_EQ(options.seed, 4294967295u);
  EXPECT_EQ(options.speed, 16.0f);
  EXPECT_EQ(options.maxTurns, 9);
  EXPECT_TRUE(options.trace);
}

TEST(SimOutput, TraceFollowsTheFormatAndAddsUp) {
  const SimRun run = runSim("--nodes 135 --matches 3 --seed 12345 --trace");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  const std::vector<std::string> out = lines(run.out);
  ASSERT_FALSE(out.empty());

  const std::regex matchLine(
      R"(match (\d+) nodes=135 grid=15x9 boards=([1-9]\d*) squads=(9|18|27)/(9|18|27) opening=(PIRAMIDES|ESFERAS) name=[0-9a-f]{8}([PE]))");
  const std::regex turnLine(R"(turn (\d+) (PIRAMIDES|ESFERAS) phase=([0-3]))");
  const std::regex pieceLine(R"([PE]( \d+,[01],[012]){27})");
  const std::regex resultLine(R"(result (\d+) winner=(PIRAMIDES|ESFERAS|none) turns=(\d+))");
  const std::regex summaryLine(
      R"(summary matches=3 piramides=(\d+) esferas=(\d+) undecided=(\d+) turns=(\d+))");

  int match = 0, turn = 0, totalTurns = 0, wins[3] = {0, 0, 0};
  std::string opening, lastMover;
  std::smatch m;
  for (std::size_t i = 0; i + 1 < out.size(); ++i) {
    const std::string& line = out[i];
    if (std::regex_match(line, m, matchLine)) {
      EXPECT_EQ(std::stoi(m[1]), ++match);
      EXPECT_NE(m[5], opening) << "matches alternate their opening side";
      opening = m[5];
      EXPECT_EQ(m[6], opening.substr(0, 1)) << "the name's letter is the opening side's";
      lastMover.clear();
      turn = 0;
    } else if (std::regex_match(line, m, turnLine)) {
      EXPECT_EQ(std::stoi(m[1]), ++turn);
      if (turn == 1) {
        EXPECT_EQ(m[2], opening);
      }
      EXPECT_NE(m[2], lastMover) << "sides alternate turn by turn";
      lastMover = m[2];
      ASSERT_TRUE(std::regex_match(out[++i], pieceLine) && out[i][0] == 'P') << out[i];
      ASSERT_TRUE(std::regex_match(out[++i], pieceLine) && out[i][0] == 'E') << out[i];
    } else if (std::regex_match(line, m, resultLine)) {
      EXPECT_EQ(std::stoi(m[1]), match);
      EXPECT_EQ(std::stoi(m[3]), turn);
      totalTurns += turn;
      ++wins[m[2] == "PIRAMIDES" ? 0 : m[2] == "ESFERAS" ? 1 : 2];
    } else {
      ADD_FAILURE() << "unexpected line: " << line;
    }
  }
  ASSERT_TRUE(std::regex_match(out.back(), m, summaryLine)) << out.back();
  EXPECT_EQ(match, 3);
  EXPECT_EQ(std::stoi(m[1]), wins[0]);
  EXPECT_EQ(std::stoi(m[2]), wins[1]);
  EXPECT_EQ(std::stoi(m[3]), wins[2]);
  EXPECT_EQ(std::stoi(m[4]), totalTurns);
}

TEST(SimOutput, OpeningTurnMovesNothing) {
  const SimRun run = runSim("--seed 5 --trace --max-turns 1");
  ASSERT_EQ(run.status, 0);
  const std::vector<std::string> out = lines(run.out);
  ASSERT_EQ(out.size(), 6u);
  EXPECT_EQ(out[1], "turn 1 PIRAMIDES phase=1");
  EXPECT_EQ(out[2],
            "P 13,1,0 12,1,0 1,1,0 26,1,0 24,1,0 2,1,0 25,1,0 14,1,0 39,1,0 36,1,0 3,1,0 "
            "37,1,0 15,1,0 38,1,0 27,1,0 52,1,0 48,1,0 4,1,0 49,1,0 16,1,0 50,1,0 28,1,0 51,1,0 "
            "40,1,0");
  EXPECT_EQ(out[3],
            "E 106,1,0 107,1,0 118,1,0 93,1,0 95,1,0 117,1,0 94,1,0 105,1,0 80,1,0 83,1,0 "
            "116,1,0 82,1,0 104,1,0 81,1,0 92,1,0 67,1,0 71,1,0 115,1,0 70,1,0 103,1,0 69,1,0 "
            "91,1,0 68,1,0 79,1,0");
  EXPECT_EQ(out[4], "result 1 winner=none turns=1");
  EXPECT_EQ(out[5], "summary matches=1 piramides=0 esferas=0 undecided=1 turns=1");
}

TEST(SimOutput, SameSeedSameBytesAndSpeedChangesNothingButTime) {
  const SimRun a = runSim("--nodes 300 --matches 2 --seed 4242 --trace");
  const SimRun b = runSim("--nodes 300 --matches 2 --seed 4242 --trace");
  ASSERT_EQ(a.status, 0);
  EXPECT_EQ(a.out, b.out);
  // The speed only changes how many frames a move takes, never a decision.
  const SimRun fast = runSim("--nodes 300 --matches 2 --seed 4242 --trace --speed 16");
  EXPECT_EQ(a.out, fast.out);
  const SimRun other = runSim("--nodes 300 --matches 2 --seed 4243 --trace");
  EXPECT_NE(a.out, other.out);
}

std::vector<std::string> fields(const std::string& row) {
  std::vector<std::string> result;
  std::istringstream in(row);
  for (std::string field; std::getline(in, field, ',');) result.push_back(field);
  return result;
}

std::string lowered(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// What the trace tells of one match, in the CSV's own words.
std::vector<std::string> rowFromTrace(const std::vector<std::string>& trace, std::size_t& i) {
  static const std::regex matchLine(
      R"(match (\d+) nodes=(\d+) grid=(\d+x\d+) boards=\d+ squads=(\d+)/(\d+) opening=(\w+) name=(\w+))");
  static const std::regex resultLine(R"(result \d+ winner=(\w+) turns=(\d+))");
  std::smatch m;
  EXPECT_TRUE(std::regex_match(trace[i], m, matchLine)) << trace[i];
  const int nodes = std::stoi(m[2]);
  const auto stance = [nodes](const std::string& size) {
    const int third = nodes / 5 / 3;
    const std::string names[] = {"", "defensa", "medio", "ataque"};
    return names[std::stoi(size) / third];
  };
  std::vector<std::string> row = {m[1], m[2],         m[3],         m[4],
                                  m[5], stance(m[4]), stance(m[5]), lowered(m[6])};
  const std::string name = m[7];
  std::string lastP, lastE;
  for (++i; i < trace.size() && !std::regex_match(trace[i], m, resultLine); ++i) {
    if (trace[i][0] == 'P') lastP = trace[i];
    if (trace[i][0] == 'E') lastE = trace[i];
  }
  // Each piece is " node,alive,state".
  const auto alive = [](const std::string& pieces) {
    int count = 0;
    for (std::size_t at = pieces.find(",1,"); at != std::string::npos;
         at = pieces.find(",1,", at + 1)) {
      ++count;
    }
    return std::to_string(count);
  };
  row.push_back(m[1] == "none" ? "undecided" : lowered(m[1]));
  row.push_back(m[2]);
  row.push_back(alive(lastP));
  row.push_back(alive(lastE));
  row.push_back(name);
  ++i;
  return row;
}

TEST(SimOutput, CsvRowsAgreeWithTheTraceOfTheSameSeed) {
  const std::string common = "--nodes 135 --matches 6 --seed 2024 --max-turns 35";
  const SimRun csv = runSim(common + " --csv");
  const SimRun trace = runSim(common + " --trace");
  ASSERT_EQ(csv.status, 0) << csv.err;
  ASSERT_EQ(trace.status, 0) << trace.err;
  EXPECT_EQ(csv.err, "");
  const std::vector<std::string> rows = lines(csv.out);
  ASSERT_EQ(rows.size(), 7u) << "a header, one row per match, no summary";
  EXPECT_EQ(rows[0],
            "match,nodes,grid,squad_piramides,squad_esferas,stance_piramides,stance_esferas,"
            "opening,winner,turns,alive_piramides,alive_esferas,name");
  const std::vector<std::string> traced = lines(trace.out);
  std::size_t at = 0;
  std::set<std::string> winners;
  for (std::size_t r = 1; r < rows.size(); ++r) {
    const std::vector<std::string> expected = rowFromTrace(traced, at);
    EXPECT_EQ(fields(rows[r]), expected) << rows[r];
    winners.insert(expected[8]);
  }
  // The bound of 35 turns leaves some matches open: all three outcomes are seen.
  EXPECT_EQ(winners.size(), 3u);
  EXPECT_EQ(csv.out, runSim(common + " --csv").out);
}

// A match's name carries all the match needs: the third match of a seeded
// run, played alone from its name, is the same match turn for turn.
TEST(SimOutput, ANamedMatchIsTheMatchOfThatName) {
  const std::string common = "--nodes 150 --matches 3 --seed 77";
  const std::vector<std::string> rows = lines(runSim(common + " --csv").out);
  ASSERT_EQ(rows.size(), 4u);
  const std::string name = fields(rows[3]).back();
  const std::string full = runSim(common + " --trace").out;
  std::string third = full.substr(full.find("\nmatch 3 ") + 1);
  third.erase(third.find("summary "));
  for (const char* number : {"match 3 ", "result 3 "}) {
    third.replace(third.find(number), std::strlen(number),
                  std::string(number, 0, std::strlen(number) - 2) + "1 ");
  }
  const SimRun alone = runSim("--nodes 150 --match " + name + " --trace");
  ASSERT_EQ(alone.status, 0) << alone.err;
  EXPECT_EQ(alone.out.substr(0, alone.out.find("summary ")), third);
}

TEST(SimOutput, WithoutTraceOnlyTheSummary) {
  const SimRun run = runSim("--matches 4 --seed 9");
  ASSERT_EQ(run.status, 0);
  const std::vector<std::string> out = lines(run.out);
  ASSERT_EQ(out.size(), 1u);
  EXPECT_EQ(out[0].rfind("summary matches=4 ", 0), 0u) << out[0];
}

}  // namespace
