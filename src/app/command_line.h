// What both programs' command lines share: the options both take and their
// allowed values, reading a whole number within a range, and the one line of
// error a bad value gets, with the value shown safely.
#pragma once

#include <cstdio>
#include <string>

namespace app {

// An option that takes a value, and the words its error line uses for what
// is allowed.
struct OptionRule {
  const char* name;
  const char* allowed;
};

extern const OptionRule kNodesRule;
extern const OptionRule kSpeedRule;
extern const OptionRule kMatchRule;

// Says on `err` that `value` (null: none given) will not do for the option,
// as "PROGRAM: bad value "V" for --nodes: allowed is ...", and returns false.
bool rejectValue(std::FILE* err, const char* program, const OptionRule& rule, const char* value);

// The values of the shared numeric options; false when the text is not one.
// (A match name is read by game::parseMatchName.)
bool readNodes(const char* text, int* nodes);
bool readSpeed(const char* text, float* speed);

// A whole decimal number, digits only, within [low, high].
bool parseNumber(const char* text, unsigned long long low, unsigned long long high,
                 unsigned long long& value);

// A command-line value as an error line may show it: in double quotes, with
// control characters, quotes and bytes outside ASCII escaped, and a long value
// cut, followed by its length.
std::string quotedArgument(const char* text);

}  // namespace app
