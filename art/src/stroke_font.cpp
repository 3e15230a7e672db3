#include "stroke_font.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace font {
namespace {

constexpr float kPi = 3.14159265f;

// Points along an elliptic arc, angles in degrees counter-clockwise from +x.
std::vector<Vec> Arc(float cx, float cy, float rx, float ry, float from, float to, int steps = 14) {
    std::vector<Vec> pts;
    for (int i = 0; i <= steps; ++i) {
        const float a = (from + (to - from) * i / steps) * kPi / 180.0f;
        pts.push_back({cx + rx * std::cos(a), cy + ry * std::sin(a)});
    }
    return pts;
}

std::vector<Vec> Join(std::vector<Vec> a, const std::vector<Vec>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::map<char, Glyph> MakeGlyphs() {
    std::map<char, Glyph> g;
    g['G'] = {6.4f, {Join(Arc(3.3f, 4, 3.3f, 4, 50, 340), {{6.4f, 3.2f}, {6.4f, 3.6f}, {3.8f, 3.6f}})}, {}};
    g['l'] = {1.0f, {{{0.5f, 8}, {0.5f, 0.6f}, {1.2f, 0}}}, {}};
    g['i'] = {1.0f, {{{0.5f, 5}, {0.5f, 0}}}, {{0.5f, 7.1f}}};
    g['m'] = {6.4f,
              {{{0, 0}, {0, 5}},
               Join(Arc(1.6f, 3.4f, 1.6f, 1.6f, 180, 0, 8), {{3.2f, 0}}),
               Join(Arc(4.8f, 3.4f, 1.6f, 1.6f, 180, 0, 8), {{6.4f, 0}})},
              {}};
    g['e'] = {4.6f, {Join({{0.1f, 2.6f}, {4.6f, 2.6f}}, Arc(2.3f, 2.5f, 2.3f, 2.5f, 5, 320))}, {}};
    g['r'] = {3.1f, {{{0, 0}, {0, 5}}, Arc(2.2f, 2.8f, 2.2f, 2.2f, 180, 70, 8)}, {}};
    g['f'] = {3.4f, {Join({{1.0f, 0}, {1.0f, 6.2f}}, Arc(2.6f, 6.2f, 1.6f, 1.8f, 180, 20, 8)), {{-0.2f, 4.8f}, {3.0f, 4.8f}}}, {}};
    g['a'] = {4.6f, {Arc(2.3f, 2.5f, 2.3f, 2.5f, 0, 360, 20), {{4.6f, 5}, {4.6f, 0.6f}, {5.1f, 0}}}, {}};
    g[' '] = {2.5f, {}, {}};
    // Digits for labels on the review sheet.
    g['0'] = {4, {Arc(2, 4, 2, 4, 0, 360, 20)}, {}};
    g['1'] = {2.4f, {{{0, 6.5f}, {1.8f, 8}, {1.8f, 0}}}, {}};
    g['2'] = {4, {Join(Arc(2, 6, 2, 2, 160, -30, 10), {{0, 0}, {4, 0}})}, {}};
    g['3'] = {4, {Arc(2, 6, 2, 2, 160, -90, 10), Arc(2, 2, 2, 2, 90, -160, 10)}, {}};
    g['4'] = {4, {{{3, 0}, {3, 8}, {0, 2.5f}, {4.2f, 2.5f}}}, {}};
    g['5'] = {4, {Join({{3.8f, 8}, {0.3f, 8}, {0.1f, 4.6f}}, Arc(2, 2.6f, 2, 2.6f, 120, -150, 12))}, {}};
    g['6'] = {4, {Join(Arc(2.6f, 5.5f, 2.4f, 3, 80, 180, 6), Arc(2, 2.2f, 2, 2.2f, 180, -180, 16))}, {}};
    g['7'] = {4, {{{0, 8}, {4, 8}, {1.4f, 0}}}, {}};
    g['8'] = {4, {Arc(2, 6.1f, 1.8f, 1.9f, 0, 360, 14), Arc(2, 2.1f, 2, 2.1f, 0, 360, 14)}, {}};
    g['9'] = {4, {Join(Arc(2, 5.8f, 2, 2.2f, 0, 360, 16), Arc(1.4f, 2.5f, 2.6f, 3, 0, -100, 6))}, {}};
    g['-'] = {3, {{{0.3f, 3.5f}, {2.7f, 3.5f}}}, {}};
    return g;
}

}  // namespace

const Glyph& GlyphOf(char c) {
    static const std::map<char, Glyph> glyphs = MakeGlyphs();
    static const Glyph unknown{2.0f, {}, {}};
    const auto it = glyphs.find(c);
    return it == glyphs.end() ? unknown : it->second;
}

float TextWidth(const std::string& text, float spacing) {
    float w = 0;
    for (size_t i = 0; i < text.size(); ++i) w += GlyphOf(text[i]).width + (i + 1 < text.size() ? spacing : 0);
    return w;
}

Shape TextShape(const std::string& text, Vec origin, float scale, float weight, float spacing, float slant) {
    std::vector<std::vector<Vec>> strokes;
    std::vector<Vec> dots;
    float pen = 0;
    auto place = [&](Vec p) { return Vec{origin.x + (pen + p.x + slant * p.y) * scale, origin.y - p.y * scale}; };
    for (char c : text) {
        const Glyph& g = GlyphOf(c);
        for (const auto& s : g.strokes) {
            std::vector<Vec> placed;
            for (Vec p : s) placed.push_back(place(p));
            strokes.push_back(std::move(placed));
        }
        for (Vec d : g.dots) dots.push_back(place(d));
        pen += g.width + spacing;
    }
    const float r = weight / 2;
    std::vector<Shape> parts;
    for (const auto& s : strokes) parts.push_back(Stroke(s, r));
    for (Vec d : dots) parts.push_back(Circle(d, r * 1.15f));
    return [parts](Vec p) {
        float best = 1e9f;
        for (const Shape& s : parts) best = std::min(best, s(p));
        return best;
    };
}

}  // namespace font
