// The monkey's own parts, without a display: its moves must replay from a
// seed and leave nothing held, and its reading of the sanitizers' log must
// see every error and tell our leaks from the libraries'.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "monkey/monkey_moves.h"
#include "monkey/sanitizer_report.h"

namespace {

TEST(MonkeyMoves, ReplayFromTheSeedAndReleaseEverythingTheyPress) {
  monkey::Random a(42);
  monkey::Random b(42);
  monkey::Random other(43);
  int differing = 0;
  std::set<std::string> pressed;
  for (int n = 0; n < 3000; ++n) {
    const monkey::Move move = monkey::nextMove(a);
    ASSERT_EQ(monkey::describe(move), monkey::describe(monkey::nextMove(b))) << n;
    if (monkey::describe(move) != monkey::describe(monkey::nextMove(other))) ++differing;

    std::set<std::string> held;
    for (const monkey::Action& action : move.actions) {
      if (action.xdotool.empty()) {
        EXPECT_GE(action.pauseMs, 0);
        continue;
      }
      const std::string& command = action.xdotool[0];
      for (std::size_t i = 1; i < action.xdotool.size(); ++i) {
        // The driver ends the game with Esc itself, after judging it.
        EXPECT_NE(action.xdotool[i], "Escape") << monkey::describe(move);
        if (command == "key" && action.xdotool[i] != "--delay" &&
            action.xdotool[i - 1] != "--delay")
          pressed.insert(action.xdotool[i]);
      }
      const std::string what =
          (command.rfind("key", 0) == 0 ? "held key " : "held button ") + action.xdotool.back();
      if (command == "keydown" || command == "mousedown") {
        EXPECT_TRUE(held.insert(what).second) << "pressed twice: " << monkey::describe(move);
        pressed.insert(what);
      } else if (command == "keyup" || command == "mouseup") {
        EXPECT_EQ(held.erase(what), 1u) << "released unheld: " << monkey::describe(move);
      }
    }
    EXPECT_TRUE(held.empty()) << "left held: " << monkey::describe(move);
  }
  EXPECT_GT(differing, 2900);
  // Every key of the game, held arrows and both buttons come up.
  for (const char* key : {"Return", "plus", "minus", "F1", "F2", "F5", "1", "2", "3", "z", "x",
                          "held key Up", "held key Left", "held button 1", "held button 3"}) {
    EXPECT_EQ(pressed.count(key), 1u) << key;
  }
}

// The shapes below are those GCC 12's sanitizers write.
const std::vector<std::string> kOurs = {"/home/v/src/", "velmora_asan"};

TEST(SanitizerLog, EveryErrorIsSeenWithItsStack) {
  const std::string log =
      "/home/v/src/game/turn_driver.cpp:88:12: runtime error: signed integer overflow: "
      "2147483647 + 1 cannot be represented in type 'int'\n"
      "    #0 0x55d0 in game::advance() /home/v/src/game/turn_driver.cpp:88\n"
      "SUMMARY: UndefinedBehaviorSanitizer: undefined-behavior "
      "/home/v/src/game/turn_driver.cpp:88\n"
      "=================================================================\n"
      "==7==ERROR: AddressSanitizer: heap-buffer-overflow on address 0x6020 at pc 0x55d1\n"
      "READ of size 4 at 0x6020 thread T0\n"
      "    #0 0x55d1 in board::walk() /home/v/src/board/grid.cpp:40\n"
      "SUMMARY: AddressSanitizer: heap-buffer-overflow /home/v/src/board/grid.cpp:40 in walk\n"
      "AddressSanitizer:DEADLYSIGNAL\n"
      "=================================================================\n"
      "==7==ERROR: AddressSanitizer: SEGV on unknown address 0x000000000000\n"
      "    #0 0x55d2 in render::draw() /home/v/src/render/board_scene.cpp:12\n"
      "SUMMARY: AddressSanitizer: SEGV /home/v/src/render/board_scene.cpp:12 in draw\n";
  const monkey::SanitizerReport report = monkey::readSanitizerLog(log, kOurs);
  ASSERT_EQ(report.errors.size(), 3u);
  EXPECT_NE(report.errors[0].find("turn_driver.cpp:88"), std::string::npos);
  EXPECT_NE(report.errors[1].find("heap-buffer-overflow"), std::string::npos);
  EXPECT_NE(report.errors[1].find("grid.cpp:40"), std::string::npos);
  // The signal's announcement and its report are one error.
  EXPECT_NE(report.errors[2].find("DEADLYSIGNAL"), std::string::npos);
  EXPECT_NE(report.errors[2].find("board_scene.cpp:12"), std::string::npos);
  EXPECT_TRUE(report.leaks.empty());
}

TEST(SanitizerLog, LeaksAreOursOnlyWithAFrameOfOurCodeAndSuppressionsAreCounted) {
  const std::string log =
      "=================================================================\n"
      "==9==ERROR: LeakSanitizer: detected memory leaks\n"
      "\n"
      "Direct leak of 64 byte(s) in 1 object(s) allocated from:\n"
      "    #0 0x7f11 in operator new(unsigned long) "
      "../../../../src/libsanitizer/asan/asan_new_delete.cpp:95\n"
      "    #1 0x55d3 in board::replaceBoard() /home/v/src/board/grid.cpp:77\n"
      "\n"
      "Indirect leak of 4096 byte(s) in 2 object(s) allocated from:\n"
      "    #0 0x7f12 in __interceptor_calloc "
      "../../../../src/libsanitizer/asan/asan_malloc_linux.cpp:77\n"
      "    #1 0x7f13  (/usr/lib/x86_64-linux-gnu/libxcb.so.1+0x1234)\n"
      "\n"
      "Direct leak of 8 byte(s) in 1 object(s) allocated from:\n"
      "    #0 0x7f14 in malloc ../../../../src/libsanitizer/asan/asan_malloc_linux.cpp:69\n"
      "    #1 0x55d4  (/home/v/build/velmora_asan+0x9abc)\n"
      "\n"
      "-----------------------------------------------------\n"
      "Suppressions used:\n"
      "  count      bytes template\n"
      "      8    3147488 swrast_dri.so\n"
      "      1         72 libX11.so\n"
      "-----------------------------------------------------\n"
      "\n"
      "SUMMARY: AddressSanitizer: 4168 byte(s) leaked in 4 allocation(s).\n";
  const monkey::SanitizerReport report = monkey::readSanitizerLog(log, kOurs);
  EXPECT_TRUE(report.errors.empty());
  ASSERT_EQ(report.leaks.size(), 3u);
  EXPECT_TRUE(report.leaks[0].ours);
  EXPECT_EQ(report.leaks[0].frames.size(), 2u);
  EXPECT_EQ(report.leaks[0].headline, "Direct leak of 64 byte(s) in 1 object(s) allocated from:");
  // Our folder's name inside the sanitizer's own path does not make it ours.
  EXPECT_FALSE(report.leaks[1].ours);
  EXPECT_TRUE(report.leaks[2].ours);
  ASSERT_EQ(report.suppressed.size(), 2u);
  EXPECT_EQ(report.suppressed[0].count, 8);
  EXPECT_EQ(report.suppressed[0].bytes, 3147488);
  EXPECT_EQ(report.suppressed[0].pattern, "swrast_dri.so");
  EXPECT_EQ(report.suppressed[1].pattern, "libX11.so");
}

}  // namespace
