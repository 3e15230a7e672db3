// Benchmark build only. Counts the scene's ticks and the flips that reached
// the screen, and times the first flip from the moment the window exists
// (the entry of InitDisplay), through the linker's --wrap. The figures go to
// the file named by GLIMMERFALL_BENCH_FILE (else "snow-bench.txt") at exit.
#include <windows.h>
#include <ddraw.h>

#include <cstdio>
#include <cstdlib>

class Snow;

extern "C" {
void __real__ZN4Snow4TickEv(Snow* scene);
HRESULT __real__Z9FlipPagesv();
int __real__Z11InitDisplayv();
}

namespace {

// 40 ticks of 25 ms: the first second, while the display settles.
constexpr long long SteadyAfterTicks = 40;

struct FrameCounts {
  long long ticks = 0;
  long long flipCalls = 0;
  long long flipsShown = 0;
  long long lastGivenUpTick = -1;  // tick number of the last frame not shown
  long long givenUpSteady = 0;     // frames not shown after the first second
  LARGE_INTEGER frequency{};
  LARGE_INTEGER windowReady{};
  LARGE_INTEGER displayReady{};
  LARGE_INTEGER firstFlip{};
  LARGE_INTEGER lastFlip{};

  FrameCounts() { QueryPerformanceFrequency(&frequency); }

  double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) const {
    if (from.QuadPart == 0 || to.QuadPart == 0) return -1;
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
  }

  ~FrameCounts() {
    const char* name = std::getenv("GLIMMERFALL_BENCH_FILE");
    FILE* out = std::fopen(name != nullptr ? name : "snow-bench.txt", "w");
    if (out == nullptr) return;
    std::fprintf(out, "ticks %lld\n", ticks);
    std::fprintf(out, "flip_calls %lld\n", flipCalls);
    std::fprintf(out, "flips_shown %lld\n", flipsShown);
    std::fprintf(out, "given_up %lld\n", ticks - flipsShown);
    std::fprintf(out, "given_up_steady %lld\n", givenUpSteady);
    std::fprintf(out, "last_given_up_tick %lld\n", lastGivenUpTick);
    std::fprintf(out, "init_display_ms %.3f\n", Milliseconds(windowReady, displayReady));
    std::fprintf(out, "first_flip_ms %.3f\n", Milliseconds(windowReady, firstFlip));
    std::fprintf(out, "flipping_ms %.3f\n", Milliseconds(firstFlip, lastFlip));
    std::fclose(out);
  }
};

FrameCounts counts;

}  // namespace

extern "C" int __wrap__Z11InitDisplayv() {
  QueryPerformanceCounter(&counts.windowReady);
  const int result = __real__Z11InitDisplayv();
  QueryPerformanceCounter(&counts.displayReady);
  return result;
}

extern "C" void __wrap__ZN4Snow4TickEv(Snow* scene) {
  const long long shownBefore = counts.flipsShown;
  ++counts.ticks;
  __real__ZN4Snow4TickEv(scene);
  if (counts.flipsShown == shownBefore) {
    counts.lastGivenUpTick = counts.ticks;
    if (counts.ticks > SteadyAfterTicks) ++counts.givenUpSteady;
  }
}

extern "C" HRESULT __wrap__Z9FlipPagesv() {
  ++counts.flipCalls;
  const HRESULT result = __real__Z9FlipPagesv();
  if (result == DD_OK) {
    ++counts.flipsShown;
    QueryPerformanceCounter(&counts.lastFlip);
    if (counts.firstFlip.QuadPart == 0) counts.firstFlip = counts.lastFlip;
  }
  return result;
}
