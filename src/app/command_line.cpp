// Values from the user's shell may hold anything, so an error line shows them
// escaped and cut short.
#include "app/command_line.h"

#include <cstdio>
#include <cstring>

#include "state/move_speeds.h"

namespace app {

namespace {

// A value longer than this is shown cut, with its length.
constexpr std::size_t kShownBytes = 40;

}  // namespace

const OptionRule kNodesRule{"--nodes", "120..510 in steps of 15"};
const OptionRule kSpeedRule{"--speed", "1, 2, 4, 8 or 16"};
const OptionRule kMatchRule{"--match",
                            "a match name, eight hex digits and P or E, as velmora-sim prints it"};

bool rejectValue(std::FILE* err, const char* program, const OptionRule& rule, const char* value) {
  if (value == nullptr) {
    std::fprintf(err, "%s: %s needs a value: %s\n", program, rule.name, rule.allowed);
  } else {
    std::fprintf(err, "%s: bad value %s for %s: allowed is %s\n", program,
                 quotedArgument(value).c_str(), rule.name, rule.allowed);
  }
  return false;
}

bool readNodes(const char* text, int* nodes) {
  unsigned long long v = 0;
  if (!parseNumber(text, 120, 510, v) || v % 15 != 0) return false;
  *nodes = static_cast<int>(v);
  return true;
}

bool readSpeed(const char* text, float* speed) {
  unsigned long long v = 0;
  if (!parseNumber(text, 1, 16, v) || !game::isMoveSpeed(static_cast<float>(v))) return false;
  *speed = static_cast<float>(v);
  return true;
}

bool parseNumber(const char* text, unsigned long long low, unsigned long long high,
                 unsigned long long& value) {
  if (*text == '\0') return false;
  unsigned long long v = 0;
  for (const char* c = text; *c != '\0'; ++c) {
    if (*c < '0' || *c > '9') return false;
    v = v * 10 + static_cast<unsigned>(*c - '0');
    if (v > high) return false;
  }
  if (v < low) return false;
  value = v;
  return true;
}

std::string quotedArgument(const char* text) {
  const std::size_t length = std::strlen(text);
  std::string quoted = "\"";
  for (std::size_t i = 0; i < length && i < kShownBytes; ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c == '"' || c == '\\') {
      quoted += '\\';
      quoted += static_cast<char>(c);
    } else if (c == '\n') {
      quoted += "\\n";
    } else if (c == '\t') {
      quoted += "\\t";
    } else if (c < 0x20 || c >= 0x7f) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02x", c);
      quoted += hex;
    } else {
      quoted += static_cast<char>(c);
    }
  }
  quoted += '"';
  if (length > kShownBytes) quoted += "... (" + std::to_string(length) + " bytes)";
  return quoted;
}

}  // namespace app
