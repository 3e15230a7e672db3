// The one 256-colour palette that the panorama and the sprite sheet share
// (the saver's 8-bit mode takes it from the panorama file).
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "colour.h"

using Palette = std::array<Rgb8, 256>;

namespace palette {

// DirectDraw keeps black and white at these two entries in 8-bit mode.
inline constexpr int kBlackIndex = 0;
inline constexpr int kWhiteIndex = 255;
inline constexpr int kKeyIndex = 1;
// The sprites' colours are kept exactly, up to this many.
inline constexpr int kMaxSpriteColours = 96;

// Fixed entries first, then the sprites' own colours, then the scene's
// colours found by median cut refined with k-means.
Palette Build(const std::vector<Rgb8>& scene, const std::vector<Rgb8>& spritePixels);

// Index of the entry nearest to colour, never `forbidden` (-1: none).
int Nearest(const Palette& palette, const Colour& colour, int forbidden);

}  // namespace palette
