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
const Vec kMoon{232, 96};

// The logo is drawn over world x 410..1241, y 18..55 at some scroll.
bool UnderLogo(float x, float y) { return x > 396 && x < 1254 && y > 8 && y < 66; }

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

// Blends a column from `top` (fractional) down to `bottom` with a soft top.
template <typename ColourAt>
void Column(Canvas& c, int x, float top, int bottom, ColourAt colourAt) {
    for (int y = std::max(0, int(std::floor(top))); y < std::min(bottom, H); ++y) {
        const float cover = std::clamp(y + 1 - top, 0.0f, 1.0f);
        c.Blend(x, y, colourAt(y), cover);
    }
}

void Sky(Canvas& c) {
    const std::vector<std::pair<float, Colour>> stops = {{0, Hex(0x060a20)},   {110, Hex(0x0e1638)},
                                                         {220, Hex(0x1f2a5e)}, {290, Hex(0x38447f)},
                                                         {340, Hex(0x5a5f98)}, {380, Hex(0x7a6f9e)}};
    for (int y = 0; y < H; ++y) {
        const Colour row = Gradient(stops, float(y));
        for (int x = 0; x < W; ++x) c.At(x, y) = row;
    }
    // The moon lifts the sky around it.
    for (int y = 0; y < 340; ++y)
        for (int x = 0; x < 700; ++x) {
            const float d = Length(Vec{float(x), float(y)} - kMoon);
            c.AddLight(x, y, Hex(0x1c2240) * std::exp(-d / 160.0f));
        }
}

void MilkyWay(Canvas& c) {
    // A faint band of dust rising from the eastern hills, gone before the
    // logo's height.
    Noise2D dust(404);
    for (int y = 70; y < 320; ++y)
        for (int x = 560; x < W; ++x) {
            const float along = (x - 560) * 0.55f + (320 - y) * 0.84f;
            const float across = (x - 560) * 0.84f - (320 - y) * 0.55f - 230;
            const float band = std::exp(-(across * across) / (2 * 46.0f * 46.0f));
            const float clumps = 0.55f + 0.45f * dust.Fractal(x / 28.0f, y / 28.0f, 4);
            const float fade = Smooth((y - 70) / 90.0f) * Smooth(along / 120.0f);
            c.AddLight(x, y, Hex(0x1a1c34) * (band * clumps * fade * 1.3f));
        }
}

void Aurora(Canvas& c) {
    // A green-violet curtain low in the east, away from the moon.
    Noise1D wave(77, 256);
    for (int x = 470; x < W; ++x) {
        const float fade = Smooth((x - 470) / 260.0f) * Smooth((W - x) / 160.0f);
        const float foot = 176 + 26 * wave.Fractal(x / 110.0f, 3);
        const float height = 60 + 26 * wave.Fractal(x / 45.0f + 50, 2);
        const float shimmer = 0.6f + 0.4f * wave.At(x / 5.0f + 100) * wave.At(x / 13.0f + 7);
        for (int y = int(foot - height); y < int(foot + 16); ++y) {
            if (y < 70) continue;
            const float t = (foot - y) / height;  // 0 at the foot, 1 at the top
            const float a = (t < 0 ? Smooth(1 + t * 4) : std::pow(1 - std::min(t, 1.0f), 1.6f)) * fade * shimmer;
            c.AddLight(x, y, Mix(Hex(0x2fb58c), Hex(0x6a4cb0), Smooth(t)) * (0.40f * a));
        }
    }
}

