// The per-frame store of search records. A search makes many small records
// that all die together at the end of the frame, so they come from chunks
// handed out in order and reset as a whole: no allocation per record, and
// nothing survives releaseTrails. The chunks themselves are kept for the next
// frame, so the store never grows beyond what one frame needs.
#include <algorithm>
#include <memory>
#include <vector>

#include "board/board_local.h"

namespace board {

namespace {

template <typename Record>
struct FrameArena {
  struct Chunk {
    std::unique_ptr<Record[]> records;
    std::size_t size = 0;
  };
  std::vector<Chunk> chunks;
  std::size_t chunk = 0;  // the chunk being handed out
  std::size_t used = 0;   // records of it handed out so far
};

constexpr std::size_t kChunkRecords = 4096;

// `count` records in one contiguous block, left as the last frame left them.
template <typename Record>
Record* allocateBlock(FrameArena<Record>& arena, std::size_t count) {
  while (arena.chunk < arena.chunks.size() && arena.used + count > arena.chunks[arena.chunk].size) {
    ++arena.chunk;
    arena.used = 0;
  }
  if (arena.chunk == arena.chunks.size()) {
    const std::size_t size = std::max(kChunkRecords, count);
    arena.chunks.push_back({std::make_unique<Record[]>(size), size});
    arena.used = 0;
  }
  Record* block = &arena.chunks[arena.chunk].records[arena.used];
  arena.used += count;
  return block;
}

template <typename Record>
void resetArena(FrameArena<Record>& arena) {
  arena.chunk = 0;
  arena.used = 0;
}

FrameArena<Trail> trails;
FrameArena<TrailStep> steps;
std::vector<Trail*> trailRegistry;

}  // namespace

Trail* allocateTrail() {
  Trail* trail = allocateBlock(trails, 1);
  *trail = Trail{};
  return trail;
}

TrailStep* allocateTrailSteps(int count) {
  return allocateBlock(steps, static_cast<std::size_t>(std::max(count, 1)));
}

void registerTrail(Trail* trail) { trailRegistry.push_back(trail); }

void releaseTrails() {
  trailRegistry.clear();
  resetArena(trails);
  resetArena(steps);
}

int registeredTrailCount() { return static_cast<int>(trailRegistry.size()); }

}  // namespace board
