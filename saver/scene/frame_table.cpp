// The walker's 60 frames: a 44x44 grid of 29 columns in the sprite sheet.
#include "scene/make_rect.h"
#include "scene/snow.h"

namespace {

constexpr int32_t CellSize = 44;

// Row 0 faces smaller x; row 1 holds the twins facing larger x.
int32_t AdvanceOf(int32_t entry) {
  switch (entry) {
    case 0: case 1: return -4;
    case 2: case 3: case 11: case 12: case 17: case 18: case 19: return -8;
    case 29: case 30: return 4;
    case 31: case 32: case 40: case 41: case 46: case 47: case 48: return 8;
    default: return 0;
  }
}

}  // namespace

void Snow::InitFrameTable() {
  for (int32_t k = 0; k < FrameTableSize; ++k) {
    FrameTable[k].Advance = AdvanceOf(k);
    MakeRect(FrameTable[k].Source, CellSize * (k % TwinDistance), CellSize * (k / TwinDistance),
             CellSize, CellSize);
  }
}
