// What both programs' command lines share: reading a whole number within a
// range, and showing a bad value safely in an error line.
#pragma once

#include <string>

namespace app {

// A whole decimal number, digits only, within [low, high].
bool parseNumber(const char* text, unsigned long long low, unsigned long long high,
                 unsigned long long& value);

// A command-line value as an error line may show it: in double quotes, with
// control characters, quotes and bytes outside ASCII escaped, and a long value
// cut, followed by its length.
std::string quotedArgument(const char* text);

}  // namespace app
