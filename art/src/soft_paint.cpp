#include "soft_paint.h"

#include <algorithm>
#include <cmath>

void PaintShape(Canvas& canvas, const Shape& shape, Box box, const Colour& colour, float alpha) {
    PaintShape(canvas, shape, box, [&colour](Vec) { return colour; }, alpha);
}

void PaintShape(Canvas& canvas, const Shape& shape, Box box, const std::function<Colour(Vec)>& colour,
                float alpha) {
    box.left = std::max(box.left, 0);
    box.top = std::max(box.top, 0);
    box.right = std::min(box.right, canvas.Width() - 1);
    box.bottom = std::min(box.bottom, canvas.Height() - 1);
    for (int y = box.top; y <= box.bottom; ++y)
        for (int x = box.left; x <= box.right; ++x) {
            const Vec p{x + 0.5f, y + 0.5f};
            const float cover = std::clamp(0.5f - shape(p), 0.0f, 1.0f);
            if (cover > 0) canvas.Blend(x, y, colour(p), cover * alpha);
        }
}

void PaintGlow(Canvas& canvas, Vec centre, float radius, const Colour& light) {
    const int reach = static_cast<int>(radius * 3);
    for (int y = int(centre.y) - reach; y <= int(centre.y) + reach; ++y)
        for (int x = int(centre.x) - reach; x <= int(centre.x) + reach; ++x) {
            if (!canvas.Contains(x, y)) continue;
            const float d = Length(Vec{x + 0.5f, y + 0.5f} - centre) / radius;
            canvas.AddLight(x, y, light * std::exp(-d * d));
        }
}
