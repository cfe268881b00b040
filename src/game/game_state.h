// The process-wide game variables shared by every subsystem: the phase, the
// node count, the pacing of the match, whose turn it is, the acting piece, the
// camera and pointer modes and the keyboard flags. Each variable of the first
// group has exactly one getter and one setter, plain reads and writes; the
// second group is read and written directly. The store holds no logic.
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

// turnSide codes (the reverse of the Piece record's Side numbering).
constexpr int kTurnPiramides = 2;
constexpr int kTurnEsferas = 1;

// ---- Variables with a getter and a setter ---------------------------------

GamePhase gamePhase();
void setGamePhase(GamePhase value);

int nodeCount();
void setNodeCount(int value);

float moveSpeed();
void setMoveSpeed(float value);

int matchRunning();
void setMatchRunning(int value);

int awaitingEnter();
void setAwaitingEnter(int value);

int turnSide();
void setTurnSide(int value);

int openingSide();
void setOpeningSide(int value);

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

ViewMode viewMode();
void setViewMode(ViewMode value);

int freeLookActive();
void setFreeLookActive(int value);

int zoomActive();
void setZoomActive(int value);

// The one camera, created at start-up; null before.
camera::Camera* currentCamera();
void setCurrentCamera(camera::Camera* value);

// ---- Variables read and written directly ----------------------------------

extern float fieldOfView;   // degrees, 5..45
extern int frameDelayMs;    // minimum wait of each frame after the scene pass
extern int quitting;        // set by Esc; a frame then only clears the screen
extern int pointerCaptured;
extern int pointerCentreX;
extern int pointerCentreY;
extern int arrowLeftHeld;
extern int arrowRightHeld;
extern int arrowUpHeld;
extern int arrowDownHeld;

// Squad and chase lists: piece indices into the side's army, -1 for an entry
// that holds no piece. Replaced as a whole whenever rebuilt.
extern std::vector<int> squadListPiramides;
extern std::vector<int> squadListEsferas;
extern std::vector<int> chaseListPiramides;
extern std::vector<int> chaseListEsferas;

// The overlay line being drawn: formatted here, then drawn from here.
constexpr int kTextBufferSize = 256;
extern char textBuffer[kTextBufferSize];

// Puts every variable back to the value the process starts with.
void resetGameState();

}  // namespace game
