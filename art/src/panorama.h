// The 1280x480 winter night behind the walker.
#pragma once

#include "canvas.h"

inline constexpr int kPanoramaWidth = 1280;
inline constexpr int kPanoramaHeight = 480;

Canvas PaintPanorama();
