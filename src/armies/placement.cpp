// The four army arrays, the role cycle, and the placement of both armies for
// a new match: roles dealt at random, pieces set out in growing square shells
// around their home corner, the Esferas as the point mirror of the Piramides.
#include "armies/armies.h"
#include "state/game_state.h"
#include "state/random.h"

namespace armies {

std::vector<Piece> armyPiramides;
std::vector<Piece> armyEsferas;
std::vector<PieceAux> auxPiramides;
std::vector<PieceAux> auxEsferas;

namespace {

// Indexed by role: the role it beats, and the role that beats it.
constexpr PieceRole kBeaten[] = {Red, Green, Blue, Red};
constexpr PieceRole kCounter[] = {Red, Blue, Red, Green};

void placeSide(Side side, const std::vector<PieceRole>& roles) {
  board::Board& board = *board::currentBoard();
  const int columns = board.columns;
  const int n = static_cast<int>(roles.size());
  std::vector<Piece>& pieces = army(side);
  std::vector<PieceAux>& aux = auxOf(side);
  pieces.assign(n, Piece{});
  aux.assign(n, PieceAux{});
  for (int i = 0; i < n; ++i) {
    const GridCell cell = placementCell(i);
    const int offset = cell.row * columns + cell.column;
    const int v = side == Piramides ? offset : game::nodeCount() - 1 - offset;
    Piece& p = pieces[i];
    p.index = i;
    p.side = side;
    p.alive = 1;
    p.state = Free;
    p.node = v;
    p.postNode = v;
    p.role = roles[i];
    const board::FloorPoint at = board::nodeFloorPoint(v, columns);
    p.x = at.x;
    p.z = at.z;
    board.nodes[v].occupied = 1;
    board.nodes[v].occupant = &p;
  }
}

}  // namespace

PieceRole beatenRole(PieceRole role) { return kBeaten[role]; }
PieceRole counterRole(PieceRole role) { return kCounter[role]; }

std::vector<Piece>& army(Side side) { return side == Piramides ? armyPiramides : armyEsferas; }
std::vector<PieceAux>& auxOf(Side side) { return side == Piramides ? auxPiramides : auxEsferas; }
Side enemyOf(Side side) { return side == Piramides ? Esferas : Piramides; }

int homeCorner(Side side) { return side == Piramides ? 0 : game::nodeCount() - 1; }
int goalNode(Side side) { return homeCorner(enemyOf(side)); }

std::vector<PieceRole> dealRoles(int count) {
  std::vector<int> dealt(count, -1);
  const int perRole = count / 3;
  for (int role : {Red, Green}) {
    for (int k = 0; k < perRole; ++k) {
      int slot = game::drawRandom() % count;
      while (dealt[slot] != -1) slot = game::drawRandom() % count;
      dealt[slot] = role;
    }
  }
  std::vector<PieceRole> roles(count);
  for (int i = 0; i < count; ++i) {
    roles[i] = dealt[i] == -1 ? Blue : static_cast<PieceRole>(dealt[i]);
  }
  return roles;
}

GridCell placementCell(int i) {
  // Shell k holds the 2k + 1 cells whose larger coordinate is k and starts
  // with piece k * k - 1: first the diagonal cell, then pairs (k, j), (j, k).
  int k = 1;
  while ((k + 1) * (k + 1) - 1 <= i) ++k;
  const int position = i - (k * k - 1);
  if (position == 0) return {k, k};
  const int j = (position - 1) / 2;
  return (position - 1) % 2 == 0 ? GridCell{k, j} : GridCell{j, k};
}

void placeArmies() {
  const int n = game::nodeCount() / 5;
  placeSide(Piramides, dealRoles(n));
  placeSide(Esferas, dealRoles(n));
}

}  // namespace armies
