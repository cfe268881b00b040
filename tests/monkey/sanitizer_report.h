// What AddressSanitizer, UBSan and LeakSanitizer wrote to their log: errors,
// the leaks left after the suppressions, and the suppressions that matched.
// A leak counts as ours when a frame of its stack lies in our code.
#pragma once

#include <string>
#include <vector>

namespace monkey {

struct Leak {
  std::string headline;             // "Direct leak of 144 byte(s) in 2 object(s) allocated from:"
  std::vector<std::string> frames;  // "#0 0x... in malloc ...", one a frame
  bool ours = false;
};

struct SuppressedLeak {
  int count = 0;
  long bytes = 0;
  std::string pattern;  // the suppression's template, as in the file
};

struct SanitizerReport {
  std::vector<std::string> errors;  // each error's text up to its SUMMARY line
  std::vector<Leak> leaks;          // those the suppressions let through
  std::vector<SuppressedLeak> suppressed;
};

// Reads a sanitizer log. `ourMarks` are strings only a frame of our code
// holds (our source folder, the game's file name).
SanitizerReport readSanitizerLog(const std::string& text, const std::vector<std::string>& ourMarks);

}  // namespace monkey
