#include "panorama.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "ground_line.h"
#include "noise.h"
#include "prng.h"
#include "soft_paint.h"

namespace {

constexpr int W = kPanoramaWidth, H = kPanoramaHeight;

// The logo is drawn over world x 410..1241, y 18..55 at some scroll.
bool UnderLogo(float x, float y) { return x > 400 && x < 1250 && y > 12 && y < 62; }

float Smooth(float t) {
    t = std::clamp(t, 0.0f, 1.0f);
    return t * t * (3 - 2 * t);
}

Colour Gradient(const std::vector<std::pair<float, Colour>>& stops, float y) {
    if (y <= stops.front().first) return stops.front().second;
    for (size_t i = 1; i < stops.size(); ++i)
        if (y <= stops[i].first) {
            const float t = (y - stops[i - 1].first) / (stops[i].first - stops[i - 1].first);
            return Mix(stops[i - 1].second, stops[i].second, Smooth(t));
        }
    return stops.back().second;
}

void Sky(Canvas& c) {
    const std::vector<std::pair<float, Colour>> stops = {
        {0, Hex(0x070b22)}, {120, Hex(0x111a3f)}, {230, Hex(0x25306a)}, {300, Hex(0x414d8c)}, {360, Hex(0x6a6ca6)}};
    for (int y = 0; y < H; ++y) {
        const Colour row = Gradient(stops, float(y));
        for (int x = 0; x < W; ++x) c.At(x, y) = row;
    }
}

void Aurora(Canvas& c) {
    // A faint green-teal curtain low in the east, away from the moon.
    Noise1D wave(77, 256);
    for (int x = 480; x < W; ++x) {
        const float fade = Smooth((x - 480) / 260.0f) * Smooth((W - x) / 200.0f);
        const float centre = 150 + 28 * wave.Fractal(x / 90.0f, 3);
        const float height = 46 + 20 * wave.Fractal(x / 40.0f + 50, 2);
        const float shimmer = 0.65f + 0.35f * wave.At(x / 6.0f + 100);
        for (int y = int(centre - height); y < int(centre + 30); ++y) {
            if (y < 0) continue;
            float t = (centre + 30 - y) / (height + 30);  // 0 at the foot, 1 at the top
            const float a = std::pow(std::max(0.0f, 1 - t), 1.4f) * Smooth(t * 6) * fade * shimmer;
            c.AddLight(x, y, Mix(Hex(0x1f8f78), Hex(0x5a4ea0), t) * (0.42f * a));
        }
    }
}

void Stars(Canvas& c) {
    Prng rng(2024);
    for (int i = 0; i < 900; ++i) {
        const float x = float(rng.Range(0, W)), y = float(std::pow(rng.Unit(), 1.6) * 300);
        float b = float(rng.Range(0.15, 1.0));
        b = b * b;
        if (UnderLogo(x, y)) b *= 0.25f;
        const Colour tint = Mix(Hex(0xffffff), rng.Below(3) == 0 ? Hex(0xffe6b0) : Hex(0xc8d8ff), float(rng.Unit()));
        const float fade = 1.0f - Smooth((y - 200) / 120.0f) * 0.8f;
        const int px = int(x), py = int(y);
        c.AddLight(px, py, tint * (190 * b * fade));
        if (b > 0.55f) {
            // Bright stars get a small cross.
            for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}})
                c.AddLight(px + dx, py + dy, tint * (70 * b * fade));
            if (b > 0.8f)
                for (auto [dx, dy] : {std::pair{2, 0}, {-2, 0}, {0, 2}, {0, -2}})
                    c.AddLight(px + dx, py + dy, tint * (25 * b * fade));
        }
    }
}

void Moon(Canvas& c) {
    const Vec centre{232, 96};
    const float r = 21;
    PaintGlow(c, centre, 80, Hex(0x2a3050));
    PaintGlow(c, centre, 34, Hex(0x40445a));
    Noise1D craters(11, 64);
    PaintShape(c, Circle(centre, r), {200, 60, 270, 130}, [&](Vec p) {
        const Vec d = p - centre;
        // Lit from the lower left, with soft grey seas.
        const float shade = 0.88f + 0.12f * (-d.x - d.y) / (1.4f * r);
        const float sea = Smooth(0.5f + craters.At((d.x + 40) / 7.0f) * craters.At((d.y + 40) / 6.0f) * 1.8f);
        return Mix(Hex(0xfff8e0), Hex(0xd8d4c4), sea * 0.6f) * shade;
    });
}

