// The one assertion of the code base: it guards what can only be a
// programming error, in every build, and stops the process loudly.
#pragma once

#include <cstdio>
#include <cstdlib>

#define VELMORA_CHECK(condition, message)                                               \
  do {                                                                                  \
    if (!(condition)) {                                                                 \
      std::fprintf(stderr, "%s:%d: internal error: %s\n", __FILE__, __LINE__, message); \
      std::abort();                                                                     \
    }                                                                                   \
  } while (0)
