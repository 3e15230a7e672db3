#include "palette.h"

#include <algorithm>
#include <limits>
#include <set>
#include <tuple>

#include "median_cut.h"

namespace palette {
namespace {

bool IsFixed(const Rgb8& c) { return c == Rgb8{0, 0, 0} || c == Rgb8{255, 255, 255} || c == kKeyBlue; }

std::tuple<int, int, int> Key(const Rgb8& c) { return {c.r, c.g, c.b}; }

}  // namespace

Palette Build(const std::vector<Rgb8>& scene, const std::vector<Rgb8>& spritePixels) {
    Palette out{};
    out[kBlackIndex] = {0, 0, 0};
    out[kWhiteIndex] = {255, 255, 255};
    out[kKeyIndex] = kKeyBlue;
    int next = kKeyIndex + 1;

    std::set<std::tuple<int, int, int>> taken{Key(out[kBlackIndex]), Key(out[kWhiteIndex]),
                                             Key(out[kKeyIndex])};
    auto add = [&](Rgb8 c) {
        // The key must stay the only pure blue entry.
        if (c == kKeyBlue) c.b = 254;
        if (next >= kWhiteIndex || !taken.insert(Key(c)).second) return;
        out[next++] = c;
    };

    std::set<std::tuple<int, int, int>> spriteSet;
    std::vector<Rgb8> spriteColours;
    for (const Rgb8& p : spritePixels)
        if (!IsFixed(p) && spriteSet.insert(Key(p)).second) spriteColours.push_back(p);
    if (static_cast<int>(spriteColours.size()) <= kMaxSpriteColours) {
        for (const Rgb8& c : spriteColours) add(c);
    } else {
        for (const Colour& c : ReduceColours(Histogram(spritePixels), kMaxSpriteColours, 6)) add(ToRgb8(c));
    }

    const int sceneSlots = kWhiteIndex - next;
    for (const Colour& c : ReduceColours(Histogram(scene), sceneSlots, 8)) add(ToRgb8(c));
    // Slots left over (a scene with few colours) stay black.
    return out;
}

int Nearest(const Palette& palette, const Colour& colour, int forbidden) {
    int best = 0;
    float bestDistance = std::numeric_limits<float>::max();
    for (int i = 0; i < 256; ++i) {
        if (i == forbidden) continue;
        const float dr = colour.r - palette[i].r, dg = colour.g - palette[i].g, db = colour.b - palette[i].b;
        const float d = 2 * dr * dr + 4 * dg * dg + 3 * db * db;
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

}  // namespace palette
