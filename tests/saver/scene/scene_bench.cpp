// Times the scene's own work per frame on surfaces that do nothing, and
// shows that a running scene allocates nothing.
//   scene_bench [ticks]
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "allocation_counter.h"
#include "page_surface.h"
#include "scene/snow.h"

namespace {

double Now() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

template <typename Work>
void Measure(const char* name, long ticks, Work work) {
  const int64_t allocationsBefore = AllocationCount();
  const double start = Now();
  for (long i = 0; i < ticks; ++i) work();
  const double seconds = Now() - start;
  const int64_t allocations = AllocationCount() - allocationsBefore;
  std::printf("%-28s %9.1f ns per tick  (%ld ticks, %lld allocations)\n", name, seconds * 1e9 / ticks, ticks,
              static_cast<long long>(allocations));
}

}  // namespace

int main(int argc, char** argv) {
  const long ticks = argc > 1 ? std::atol(argv[1]) : 1000000;
  PageDisplay display;

  const int64_t beforeScene = AllocationCount();
  Snow* snow = new Snow(3);
  std::printf("construction: %lld blocks (the scene and its 180 flakes)\n",
              static_cast<long long>(AllocationCount() - beforeScene));

  for (int i = 0; i < 10000; ++i) snow->Tick();  // warm up
  Measure("Tick (183 blits, one flip)", ticks, [&] { snow->Tick(); });
  Measure("UpdateWalker + MoveFlakes", ticks, [&] {
    snow->UpdateWalker();
    snow->MoveFlakes();
  });
  std::printf("blits refused by the page: %lld of %lld\n", static_cast<long long>(display.Back.RefusedBlits),
              static_cast<long long>(display.Back.Blits));

  const int64_t freedBefore = FreeCount();
  delete snow;
  std::printf("deletion: %lld blocks freed\n", static_cast<long long>(FreeCount() - freedBefore));
  return 0;
}
