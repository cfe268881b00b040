// The random passages of a fresh board: each node, in index order, opens one
// or two new passages (a checkerboard of quotas) in directions drawn at random
// among those still available.
#include "board/board_local.h"
#include "state/random.h"

namespace board {

namespace {

void openPassage(Board& board, int from, Direction d) {
  Node& a = board.nodes[from];
  Node& b = board.nodes[neighbourIndex(from, d, board.columns)];
  switch (d) {
    case Left:
      a.left = &b;
      b.right = &a;
      break;
    case Right:
      a.right = &b;
      b.left = &a;
      break;
    case Up:
      a.up = &b;
      b.down = &a;
      break;
    case Down:
      a.down = &b;
      b.up = &a;
      break;
    case None:
      break;
  }
}

}  // namespace

void openNodePassages(Board& board, int i) {
  const int n = board.nodeCount;
  const int c = board.columns;
  const Node& node = board.nodes[i];
  // Indexed by the direction drawn: 0 left, 1 right, 2 up, 3 down. Links
  // opened towards this node by nodes visited earlier are not available.
  bool available[4] = {
      i % c != 0 && node.left == nullptr,
      (i + 1) % c != 0 && node.right == nullptr,
      i >= c && node.up == nullptr,
      i < n - c && node.down == nullptr,
  };
  int remaining = available[0] + available[1] + available[2] + available[3];
  const int quota = (i / c + i % c) % 2 == 0 ? 1 : 2;
  int opened = 0;
  while (remaining > 0 && opened < quota) {
    const int d = game::drawRandom() % 4;
    if (!available[d]) continue;
    available[d] = false;
    --remaining;
    ++opened;
    openPassage(board, i, static_cast<Direction>(d + 1));
  }
}

void openPassages(Board& board) {
  for (int i = 0; i < board.nodeCount; ++i) openNodePassages(board, i);
}

}  // namespace board
