// The seed the scene takes from the local clock at construction.
#pragma once

#include <windows.h>

#include <cstdint>

// year*65536 + month*256 + day + minute*65536 + minute + hour + second, in
// unsigned 32-bit arithmetic. The minute counts twice; kept as it always was,
// so that a start at a given time plays the same walk as it always did.
uint32_t ClockSeed(const SYSTEMTIME& time);

// Where the scene reads the local time; GetLocalTime unless a test put a
// fixed clock here.
extern void (WINAPI* ReadLocalTime)(LPSYSTEMTIME);
