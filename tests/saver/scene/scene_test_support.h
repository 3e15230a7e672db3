// Helpers shared by the scene's tests: a fixed local clock, and seeds that
// make the generator's next draw what a test needs.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>

#include "scene/clock_seed.h"
#include "scene/random.h"

// ReadLocalTime answers `time` while this object lives.
class FixedClock {
public:
  explicit FixedClock(const SYSTEMTIME& time) {
    Now = time;
    ReadLocalTime = &Answer;
  }
  ~FixedClock() { ReadLocalTime = ::GetLocalTime; }
  FixedClock(const FixedClock&) = delete;
  FixedClock& operator=(const FixedClock&) = delete;

  static SYSTEMTIME At(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second) {
    SYSTEMTIME time{};
    time.wYear = year;
    time.wMonth = month;
    time.wDay = day;
    time.wHour = hour;
    time.wMinute = minute;
    time.wSecond = second;
    return time;
  }

private:
  static void WINAPI Answer(LPSYSTEMTIME time) { *time = Now; }
  static inline SYSTEMTIME Now{};
};

// A seed after which RandomNext() first gives a value that `wanted` accepts.
inline uint32_t SeedWhoseNextDraw(const std::function<bool(int32_t)>& wanted) {
  for (uint32_t seed = 1;; ++seed) {
    RandomSeed(seed);
    if (wanted(RandomNext())) return seed;
  }
}

// The draw that comes next, without disturbing the sequence for the caller:
// reseeds with `seed` and skips `skipped` draws first.
inline int32_t DrawAfter(uint32_t seed, int skipped) {
  RandomSeed(seed);
  for (int i = 0; i < skipped; ++i) RandomNext();
  return RandomNext();
}