void Stars(Canvas& c) {
    Prng rng(2024);
    for (int i = 0; i < 1100; ++i) {
        const float x = float(rng.Range(0, W)), y = float(std::pow(rng.Unit(), 1.4) * 330);
        float b = float(rng.Unit());
        b = b * b * b;
        if (UnderLogo(x, y)) b *= 0.3f;
        if (Length(Vec{x, y} - kMoon) < 60) b *= 0.2f;
        const int tintKind = rng.Below(5);
        const Colour tint = tintKind == 0 ? Hex(0xffe2b0) : tintKind == 1 ? Hex(0xbcd0ff) : Hex(0xf4f6ff);
        const float fade = 1.0f - Smooth((y - 210) / 130.0f) * 0.85f;
        const int px = int(x), py = int(y);
        c.AddLight(px, py, tint * ((40 + 200 * b) * fade));
        if (b > 0.55f) {
            for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}})
                c.AddLight(px + dx, py + dy, tint * (55 * b * fade));
        }
        if (b > 0.85f) {
            for (int r = 2; r <= 3; ++r)
                for (auto [dx, dy] : {std::pair{r, 0}, {-r, 0}, {0, r}, {0, -r}})
                    c.AddLight(px + dx, py + dy, tint * (34 * b * fade / r));
        }
    }
}

void Moon(Canvas& c) {
    const float r = 20;
    PaintGlow(c, kMoon, 60, Hex(0x283050));
    PaintGlow(c, kMoon, 28, Hex(0x3c4058));
    Noise2D seas(11);
    PaintShape(c, Circle(kMoon, r), {int(kMoon.x) - 24, int(kMoon.y) - 24, int(kMoon.x) + 24, int(kMoon.y) + 24},
               [&](Vec p) {
                   const Vec d = (p - kMoon) * (1.0f / r);
                   const float limb = 1.0f - 0.18f * (d.x * d.x + d.y * d.y);
                   const float sea = Smooth((seas.Fractal(d.x * 2.2f + 5, d.y * 2.2f + 5, 3) - 0.05f) * 4.0f);
                   return Mix(Hex(0xfffbea), Hex(0xd9d6cc), sea * 0.55f) * limb;
               });
}

// A mountain range: a ridged skyline, faces lit from the moon's side,
// snow down to a ragged line, and haze towards its foot.
void Range(Canvas& c, std::uint64_t seed, float base, float amplitude, float scale, Colour rock, Colour snowLit,
           Colour snowShade, float snowDepth, Colour haze, float hazeAmount) {
    Noise1D n(seed, 256);
    Noise2D tex(seed + 1);
    std::vector<float> ridge(W + 2);
    for (int x = 0; x < W + 2; ++x) {
        float h = 0, amp = 1, norm = 0, f = x / scale;
        for (int o = 0; o < 4; ++o) {
            const float v = 1 - std::fabs(n.At(f + 13.1f * o));
            h += amp * v * v;
            norm += amp;
            amp *= 0.48f;
            f *= 2.1f;
        }
        ridge[x] = base - amplitude * (h / norm) * (0.6f + 0.4f * n.At(x / (scale * 3) + 40));
    }
    for (int x = 0; x < W; ++x) {
        const float top = ridge[x];
        Column(c, x, top, H, [&](int y) {
            const float depth = y - top;
            // Slope of the skyline, smoothed more further down the face.
            const int reach = 2 + int(depth * 0.5f);
            const float slope = (ridge[std::min(W + 1, x + reach)] - ridge[std::max(0, x - reach)]) / (2.0f * reach);
            const float streak = tex.Fractal(x / 7.0f, y / 26.0f, 3);
            const float lit = std::clamp(0.5f - slope * 1.4f + 0.15f * streak, 0.0f, 1.0f);
            const float snow = Smooth((snowDepth - depth) / 24.0f + 0.7f * streak);
            Colour col = Mix(rock * (0.8f + 0.3f * lit), Mix(snowShade, snowLit, lit), snow);
            return Mix(col, haze, hazeAmount * Smooth(depth / 110.0f));
        });
    }
}

struct PineLook {
    Colour needles, snow;
    float snowAmount;
};

