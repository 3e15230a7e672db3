// Shapes as signed distance functions: negative inside, in pixels. Sprites
// are drawn from them with hard edges, pictures with soft ones.
#pragma once

#include <cmath>
#include <functional>
#include <vector>

struct Vec {
    float x = 0, y = 0;
    Vec operator+(Vec o) const { return {x + o.x, y + o.y}; }
    Vec operator-(Vec o) const { return {x - o.x, y - o.y}; }
    Vec operator*(float k) const { return {x * k, y * k}; }
};

inline float Dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y; }
inline float Length(Vec a) { return std::sqrt(Dot(a, a)); }
// Unit vector at angle a from straight down (+y), turning towards +x.
inline Vec FromDown(float a) { return {std::sin(a), std::cos(a)}; }
inline Vec Rotate(Vec v, float a) {
    const float c = std::cos(a), s = std::sin(a);
    return {v.x * c - v.y * s, v.x * s + v.y * c};
}

using Shape = std::function<float(Vec)>;

Shape Circle(Vec centre, float radius);
// Ellipse with its x radius along `axis` (a unit vector).
Shape Ellipse(Vec centre, float rx, float ry, Vec axis = {1, 0});
Shape Capsule(Vec a, Vec b, float radius);
// Capsule whose radius changes from ra at a to rb at b.
Shape Taper(Vec a, Vec b, float ra, float rb);
// A chain of capsules through the points.
Shape Stroke(const std::vector<Vec>& points, float radius);
Shape Polygon(std::vector<Vec> points);
Shape Rounded(Shape shape, float radius);
Shape Union(Shape a, Shape b);
Shape Intersect(Shape a, Shape b);
Shape Subtract(Shape a, Shape b);
// Points on the side of the line through `point` that `normal` faces.
Shape HalfPlane(Vec point, Vec normal);
Shape Translate(Shape shape, Vec offset);
