#include "icon.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "colour.h"
#include "shapes.h"

namespace {

constexpr float kPi = 3.14159265f;

// Six arms with two pairs of side branches, in units of the icon's size.
Shape Snowflake(Vec c, float r, float weight, bool branches) {
    std::vector<Shape> parts;
    for (int i = 0; i < 6; ++i) {
        const float a = i * kPi / 3 - kPi / 2;
        const Vec dir{std::cos(a), std::sin(a)};
        parts.push_back(Capsule(c, c + dir * r, weight));
        if (!branches) continue;
        for (float at : {0.45f, 0.72f}) {
            const Vec base = c + dir * (r * at);
            const float len = r * (at < 0.5f ? 0.3f : 0.22f);
            for (float side : {-1.0f, 1.0f}) {
                const Vec b = Rotate(dir, side * kPi / 3.2f);
                parts.push_back(Capsule(base, base + b * len, weight * 0.85f));
            }
        }
    }
    return [parts](Vec p) {
        float best = 1e9f;
        for (const Shape& s : parts) best = std::min(best, s(p));
        return best;
    };
}

}  // namespace

RgbaImage PaintIcon(int size) {
    const float s = float(size);
    // Small icons keep only the bold shapes.
    const bool small = size <= 16;
    const float pad = small ? 0.0f : s * 0.03f;
    const Shape tile = Rounded(Polygon({{pad + s * 0.16f, pad + s * 0.16f}, {s - pad - s * 0.16f, pad + s * 0.16f},
                                        {s - pad - s * 0.16f, s - pad - s * 0.16f}, {pad + s * 0.16f, s - pad - s * 0.16f}}),
                               s * 0.16f);
    const Vec moonC{s * 0.74f, s * 0.27f};
    const Shape moon = Subtract(Circle(moonC, s * 0.13f), Circle(moonC + Vec{s * 0.06f, -s * 0.045f}, s * 0.11f));
    const Shape flake = small ? Snowflake({7.5f, 7.5f}, 6.2f, 0.6f, false)
                              : Snowflake({s * 0.44f, s * 0.56f}, s * 0.30f, std::max(0.75f, s * 0.035f), true);
    const Shape drift = Circle({s * 0.5f, s * 1.55f}, s * 0.72f);

    RgbaImage out{size, size, std::vector<std::uint8_t>(static_cast<size_t>(size) * size * 4)};
    const int ss = 4;  // supersampling for smooth edges
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            float r = 0, g = 0, b = 0, a = 0;
            for (int sy = 0; sy < ss; ++sy)
                for (int sx = 0; sx < ss; ++sx) {
                    const Vec p{x + (sx + 0.5f) / ss, y + (sy + 0.5f) / ss};
                    if (tile(p) > 0) continue;
                    Colour c = Mix(Hex(0x1a2860), Hex(0x4a5aa8), p.y / s);
                    if (drift(p) <= 0) c = Hex(0xdfe8fb);
                    if (!small && moon(p) <= 0) c = Hex(0xfff2c8);
                    if (flake(p) <= 0) c = Hex(0xffffff);
                    else if (flake(p) <= std::max(0.6f, s * 0.02f)) c = Mix(c, Hex(0x10184a), 0.7f);
                    r += c.r;
                    g += c.g;
                    b += c.b;
                    a += 1;
                }
            auto* px = &out.rgba[(static_cast<size_t>(y) * size + x) * 4];
            if (a > 0) {
                px[0] = ToByte(r / a);
                px[1] = ToByte(g / a);
                px[2] = ToByte(b / a);
            }
            px[3] = ToByte(255 * a / (ss * ss));
        }
    return out;
}
