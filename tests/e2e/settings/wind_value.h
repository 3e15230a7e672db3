// The wind setting as this Wine prefix's registry holds it, read and written
// around the program under test.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

struct WindValue {
  bool present = false;
  DWORD type = REG_NONE;
  std::vector<BYTE> bytes;
  bool operator==(const WindValue& o) const { return present == o.present && type == o.type && bytes == o.bytes; }
};

void ForgetWind();  // no key at all, as on a first run
void StoreWind(int32_t value);
void StoreWindRaw(DWORD type, const std::vector<BYTE>& bytes);
WindValue ReadWind();
// The stored REG_DWORD as a signed number; `found` tells whether there is one.
int32_t StoredWind(bool* found);

// The key stays readable but can no longer be opened for writing.
void DenyWindWrites();
void AllowWindWrites();
