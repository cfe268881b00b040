// The name of a match: what it starts from, written in one short token. A
// match is fixed by the state of the random generator at the moment it is
// set up, the side that opens it (matches alternate) and its node count; the
// name holds the first two, and the node count stays an option of its own.
// The name of 0x0a1b2c3d opened by the Piramides is "0a1b2c3dP".
#pragma once

#include <cstdint>
#include <string>

#include "armies/armies.h"

namespace game {

struct MatchName {
  std::uint32_t randomState = 0;
  armies::Side opening = armies::Piramides;
};

// Eight hex digits and P (Piramides) or E (Esferas).
std::string formatMatchName(const MatchName& name);

// The reverse of formatMatchName; either case is read. False for anything
// else.
bool parseMatchName(const char* text, MatchName* name);

}  // namespace game
