// The process-wide game variables and the values the process starts with.
#include "state/game_state.h"

#include <cstring>

namespace game {

namespace {

// The variables behind the getters and setters, by lifetime.
struct RunState {
  GamePhase gamePhase = NodeEntry;
  int nodeCount = 0;
  float moveSpeed = 1.0f;
  int openingSide = 1;
  ViewMode viewMode = NoPreset;
  int freeLookActive = 0;
  int zoomActive = 0;
  camera::Camera* currentCamera = nullptr;
};

struct MatchState {
  int matchRunning = 0;
  int awaitingEnter = 0;
  int turnSide = 1;
  int turnStage = 0;
  int squadCursor = -1;
  armies::Piece* currentPiece = nullptr;
  int moveState = -1;
  int moveDirection = -1;
  int squadSizePiramides = 0;
  int squadSizeEsferas = 0;
  int chaseCountPiramides = 0;
  int chaseCountEsferas = 0;
  int piecesShown = 0;
};

RunState run;
MatchState match;

}  // namespace

// ---- The whole run -----------------------------------------------------------

GamePhase gamePhase() { return run.gamePhase; }
void setGamePhase(GamePhase value) { run.gamePhase = value; }

int nodeCount() { return run.nodeCount; }
void setNodeCount(int value) { run.nodeCount = value; }

float moveSpeed() { return run.moveSpeed; }
void setMoveSpeed(float value) { run.moveSpeed = value; }

int openingSide() { return run.openingSide; }
void setOpeningSide(int value) { run.openingSide = value; }

ViewMode viewMode() { return run.viewMode; }
void setViewMode(ViewMode value) { run.viewMode = value; }

int freeLookActive() { return run.freeLookActive; }
void setFreeLookActive(int value) { run.freeLookActive = value; }

int zoomActive() { return run.zoomActive; }
void setZoomActive(int value) { run.zoomActive = value; }

camera::Camera* currentCamera() { return run.currentCamera; }
void setCurrentCamera(camera::Camera* value) { run.currentCamera = value; }

float fieldOfView = 45.0f;
int frameDelayMs = 0;
int quitting = 0;
int pointerCaptured = 0;
int pointerCentreX = -1;
int pointerCentreY = -1;
int arrowLeftHeld = 0;
int arrowRightHeld = 0;
int arrowUpHeld = 0;
int arrowDownHeld = 0;
char textBuffer[kTextBufferSize] = {};

// ---- The match being played ---------------------------------------------------

int matchRunning() { return match.matchRunning; }
void setMatchRunning(int value) { match.matchRunning = value; }

int awaitingEnter() { return match.awaitingEnter; }
void setAwaitingEnter(int value) { match.awaitingEnter = value; }

int turnSide() { return match.turnSide; }
void setTurnSide(int value) { match.turnSide = value; }

int turnStage() { return match.turnStage; }
void setTurnStage(int value) { match.turnStage = value; }

int squadCursor() { return match.squadCursor; }
void setSquadCursor(int value) { match.squadCursor = value; }

armies::Piece* currentPiece() { return match.currentPiece; }
void setCurrentPiece(armies::Piece* value) { match.currentPiece = value; }

int moveState() { return match.moveState; }
void setMoveState(int value) { match.moveState = value; }

int moveDirection() { return match.moveDirection; }
void setMoveDirection(int value) { match.moveDirection = value; }

int squadSizePiramides() { return match.squadSizePiramides; }
void setSquadSizePiramides(int value) { match.squadSizePiramides = value; }

int squadSizeEsferas() { return match.squadSizeEsferas; }
void setSquadSizeEsferas(int value) { match.squadSizeEsferas = value; }

int chaseCountPiramides() { return match.chaseCountPiramides; }
void setChaseCountPiramides(int value) { match.chaseCountPiramides = value; }

int chaseCountEsferas() { return match.chaseCountEsferas; }
void setChaseCountEsferas(int value) { match.chaseCountEsferas = value; }

int piecesShown() { return match.piecesShown; }
void setPiecesShown(int value) { match.piecesShown = value; }

std::vector<int> squadListPiramides;
std::vector<int> squadListEsferas;
std::vector<int> chaseListPiramides;
std::vector<int> chaseListEsferas;

// ---- Both --------------------------------------------------------------------

void resetGameState() {
  run = RunState{};
  match = MatchState{};
  fieldOfView = 45.0f;
  frameDelayMs = 0;
  quitting = 0;
  pointerCaptured = 0;
  pointerCentreX = pointerCentreY = -1;
  arrowLeftHeld = arrowRightHeld = arrowUpHeld = arrowDownHeld = 0;
  std::memset(textBuffer, 0, sizeof textBuffer);
  squadListPiramides.clear();
  squadListEsferas.clear();
  chaseListPiramides.clear();
  chaseListEsferas.clear();
}

}  // namespace game
