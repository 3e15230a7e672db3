// A picture for people to check the art by: the sprite sheet enlarged over
// its grid, every animation as a strip, and the panorama with the ground
// line. Not shipped.
#pragma once

#include <vector>

#include "colour.h"
#include "rgba_image.h"

RgbaImage PaintReviewSheet(const std::vector<Rgb8>& panorama, const std::vector<Rgb8>& sheet);
