// A measuring probe for the game's benchmark, loaded with LD_PRELOAD. It
// passes every glutSwapBuffers on to freeglut and writes to stderr the wall
// clock time of the first swap and, once a second, the frames swapped in
// that second. It changes nothing that is drawn.
//
// With VELMORA_PROBE_SPIN=1 it also makes nanosleep return at once, which
// turns the game's sleeping frame wait into the plain busy wait it replaced,
// so that both can be measured on the same build.
#include <dlfcn.h>
#include <time.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

double now(clockid_t clock) {
  timespec t{};
  clock_gettime(clock, &t);
  return static_cast<double>(t.tv_sec) + t.tv_nsec / 1e9;
}

bool gFirstSeen = false;
double gSecondStart = 0;
long gFramesThisSecond = 0;

bool spinning() {
  static const bool spin = [] {
    const char* v = std::getenv("VELMORA_PROBE_SPIN");
    return v != nullptr && std::strcmp(v, "1") == 0;
  }();
  return spin;
}

}  // namespace

extern "C" void glutSwapBuffers() {
  using Swap = void (*)();
  static const Swap realSwap = reinterpret_cast<Swap>(dlsym(RTLD_NEXT, "glutSwapBuffers"));
  realSwap();
  const double t = now(CLOCK_MONOTONIC);
  if (!gFirstSeen) {
    gFirstSeen = true;
    gSecondStart = t;
    std::fprintf(stderr, "probe: first frame at %.3f\n", now(CLOCK_REALTIME));
    return;
  }
  ++gFramesThisSecond;
  if (t - gSecondStart >= 1.0) {
    std::fprintf(stderr, "probe: %.2f frames/s\n", gFramesThisSecond / (t - gSecondStart));
    gFramesThisSecond = 0;
    gSecondStart = t;
  }
}

extern "C" int nanosleep(const timespec* request, timespec* remaining) {
  using Sleep = int (*)(const timespec*, timespec*);
  static const Sleep realSleep = reinterpret_cast<Sleep>(dlsym(RTLD_NEXT, "nanosleep"));
  if (spinning()) return 0;
  return realSleep(request, remaining);
}
