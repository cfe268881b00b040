// The armies as the rest of the game sees them: the piece records and the
// role cycle, the four army arrays, placement, squad and chase lists, and the
// execution of moves with their fights and chase bookkeeping.
#pragma once

#include <optional>
#include <vector>

#include "board/board.h"

namespace armies {

enum Side : int {
  Piramides = 1,  // home corner node 0, goal node nodeCount - 1
  Esferas = 2,    // home corner node nodeCount - 1, goal node 0
};

// Each role beats the next one in the cycle: Red beats Green, Green beats
// Blue, Blue beats Red.
enum PieceRole : int {
  Red = 1,
  Green = 2,
  Blue = 3,
};

enum PieceState : int {
  Free = 0,       // no chase task
  Chasing = 1,    // chases the enemy piece in `target`
  Returning = 2,  // chase called off; heads back to `postNode`
};

struct Piece {
  float x = 0;       // world position; 16 * column of `node` while standing
  float z = 0;       // likewise with the row
  int postNode = 0;  // where the piece was placed; a returning piece heads there
  int index = 0;     // position in its side's army array
  Side side = Piramides;
  PieceRole role = Red;
  int node = 0;  // the node it stands on (updated on arrival)
  int alive = 0;
  // Leads back to the node it came from.
  board::Direction backDirection = board::None;
  int inSquad = 0;  // 1 while on its side's current squad list
  PieceState state = Free;
  Piece* target = nullptr;  // the chased enemy, while Chasing
};

struct PieceAux {
  int hunted = 0;  // 1 while an enemy piece has been sent to chase this one
};

// ---- Role cycle ----------------------------------------------------------------

// The role that `role` beats, and the role that beats it (its counter role).
PieceRole beatenRole(PieceRole role);
PieceRole counterRole(PieceRole role);

// ---- Army storage: replaced as a whole by each placeArmies -------------------

extern std::vector<Piece> armyPiramides;
extern std::vector<Piece> armyEsferas;
extern std::vector<PieceAux> auxPiramides;
extern std::vector<PieceAux> auxEsferas;

std::vector<Piece>& army(Side side);
std::vector<PieceAux>& auxOf(Side side);
Side enemyOf(Side side);

// Node 0 for the Piramides, nodeCount - 1 for the Esferas; each side's home
// corner is the other side's goal.
int homeCorner(Side side);
int goalNode(Side side);

// ---- Placement -------------------------------------------------------------------

struct GridCell {
  int row = 0;
  int column = 0;
};

// Builds both armies for a new match on the current board: nodeCount / 5
// pieces per side, nodeCount / 15 of each role dealt at random, set out in
// square shells around the home corner.
void placeArmies();
std::vector<PieceRole> dealRoles(int count);
GridCell placementCell(int i);

// ---- Squads and chase lists --------------------------------------------------

struct Point3 {
  float x = 0;
  float y = 0;
  float z = 0;
};

Point3 makePoint(float x, float y, float z);
float pointDistance(const Point3& a, const Point3& b);
Point3 nodePoint(int node);

// The three squad sizes a side can draw for a match, in the order of the
// draw: m, 2m or n pieces (n = nodeCount / 5, m = n / 3). The stance is not
// stored; it is told from the squad size.
enum Stance : int {
  Defensa = 0,
  Medio = 1,
  Ataque = 2,
};

int stanceSquadSize(Stance stance, int nodeCount);

// The stance a squad size stands for, or none for a size no stance has.
std::optional<Stance> stanceOfSquadSize(int squadSize, int nodeCount);

void drawSquadSize(Side side);
void buildSquadList(Side side, int size);
void buildChaseList(Side side);

// ---- Movement and combat -----------------------------------------------------

// One movement step of `piece` in direction d (1..4): 1 while between nodes,
// -1 on the step that lands on the next node (which also sets moveState -1).
int movementStep(board::Direction d, Piece& piece);
void resolveCombat(Piece& defender, Piece& attacker);

constexpr int kClearIntrusion = -1;
constexpr int kRaiseIntrusion = 0;
void updateIntrusion(int mode, Side side, int index);
void assignChaser(Side side, int index);
void releaseChasers(Side side, int index);

// Sum of row and column differences between two nodes of the current board.
int gridDistance(int a, int b);

}  // namespace armies
