#include "shapes.h"

#include <algorithm>

namespace {

float SegmentDistance(Vec p, Vec a, Vec b, float* along = nullptr) {
    const Vec ab = b - a;
    const float len2 = Dot(ab, ab);
    float t = len2 > 0 ? std::clamp(Dot(p - a, ab) / len2, 0.0f, 1.0f) : 0.0f;
    if (along) *along = t;
    return Length(p - (a + ab * t));
}

}  // namespace

Shape Circle(Vec centre, float radius) {
    return [=](Vec p) { return Length(p - centre) - radius; };
}

Shape Ellipse(Vec centre, float rx, float ry, Vec axis) {
    const Vec other{-axis.y, axis.x};
    return [=](Vec p) {
        const Vec d = p - centre;
        const float u = Dot(d, axis) / rx, v = Dot(d, other) / ry;
        const float k = std::sqrt(u * u + v * v);
        return (k - 1.0f) * std::min(rx, ry);
    };
}

Shape Capsule(Vec a, Vec b, float radius) {
    return [=](Vec p) { return SegmentDistance(p, a, b) - radius; };
}

Shape Taper(Vec a, Vec b, float ra, float rb) {
    return [=](Vec p) {
        float t = 0;
        const float d = SegmentDistance(p, a, b, &t);
        return d - (ra + (rb - ra) * t);
    };
}

Shape Stroke(const std::vector<Vec>& points, float radius) {
    return [=](Vec p) {
        float best = 1e9f;
        if (points.size() == 1) return Length(p - points[0]) - radius;
        for (size_t i = 0; i + 1 < points.size(); ++i)
            best = std::min(best, SegmentDistance(p, points[i], points[i + 1]));
        return best - radius;
    };
}

Shape Polygon(std::vector<Vec> points) {
    return [points = std::move(points)](Vec p) {
        float best = 1e9f;
        bool inside = false;
        for (size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
            const Vec a = points[j], b = points[i];
            best = std::min(best, SegmentDistance(p, a, b));
            if ((b.y > p.y) != (a.y > p.y) && p.x < (a.x - b.x) * (p.y - b.y) / (a.y - b.y) + b.x)
                inside = !inside;
        }
        return inside ? -best : best;
    };
}

Shape Rounded(Shape shape, float radius) {
    return [=](Vec p) { return shape(p) - radius; };
}

Shape Union(Shape a, Shape b) {
    return [=](Vec p) { return std::min(a(p), b(p)); };
}

Shape Intersect(Shape a, Shape b) {
    return [=](Vec p) { return std::max(a(p), b(p)); };
}

Shape Subtract(Shape a, Shape b) {
    return [=](Vec p) { return std::max(a(p), -b(p)); };
}

Shape HalfPlane(Vec point, Vec normal) {
    return [=](Vec p) { return -Dot(p - point, normal); };
}

Shape Translate(Shape shape, Vec offset) {
    return [=](Vec p) { return shape(p - offset); };
}