void Pine(Canvas& c, Vec base, float height, const PineLook& look) {
    const float w = height * 0.40f;
    const int tiers = std::max(3, int(height / 8));
    PaintShape(c, Capsule(base, base - Vec{0, height * 0.3f}, std::max(0.7f, height * 0.03f)),
               {int(base.x) - 4, int(base.y - height), int(base.x) + 4, int(base.y) + 2}, Hex(0x22181a));
    for (int i = 0; i < tiers; ++i) {
        const float f = float(i) / tiers;  // 0 at the bottom
        const float bottom = base.y - height * (0.10f + 0.80f * f);
        const float top = base.y - height * std::min(1.0f, 0.36f + 0.66f * (f + 1.0f / tiers));
        const float half = w * (1.0f - 0.78f * f);
        const float droop = half * 0.18f;
        const Shape tier = Polygon({{base.x, top}, {base.x + half, bottom}, {base.x + half * 0.45f, bottom - droop},
                                    {base.x, bottom - droop * 0.3f}, {base.x - half * 0.45f, bottom - droop},
                                    {base.x - half, bottom}});
        const Box box{int(base.x - half) - 2, int(top) - 2, int(base.x + half) + 2, int(bottom) + 2};
        PaintShape(c, tier, box, [&](Vec p) {
            // Snow lies along the upper edges, more on the moon side.
            const float along = (p.y - top) / (bottom - top + 0.01f);
            const float edge = std::fabs(p.x - base.x) / (half * along + 0.01f);
            const bool moonSide = p.x < base.x;
            const float s = look.snowAmount * Smooth((edge - 0.45f) * 3.5f) * Smooth((0.85f - along) * 4) *
                            (moonSide ? 1.0f : 0.55f);
            return Mix(look.needles * (moonSide ? 1.2f : 0.8f), look.snow * (moonSide ? 1.0f : 0.8f), s);
        });
    }
}

// Top of the snowy field behind the path: a gentle swell, always well above
// the path so that the bank's moonlit edge reads clearly.
float BackFieldY(float x) {
    static const Noise1D n(5, 128);
    const float swell = 356 + 14 * n.Fractal(x / 150.0f, 3);
    return std::min(swell, float(ground::SnowSurfaceY(x)) - 18);
}

float ForestLineY(float x) {
    static const Noise1D n(31, 128);
    return 338 + 12 * n.Fractal(x / 120.0f, 3);
}

void Forest(Canvas& c) {
    // The dark tree line on the far hills.
    Prng rng(99);
    const PineLook far{Hex(0x18233e), Hex(0x7c8abc), 0.55f};
    for (int x = -10; x < W + 10; x += 2) {
        const float h = float(rng.Range(8, 20)) * (0.8f + 0.4f * float(rng.Unit()));
        Pine(c, {x + float(rng.Range(-1, 1)), ForestLineY(float(x)) + float(rng.Range(0, 4))}, h, far);
    }
    for (int x = 0; x < W; ++x)
        Column(c, x, ForestLineY(float(x)) + 2, H, [&](int y) {
            return Mix(Hex(0x1d2846), Hex(0x263258), Smooth((y - 340) / 40.0f));
        });
}

void BackField(Canvas& c) {
    Noise2D tex(55);
    for (int x = 0; x < W; ++x) {
        const float top = BackFieldY(float(x));
        const float bank = float(ground::SnowSurfaceY(x));
        Column(c, x, top, H, [&](int y) {
            // Moonlit crest fading into the blue hollow behind the bank.
            const float t = Smooth((y - top) / std::max(8.0f, bank - top));
            const float grain = 0.04f * tex.Fractal(x / 30.0f, y / 6.0f, 2);
            Colour col = Mix(Hex(0x8e9bd0), Hex(0x55629c), t) * (1.0f + grain);
            if (y - top < 1.5f) col = Mix(Hex(0xa8b4e0), col, (y - top) / 1.5f);
            return col;
        });
    }
}

