#include "ground_line.h"

#include <algorithm>
#include <cmath>

namespace ground {

double GroundY(float x) {
    if (x < 134.0f) return 395.0f;
    if (x < 366.0f) return 0.19827 * x + 358.43103 + 10.0f;
    if (x < 512.0f) return 441.0f;
    return -0.12402 * x + 504.49869;
}

int WalkerY(int walkerX) {
    return static_cast<int>(GroundY(static_cast<float>(walkerX))) - kFrameSize;
}

double SnowSurfaceY(double x) {
    // Outside the walker's range the line is carried on flat so that the
    // snow does not jump at the panorama's ends.
    const double frameX = std::clamp(x - kFeetOffset, -300.0, 1599.0);
    // The boots sink one pixel into the snow: the bottom row of the frame
    // lies on the surface rather than above it.
    return std::floor(GroundY(static_cast<float>(frameX))) - 1.0;
}

}  // namespace ground
