// Where the walker's feet rest: the screensaver's ground line, and the snow
// surface the panorama paints to meet it.
#pragma once

#include "scene/ground_line.h"

namespace ground {

inline constexpr int kFrameSize = 44;
inline constexpr int kFirstWalkerX = 76;
inline constexpr int kLastWalkerX = 1244;
inline constexpr int kWalkerStep = 4;
// The feet sit near the middle of the frame, not at its left edge.
inline constexpr int kFeetOffset = 22;

// The saver's ground line at world x (the frame's left edge): the screen y of
// the frame's bottom edge.
using ::GroundY;

// The frame's top row as the saver computes it.
int WalkerY(int walkerX);

// The first row of the foreground snow in panorama column x: the feet of a
// walker whose frame starts at x - kFeetOffset stand on it.
double SnowSurfaceY(double x);

}  // namespace ground
