// One snowflake and the three kinds it can be.
#pragma once

#include <cstdint>

struct Flake {
  int32_t X;      // position in the 632-pixel band, -631..631
  int32_t Y;      // screen y of the image's top edge, 0..floor-1 after a move
  int32_t Kind;   // 1, 2 or 3; fixed for the flake's life
  int32_t Speed;  // pixels per frame downwards
};

constexpr int32_t FlakeCount = 180;
// Width of the band that the flakes' x repeats over.
constexpr int32_t FlakeBand = 632;

// The screen y past which a flake of this kind starts again at the top.
int32_t FlakeFloor(int32_t kind);
