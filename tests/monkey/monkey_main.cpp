// velmora_monkey: the game built under AddressSanitizer and UBSan, on a
// private Xorg, driven by seeded random real input for MONKEY_SECONDS
// (default 120), then ended with Esc. MONKEY_SEED=S replays the moves of a
// run (the game draws its own boards from the clock).
//
// It fails on a sanitizer error, a crash, an exit other than by Esc with
// status 0, a leak of ours, and a screen that stops changing while a match
// runs: every kMovesPerCheck moves, with nothing held, F1 starts a match, 1
// shows it from above, and Enter keeps it going; the picture must change
// within kStillLimitMs. Exits 0 on a pass, 1 on a failure, 77 when Xorg
// cannot be started here.
#include <dirent.h>
#include <glob.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <random>
#include <string>
#include <vector>

#include "game/game_screen.h"
#include "monkey/monkey_moves.h"
#include "monkey/sanitizer_report.h"
#include "support/processes.h"
#include "support/rgb_image.h"
#include "support/screenshot.h"
#include "support/x_session.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kMovesPerCheck = 30;
constexpr int kStillLimitMs = 30000;
constexpr int kStartLimitMs = 60000;
// Esc, then LeakSanitizer's scan of the whole heap.
constexpr int kExitLimitMs = 60000;
constexpr std::size_t kMovesRecalled = 12;

int elapsedMs(Clock::time_point since) {
  return static_cast<int>(
      std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - since).count());
}

std::uint64_t seedFromEnvironment() {
  const char* given = std::getenv("MONKEY_SEED");
  if (given != nullptr && *given != '\0') return std::strtoull(given, nullptr, 10);
  std::random_device device;
  return device() % 1000000000u;
}

int secondsFromEnvironment() {
  const char* given = std::getenv("MONKEY_SECONDS");
  const int seconds = given != nullptr ? std::atoi(given) : 0;
  return seconds > 0 ? seconds : 120;
}

class Monkey {
 public:
  Monkey(std::string display, std::uint64_t seed, int seconds)
      : display_(std::move(display)), seed_(seed), seconds_(seconds), random_(seed) {}

  // Plays, ends the game and judges; true on a pass.
  bool run();

 private:
  // Says why the run fails, with the last moves (once) unless it is a
  // judgement made after the game ended.
  bool fail(const std::string& why, bool recallMoves = true);
  bool startGame();
  bool perform(const monkey::Move& move);
  bool xdotool(const std::vector<std::string>& arguments);
  bool shot(const char* name, xtest::RgbImage* image);
  bool matchKeepsMoving();
  void endHungGame();
  bool quitAndJudge();
  std::string sanitizerLog() const;

  const std::string display_;
  const std::uint64_t seed_;
  const int seconds_;
  monkey::Random random_;
  const std::string logDir_ = VELMORA_MONKEY_LOG_DIR;
  // The sanitizers' log files are this and the game's pid; its output is
  // this and .out, .err.
  const std::string logPrefix_ = logDir_ + "/game-" + std::to_string(getpid());
  pid_t game_ = -1;
  int moves_ = 0;
  int checks_ = 0;
  std::deque<std::string> recent_;
  bool recalled_ = false;  // the last moves are shown once
  std::vector<std::string> failures_;
};

bool Monkey::fail(const std::string& why, bool recallMoves) {
  failures_.push_back(why);
  std::printf("monkey: FAILURE: %s\n", why.c_str());
  if (recallMoves && !recalled_ && !recent_.empty()) {
    recalled_ = true;
    std::printf("monkey: the last moves before it:\n");
    for (const std::string& line : recent_) std::printf("  %s\n", line.c_str());
  }
  std::fflush(stdout);
  return false;
}

bool Monkey::xdotool(const std::vector<std::string>& arguments) {
  std::vector<std::string> argv = {"xdotool"};
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  std::string err;
  if (xtest::runProgram(argv, display_, nullptr, &err, 20000) == 0) return true;
  return fail("xdotool " + arguments[0] + " failed: " + err);
}

bool Monkey::shot(const char* name, xtest::RgbImage* image) {
  std::string why;
  if (xtest::takeScreenshot(display_, xtest::screenshotPath(std::string("monkey.") + name), image,
                            &why)) {
    return true;
  }
  return fail(std::string("no screenshot: ") + why);
}

