// A named match in the real game: taken from a later row of velmora-sim's
// CSV, played on the private Xorg at speed 16 with a real Enter after every
// turn, its --trace file must be, byte for byte, what velmora-sim --match
// prints for it. From above, every living piece shows its role's colour,
// the Piramides lighter than the Esferas, where the trace puts it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "armies/armies.h"
#include "game/game_fixture.h"
#include "game/match_control.h"
#include "game/match_name.h"
#include "state/game_state.h"
#include "support/processes.h"
#include "support/rgb_image.h"
#include "support/x_input.h"

namespace {

using xtest::RgbImage;

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::vector<std::string> fieldsOf(const std::string& line, char separator) {
  std::vector<std::string> fields(1);
  for (char c : line) {
    if (c == separator) {
      fields.emplace_back();
    } else {
      fields.back() += c;
    }
  }
  return fields;
}

std::string sim(const std::string& arguments) {
  return xtest::runOutput(std::string(VELMORA_SIM_PATH) + " " + arguments, "");
}

// The shortest decided match among the rows after the first of a seeded CSV
// run: its name carries all a match needs only if it holds after a match.
std::string shortMatchName(int nodes, int seed) {
  const std::vector<std::string> rows = linesOf(sim("--csv --nodes " + std::to_string(nodes) +
                                                    " --matches 6 --seed " + std::to_string(seed)));
  std::string name;
  long long fewest = 0;
  for (std::size_t i = 2; i < rows.size(); ++i) {  // rows[0] is the header
    const std::vector<std::string> f = fieldsOf(rows[i], ',');
    const long long turns = std::atoll(f[9].c_str());
    if (f[8] != "undecided" && (name.empty() || turns < fewest)) {
      name = f.back();
      fewest = turns;
    }
  }
  return name;
}

// The roles the named match deals, from the rules themselves: the trace
// gives where the pieces are, not what they are.
std::vector<int> rolesOf(int nodes, const std::string& name, armies::Side side) {
  game::MatchName parsed;
  EXPECT_TRUE(game::parseMatchName(name.c_str(), &parsed));
  game::resetGameState();
  game::setNodeCount(nodes);
  game::queueNamedMatch(parsed);
  game::startMatch();
  std::vector<int> roles;
  for (const armies::Piece& p : armies::army(side)) roles.push_back(p.role);
  return roles;
}

struct Spot {
  int node = 0;
  bool alive = false;
};

// A trace's piece line ("P 13,1,0 12,0,2 ..."): every piece's node and life.
std::vector<Spot> spotsOf(const std::string& line) {
  std::vector<Spot> spots;
  std::istringstream words(line.substr(2));
  for (std::string word; words >> word;) {
    const std::vector<std::string> f = fieldsOf(word, ',');
    spots.push_back({std::atoi(f[0].c_str()), f[1] == "1"});
  }
  return spots;
}

// Where a piece on `node` shows on the 1024 x 768 screen in the top view of
// a `columns` x `rows` board: the camera above the board's centre at height
// 21 (columns / 2) + 20 (rows / 2), 45 degrees up and down, the pieces'
// centres 4.35 above the floor.
xtest::PixelRect pieceSpot(int node, int columns, int rows) {
  const double eyeX = 16 * (columns * 0.5) - 8;
  const double eyeZ = 16 * (rows * 0.5) - 8;
  const double depth = 21 * (columns / 2) + 20 * (rows / 2) - 4.35;
  const double halfHeight = depth * std::tan(22.5 * 3.14159265358979 / 180);
  const double halfWidth = halfHeight * 1024 / 768;
  const int x = static_cast<int>(512 + (16 * (node % columns) - eyeX) / halfWidth * 512);
  const int y = static_cast<int>(384 + (16 * (node / columns) - eyeZ) / halfHeight * 384);
  return {x - 2, y - 2, 5, 5};
}

class NamedMatch : public gametest::GameFixture {
 protected:
  std::string tracePath() const {
    return "/tmp/velmora-named-" + std::to_string(getpid()) + ".trace";
  }

  void TearDown() override {
    GameFixture::TearDown();
    unlink(tracePath().c_str());
  }

  // Plays the named match from the entry screen to its result, a real Enter
  // after every turn; `onTurn` sees each turn's screen and the trace so far.
  void playToTheEnd(const std::function<void(int turn, const std::string& trace)>& onTurn) {
    keys("Return");
    for (int turns = 0;;) {
      std::string trace;
      int seen = turns;
      const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
      while (seen == turns && std::chrono::steady_clock::now() < deadline) {
        xtest::pauseMs(100);
        trace = xtest::readFile(tracePath());
        seen = turnsIn(trace);
      }
      ASSERT_GT(seen, turns) << "no turn ended within a minute after turn " << turns;
      turns = seen;
      if (trace.find("\nresult ") != std::string::npos) return;
      onTurn(turns, trace);
      keys("Return");
    }
  }

