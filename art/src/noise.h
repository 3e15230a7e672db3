// Smooth one-dimensional noise for ridges and drifts, from a fixed seed.
#pragma once

#include <cstdint>
#include <vector>

class Noise1D {
public:
    Noise1D(std::uint64_t seed, int period = 512);
    // Smooth value noise in -1..1; `x` in lattice units.
    float At(float x) const;
    // Sum of octaves, each half as strong and twice as fine.
    float Fractal(float x, int octaves) const;

private:
    std::vector<float> values_;
};