void Cabin(Canvas& c, float x, float baseY) {
    const float w = 54, wallH = 27, roofH = 22;
    const Colour wood = Hex(0x5a3a2e), woodDark = Hex(0x3c2622);
    const Colour lamp = Hex(0xffd27a);
    // Lamplight spilling onto the snow in front.
    for (float wx : {x + 15.0f, x + 39.0f}) {
        PaintShape(c, Ellipse({wx, baseY + 5}, 16, 5), {int(wx) - 20, int(baseY), int(wx) + 20, int(baseY) + 12},
                   Hex(0xd8a860), 0.30f);
        PaintGlow(c, {wx, baseY - 13}, 20, Hex(0x2c1c0c));
    }
    const Box wallBox{int(x) - 2, int(baseY - wallH) - 2, int(x + w) + 2, int(baseY) + 2};
    PaintShape(c, Polygon({{x, baseY}, {x + w, baseY}, {x + w, baseY - wallH}, {x, baseY - wallH}}), wallBox,
               [&](Vec p) {
                   const int log = int(p.y - (baseY - wallH)) % 5;
                   return log == 0 ? woodDark : log == 4 ? wood * 0.85f : wood;
               });
    // Log ends at the corners.
    for (float cx : {x + 1.5f, x + w - 1.5f})
        for (float ly = baseY - wallH + 2.5f; ly < baseY; ly += 5)
            PaintShape(c, Circle({cx, ly}, 1.8f), {int(cx) - 3, int(ly) - 3, int(cx) + 3, int(ly) + 3}, Hex(0x7a5440));
    // Chimney, then the roof under thick snow with icicles.
    const float eave = baseY - wallH;
    PaintShape(c, Polygon({{x + 38, eave - 24}, {x + 45, eave - 24}, {x + 45, eave - 6}, {x + 38, eave - 6}}),
               {int(x) + 36, int(eave) - 26, int(x) + 47, int(eave)}, Hex(0x4a3a40));
    PaintShape(c, Rounded(Polygon({{x + 37, eave - 27}, {x + 46, eave - 27}, {x + 46, eave - 25}, {x + 37, eave - 25}}), 1.2f),
               {int(x) + 34, int(eave) - 30, int(x) + 49, int(eave) - 22}, Hex(0xeef2fc));
    PaintShape(c, Polygon({{x - 5, eave + 1}, {x + w / 2, eave - roofH}, {x + w + 5, eave + 1}}),
               {int(x) - 7, int(eave - roofH) - 2, int(x + w) + 7, int(eave) + 3}, Hex(0x3a2a2a));
    const Shape snowRoof = Rounded(Polygon({{x - 7, eave}, {x + w / 2, eave - roofH - 3}, {x + w + 7, eave}}), 1.5f);
    PaintShape(c, snowRoof, {int(x) - 10, int(eave - roofH) - 6, int(x + w) + 10, int(eave) + 3},
               [&](Vec p) { return p.x < x + w / 2 ? Hex(0xf0f4fe) : Hex(0xb8c4e8); });
    for (int i = 0; i < 9; ++i) {
        const float ix = x - 3 + i * (w + 6) / 8;
        const float len = 2.0f + (i * 7 % 5);
        PaintShape(c, Taper({ix, eave + 1}, {ix, eave + 1 + len}, 0.9f, 0.2f),
                   {int(ix) - 2, int(eave), int(ix) + 2, int(eave + len) + 3}, Hex(0xd8e4f8));
    }
    // Two lit windows with crossbars, and the door between them.
    for (float wx : {x + 9.0f, x + 33.0f}) {
        PaintShape(c, Polygon({{wx, baseY - 18}, {wx + 12, baseY - 18}, {wx + 12, baseY - 8}, {wx, baseY - 8}}),
                   {int(wx) - 1, int(baseY) - 20, int(wx) + 14, int(baseY) - 6}, [&](Vec p) {
                       const bool bar = std::fabs(p.x - (wx + 6)) < 0.6f || std::fabs(p.y - (baseY - 13)) < 0.6f;
                       const float warm = Smooth(1 - Length(p - Vec{wx + 6, baseY - 13}) / 9);
                       return bar ? Hex(0x4a2e1c) : Mix(Hex(0xf0a850), lamp, warm);
                   });
        PaintShape(c, Capsule({wx - 1, baseY - 8}, {wx + 13, baseY - 8}, 1.0f),
                   {int(wx) - 3, int(baseY) - 10, int(wx) + 15, int(baseY) - 6}, Hex(0xe8eefa));
    }
    PaintShape(c, Polygon({{x + 23, baseY}, {x + 31, baseY}, {x + 31, baseY - 17}, {x + 23, baseY - 17}}),
               {int(x) + 21, int(baseY) - 19, int(x) + 33, int(baseY) + 1}, Hex(0x2e1c18));
    // Smoke curling up from the chimney.
    Noise1D drift(3, 64);
    for (int i = 0; i < 34; ++i) {
        const float t = i / 33.0f;
        const Vec p{x + 42 + 26 * t + 5 * drift.At(i / 5.0f), eave - 30 - 80 * t};
        PaintShape(c, Circle(p, 2.5f + 6 * t), {int(p.x) - 12, int(p.y) - 12, int(p.x) + 12, int(p.y) + 12},
                   Hex(0xa0a8c8), 0.14f * (1 - t));
    }
}

