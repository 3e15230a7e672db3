#include "noise.h"

#include <cmath>

#include "prng.h"

Noise1D::Noise1D(std::uint64_t seed, int period) : values_(period) {
    Prng rng(seed);
    for (float& v : values_) v = static_cast<float>(rng.Range(-1.0, 1.0));
}

float Noise1D::At(float x) const {
    const int n = static_cast<int>(values_.size());
    const float f = std::floor(x);
    const float t = x - f;
    const int i = ((static_cast<int>(f) % n) + n) % n;
    const float a = values_[i], b = values_[(i + 1) % n];
    const float s = t * t * (3 - 2 * t);
    return a + (b - a) * s;
}

float Noise1D::Fractal(float x, int octaves) const {
    float sum = 0, amp = 1, norm = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += amp * At(x + 17.3f * o);
        norm += amp;
        amp *= 0.5f;
        x *= 2.0f;
    }
    return sum / norm;
}

Noise2D::Noise2D(std::uint64_t seed) : values_(256 * 256) {
    Prng rng(seed);
    for (float& v : values_) v = static_cast<float>(rng.Range(-1.0, 1.0));
}

float Noise2D::Lattice(int x, int y) const { return values_[(y & 255) * 256 + (x & 255)]; }

float Noise2D::At(float x, float y) const {
    const float fx = std::floor(x), fy = std::floor(y);
    const int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
    float tx = x - fx, ty = y - fy;
    tx = tx * tx * (3 - 2 * tx);
    ty = ty * ty * (3 - 2 * ty);
    const float a = Lattice(ix, iy), b = Lattice(ix + 1, iy);
    const float c = Lattice(ix, iy + 1), d = Lattice(ix + 1, iy + 1);
    const float top = a + (b - a) * tx, bottom = c + (d - c) * tx;
    return top + (bottom - top) * ty;
}

float Noise2D::Fractal(float x, float y, int octaves) const {
    float sum = 0, amp = 1, norm = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += amp * At(x + 31.7f * o, y - 12.9f * o);
        norm += amp;
        amp *= 0.5f;
        x *= 2.0f;
        y *= 2.0f;
    }
    return sum / norm;
}
