#include "scene/ground_line.h"

double GroundY(float x) {
  // The product first, then the intercept, then the single-precision 10:
  // this order keeps WalkerY the same in every floating-point precision.
  if (x < 134.0f) return 395.0f;
  if (x < 366.0f) return 0.19827 * x + 358.43103 + 10.0f;
  if (x < 512.0f) return 441.0f;
  return -0.12402 * x + 504.49869;
}
