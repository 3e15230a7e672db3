// The wind strength, the only setting: HKEY_CURRENT_USER\Hoarvale, value
// "Wind Power", a REG_DWORD read as a signed 32-bit integer. Both programs
// use these two functions and nothing else to reach it.
#pragma once

#include <cstdint>

extern const char* const WindKeyName;    // "Hoarvale"
extern const char* const WindValueName;  // "Wind Power"

// The stored value; creates the key and a value of 0 where they are missing.
// Throws ERegistryException.
int32_t ReadWindPower();
// Stores the value (no range check), creating the key where it is missing.
// Throws ERegistryException.
void WriteWindPower(int32_t value);