bool Monkey::startGame() {
  // The sanitizers' options reach the game alone: the other programs the
  // monkey starts are not built with them.
  const std::string log = "log_path=" + logPrefix_;
  setenv("ASAN_OPTIONS",
         ("detect_leaks=1:halt_on_error=1:handle_abort=1:print_suppressions=1:" + log).c_str(), 1);
  setenv("UBSAN_OPTIONS", ("print_stacktrace=1:halt_on_error=1:" + log).c_str(), 1);
  setenv("LSAN_OPTIONS", "suppressions=" VELMORA_LSAN_SUPPRESSIONS ":print_suppressions=1", 1);
  game_ = xtest::spawnProgram({VELMORA_ASAN_GAME}, display_, logPrefix_ + ".out",
                              logPrefix_ + ".err", VELMORA_GAME_DIR);
  if (game_ <= 0) return fail("the game did not start");
  const Clock::time_point start = Clock::now();
  xtest::RgbImage screen;
  do {
    if (!xtest::stillRunning(game_)) return false;  // judged with its exit status
    if (!shot("entry", &screen)) return false;
    if (gametest::textPixels(screen, gametest::entryBand(0)) > 100) return true;
    xtest::pauseMs(250);
  } while (elapsedMs(start) < kStartLimitMs);
  return fail("no entry screen within " + std::to_string(kStartLimitMs / 1000) + " s");
}

bool Monkey::perform(const monkey::Move& move) {
  ++moves_;
  recent_.push_back(std::to_string(moves_) + " " + monkey::describe(move));
  if (recent_.size() > kMovesRecalled) recent_.pop_front();
  for (const monkey::Action& action : move.actions) {
    if (action.xdotool.empty()) {
      xtest::pauseMs(action.pauseMs);
    } else if (!xdotool(action.xdotool)) {
      return false;
    }
  }
  return true;
}

// F1 sets up a running match; from above (1) its pieces are all in sight,
// and Enter every 0.6 s lets each side play its turn in turn. A game that
// still draws and plays changes the picture well within the limit, even at
// 510 nodes and speed 1; the entry screen, a pause or a prompt cannot hold
// it still.
bool Monkey::matchKeepsMoving() {
  ++checks_;
  if (!xdotool({"key", "--delay", "150", "F1"})) return false;
  xtest::pauseMs(400);
  if (!xdotool({"key", "1"})) return false;
  xtest::pauseMs(800);
  xtest::RgbImage first;
  xtest::RgbImage now;
  if (!shot("check-first", &first)) return false;
  const Clock::time_point start = Clock::now();
  while (elapsedMs(start) < kStillLimitMs) {
    if (!xdotool({"key", "Return"})) return false;
    xtest::pauseMs(600);
    if (!shot("check-now", &now)) return false;
    if (xtest::differingFraction(first, now, 8) > 0) return true;
  }
  endHungGame();
  return fail("the screen stayed the same for " + std::to_string(kStillLimitMs / 1000) +
              " s while a match ran (check " + std::to_string(checks_) +
              "; screenshots monkey.check-*.png)");
}

// A hung game is asked for its stack (AddressSanitizer prints it on SIGABRT,
// into the log read after it) before it is ended.
void Monkey::endHungGame() {
  kill(game_, SIGABRT);
  xtest::waitWithin(game_, 20000, nullptr);
  game_ = -1;
}

// The log files, and the game's standard error: UBSan writes there,
// whatever its log_path says.
std::string Monkey::sanitizerLog() const {
  std::string text;
  const std::string prefix = "game-" + std::to_string(getpid()) + ".";
  if (DIR* dir = opendir(logDir_.c_str())) {
    while (const dirent* entry = readdir(dir)) {
      const std::string name = entry->d_name;
      if (name.rfind(prefix, 0) == 0) text += xtest::readFile(logDir_ + "/" + name);
    }
    closedir(dir);
  }
  return text;
}

