#include "dither.h"

#include <algorithm>

IndexedPicture Dither(const std::vector<Rgb8>& pixels, int width, int height, const Palette& palette,
                      const std::vector<bool>* inside, int outsideIndex, int forbidden) {
    IndexedPicture out{width, height, std::vector<std::uint8_t>(pixels.size())};
    std::vector<Colour> work(pixels.size());
    for (size_t i = 0; i < pixels.size(); ++i) work[i] = ToColour(pixels[i]);
    auto isInside = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < width && y < height && (!inside || (*inside)[y * width + x]);
    };

    for (int y = 0; y < height; ++y) {
        const bool leftToRight = (y % 2) == 0;
        const int dir = leftToRight ? 1 : -1;
        for (int step = 0; step < width; ++step) {
            const int x = leftToRight ? step : width - 1 - step;
            const int i = y * width + x;
            if (!isInside(x, y)) {
                out.indices[i] = static_cast<std::uint8_t>(outsideIndex);
                continue;
            }
            Colour wanted = work[i];
            wanted = {std::clamp(wanted.r, 0.0f, 255.0f), std::clamp(wanted.g, 0.0f, 255.0f),
                      std::clamp(wanted.b, 0.0f, 255.0f)};
            const int chosen = palette::Nearest(palette, wanted, forbidden);
            out.indices[i] = static_cast<std::uint8_t>(chosen);
            const Colour error = wanted - ToColour(palette[chosen]);
            auto spread = [&](int dx, int dy, float share) {
                if (isInside(x + dx, y + dy)) {
                    Colour& c = work[(y + dy) * width + x + dx];
                    c = c + error * share;
                }
            };
            spread(dir, 0, 7.0f / 16);
            spread(-dir, 1, 3.0f / 16);
            spread(0, 1, 5.0f / 16);
            spread(dir, 1, 1.0f / 16);
        }
    }
    return out;
}