// A mountain range: ridge height per column, shaded by its slope towards
// the moon, with snow on the upper slopes.
void Range(Canvas& c, std::uint64_t seed, float base, float amplitude, float scale, Colour rock, Colour snowLit,
           Colour snowShade, float snowLine, float haze) {
    Noise1D n(seed, 256);
    std::vector<float> ridge(W + 1);
    for (int x = 0; x <= W; ++x) {
        const float f = n.Fractal(x / scale, 5);
        ridge[x] = base - amplitude * (0.5f + 0.5f * f) - amplitude * 0.25f * std::fabs(n.At(x / (scale * 0.4f) + 9));
    }
    const Colour horizon = Hex(0x6a6ca6);
    for (int x = 0; x < W; ++x) {
        const float top = ridge[x];
        const float slope = ridge[x + 1] - ridge[std::max(0, x - 1)];
        for (int y = std::max(0, int(top)); y < H; ++y) {
            const float depth = y - top;
            const float lit = std::clamp(0.5f - slope * 0.35f, 0.0f, 1.0f);
            const float snow = Smooth((snowLine - (y - (base - amplitude))) / 18.0f + 0.3f * n.At(x / 5.0f));
            Colour col = Mix(rock, Mix(snowShade, snowLit, lit), snow);
            col = Mix(col, horizon, haze * Smooth(depth / 90.0f) * 0.6f + haze * 0.25f);
            const float cover = y == int(top) ? 1 - (top - int(top)) : 1.0f;
            c.Blend(x, y, col, cover);
        }
    }
}

struct Tree {
    float x, baseY, height;
};

void Pine(Canvas& c, const Tree& t, Colour needles, Colour snow, float snowAmount) {
    const float w = t.height * 0.42f;
    const int tiers = std::max(3, int(t.height / 9));
    PaintShape(c, Capsule({t.x, t.baseY}, {t.x, t.baseY - t.height * 0.3f}, std::max(0.8f, t.height * 0.035f)),
               {int(t.x) - 4, int(t.baseY - t.height), int(t.x) + 4, int(t.baseY) + 2}, Hex(0x2a1e1c));
    for (int i = 0; i < tiers; ++i) {
        const float f = float(i) / tiers;  // 0 at the bottom
        const float bottom = t.baseY - t.height * (0.12f + 0.78f * f);
        const float top = t.baseY - t.height * (0.40f + 0.60f * (f + 1.0f / tiers));
        const float half = w * (1.0f - 0.75f * f);
        const Shape tier = Polygon({{t.x, top}, {t.x + half, bottom}, {t.x + half * 0.3f, bottom - 1.5f},
                                    {t.x - half * 0.3f, bottom - 1.5f}, {t.x - half, bottom}});
        const Box box{int(t.x - half) - 2, int(top) - 2, int(t.x + half) + 2, int(bottom) + 2};
        PaintShape(c, tier, box, [&](Vec p) {
            // Snow lies on the upper edge of each tier, thicker on the moon side.
            const float along = (p.y - top) / (bottom - top);
            const float edge = std::fabs(p.x - t.x) / (half * along + 0.01f);
            const float s = snowAmount * Smooth((edge - 0.55f) * 4) * Smooth((0.8f - along) * 3) *
                            (p.x < t.x ? 1.0f : 0.6f);
            return Mix(needles * (p.x < t.x ? 1.15f : 0.85f), snow, s);
        });
    }
}

// Top of the snowy field behind the path: a gentle wave always well above
// the path, so that the path's edge reads clearly.
float BackFieldY(float x) {
    static const Noise1D n(5, 128);
    const float wave = 352 + 16 * n.Fractal(x / 160.0f, 3);
    return std::min(wave, float(ground::SnowSurfaceY(x)) - 16);
}

void BackField(Canvas& c) {
    for (int x = 0; x < W; ++x) {
        const float top = BackFieldY(float(x));
        for (int y = int(top); y < H; ++y) {
            const float t = (y - top) / 60.0f;
            Colour col = Mix(Hex(0x7d8cc4), Hex(0x56649e), Smooth(t));
            const float cover = y == int(top) ? 1 - (top - int(top)) : 1.0f;
            c.Blend(x, y, col, cover);
        }
    }
}

void Forest(Canvas& c) {
    // Distant tree line on the hills, then bigger pines on the back field.
    Prng rng(99);
    Noise1D hill(31, 128);
    for (int x = -10; x < W + 10; x += 3) {
        const float base = 340 + 14 * hill.Fractal(x / 120.0f, 3);
        const float h = float(rng.Range(10, 22));
        Pine(c, {x + float(rng.Range(-1, 1)), base, h}, Hex(0x1d2b4a), Hex(0x8a98c8), 0.5f);
    }
    for (int x = 0; x < W; ++x) {
        const float base = 340 + 14 * hill.Fractal(x / 120.0f, 3);
        for (int y = int(base) - 2; y < H; ++y) c.Blend(x, y, Hex(0x25345a), 0.9f);
    }
}

