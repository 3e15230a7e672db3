#include "ground_line.h"

#include <algorithm>
#include <cmath>

namespace ground {

int WalkerY(int walkerX) {
    return static_cast<int>(GroundY(static_cast<float>(walkerX))) - kFrameSize;
}

namespace {

// The frame bottom's row under feet at column x, as the saver places it.
double FeetRow(double x) {
    const double frameX = std::clamp(x - kFeetOffset, -300.0, 1599.0);
    return std::floor(GroundY(static_cast<float>(frameX)));
}

}  // namespace

double SnowSurfaceY(double x) {
    // Rounded over a few pixels so that the bends of the line look like
    // snow, not like folded paper; that moves the surface by under a pixel.
    // The boots sink one pixel into the snow.
    constexpr int kReach = 12;
    double sum = 0, weights = 0;
    for (int d = -kReach; d <= kReach; ++d) {
        const double w = kReach + 1 - std::abs(d);
        sum += w * FeetRow(x + d);
        weights += w;
    }
    return sum / weights - 1.0;
}

}  // namespace ground
