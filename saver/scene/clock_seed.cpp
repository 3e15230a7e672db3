#include "scene/clock_seed.h"

void (WINAPI* ReadLocalTime)(LPSYSTEMTIME) = ::GetLocalTime;

uint32_t ClockSeed(const SYSTEMTIME& time) {
  const uint32_t year = time.wYear, month = time.wMonth, day = time.wDay;
  const uint32_t hour = time.wHour, minute = time.wMinute, second = time.wSecond;
  return year * 65536u + month * 256u + day + minute * 65536u + minute + hour + second;
}
