// The reference trail search: deliberately naive, so that it can be checked
// line by line against the rules it plays, and the fast search against it.
#include "literal_trail_search.h"

#include <cstdlib>

#include "state/game_state.h"
#include "state/random.h"

namespace literal {

namespace {

TrailRegistryCell* registryHead = nullptr;
// Only spares a walk to the end of the list on every registration; the list
// itself is the one the rules describe.
TrailRegistryCell* registryLast = nullptr;

// The four members of the tryStep family differ only in these constants.
struct StepFamily {
  board::Node* board::Node::*link;
  int rowStep;  // next = from + rowStep * columns + columnStep
  int columnStep;
  board::Direction back;
};

const StepFamily& familyOf(board::Direction d) {
  static const StepFamily kFamily[] = {
      {nullptr, 0, 0, board::None},               // None: never called
      {&board::Node::left, 0, -1, board::Right},  // Left
      {&board::Node::right, 0, +1, board::Left},  // Right
      {&board::Node::up, -1, 0, board::Down},     // Up
      {&board::Node::down, +1, 0, board::Up},     // Down
  };
  return kFamily[d];
}

int excludedNode() { return board::searchSide() == 2 ? game::nodeCount() - 1 : 0; }

Trail* newTrail() {
  Trail* trail = static_cast<Trail*>(std::calloc(1, sizeof(Trail)));
  registerTrail(trail);
  return trail;
}

// Appends a fresh step after `last` (or as the first step) and returns it.
TrailStep* appendStep(Trail* trail, TrailStep* last, const board::Node* node,
                      board::Direction direction) {
  TrailStep* step = static_cast<TrailStep*>(std::calloc(1, sizeof(TrailStep)));
  step->node = node;
  step->direction = direction;
  if (last == nullptr) {
    trail->firstStep = step;
  } else {
    last->next = step;
  }
  return step;
}

TrailStep* lastStepOf(Trail* trail) {
  TrailStep* last = trail->firstStep;
  while (last != nullptr && last->next != nullptr) last = last->next;
  return last;
}

bool leavesFrom(const Trail* trail, int index) {
  for (const TrailStep* s = trail->firstStep; s != nullptr; s = s->next) {
    if (s->node->index == index) return true;
  }
  return false;
}

// Of each run of steps leaving the same node only the last survives.
Trail* compactedCopy(const Trail* previous) {
  Trail* compacted = newTrail();
  TrailStep* last = nullptr;
  int copied = 0;
  const TrailStep* s = previous != nullptr ? previous->firstStep : nullptr;
  for (; s != nullptr; s = s->next) {
    if (s->next != nullptr && s->next->node->index == s->node->index) continue;
    last = appendStep(compacted, last, s->node, s->direction);
    ++copied;
  }
  compacted->stepCount = copied;
  return compacted;
}

// The four steering attempts. The draw falls after the first attempt when the
// target is in the same row and before any attempt otherwise, even when the
// target has been found meanwhile: the generator must advance the same way.
Trail* steer(int a, int from, int target, Trail* trail, const board::Board& board) {
  using board::Down;
  using board::Left;
  using board::Right;
  using board::Up;
  const int columns = board.columns;
  const int rf = from / columns, cf = from % columns;
  const int rt = target / columns, ct = target % columns;
  board::Direction order[4];
  if (rf == rt) {
    const board::Direction toward = from < target ? Right : Left;
    trail = tryStep(toward, a, from, target, trail, board);
    const int draw = game::drawRandom() % 2;
    if (toward == Right) {
      order[0] = draw == 0 ? Up : Down;
      order[1] = draw == 0 ? Down : Up;
      order[2] = Left;
    } else {
      order[0] = draw == 0 ? Down : Up;
      order[1] = draw == 0 ? Up : Down;
      order[2] = Right;
    }
    for (int i = 0; i < 3; ++i) trail = tryStep(order[i], a, from, target, trail, board);
    return trail;
  }
  const int draw = game::drawRandom() % 2;
  if (draw == 1) {
    const board::Direction first = rf < rt ? Down : Up;
    order[0] = first;
    order[1] = cf <= ct ? Right : Left;
    order[2] = cf <= ct ? Left : Right;
    order[3] = first == Down ? Up : Down;
  } else {
    const board::Direction first = cf < ct ? Right : Left;
    order[0] = first;
    order[1] = rf > rt ? Up : Down;
    order[2] = rf > rt ? Down : Up;
    order[3] = first == Right ? Left : Right;
  }
  for (int i = 0; i < 4; ++i) trail = tryStep(order[i], a, from, target, trail, board);
  return trail;
}

}  // namespace

int isDeadEndToward(const board::Board& board, int index, int d) {
  if (d < board::Left || d > board::Down) return 0;
  const board::Node& node = board.nodes[index];
  const int open = (node.left != nullptr) + (node.right != nullptr) + (node.up != nullptr) +
                   (node.down != nullptr);
  return open == 1 && node.*(familyOf(static_cast<board::Direction>(d)).link) != nullptr;
}

Trail* trailSearch(board::Direction backDirection, int from, int target, const Trail* previous,
                   const board::Board& board, board::Direction firstDirection) {
  const int a = board::forbidReversal() == 0 ? kNoDirection : static_cast<int>(backDirection);

  Trail* trail = newTrail();
  if (previous == nullptr) {
    trail->stepCount = -1;
  } else {
    TrailStep* last = nullptr;
    int copied = 0;
    for (const TrailStep* s = previous->firstStep; s != nullptr; s = s->next) {
      last = appendStep(trail, last, s->node, s->direction);
      ++copied;
    }
    trail->stepCount = copied;
  }

  if (from == target) {
    Trail* compacted = compactedCopy(previous);
    board::setTargetFound(1);
    return compacted;
  }

  if (trail->stepCount <= game::nodeCount() / 3) {
    if (firstDirection >= board::Left && firstDirection <= board::Down) {
      trail = tryStep(firstDirection, a, from, target, trail, board);
    }
    if (isDeadEndToward(board, from, a) == 0) trail = steer(a, from, target, trail, board);
  }
  return trail->stepCount > 0 ? trail : nullptr;
}

Trail* tryStep(board::Direction d, int a, int from, int target, Trail* trail,
               const board::Board& board) {
  const StepFamily& family = familyOf(d);
  const board::Node& here = board.nodes[from];
  if (here.*(family.link) == nullptr) return trail;
  if (board::targetFound() == 1) return trail;
  if (a == d) return trail;
  if (from == target) return trail;
  const int next = from + family.rowStep * board.columns + family.columnStep;
  if (isDeadEndToward(board, next, family.back) == 1) return trail;
  if (next == excludedNode()) return trail;
  if (leavesFrom(trail, next)) return trail;

  if (trail->stepCount == -1) trail->stepCount = 0;
  appendStep(trail, lastStepOf(trail), &here, d);
  trail->stepCount += 1;
  return trailSearch(family.back, next, target, trail, board, board::None);
}

void registerTrail(Trail* trail) {
  if (registryHead == nullptr) {
    registryHead = static_cast<TrailRegistryCell*>(std::calloc(1, sizeof(TrailRegistryCell)));
    registryLast = registryHead;
  }
  registryLast->trail = trail;
  registryLast->next = static_cast<TrailRegistryCell*>(std::calloc(1, sizeof(TrailRegistryCell)));
  registryLast = registryLast->next;
}

void releaseTrails() {
  TrailRegistryCell* cell = registryHead;
  while (cell != nullptr) {
    if (cell->trail != nullptr) {
      TrailStep* step = cell->trail->firstStep;
      while (step != nullptr) {
        TrailStep* following = step->next;
        std::free(step);
        step = following;
      }
      std::free(cell->trail);
    }
    TrailRegistryCell* following = cell->next;
    std::free(cell);
    cell = following;
  }
  registryHead = nullptr;
  registryLast = nullptr;
}

const TrailRegistryCell* trailRegistry() { return registryHead; }

int checkBoard(const board::Board& board) {
  board::setSearchSide(2);
  board::setForbidReversal(1);
  const int n = game::nodeCount();
  const board::Direction kFirst[] = {board::Up, board::Down, board::Left, board::Right};
  const Trail* previous = nullptr;
  for (board::Direction first : kFirst) {
    board::setTargetFound(0);
    previous = trailSearch(board::None, n - 1, 0, previous, board, first);
    if (board::targetFound() == 1) return 1;
  }
  return 0;
}

}  // namespace literal
