// Reading the sanitizers' log, line by line.
#include "monkey/sanitizer_report.h"

#include <sstream>

namespace monkey {

namespace {

bool has(const std::string& line, const char* what) { return line.find(what) != std::string::npos; }

bool isFrame(const std::string& line) {
  const std::size_t at = line.find_first_not_of(' ');
  return at != std::string::npos && line[at] == '#';
}

std::string trimmed(const std::string& line) {
  const std::size_t first = line.find_first_not_of(' ');
  return first == std::string::npos ? "" : line.substr(first);
}

// The start of an error report: ASan's and the others' "ERROR:" line (a
// leak report is read apart), UBSan's "runtime error:", and the line of a
// fatal signal.
bool startsError(const std::string& line) {
  if (has(line, "ERROR: LeakSanitizer")) return false;
  return (has(line, "Sanitizer") && (has(line, "ERROR:") || has(line, "DEADLYSIGNAL"))) ||
         has(line, "runtime error:");
}

bool isOurs(const Leak& leak, const std::vector<std::string>& ourMarks) {
  for (const std::string& frame : leak.frames) {
    for (const std::string& mark : ourMarks) {
      if (has(frame, mark.c_str())) return true;
    }
  }
  return false;
}

}  // namespace

SanitizerReport readSanitizerLog(const std::string& text,
                                 const std::vector<std::string>& ourMarks) {
  SanitizerReport report;
  enum { kNothing, kError, kLeak, kSuppressions } reading = kNothing;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    if (startsError(line)) {
      // A fatal signal's two lines come as one report.
      if (reading != kError || !has(report.errors.back(), "DEADLYSIGNAL")) {
        report.errors.emplace_back();
      }
      reading = kError;
    } else if (has(line, "leak of ") && has(line, "allocated from:")) {
      report.leaks.push_back(Leak{trimmed(line), {}, false});
      reading = kLeak;
      continue;
    } else if (has(line, "Suppressions used:")) {
      reading = kSuppressions;
      continue;
    }
    switch (reading) {
      case kError:
        report.errors.back() += line + "\n";
        if (has(line, "SUMMARY:")) reading = kNothing;
        break;
      case kLeak:
        if (isFrame(line)) {
          report.leaks.back().frames.push_back(trimmed(line));
        } else {
          reading = kNothing;
        }
        break;
      case kSuppressions: {
        SuppressedLeak s;
        std::istringstream fields(line);
        if (fields >> s.count >> s.bytes >> s.pattern) {
          report.suppressed.push_back(s);
        } else if (has(line, "---")) {
          reading = kNothing;
        }
        break;
      }
      case kNothing:
        break;
    }
  }
  for (Leak& leak : report.leaks) leak.ours = isOurs(leak, ourMarks);
  return report;
}

}  // namespace monkey
