// One frame of the walker: how far it moves the walker, and its cell in the
// sprite sheet.
#pragma once

#include <windows.h>

#include <cstdint>

struct SpriteFrame {
  int32_t Advance;  // pixels added to WalkerX; negative towards smaller x
  RECT Source;      // 44x44 cell in SpriteSurface
};

constexpr int32_t FrameTableSize = 60;
// A frame of row 0 (facing smaller x) and its twin in row 1 are this far apart.
constexpr int32_t TwinDistance = 29;
