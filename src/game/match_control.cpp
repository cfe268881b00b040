// The match set-up and the other state changes the keys make.
#include "game/match_control.h"

#include "armies/armies.h"
#include "armies/sides.h"
#include "board/board.h"
#include "state/frontend.h"
#include "state/game_state.h"
#include "state/move_speeds.h"
#include "state/random.h"

namespace game {

namespace {

constexpr int kMinNodes = 120;
constexpr int kMaxNodes = 510;
constexpr int kNodeStep = 15;

// A named match waiting to be set up, the name of the last one set up, and
// their count.
struct NamedMatches {
  bool queued = false;
  MatchName next;
  MatchSetUp current;
  long long setUp = 0;
};
NamedMatches gMatches;

int& heldFlag(Arrow arrow) {
  switch (arrow) {
    case kArrowLeft:
      return game::arrowLeftHeld;
    case kArrowRight:
      return game::arrowRightHeld;
    case kArrowUp:
      return game::arrowUpHeld;
    case kArrowDown:
      break;
  }
  return game::arrowDownHeld;
}

}  // namespace

void queueNamedMatch(const MatchName& name) {
  gMatches.queued = true;
  gMatches.next = name;
}

MatchSetUp currentMatchSetUp() { return gMatches.current; }
long long matchesSetUp() { return gMatches.setUp; }

void startMatch() {
  // The other side opens each new match; a named match says which.
  if (gMatches.queued) {
    gMatches.queued = false;
    seedRandom(gMatches.next.randomState);
    setOpeningSide(armies::turnCodeOf(armies::enemyOf(gMatches.next.opening)));
  }
  const armies::Side opening = armies::enemyOf(armies::sideOfTurnCode(game::openingSide()));
  gMatches.current.name = MatchName{randomState(), opening};
  const long long boardsBefore = board::boardsMade();
  ++gMatches.setUp;

  game::setGamePhase(game::Playing);
  game::setMoveState(0);
  game::setMatchRunning(0);
  game::setPiecesShown(1);
  game::setCurrentPiece(nullptr);  // the old armies are about to go
  board::replaceBoard();
  game::setAwaitingEnter(0);
  while (board::checkBoard() != 1) board::replaceBoard();
  gMatches.current.boards = board::boardsMade() - boardsBefore;

  armies::placeArmies();
  armies::drawSquadSize(armies::Piramides);
  armies::buildSquadList(armies::Piramides, game::squadSizePiramides());
  armies::drawSquadSize(armies::Esferas);
  armies::buildSquadList(armies::Esferas, game::squadSizeEsferas());
  frontend::rebuildBoardScene();

  // The opening side's squad list ends at the first step of the driver, so
  // its first turn uses only its (empty) chase list.
  game::setSquadCursor(armies::squadSizeOf(opening) - 1);
  game::setTurnStage(0);
  game::setTurnSide(armies::turnCodeOf(opening));
  game::setOpeningSide(armies::turnCodeOf(opening));
  togglePause();
}

void returnToEntry() {
  game::setGamePhase(game::NodeEntry);
  game::setMoveState(0);
  game::setMatchRunning(0);
  game::setPiecesShown(0);
  game::setSquadCursor(-1);
  game::fieldOfView = 45.0f;
  frontend::restoreEntryView();
}

void togglePause() {
  if (game::awaitingEnter() == 0) game::setMatchRunning(game::matchRunning() == 1 ? 0 : 1);
}

bool pressEnter() {
  switch (game::gamePhase()) {
    case game::NodeEntry:
      startMatch();
      return true;
    case game::PiramidesWon:
    case game::EsferasWon:
      startMatch();
      break;
    case game::Playing:
      if (game::awaitingEnter() == 1) {
        armies::buildSquadList(armies::Piramides, game::squadSizePiramides());
        armies::buildSquadList(armies::Esferas, game::squadSizeEsferas());
        game::setTurnStage(0);
        game::setAwaitingEnter(0);
      }
      break;
  }
  return false;
}

void pressPlus() {
  if (game::gamePhase() == game::NodeEntry) {
    if (game::nodeCount() < kMaxNodes) game::setNodeCount(game::nodeCount() + kNodeStep);
  } else if (game::awaitingEnter() == 1) {
    game::setMoveSpeed(game::fasterSpeed(game::moveSpeed()));
  }
}

bool pressReturnToEntry() {
  if (game::gamePhase() == game::NodeEntry) return false;
  returnToEntry();
  return true;
}

bool viewKeysApply() { return game::gamePhase() != game::NodeEntry; }

void pressArrow(Arrow arrow) {
  if (game::viewMode() == game::FreeView) heldFlag(arrow) = 1;
}

void releaseArrow(Arrow arrow) { heldFlag(arrow) = 0; }

void pressMinus() {
  if (game::gamePhase() == game::NodeEntry) {
    if (game::nodeCount() > kMinNodes) game::setNodeCount(game::nodeCount() - kNodeStep);
  } else if (game::awaitingEnter() == 1) {
    game::setMoveSpeed(game::slowerSpeed(game::moveSpeed()));
  }
}

}  // namespace game
