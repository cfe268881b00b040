// velmora-sim's command line: the options, their allowed values, and the one
// line of error a bad one gets.
#pragma once

#include <cstdint>
#include <cstdio>

#include "game/simulator.h"

namespace app {

// The text --help prints.
extern const char* const kSimUsage;

// Reads the command line into `options`. On a bad or missing value writes one
// line to `err` saying what is wrong and what is allowed, and returns false.
// `defaultSeed` is taken when no --seed is given.
bool parseSimOptions(int argc, const char* const* argv, std::uint32_t defaultSeed,
                     game::SimOptions& options, std::FILE* err);

}  // namespace app