void Cabin(Canvas& c, float x, float baseY) {
    const float w = 46, wallH = 24, roofH = 20;
    const Colour wood = Hex(0x4a2f2a), woodDark = Hex(0x35211f);
    // Warm glow around the windows first, so the walls sit on it.
    PaintGlow(c, {x + 14, baseY - 11}, 22, Hex(0x3a2810));
    PaintGlow(c, {x + 34, baseY - 11}, 22, Hex(0x3a2810));
    PaintShape(c, Polygon({{x, baseY}, {x + w, baseY}, {x + w, baseY - wallH}, {x, baseY - wallH}}),
               {int(x) - 2, int(baseY - wallH) - 2, int(x + w) + 2, int(baseY) + 2}, [&](Vec p) {
                   return (int(p.y) % 4 == 0) ? woodDark : wood;  // logs
               });
    // Chimney, roof with thick snow.
    PaintShape(c, Polygon({{x + 33, baseY - wallH - 20}, {x + 39, baseY - wallH - 20}, {x + 39, baseY - wallH - 6},
                           {x + 33, baseY - wallH - 6}}),
               {int(x) + 30, int(baseY - wallH) - 24, int(x) + 42, int(baseY - wallH)}, Hex(0x3b2a2e));
    const Shape roof = Polygon({{x - 6, baseY - wallH + 2}, {x + w / 2, baseY - wallH - roofH},
                                {x + w + 6, baseY - wallH + 2}});
    PaintShape(c, roof, {int(x) - 8, int(baseY - wallH - roofH) - 2, int(x + w) + 8, int(baseY - wallH) + 4},
               [&](Vec p) { return p.x < x + w / 2 ? Hex(0xe8eefa) : Hex(0xb4c0e4); });
    PaintShape(c, Capsule({x - 6, baseY - wallH + 2}, {x + w + 6, baseY - wallH + 2}, 1.6f),
               {int(x) - 9, int(baseY - wallH) - 2, int(x + w) + 9, int(baseY - wallH) + 5}, Hex(0xdfe7f7));
    // Two lit windows and a door.
    for (float wx : {x + 9.0f, x + 29.0f}) {
        PaintShape(c, Polygon({{wx, baseY - 16}, {wx + 9, baseY - 16}, {wx + 9, baseY - 7}, {wx, baseY - 7}}),
                   {int(wx) - 1, int(baseY) - 18, int(wx) + 11, int(baseY) - 5}, [&](Vec p) {
                       const bool bar = std::fabs(p.x - (wx + 4.5f)) < 0.6f || std::fabs(p.y - (baseY - 11.5f)) < 0.6f;
                       return bar ? Hex(0x5a3a20) : Hex(0xffd27a);
                   });
    }
    // Smoke curling up from the chimney.
    Noise1D drift(3, 64);
    for (int i = 0; i < 26; ++i) {
        const float t = i / 25.0f;
        const Vec p{x + 36 + 20 * t + 4 * drift.At(i / 4.0f), baseY - wallH - 22 - 70 * t};
        PaintShape(c, Circle(p, 2.5f + 5 * t), {int(p.x) - 10, int(p.y) - 10, int(p.x) + 10, int(p.y) + 10},
                   Hex(0x9aa2c4), 0.16f * (1 - t));
    }
}

void Foreground(Canvas& c) {
    Noise1D drift(42, 128);
    Prng rng(7);
    for (int x = 0; x < W; ++x) {
        const float top = float(ground::SnowSurfaceY(x));
        for (int y = int(top); y < H; ++y) {
            const float depth = y - top;
            // Moonlit rim, then soft drifts of light and shade.
            const float ripple = drift.Fractal(x / 40.0f + depth / 30.0f, 3);
            Colour col = Mix(Hex(0xd8e0f6), Hex(0xbfcbee), Smooth(0.5f + ripple));
            col = Mix(col, Hex(0xe6ecfb), Smooth(depth / 60.0f) * 0.5f);
            if (depth < 2.0f) col = Mix(Hex(0xf4f7ff), col, depth / 2.0f);
            c.At(x, y) = col;
        }
    }
    // Glints in the snow.
    for (int i = 0; i < 260; ++i) {
        const int x = rng.Below(W);
        const float top = float(ground::SnowSurfaceY(x));
        const int y = int(top + 4 + rng.Range(0, H - top - 4));
        c.AddLight(x, y, Hex(0x303040));
    }
}

}  // namespace

Canvas PaintPanorama() {
    Canvas c(W, H);
    Sky(c);
    Aurora(c);
    Stars(c);
    Moon(c);
    Range(c, 101, 300, 120, 180, Hex(0x3c4678), Hex(0x9aa6d8), Hex(0x6a76ac), 50, 0.55f);
    Range(c, 202, 330, 80, 110, Hex(0x2a3260), Hex(0xb4c0ea), Hex(0x6270a8), 38, 0.3f);
    Forest(c);
    BackField(c);
    Cabin(c, 410, BackFieldY(433) + 3);
    Foreground(c);
    return c;
}