  static int turnsIn(const std::string& trace) {
    int turns = 0;
    for (const std::string& line : linesOf(trace)) turns += line.rfind("turn ", 0) == 0;
    return turns;
  }

  void playAndCompare(int nodes, int seed,
                      const std::function<void(int, const std::string&)>& onTurn) {
    const std::string name = shortMatchName(nodes, seed);
    ASSERT_FALSE(name.empty());
    startProgram({VELMORA_GAME_PATH, "--nodes", std::to_string(nodes), "--match", name, "--speed",
                  "16", "--trace", tracePath()},
                 VELMORA_GAME_DIR);
    waitForEntryScreen();
    playToTheEnd(onTurn);
    quitWithEscape();
    std::string expected =
        sim("--nodes " + std::to_string(nodes) + " --match " + name + " --speed 16 --trace");
    expected.erase(expected.rfind("summary "));
    const std::string played = xtest::readFile(tracePath());
    EXPECT_EQ(played, expected) << name;
    std::printf("match %s at %d nodes: %d turns, %zu bytes, equal: %s\n", name.c_str(), nodes,
                turnsIn(played), played.size(), played == expected ? "yes" : "no");
  }
};

TEST_F(NamedMatch, At120NodesItPlaysAsTheSimulatorSaysAndShowsEveryRoleFromAbove) {
  playAndCompare(120, 5, [&](int turn, const std::string& trace) {
    if (turn != 4) return;
    const RgbImage screen = shot("turn-4");
    const std::vector<std::string> lines = linesOf(trace);
    const std::string name = fieldsOf(lines[0], '=').back();
    // The pieces on each node, and the colour near its centre.
    std::map<int, int> onNode;
    const std::vector<Spot> p = spotsOf(lines[lines.size() - 2]);
    const std::vector<Spot> e = spotsOf(lines.back());
    for (const std::vector<Spot>* side : {&p, &e}) {
      for (const Spot& s : *side) onNode[s.node] += s.alive;
    }
    double light[2][3] = {};
    int counted[2][3] = {};
    const armies::Side sides[2] = {armies::Piramides, armies::Esferas};
    for (int s = 0; s < 2; ++s) {
      const std::vector<int> roles = rolesOf(120, name, sides[s]);
      const std::vector<Spot>& spots = s == 0 ? p : e;
      for (std::size_t i = 0; i < spots.size(); ++i) {
        if (!spots[i].alive || onNode[spots[i].node] != 1) continue;
        const xtest::MeanColour c = xtest::meanColour(screen, pieceSpot(spots[i].node, 12, 10));
        const double v[3] = {c.r, c.g, c.b};
        const int role = roles[i] - 1;
        EXPECT_GT(v[role], std::max(v[(role + 1) % 3], v[(role + 2) % 3]) + 40)
            << "side " << s + 1 << " piece " << i << " on node " << spots[i].node;
        light[s][role] += c.r + c.g + c.b;
        ++counted[s][role];
      }
    }
    for (int role = 0; role < 3; ++role) {
      ASSERT_GT(counted[0][role] * counted[1][role], 0) << "role " << role + 1;
      EXPECT_GT(light[0][role] / counted[0][role], light[1][role] / counted[1][role] + 30)
          << "the Piramides are not lighter in role " << role + 1;
    }
  });
}

// With --watch nobody presses a key: the first entry screen gives way to a
// match, turns follow one another, and a win is followed by a new match.
TEST_F(NamedMatch, WatchPlaysOnUnattended) {
  const std::string name = shortMatchName(120, 5);
  startProgram(
      {VELMORA_GAME_PATH, "--watch", "--match", name, "--speed", "16", "--trace", tracePath()},
      VELMORA_GAME_DIR);
  waitForEntryScreen();
  std::string trace;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(4);
  while (trace.find("\nmatch 2 ") == std::string::npos &&
         std::chrono::steady_clock::now() < deadline) {
    xtest::pauseMs(500);
    trace = xtest::readFile(tracePath());
  }
  ASSERT_NE(trace.find("\nmatch 2 "), std::string::npos) << "no second match:\n" << trace;
  const std::string first = trace.substr(0, trace.find("\nmatch 2 ") + 1);
  EXPECT_GT(turnsIn(first), 5);
  // The first match was played to its win, not left.
  EXPECT_NE(first.find("\nresult 1 winner="), std::string::npos) << first;
  EXPECT_EQ(first.find("winner=none"), std::string::npos) << first;
  quitWithEscape();
}

TEST_F(NamedMatch, At510NodesItPlaysAsTheSimulatorSays) {
  playAndCompare(510, 5, [](int, const std::string&) {});
}

}  // namespace
