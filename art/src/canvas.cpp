#include "canvas.h"

Canvas::Canvas(int width, int height, Colour fill)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height, fill) {}

void Canvas::Blend(int x, int y, const Colour& colour, float alpha) {
    if (!Contains(x, y) || alpha <= 0) return;
    if (alpha > 1) alpha = 1;
    Colour& p = At(x, y);
    p = Mix(p, colour, alpha);
}

void Canvas::AddLight(int x, int y, const Colour& light) {
    if (!Contains(x, y)) return;
    Colour& p = At(x, y);
    p = p + light;
}

std::vector<Rgb8> Canvas::ToRgb8() const {
    std::vector<Rgb8> out(pixels_.size());
    for (size_t i = 0; i < pixels_.size(); ++i) out[i] = ::ToRgb8(pixels_[i]);
    return out;
}
