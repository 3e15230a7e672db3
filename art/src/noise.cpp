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
