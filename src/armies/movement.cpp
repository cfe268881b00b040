// One-node moves carried out step by step: a piece slides by the move speed
// towards its neighbour and, on the step that lands exactly on it, takes the
// node, fights whoever holds it, and updates the chase bookkeeping.
#include "armies/armies.h"
#include "state/game_state.h"

namespace armies {

int gridDistance(int a, int b) {
  const int columns = board::currentBoard()->columns;
  const int rows = a / columns - b / columns;
  const int cols = a % columns - b % columns;
  return (rows < 0 ? -rows : rows) + (cols < 0 ? -cols : cols);
}

int movementStep(board::Direction d, Piece& p) {
  board::Board& board = *board::currentBoard();
  const int columns = board.columns;
  const float s = game::moveSpeed();
  const int t = board::neighbourIndex(p.node, d, columns);
  const board::FloorPoint next = board::nodeFloorPoint(t, columns);

  // The exact comparison is sound because every speed divides the spacing.
  bool arrived = false;
  switch (d) {
    case board::Left:
    case board::Right:
      p.x = d == board::Left ? p.x - s : p.x + s;
      arrived = p.x == next.x;
      break;
    case board::Up:
    case board::Down:
      p.z = d == board::Up ? p.z - s : p.z + s;
      arrived = p.z == next.z;
      break;
    case board::None:
      break;
  }
  if (!arrived) return 1;

  board::Node& departure = board.nodes[p.node];
  departure.occupant = nullptr;
  departure.occupied = 0;
  p.node = t;
  board::Node& arrival = board.nodes[t];
  if (arrival.occupied == 1 && arrival.occupant->side != p.side) {
    resolveCombat(*arrival.occupant, p);
  } else {
    arrival.occupant = &p;
    arrival.occupied = 1;
  }
  game::setMoveState(-1);

  if (p.state == Returning && t == p.postNode) p.state = Free;
  updateIntrusion(kClearIntrusion, p.side, p.index);
  const int zone = game::nodeCount() / 5 / 3;
  if (gridDistance(t, homeCorner(enemyOf(p.side))) < zone) {
    updateIntrusion(kRaiseIntrusion, p.side, p.index);
  }
  return -1;
}

}  // namespace armies
