// The snowy ground under the walker: the screen y its feet stand on at world x.
#pragma once

// Evaluated exactly as the painted panorama was measured: single-precision
// breakpoints and flat heights, double-precision slopes and intercepts.
double GroundY(float x);
