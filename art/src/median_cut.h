// Colour reduction: median cut over a weighted colour list, then k-means.
#pragma once

#include <vector>

#include "colour.h"

struct WeightedColour {
    Colour colour;
    double weight;
};

// Groups pixels with the same colour (by 6 bits per channel) into weighted
// averages.
std::vector<WeightedColour> Histogram(const std::vector<Rgb8>& pixels);

// At most `count` representative colours for the list, deterministic.
std::vector<Colour> ReduceColours(const std::vector<WeightedColour>& colours, int count,
                                  int refinementRounds);
