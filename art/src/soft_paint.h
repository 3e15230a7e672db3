// Anti-aliased painting of shapes onto a canvas, within a bounding box.
#pragma once

#include <functional>

#include "canvas.h"
#include "shapes.h"

struct Box {
    int left, top, right, bottom;  // inclusive
};

// Coverage from the distance at the pixel centre: a one-pixel soft edge.
void PaintShape(Canvas& canvas, const Shape& shape, Box box, const Colour& colour, float alpha = 1.0f);
void PaintShape(Canvas& canvas, const Shape& shape, Box box, const std::function<Colour(Vec)>& colour,
                float alpha = 1.0f);
// Adds light falling off from `centre` as exp(-(d/radius)^2).
void PaintGlow(Canvas& canvas, Vec centre, float radius, const Colour& light);
