// The rows of `velmora-sim --csv`, one per match, as its writer and its
// readers (the statistics tool) both see them: the columns in order and the
// words that stand in them.
#pragma once

namespace game {

constexpr const char* kMatchCsvHeader =
    "match,nodes,grid,squad_piramides,squad_esferas,stance_piramides,stance_esferas,"
    "opening,winner,turns,alive_piramides,alive_esferas,name";

enum MatchCsvColumn : int {
  kCsvMatch,
  kCsvNodes,
  kCsvGrid,
  kCsvSquadPiramides,
  kCsvSquadEsferas,
  kCsvStancePiramides,
  kCsvStanceEsferas,
  kCsvOpening,
  kCsvWinner,
  kCsvTurns,
  kCsvAlivePiramides,
  kCsvAliveEsferas,
  kCsvName,  // the match's name (game/match_name.h): velmora-sim --match plays it again
  kCsvColumnCount,
};

// By armies::Side, with 0 for no side: the winner of an undecided match.
constexpr const char* kCsvSideNames[] = {"undecided", "piramides", "esferas"};

// By armies::Stance.
constexpr const char* kCsvStanceNames[] = {"defensa", "medio", "ataque"};

}  // namespace game
