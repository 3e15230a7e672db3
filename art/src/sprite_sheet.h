// The 1280x132 sheet: walker frames, flakes and logo on the colour key.
#pragma once

#include <vector>

#include "colour.h"

struct SpriteSheet {
    std::vector<Rgb8> pixels;  // kKeyBlue where nothing is painted
    std::vector<bool> painted;
};

SpriteSheet PaintSpriteSheet();