void BackTrees(Canvas& c) {
    // Groups of pines on the field behind the path; none near the cabin's
    // windows or in the logo's band.
    const PineLook near{Hex(0x1a3438), Hex(0xdfe7f8), 0.9f};
    const PineLook mid{Hex(0x1c2c40), Hex(0xb6c2e6), 0.8f};
    Prng rng(314);
    struct Group {
        float from, to;
        int count;
    };
    const Group groups[] = {{10, 110, 5}, {240, 330, 4}, {560, 680, 6}, {870, 950, 3}, {1130, 1275, 6}};
    for (const Group& g : groups)
        for (int i = 0; i < g.count; ++i) {
            const float x = float(rng.Range(g.from, g.to));
            const float h = float(rng.Range(26, 62));
            const bool back = rng.Below(2) == 0;
            Pine(c, {x, BackFieldY(x) + (back ? 2.0f : 6.0f)}, back ? h * 0.8f : h, back ? mid : near);
        }
}

void Fence(Canvas& c, float from, float to) {
    // Old split-rail fence half buried in the field, snow on every post.
    const Colour wood = Hex(0x4a3634), woodLit = Hex(0x6e5048), snow = Hex(0xe4eafa);
    auto postTop = [](float x) { return BackFieldY(x) + 9 - 13; };
    float prevX = from;
    for (float x = from; x <= to; x += 26) {
        const float foot = BackFieldY(x) + 9, top = postTop(x);
        PaintShape(c, Capsule({x, foot}, {x, top}, 1.3f), {int(x) - 3, int(top) - 3, int(x) + 3, int(foot) + 2},
                   [&](Vec p) { return p.x < x ? woodLit : wood; });
        PaintShape(c, Ellipse({x, top - 1.2f}, 2.4f, 1.4f), {int(x) - 4, int(top) - 4, int(x) + 4, int(top) + 1}, snow);
        if (x > from) {
            for (float h : {4.0f, 9.0f}) {
                const Vec a{prevX, postTop(prevX) + h}, b{x, top + h};
                PaintShape(c, Capsule(a, b, 0.8f), {int(prevX) - 2, int(std::min(a.y, b.y)) - 3, int(x) + 2,
                                                    int(std::max(a.y, b.y)) + 3},
                           wood);
                PaintShape(c, Capsule(a - Vec{0, 1.2f}, b - Vec{0, 1.2f}, 0.6f),
                           {int(prevX) - 2, int(std::min(a.y, b.y)) - 4, int(x) + 2, int(std::max(a.y, b.y)) + 2},
                           snow, 0.8f);
            }
        }
        prevX = x;
    }
}

