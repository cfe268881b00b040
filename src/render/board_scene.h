// The static scene as five display lists: floor tiles, node and passage
// markers, inner walls and border rim, compiled from each match's board, and
// the backdrop square, compiled once. The marker list calls a sixth, the ring
// of every node but the two home corners, also compiled once. The scene pass
// only calls them, with the textures bound that each expects.
#pragma once

#include "board/board.h"

namespace render {

// Compiles floorList, markerList, wallList and rimList, in this order, from
// the board, nodeCount and both squad sizes; the lists keep no reference to
// the board. Each compile replaces the list its handle held.
void buildBoardScene(const board::Board& board);

// Compiles backdropList; once, at start-up, after the textures are loaded.
void buildBackdropList();

// Compiles ringDiskList with the shared quadric; once, at start-up, before
// the first buildBoardScene.
void buildRingDiskList();

// List names, 0 until first compiled.
unsigned int floorList();
void setFloorList(unsigned int list);
unsigned int markerList();
void setMarkerList(unsigned int list);
unsigned int wallList();
void setWallList(unsigned int list);
unsigned int rimList();
void setRimList(unsigned int list);
unsigned int backdropList();
void setBackdropList(unsigned int list);
unsigned int ringDiskList();
void setRingDiskList(unsigned int list);

}  // namespace render
