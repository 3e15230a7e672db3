// A full-colour picture being painted, with soft (coverage-weighted) drawing.
#pragma once

#include <vector>

#include "colour.h"

class Canvas {
public:
    Canvas(int width, int height, Colour fill = {});

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    const Colour& At(int x, int y) const { return pixels_[Index(x, y)]; }
    Colour& At(int x, int y) { return pixels_[Index(x, y)]; }

    // Mixes colour into the pixel by alpha (0..1); outside pixels are ignored.
    void Blend(int x, int y, const Colour& colour, float alpha);
    // Adds light to the pixel (glows, stars).
    void AddLight(int x, int y, const Colour& light);

    std::vector<Rgb8> ToRgb8() const;

private:
    int Index(int x, int y) const { return y * width_ + x; }
    int width_, height_;
    std::vector<Colour> pixels_;
};
