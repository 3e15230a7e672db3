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

class Noise2D {
public:
    explicit Noise2D(std::uint64_t seed);
    // Smooth value noise in -1..1 on a lattice of unit spacing.
    float At(float x, float y) const;
    float Fractal(float x, float y, int octaves) const;

private:
    float Lattice(int x, int y) const;
    std::vector<float> values_;  // 256 x 256, wrapping
};
