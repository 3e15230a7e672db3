#include "sprite.h"

#include <algorithm>

Sprite::Sprite(int width, int height)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height) {}

void Sprite::Fill(const Shape& shape, Rgb8 colour) {
    Fill(shape, [colour](Vec) { return colour; });
}

void Sprite::Fill(const Shape& shape, const Paint& paint) {
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            const Vec p{x + 0.5f, y + 0.5f};
            if (shape(p) <= 0) pixels_[Index(x, y)] = paint(p);
        }
}

void Sprite::FillOutlined(const Shape& shape, Rgb8 fill, Rgb8 outline, float rim) {
    FillOutlined(shape, [fill](Vec) { return fill; }, outline, rim);
}

void Sprite::FillOutlined(const Shape& shape, const Paint& paint, Rgb8 outline, float rim) {
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            const Vec p{x + 0.5f, y + 0.5f};
            const float d = shape(p);
            if (d <= 0)
                pixels_[Index(x, y)] = paint(p);
            else if (d <= rim)
                pixels_[Index(x, y)] = outline;
        }
}

void Sprite::Stamp(const Sprite& other, int x, int y, bool mirrored) {
    for (int sy = 0; sy < other.height_; ++sy)
        for (int sx = 0; sx < other.width_; ++sx) {
            const int from = mirrored ? other.width_ - 1 - sx : sx;
            if (other.Filled(from, sy)) Set(x + sx, y + sy, other.At(from, sy));
        }
}

Sprite Sprite::Mirrored() const {
    Sprite out(width_, height_);
    out.Stamp(*this, 0, 0, true);
    return out;
}

bool Sprite::Bounds(int& left, int& top, int& right, int& bottom) const {
    left = width_;
    top = height_;
    right = -1;
    bottom = -1;
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            if (Filled(x, y)) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    return right >= 0;
}
