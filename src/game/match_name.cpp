// Match names: the generator's state in lower-case hex, then the opener.
#include "game/match_name.h"

#include <cstdio>

namespace game {

namespace {

constexpr int kStateDigits = 8;

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::string formatMatchName(const MatchName& name) {
  char text[kStateDigits + 2];
  std::snprintf(text, sizeof text, "%08x%c", static_cast<unsigned>(name.randomState),
                name.opening == armies::Piramides ? 'P' : 'E');
  return text;
}

bool parseMatchName(const char* text, MatchName* name) {
  std::uint32_t state = 0;
  for (int i = 0; i < kStateDigits; ++i) {
    const int digit = hexValue(text[i]);
    if (digit < 0) return false;
    state = state << 4 | static_cast<std::uint32_t>(digit);
  }
  const char side = text[kStateDigits];
  if (text[kStateDigits + 1] != '\0') return false;
  if (side == 'P' || side == 'p') {
    name->opening = armies::Piramides;
  } else if (side == 'E' || side == 'e') {
    name->opening = armies::Esferas;
  } else {
    return false;
  }
  name->randomState = state;
  return true;
}

}  // namespace game
