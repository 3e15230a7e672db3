#include "banner.h"

#include <cmath>

#include "canvas.h"
#include "noise.h"
#include "prng.h"
#include "soft_paint.h"
#include "stroke_font.h"

namespace {

constexpr int W = 250, H = 55;

void Pine(Canvas& c, float x, float base, float h) {
    for (int i = 0; i < 3; ++i) {
        const float bottom = base - h * (0.1f + 0.28f * i), top = bottom - h * 0.45f, half = h * (0.34f - 0.08f * i);
        PaintShape(c, Polygon({{x, top}, {x + half, bottom}, {x - half, bottom}}),
                   {int(x - half) - 2, int(top) - 2, int(x + half) + 2, int(bottom) + 2}, [&](Vec p) {
                       const float edge = (p.y - top) / (bottom - top);
                       return edge < 0.35f || p.y > bottom - 1.3f ? Hex(0xe4ecfa) : Hex(0x1f3a44);
                   });
    }
}

}  // namespace

RgbaImage PaintBanner() {
    Canvas c(W, H);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            c.At(x, y) = Mix(Hex(0x0c1230), Hex(0x3a4a8a), std::pow(y / float(H), 1.3f));
    Prng rng(5);
    for (int i = 0; i < 70; ++i) {
        const float b = float(rng.Range(0.2, 1.0));
        c.AddLight(rng.Below(W), rng.Below(36), Hex(0xd0dcff) * (150 * b * b));
    }
    PaintGlow(c, {222, 14}, 18, Hex(0x30344c));
    PaintShape(c, Circle({222, 14}, 7.5f), {210, 2, 234, 26}, Hex(0xfff6dc));
    Noise1D hill(8, 64);
    for (int x = 0; x < W; ++x) {
        const float far = 40 + 5 * hill.Fractal(x / 30.0f, 3);
        const float near = 47 + 3 * hill.Fractal(x / 20.0f + 30, 2);
        for (int y = int(far); y < H; ++y) c.Blend(x, y, Hex(0x8090c8), y == int(far) ? 1 - (far - int(far)) : 1.0f);
        for (int y = int(near); y < H; ++y) c.Blend(x, y, Hex(0xdce4f8), y == int(near) ? 1 - (near - int(near)) : 1.0f);
    }
    Pine(c, 196, 47, 26);
    Pine(c, 210, 48, 18);
    Pine(c, 240, 48, 22);

    const char* name = "Glimmerfall";
    const float scale = 3.0f, weight = 4.0f, spacing = 1.5f, slant = 0.1f;
    const Shape text = font::TextShape(name, {12, 38}, scale, weight, spacing, slant);
    PaintShape(c, Translate(Rounded(text, 1.6f), {1.2f, 1.6f}), {0, 0, W - 1, H - 1}, Hex(0x080a20), 0.8f);
    PaintShape(c, Rounded(text, 1.6f), {0, 0, W - 1, H - 1}, Hex(0x18204e));
    PaintShape(c, text, {0, 0, W - 1, H - 1}, [](Vec p) { return Mix(Hex(0xffffff), Hex(0xa8ccf0), (p.y - 14) / 26); });

    RgbaImage out{W, H, {}};
    for (const Rgb8& p : c.ToRgb8()) out.rgba.insert(out.rgba.end(), {p.r, p.g, p.b, 255});
    return out;
}
