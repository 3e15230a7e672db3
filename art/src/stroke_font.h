// Letters drawn as strokes, so the pictures need no font files. Units: the
// baseline is y 0, lower-case letters are 5 high, capitals and ascenders 8;
// y grows upwards.
#pragma once

#include <string>
#include <vector>

#include "shapes.h"

namespace font {

struct Glyph {
    float width = 0;
    std::vector<std::vector<Vec>> strokes;  // polylines in font units
    std::vector<Vec> dots;
};

// The glyph of c; unknown characters come back empty with a small width.
const Glyph& GlyphOf(char c);

// Width of the text in font units with `spacing` between letters.
float TextWidth(const std::string& text, float spacing);

// The text as one shape: baseline starts at `origin` (pixels), `scale`
// pixels per unit, strokes `weight` pixels thick, slanted by `slant`.
Shape TextShape(const std::string& text, Vec origin, float scale, float weight, float spacing,
                float slant = 0.0f);

}  // namespace font
