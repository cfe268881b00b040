// Fights on a node and the chase bookkeeping: intruders near a home corner
// are given a chaser of the role that beats them, and chasers are called off
// when their intruder leaves the zone or dies.
#include "armies/armies.h"

namespace armies {

void resolveCombat(Piece& defender, Piece& attacker) {
  if (attacker.role == defender.role) return;  // no loser; the defender keeps the node
  Piece& winner = beatenRole(attacker.role) == defender.role ? attacker : defender;
  Piece& loser = &winner == &attacker ? defender : attacker;

  loser.alive = 0;
  board::Node& node = board::currentBoard()->nodes[attacker.node];
  node.occupant = &winner;
  node.occupied = 1;

  if (auxOf(loser.side)[loser.index].hunted == 1) releaseChasers(loser.side, loser.index);
  if (loser.state == Chasing && loser.target != nullptr) {
    auxOf(loser.target->side)[loser.target->index].hunted = 0;
  }
}

void updateIntrusion(int mode, Side side, int index) {
  PieceAux& aux = auxOf(side)[index];
  if (mode == kRaiseIntrusion) {
    if (aux.hunted == 0) assignChaser(side, index);
  } else if (aux.hunted == 1) {
    aux.hunted = 0;
    releaseChasers(side, index);
  }
}

void assignChaser(Side side, int index) {
  Piece& intruder = army(side)[index];
  const PieceRole wanted = counterRole(intruder.role);
  const board::Board& board = *board::currentBoard();
  const Point3 at = nodePoint(intruder.node);

  Piece* best = nullptr;
  float bestDistance = 0;
  for (Piece& q : army(enemyOf(side))) {
    const bool suitable = q.inSquad == 0 && (q.state == Free || q.state == Returning) &&
                          q.role == wanted && board::openPassageCount(board.nodes[q.node]) > 0;
    if (!suitable) continue;
    const float distance = pointDistance(at, nodePoint(q.node));
    if (best == nullptr || distance < bestDistance) {
      best = &q;
      bestDistance = distance;
    }
  }
  if (best == nullptr) return;
  auxOf(side)[index].hunted = 1;
  best->state = Chasing;
  best->target = &intruder;
}

void releaseChasers(Side side, int index) {
  const Piece* intruder = &army(side)[index];
  for (Piece& q : army(enemyOf(side))) {
    if (q.target != intruder) continue;
    q.target = nullptr;
    q.state = Returning;
  }
}

}  // namespace armies