void Snowman(Canvas& c, float x) {
    const float base = BackFieldY(x) + 7;
    const Colour lit = Hex(0xf2f5fe), shade = Hex(0xaab6e0);
    auto ball = [&](Vec centre, float r) {
        PaintShape(c, Circle(centre, r), {int(centre.x - r) - 2, int(centre.y - r) - 2, int(centre.x + r) + 2,
                                          int(centre.y + r) + 2},
                   [&](Vec p) { return Mix(lit, shade, Smooth((p.x - centre.x + r * 0.3f) / (r * 1.4f) + 0.3f)); });
    };
    ball({x, base - 6}, 7);
    ball({x, base - 16}, 5);
    ball({x, base - 23.5f}, 3.6f);
    // Twig arms, coal eyes, carrot nose and a little hat.
    PaintShape(c, Stroke({{x - 4, base - 17}, {x - 10, base - 21}, {x - 12, base - 24}}, 0.5f),
               {int(x) - 14, int(base) - 27, int(x), int(base) - 14}, Hex(0x3a2a28));
    PaintShape(c, Stroke({{x + 4, base - 17}, {x + 10, base - 20}, {x + 11, base - 23}}, 0.5f),
               {int(x), int(base) - 26, int(x) + 14, int(base) - 14}, Hex(0x3a2a28));
    PaintShape(c, Taper({x + 1, base - 23.5f}, {x + 6, base - 23}, 0.9f, 0.2f),
               {int(x) - 1, int(base) - 26, int(x) + 8, int(base) - 21}, Hex(0xf08a30));
    for (float ex : {x - 1.3f, x + 1.8f})
        PaintShape(c, Circle({ex, base - 25}, 0.55f), {int(ex) - 2, int(base) - 27, int(ex) + 2, int(base) - 23},
                   Hex(0x20182a));
    PaintShape(c, Polygon({{x - 3.5f, base - 27}, {x + 3.5f, base - 27}, {x + 2.6f, base - 32}, {x - 2.6f, base - 32}}),
               {int(x) - 6, int(base) - 34, int(x) + 6, int(base) - 25}, Hex(0x2a2440));
    PaintShape(c, Capsule({x - 4.5f, base - 27}, {x + 4.5f, base - 27}, 0.7f),
               {int(x) - 7, int(base) - 29, int(x) + 7, int(base) - 25}, Hex(0x2a2440));
}

void Foreground(Canvas& c) {
    Noise2D drift(42);
    for (int x = 0; x < W; ++x) {
        const float top = float(ground::SnowSurfaceY(x));
        Column(c, x, top, H, [&](int y) {
            const float depth = y - top;
            // Long soft drifts, lit from the moon; a bright rim on the crest.
            const float swell = drift.Fractal(x / 90.0f, y / 18.0f, 3);
            Colour col = Mix(Hex(0xdfe6f8), Hex(0xc4cfee), Smooth(0.5f + swell * 1.3f));
            col = Mix(col, Hex(0xe9eefb), Smooth((depth - 10) / 50.0f) * 0.4f);
            if (depth < 2.5f) col = Mix(Hex(0xf8faff), col, depth / 2.5f);
            return col;
        });
    }
    Prng rng(7);
    // Glints in the snow.
    for (int i = 0; i < 320; ++i) {
        const int x = rng.Below(W);
        const float top = float(ground::SnowSurfaceY(x));
        const int y = int(top + 3 + rng.Range(0, H - top - 3));
        const float b = float(rng.Unit());
        c.AddLight(x, y, Mix(Hex(0x303048), Hex(0x404060), b));
    }
}

}  // namespace

Canvas PaintPanorama() {
    Canvas c(W, H);
    Sky(c);
    MilkyWay(c);
    Aurora(c);
    Stars(c);
    Moon(c);
    Range(c, 101, 300, 130, 190, Hex(0x3a4478), Hex(0x8f9bd0), Hex(0x5d69a2), 60, Hex(0x5a5f98), 0.7f);
    Range(c, 202, 334, 84, 110, Hex(0x222a52), Hex(0xb2bfea), Hex(0x4f5c98), 42, Hex(0x414b86), 0.5f);
    Forest(c);
    BackField(c);
    Cabin(c, 408, BackFieldY(435) + 4);
    Fence(c, 700, 1090);
    Snowman(c, 1010);
    BackTrees(c);
    Foreground(c);
    return c;
}
