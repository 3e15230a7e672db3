#include "median_cut.h"

#include <algorithm>
#include <limits>
#include <map>

namespace {

float Channel(const Colour& c, int axis) { return axis == 0 ? c.r : axis == 1 ? c.g : c.b; }

struct Box {
    std::vector<WeightedColour> members;
    double error = 0;  // weighted squared spread around the mean
    int axis = 0;      // channel with the widest spread
};

void Measure(Box& box) {
    double w = 0, mean[3] = {0, 0, 0};
    for (const auto& m : box.members) {
        w += m.weight;
        for (int a = 0; a < 3; ++a) mean[a] += m.weight * Channel(m.colour, a);
    }
    double spread[3] = {0, 0, 0};
    if (w > 0) {
        for (double& v : mean) v /= w;
        for (const auto& m : box.members)
            for (int a = 0; a < 3; ++a) {
                const double d = Channel(m.colour, a) - mean[a];
                spread[a] += m.weight * d * d;
            }
    }
    box.error = box.members.size() < 2 ? 0 : spread[0] + spread[1] + spread[2];
    box.axis = spread[1] >= spread[0] && spread[1] >= spread[2] ? 1 : spread[0] >= spread[2] ? 0 : 2;
}

Colour Mean(const std::vector<WeightedColour>& members) {
    double w = 0, r = 0, g = 0, b = 0;
    for (const auto& m : members) {
        w += m.weight;
        r += m.weight * m.colour.r;
        g += m.weight * m.colour.g;
        b += m.weight * m.colour.b;
    }
    if (w <= 0) return members.front().colour;
    return {float(r / w), float(g / w), float(b / w)};
}

float Distance(const Colour& a, const Colour& b) {
    const Colour d = a - b;
    return d.r * d.r + d.g * d.g + d.b * d.b;
}

}  // namespace

std::vector<WeightedColour> Histogram(const std::vector<Rgb8>& pixels) {
    struct Sum {
        double n = 0, r = 0, g = 0, b = 0;
    };
    std::map<int, Sum> bins;
    for (const Rgb8& p : pixels) {
        Sum& s = bins[(p.r >> 2) << 12 | (p.g >> 2) << 6 | (p.b >> 2)];
        s.n += 1;
        s.r += p.r;
        s.g += p.g;
        s.b += p.b;
    }
    std::vector<WeightedColour> out;
    out.reserve(bins.size());
    for (const auto& [key, s] : bins)
        out.push_back({{float(s.r / s.n), float(s.g / s.n), float(s.b / s.n)}, s.n});
    return out;
}

std::vector<Colour> ReduceColours(const std::vector<WeightedColour>& colours, int count,
                                  int refinementRounds) {
    if (colours.empty() || count <= 0) return {};
    std::vector<Box> boxes(1);
    boxes[0].members = colours;
    Measure(boxes[0]);
    while (static_cast<int>(boxes.size()) < count) {
        auto worst = std::max_element(boxes.begin(), boxes.end(),
                                      [](const Box& a, const Box& b) { return a.error < b.error; });
        if (worst->error <= 0) break;
        const int axis = worst->axis;
        auto& m = worst->members;
        std::stable_sort(m.begin(), m.end(), [axis](const WeightedColour& a, const WeightedColour& b) {
            return Channel(a.colour, axis) < Channel(b.colour, axis);
        });
        double total = 0;
        for (const auto& c : m) total += c.weight;
        double run = 0;
        size_t cut = 1;
        for (size_t i = 0; i + 1 < m.size(); ++i) {
            run += m[i].weight;
            cut = i + 1;
            if (run >= total / 2) break;
        }
        Box upper;
        upper.members.assign(m.begin() + static_cast<long>(cut), m.end());
        m.resize(cut);
        Measure(*worst);
        Measure(upper);
        boxes.push_back(std::move(upper));
    }

    std::vector<Colour> centres;
    for (const Box& b : boxes) centres.push_back(Mean(b.members));

    // Lloyd rounds: move each centre to the mean of the colours nearest to it.
    std::vector<size_t> owner(colours.size());
    for (int round = 0; round < refinementRounds; ++round) {
        for (size_t i = 0; i < colours.size(); ++i) {
            float best = std::numeric_limits<float>::max();
            for (size_t c = 0; c < centres.size(); ++c) {
                const float d = Distance(colours[i].colour, centres[c]);
                if (d < best) {
                    best = d;
                    owner[i] = c;
                }
            }
        }
        std::vector<double> w(centres.size()), r(centres.size()), g(centres.size()), b(centres.size());
        for (size_t i = 0; i < colours.size(); ++i) {
            const auto& c = colours[i];
            w[owner[i]] += c.weight;
            r[owner[i]] += c.weight * c.colour.r;
            g[owner[i]] += c.weight * c.colour.g;
            b[owner[i]] += c.weight * c.colour.b;
        }
        for (size_t c = 0; c < centres.size(); ++c)
            if (w[c] > 0) centres[c] = {float(r[c] / w[c]), float(g[c] / w[c]), float(b[c] / w[c])};
    }
    return centres;
}