bool Monkey::quitAndJudge() {
  bool clean = true;
  if (game_ > 0) {
    int status = 0;
    const bool beforeEsc = !xtest::stillRunning(game_);
    if (beforeEsc) {
      waitpid(game_, &status, 0);
    } else {
      xdotool({"key", "Escape"});
      if (!xtest::waitWithin(game_, kExitLimitMs, &status)) {
        clean =
            fail("Esc did not end the game within " + std::to_string(kExitLimitMs / 1000) + " s");
      }
    }
    game_ = -1;
    const std::string how = WIFSIGNALED(status)
                                ? "was killed by signal " + std::to_string(WTERMSIG(status))
                                : "exited with status " + std::to_string(WEXITSTATUS(status));
    if (beforeEsc) {
      clean = fail("the game " + how + " before Esc");
    } else if (clean && !(WIFEXITED(status) && WEXITSTATUS(status) == 0)) {
      clean = fail("after Esc the game " + how, false);
    }
  }
  const monkey::SanitizerReport report =
      monkey::readSanitizerLog(sanitizerLog(), {VELMORA_SOURCE_DIR "/src/", "velmora_asan"});
  for (const std::string& error : report.errors) {
    clean = fail("a sanitizer error:\n" + error);
  }
  std::printf(
      "monkey: leaks inside the graphics driver and X libraries (lsan.supp; not failures):\n");
  if (report.suppressed.empty()) std::printf("  none\n");
  for (const monkey::SuppressedLeak& s : report.suppressed) {
    std::printf("  %5d allocation(s) %9ld bytes  %s\n", s.count, s.bytes, s.pattern.c_str());
  }
  int ours = 0;
  for (const monkey::Leak& leak : report.leaks) {
    std::string stack;
    for (const std::string& frame : leak.frames) stack += "    " + frame + "\n";
    if (leak.ours) ++ours;
    clean =
        fail((leak.ours ? "a leak of ours: " : "a leak in a library lsan.supp does not list: ") +
                 leak.headline + "\n" + stack,
             false);
  }
  std::printf("monkey: leaks of ours: %d; leaks in unlisted libraries: %d\n", ours,
              static_cast<int>(report.leaks.size()) - ours);
  return clean;
}

bool Monkey::run() {
  mkdir(logDir_.c_str(), 0755);
  bool going = startGame();
  const Clock::time_point start = Clock::now();
  while (going && elapsedMs(start) < seconds_ * 1000) {
    going = perform(monkey::nextMove(random_)) && xtest::stillRunning(game_);
    if (going && moves_ % kMovesPerCheck == 0) going = matchKeepsMoving();
  }
  // A last check, since the game must still play when Esc comes.
  if (going) going = matchKeepsMoving();
  const bool clean = quitAndJudge() && going;
  std::printf("monkey: seed %llu, %d moves in %d s, %d checks of a running match: %s\n",
              static_cast<unsigned long long>(seed_), moves_, elapsedMs(start) / 1000, checks_,
              clean ? "PASS" : "FAIL");
  if (clean) {
    // Kept only when they tell of a failure.
    glob_t logs{};
    if (glob((logPrefix_ + ".*").c_str(), 0, nullptr, &logs) == 0) {
      for (std::size_t i = 0; i < logs.gl_pathc; ++i) unlink(logs.gl_pathv[i]);
    }
    globfree(&logs);
  }
  return clean;
}

}  // namespace

int main() {
  const std::uint64_t seed = seedFromEnvironment();
  const int seconds = secondsFromEnvironment();
  std::printf("monkey: seed %llu (MONKEY_SEED=%llu replays these moves), %d s\n",
              static_cast<unsigned long long>(seed), static_cast<unsigned long long>(seed),
              seconds);
  std::fflush(stdout);
  if (!xtest::haveProgram("xdotool") || !xtest::haveProgram("import")) {
    std::printf("monkey: xdotool or ImageMagick's import is missing; skipped\n");
    return 77;
  }
  xtest::HeadlessDisplay display;
  std::string why;
  switch (xtest::startXorg(&display, &why)) {
    case xtest::ServerStart::kStarted:
      break;
    case xtest::ServerStart::kSkipped:
      std::printf("monkey: skipped: %s\n", why.c_str());
      return 77;
    case xtest::ServerStart::kFailed:
      std::printf("monkey: no X server: %s\n", why.c_str());
      return 1;
  }
  const bool passed = Monkey(display.name, seed, seconds).run();
  xtest::stopXorg(&display);
  return passed ? 0 : 1;
}
