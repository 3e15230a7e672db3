// A small hard-edged picture with transparency: every pixel is either a
// colour of the sprite or empty, so nothing blends towards the colour key.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "colour.h"
#include "shapes.h"

class Sprite {
public:
    using Paint = std::function<Rgb8(Vec)>;

    Sprite(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Filled(int x, int y) const { return Inside(x, y) && pixels_[Index(x, y)].has_value(); }
    Rgb8 At(int x, int y) const { return *pixels_[Index(x, y)]; }
    void Set(int x, int y, Rgb8 c) {
        if (Inside(x, y)) pixels_[Index(x, y)] = c;
    }
    void Clear(int x, int y) {
        if (Inside(x, y)) pixels_[Index(x, y)].reset();
    }

    // Pixels whose centre lies inside the shape take the colour.
    void Fill(const Shape& shape, Rgb8 colour);
    void Fill(const Shape& shape, const Paint& paint);
    // The shape with a one-pixel rim of `outline` around it.
    void FillOutlined(const Shape& shape, Rgb8 fill, Rgb8 outline, float rim = 1.0f);
    void FillOutlined(const Shape& shape, const Paint& paint, Rgb8 outline, float rim = 1.0f);

    // Copies the filled pixels of `other` with their top left at (x, y).
    void Stamp(const Sprite& other, int x, int y, bool mirrored = false);
    Sprite Mirrored() const;

    // Rows and columns holding any filled pixel; false when empty.
    bool Bounds(int& left, int& top, int& right, int& bottom) const;

private:
    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    int Index(int x, int y) const { return y * width_ + x; }
    int width_, height_;
    std::vector<std::optional<Rgb8>> pixels_;
};
