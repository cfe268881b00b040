// The process-wide game variables shared by every subsystem, grouped by how
// long they live: those of the whole run (phase, node count, speed, view,
// pointer, keys, camera, pacing) and those of the match being played (turn,
// cursor, lists, squad sizes, the piece in motion). Most have exactly one
// getter and one setter, plain reads and writes; the rest are read and
// written directly. The store holds no logic.
#pragma once

#include <vector>

namespace armies {
struct Piece;
}
namespace camera {
struct Camera;
}

namespace game {

enum GamePhase : int {
  NodeEntry = 0,     // entry screen: the user sets the node count
  Playing = 1,       // a match has been set up and is being played
  PiramidesWon = 2,  // a Piramides piece has stood on node nodeCount - 1
  EsferasWon = 3,    // an Esferas piece has stood on node 0
};

enum ViewMode : int {
  NoPreset = 0,
  TopView = 1,
  ObliqueView = 2,
  FreeView = 3,
};

// turnSide codes (the reverse of the Piece record's Side numbering); see
// armies/sides.h for the mapping.
constexpr int kTurnPiramides = 2;
constexpr int kTurnEsferas = 1;

// ==== The whole run =========================================================

GamePhase gamePhase();
void setGamePhase(GamePhase value);

int nodeCount();
void setNodeCount(int value);

float moveSpeed();
void setMoveSpeed(float value);

// The side that opened the most recent match, coded as turnSide; matches
// alternate.
int openingSide();
void setOpeningSide(int value);

ViewMode viewMode();
void setViewMode(ViewMode value);

int freeLookActive();
void setFreeLookActive(int value);

int zoomActive();
void setZoomActive(int value);

// The one camera, created at start-up; null before.
camera::Camera* currentCamera();
void setCurrentCamera(camera::Camera* value);

extern float fieldOfView;  // degrees, 5..45
extern int frameDelayMs;   // minimum wait of each frame after the scene pass
extern int quitting;       // set by Esc; a frame then only clears the screen
extern int pointerCaptured;
extern int pointerCentreX;
extern int pointerCentreY;
extern int arrowLeftHeld;
extern int arrowRightHeld;
extern int arrowUpHeld;
extern int arrowDownHeld;

// The overlay line being drawn: formatted here, then drawn from here.
constexpr int kTextBufferSize = 256;
extern char textBuffer[kTextBufferSize];

// ==== The match being played =================================================

int matchRunning();
void setMatchRunning(int value);

int awaitingEnter();
void setAwaitingEnter(int value);

int turnSide();
void setTurnSide(int value);

int turnStage();
void setTurnStage(int value);

int squadCursor();
void setSquadCursor(int value);

armies::Piece* currentPiece();
void setCurrentPiece(armies::Piece* value);

int moveState();
void setMoveState(int value);

int moveDirection();
void setMoveDirection(int value);

int squadSizePiramides();
void setSquadSizePiramides(int value);

int squadSizeEsferas();
void setSquadSizeEsferas(int value);

int chaseCountPiramides();
void setChaseCountPiramides(int value);

int chaseCountEsferas();
void setChaseCountEsferas(int value);

int piecesShown();
void setPiecesShown(int value);

// Squad and chase lists: piece indices into the side's army, -1 for an entry
// that holds no piece. Replaced as a whole whenever rebuilt.
extern std::vector<int> squadListPiramides;
extern std::vector<int> squadListEsferas;
extern std::vector<int> chaseListPiramides;
extern std::vector<int> chaseListEsferas;

// ==== Both ====================================================================

// Puts every variable back to the value the process starts with, so that a
// run of matches in one process starts as a fresh process would.
void resetGameState();

}  // namespace game
