// Error diffusion of a full-colour picture onto the shared palette.
#pragma once

#include <cstdint>
#include <vector>

#include "palette.h"

struct IndexedPicture {
    int width = 0, height = 0;
    std::vector<std::uint8_t> indices;  // top row first
};

// Serpentine Floyd-Steinberg. Where `inside` is given, only its pixels are
// dithered and error never crosses into or out of them; the others take
// `outsideIndex`. `forbidden` is never chosen for a dithered pixel.
IndexedPicture Dither(const std::vector<Rgb8>& pixels, int width, int height, const Palette& palette,
                      const std::vector<bool>* inside, int outsideIndex, int forbidden);
