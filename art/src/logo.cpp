#include "logo.h"

#include <algorithm>
#include <cmath>

#include "sheet_layout.h"
#include "stroke_font.h"

namespace {

constexpr Rgb8 kOutline{22, 26, 72};
constexpr Rgb8 kShadow{12, 14, 44};
// Frost from white at the top to ice blue at the foot, in hard bands.
constexpr Rgb8 kFrost[] = {{255, 255, 255}, {236, 246, 255}, {212, 234, 252}, {184, 218, 246}, {156, 198, 238}};
constexpr Rgb8 kSparkle{255, 246, 196};

constexpr const char* kName = "Glimmerfall";

}  // namespace

Sprite LogoImage() {
    const int w = sheet::kLogo.w, h = sheet::kLogo.h;
    Sprite logo(w, h);

    const float scale = 3.25f, weight = 4.6f, spacing = 1.55f, slant = 0.10f;
    const float textW = font::TextWidth(kName, spacing) * scale + 8 * slant * scale;
    const float left = (w - 3 - textW) / 2.0f + weight / 2;
    const float baseline = h - 6.0f;
    const Shape text = font::TextShape(kName, {left, baseline}, scale, weight, spacing, slant);
    const float top = baseline - 8 * scale;

    // Shadow, outline, then the frosty face.
    logo.Fill(Translate(Rounded(text, 2.0f), {1.0f, 1.5f}), kShadow);
    logo.FillOutlined(text, [&](Vec p) {
        const float t = std::clamp((p.y - top) / (baseline - top), 0.0f, 0.999f);
        return kFrost[static_cast<int>(t * 5)];
    }, kOutline, 2.0f);

    // A glint on the G and one on the last l.
    for (Vec c : {Vec{left + 1.0f * scale, top + 2.2f}, Vec{w - 10.0f, top + 1.5f}}) {
        logo.Fill(Capsule(c - Vec{2.5f, 0}, c + Vec{2.5f, 0}, 0.5f), kSparkle);
        logo.Fill(Capsule(c - Vec{0, 2.5f}, c + Vec{0, 2.5f}, 0.5f), kSparkle);
    }
    return logo;
}
