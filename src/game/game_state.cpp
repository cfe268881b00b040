// The process-wide game variables and their initial values.
#include "game/game_state.h"

#include <cstring>

namespace game {

namespace {

// The variables behind the getters and setters, with the values the process
// starts with.
struct Store {
  GamePhase gamePhase = NodeEntry;
  int nodeCount = 0;
  float moveSpeed = 1.0f;
  int matchRunning = 0;
  int awaitingEnter = 0;
  int turnSide = 1;
  int openingSide = 1;
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
  ViewMode viewMode = NoPreset;
  int freeLookActive = 0;
  int zoomActive = 0;
  camera::Camera* currentCamera = nullptr;
};

Store store;

}  // namespace

GamePhase gamePhase() { return store.gamePhase; }
void setGamePhase(GamePhase value) { store.gamePhase = value; }

int nodeCount() { return store.nodeCount; }
void setNodeCount(int value) { store.nodeCount = value; }

float moveSpeed() { return store.moveSpeed; }
void setMoveSpeed(float value) { store.moveSpeed = value; }

int matchRunning() { return store.matchRunning; }
void setMatchRunning(int value) { store.matchRunning = value; }

int awaitingEnter() { return store.awaitingEnter; }
void setAwaitingEnter(int value) { store.awaitingEnter = value; }

int turnSide() { return store.turnSide; }
void setTurnSide(int value) { store.turnSide = value; }

int openingSide() { return store.openingSide; }
void setOpeningSide(int value) { store.openingSide = value; }

int turnStage() { return store.turnStage; }
void setTurnStage(int value) { store.turnStage = value; }

int squadCursor() { return store.squadCursor; }
void setSquadCursor(int value) { store.squadCursor = value; }

armies::Piece* currentPiece() { return store.currentPiece; }
void setCurrentPiece(armies::Piece* value) { store.currentPiece = value; }

int moveState() { return store.moveState; }
void setMoveState(int value) { store.moveState = value; }

int moveDirection() { return store.moveDirection; }
void setMoveDirection(int value) { store.moveDirection = value; }

int squadSizePiramides() { return store.squadSizePiramides; }
void setSquadSizePiramides(int value) { store.squadSizePiramides = value; }

int squadSizeEsferas() { return store.squadSizeEsferas; }
void setSquadSizeEsferas(int value) { store.squadSizeEsferas = value; }

int chaseCountPiramides() { return store.chaseCountPiramides; }
void setChaseCountPiramides(int value) { store.chaseCountPiramides = value; }

int chaseCountEsferas() { return store.chaseCountEsferas; }
void setChaseCountEsferas(int value) { store.chaseCountEsferas = value; }

int piecesShown() { return store.piecesShown; }
void setPiecesShown(int value) { store.piecesShown = value; }

ViewMode viewMode() { return store.viewMode; }
void setViewMode(ViewMode value) { store.viewMode = value; }

int freeLookActive() { return store.freeLookActive; }
void setFreeLookActive(int value) { store.freeLookActive = value; }

int zoomActive() { return store.zoomActive; }
void setZoomActive(int value) { store.zoomActive = value; }

camera::Camera* currentCamera() { return store.currentCamera; }
void setCurrentCamera(camera::Camera* value) { store.currentCamera = value; }

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
std::vector<int> squadListPiramides;
std::vector<int> squadListEsferas;
std::vector<int> chaseListPiramides;
std::vector<int> chaseListEsferas;
char textBuffer[kTextBufferSize] = {};

void resetGameState() {
  store = Store{};
  fieldOfView = 45.0f;
  frameDelayMs = 0;
  quitting = 0;
  pointerCaptured = 0;
  pointerCentreX = pointerCentreY = -1;
  arrowLeftHeld = arrowRightHeld = arrowUpHeld = arrowDownHeld = 0;
  squadListPiramides.clear();
  squadListEsferas.clear();
  chaseListPiramides.clear();
  chaseListEsferas.clear();
  std::memset(textBuffer, 0, sizeof textBuffer);
}

}  // namespace game
