// Which pieces act in a turn: the squad size drawn per side and match, the
// squad list (free and returning pieces nearest the goal first) and the
// chase list (chasing and returning pieces, nearest the goal first).
#include <algorithm>
#include <cmath>

#include "armies/armies.h"
#include "armies/sides.h"
#include "state/game_state.h"
#include "state/random.h"

namespace armies {

namespace {

// The distance of a piece's node from its side's goal, truncated to whole units.
int goalDistance(const Piece& p) {
  return static_cast<int>(pointDistance(nodePoint(goalNode(p.side)), nodePoint(p.node)));
}

// Fills `list` with the indices of the pieces that pass `eligible`, nearest
// the goal first (ties to the lower index), as many as fit; the rest stays -1.
// Taking the nearest remaining piece for each entry is a stable sort by
// distance, which this is.
template <typename Eligible>
void fillNearestFirst(std::vector<int>& list, const std::vector<Piece>& pieces, Eligible eligible) {
  std::vector<std::pair<int, int>> candidates;  // (goal distance, index)
  for (const Piece& p : pieces) {
    if (eligible(p)) candidates.emplace_back(goalDistance(p), p.index);
  }
  std::sort(candidates.begin(), candidates.end());
  const std::size_t filled = std::min(list.size(), candidates.size());
  for (std::size_t i = 0; i < filled; ++i) list[i] = candidates[i].second;
}

}  // namespace

Point3 makePoint(float x, float y, float z) { return Point3{x, y, z}; }

float pointDistance(const Point3& a, const Point3& b) {
  const float dx = a.x - b.x;
  const float dy = a.y - b.y;
  const float dz = a.z - b.z;
  return static_cast<float>(std::sqrt(static_cast<double>(dx * dx + dy * dy + dz * dz)));
}

Point3 nodePoint(int node) {
  const board::FloorPoint at = board::nodeFloorPoint(node, board::currentBoard()->columns);
  return makePoint(at.x, 0.0f, at.z);
}

int stanceSquadSize(Stance stance, int nodeCount) {
  const int n = nodeCount / 5;
  const int m = n / 3;
  const int sizes[] = {m, 2 * m, n};  // indexed by Stance
  return sizes[stance];
}

std::optional<Stance> stanceOfSquadSize(int squadSize, int nodeCount) {
  for (Stance stance : {Defensa, Medio, Ataque}) {
    if (stanceSquadSize(stance, nodeCount) == squadSize) return stance;
  }
  return std::nullopt;
}

void drawSquadSize(Side side) {
  const auto stance = static_cast<Stance>(game::drawRandom() % 3);
  setSquadSizeOf(side, stanceSquadSize(stance, game::nodeCount()));
}

void buildSquadList(Side side, int size) {
  std::vector<Piece>& pieces = army(side);
  for (Piece& p : pieces) p.inSquad = 0;
  std::vector<int>& list = squadListOf(side);
  list.assign(size, -1);
  fillNearestFirst(list, pieces, [](const Piece& p) {
    return p.alive == 1 && (p.state == Free || p.state == Returning);
  });
  for (int index : list) {
    if (index < 0) continue;
    pieces[index].inSquad = 1;
    pieces[index].state = Free;  // a returning piece drops its return
  }
}

void buildChaseList(Side side) {
  const std::vector<Piece>& pieces = army(side);
  const int count =
      static_cast<int>(std::count_if(pieces.begin(), pieces.end(), [](const Piece& p) {
        return p.state == Chasing || p.state == Returning;
      }));
  setChaseCountOf(side, count);
  std::vector<int>& list = chaseListOf(side);
  list.assign(count, -1);
  fillNearestFirst(list, pieces, [](const Piece& p) {
    return p.alive == 1 && p.inSquad == 0 && (p.state == Chasing || p.state == Returning);
  });
}

}  // namespace armies
