// The bounded depth-first trail search. It steers by where the target lies,
// never steps into a dead end, never steps back the way it came (when told
// so), never enters the excluded home corner, never revisits a node it has
// left, and stops exploring once its trail holds more than nodeCount / 3 steps.
//
// Every level of the walk works on a copy of the trail it was given, and
// every level only ever extends that copy until the target is found; so one
// growing list of steps per search, with the visited nodes marked in a table
// beside it, is the same walk as a copy per level, in linear time and memory.
// The trail records handed back are made once, at the end.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "board/board_local.h"
#include "state/checks.h"
#include "state/game_state.h"
#include "state/random.h"

namespace board {

namespace {

int searchSide_ = 0;
int forbidReversal_ = 0;
int targetFound_ = 0;

// The back direction of a walk that may reverse: equals no direction.
constexpr int kNoBackDirection = -1;

struct Step {
  int node;
  Direction direction;
};

struct Search {
  const Board* board;
  int columns;
  int target;
  int targetRow;
  int targetColumn;
  int excluded;
  int budget;
  bool fresh;   // no step taken and no trail continued: stepCount -1
  Step* steps;  // room for every step the search can take
  int room;
  int length;         // steps taken so far, those of the continued trail included
  int reachedLength;  // steps in the trail when the target was reached, or -1
};

// Nodes that some step of the current search leaves from, stamped with the
// search's number so the table need not be cleared between searches.
std::vector<std::uint32_t> visitedStamp;
std::uint32_t currentStamp = 0;

// A node is left by at most five attempts (the first direction and the four
// of the steering), all at the one level that stands on it, so a search takes
// at most five steps per node beyond those of the trail it continues.
std::vector<Step> scratchSteps;
constexpr int kStepsPerNode = 5;

void startVisitedTable(int nodeCount) {
  if (static_cast<int>(visitedStamp.size()) < nodeCount) visitedStamp.resize(nodeCount, 0);
  if (++currentStamp == 0) {  // wrapped: old stamps could read as current
    std::fill(visitedStamp.begin(), visitedStamp.end(), 0);
    currentStamp = 1;
  }
}

int stepCount(const Search& s) { return s.fresh ? -1 : s.length; }

void appendStep(Search& s, int node, Direction d) {
  VELMORA_CHECK(s.length < s.room, "a search took more steps than its nodes allow");
  s.steps[s.length++] = {node, d};
  s.fresh = false;
  visitedStamp[node] = currentStamp;
}

inline bool deadEndToward(const Node& node, Direction d) {
  return openPassageCount(node) == 1 && linkToward(node, d) != nullptr;
}

struct Place {
  int index;
  int row;
  int column;
};

// The place one step away; rows and columns are carried along rather than
// divided out at every level.
inline Place stepFrom(const Place& p, Direction d, int columns) {
  switch (d) {
    case Left:
      return {p.index - 1, p.row, p.column - 1};
    case Right:
      return {p.index + 1, p.row, p.column + 1};
    case Up:
      return {p.index - columns, p.row - 1, p.column};
    case Down:
      return {p.index + columns, p.row + 1, p.column};
    case None:
      break;
  }
  return p;
}

void searchFrom(Search& s, int back, const Place& from, Direction firstDirection);

// One attempt to step from `from` in direction d. The tests have no side
// effects, so their order only matters for speed.
void tryStep(Search& s, Direction d, int back, const Place& from) {
  if (targetFound_ == 1 || back == d) return;
  if (linkToward(s.board->nodes[from.index], d) == nullptr || from.index == s.target) return;
  const Place next = stepFrom(from, d, s.columns);
  if (next.index == s.excluded || visitedStamp[next.index] == currentStamp) return;
  const Direction nextBack = opposite(d);
  if (deadEndToward(s.board->nodes[next.index], nextBack)) return;
  appendStep(s, from.index, d);
  searchFrom(s, nextBack, next, None);
}

// The steering order: towards the target first, the way away from it last,
// with one draw to pick between the two directions across.
void steer(Search& s, int back, const Place& from) {
  if (from.row == s.targetRow) {
    const Direction toward = from.index < s.target ? Right : Left;
    tryStep(s, toward, back, from);
    const int draw = game::drawRandom() % 2;
    const Direction across = (toward == Right) == (draw == 0) ? Up : Down;
    tryStep(s, across, back, from);
    tryStep(s, opposite(across), back, from);
    tryStep(s, opposite(toward), back, from);
    return;
  }

  const int draw = game::drawRandom() % 2;
  const Direction vertical = from.row < s.targetRow ? Down : Up;
  if (draw == 1) {
    const Direction horizontal = from.column <= s.targetColumn ? Right : Left;
    tryStep(s, vertical, back, from);
    tryStep(s, horizontal, back, from);
    tryStep(s, opposite(horizontal), back, from);
    tryStep(s, opposite(vertical), back, from);
  } else {
    const Direction horizontal = from.column < s.targetColumn ? Right : Left;
    tryStep(s, horizontal, back, from);
    tryStep(s, vertical, back, from);
    tryStep(s, opposite(vertical), back, from);
    tryStep(s, opposite(horizontal), back, from);
  }
}

void searchFrom(Search& s, int back, const Place& from, Direction firstDirection) {
  if (from.index == s.target) {
    s.reachedLength = s.length;
    targetFound_ = 1;
    return;
  }
  if (stepCount(s) > s.budget) return;
  if (firstDirection != None) tryStep(s, firstDirection, back, from);
  if (back != kNoBackDirection &&
      deadEndToward(s.board->nodes[from.index], static_cast<Direction>(back))) {
    return;
  }
  steer(s, back, from);
}

// A registered trail holding the given steps, in one block of records whose
// every field is written here.
Trail* makeTrail(const Board& board, const Step* steps, int count) {
  Trail* trail = allocateTrail();
  registerTrail(trail);
  trail->stepCount = count;
  if (count == 0) return trail;
  TrailStep* records = allocateTrailSteps(count);
  for (int i = 0; i < count; ++i) {
    records[i].node = &board.nodes[steps[i].node];
    records[i].direction = steps[i].direction;
    records[i].next = i + 1 < count ? &records[i + 1] : nullptr;
  }
  trail->firstStep = records;
  return trail;
}

// Of each run of consecutive steps that leave the same node only the last is
// kept: the attempts that came back to that node without getting anywhere.
int compactSteps(Step* steps, int length) {
  int kept = 0;
  for (int i = 0; i < length; ++i) {
    if (i + 1 < length && steps[i + 1].node == steps[i].node) continue;
    steps[kept++] = steps[i];
  }
  return kept;
}

}  // namespace

int searchSide() { return searchSide_; }
void setSearchSide(int value) { searchSide_ = value; }

int forbidReversal() { return forbidReversal_; }
void setForbidReversal(int value) { forbidReversal_ = value; }

int targetFound() { return targetFound_; }
void setTargetFound(int value) { targetFound_ = value; }

int isDeadEndToward(const Board& board, int index, Direction d) {
  return deadEndToward(board.nodes[index], d) ? 1 : 0;
}

Trail* trailSearch(Direction backDirection, int from, int target, const Trail* previous,
                   const Board& board, Direction firstDirection) {
  const int n = game::nodeCount();
  const int continued = previous != nullptr ? previous->stepCount : 0;
  const std::size_t room = static_cast<std::size_t>(continued + kStepsPerNode * board.nodeCount);
  if (scratchSteps.size() < room) scratchSteps.resize(room);
  Search s{};
  s.board = &board;
  s.columns = board.columns;
  s.target = target;
  s.targetRow = target / board.columns;
  s.targetColumn = target % board.columns;
  s.excluded = searchSide_ == 2 ? n - 1 : 0;
  s.budget = n / 3;
  s.fresh = previous == nullptr;
  s.steps = scratchSteps.data();
  s.room = static_cast<int>(room);
  s.length = 0;
  s.reachedLength = -1;
  startVisitedTable(board.nodeCount);

  if (previous != nullptr) {
    for (const TrailStep* step = previous->firstStep; step != nullptr; step = step->next) {
      appendStep(s, step->node->index, step->direction);
    }
  }

  const int back = forbidReversal_ == 1 ? backDirection : kNoBackDirection;
  searchFrom(s, back, Place{from, from / board.columns, from % board.columns}, firstDirection);

  if (s.reachedLength >= 0) {
    return makeTrail(board, s.steps, compactSteps(s.steps, s.reachedLength));
  }
  if (stepCount(s) <= 0) return nullptr;
  return makeTrail(board, s.steps, s.length);
}

}  // namespace board
