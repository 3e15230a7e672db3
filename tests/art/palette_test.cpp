// The shared palette and the error diffusion onto it.
#include <gtest/gtest.h>

#include "dither.h"
#include "palette.h"

namespace {

TEST(PaletteBuild, KeepsFixedEntriesAndEverySpriteColourExactly) {
    const std::vector<Rgb8> sprites = {{200, 40, 40}, {250, 210, 180}, {38, 24, 44}, {0, 0, 255}, {255, 255, 255}};
    std::vector<Rgb8> scene;
    for (int i = 0; i < 4000; ++i) scene.push_back({std::uint8_t(i % 200), std::uint8_t(i / 20 % 256), 90});
    const Palette p = palette::Build(scene, sprites);
    EXPECT_EQ(p[palette::kBlackIndex], (Rgb8{0, 0, 0}));
    EXPECT_EQ(p[palette::kWhiteIndex], (Rgb8{255, 255, 255}));
    EXPECT_EQ(p[palette::kKeyIndex], kKeyBlue);
    int blues = 0;
    for (const Rgb8& c : p) blues += c == kKeyBlue;
    EXPECT_EQ(blues, 1) << "a sprite's blue must not become a second key";
    for (size_t s = 0; s < 3; ++s) {
        bool present = false;
        for (const Rgb8& c : p) present = present || c == sprites[s];
        EXPECT_TRUE(present) << "sprite colour " << s;
    }
}

TEST(Dither, NeverLetsErrorCrossTheSpriteEdge) {
    // A sprite of one exact palette colour on the key: each of its pixels
    // must come out as that entry, however the key around it is diffused.
    const int w = 8, h = 6;
    Palette p{};
    p[palette::kKeyIndex] = kKeyBlue;
    p[255] = {255, 255, 255};
    p[7] = {120, 30, 30};
    std::vector<Rgb8> pixels(w * h, kKeyBlue);
    std::vector<bool> inside(w * h, false);
    for (int y = 1; y < 5; ++y)
        for (int x = 2; x < 6; ++x) {
            pixels[y * w + x] = p[7];
            inside[y * w + x] = true;
        }
    const IndexedPicture out = Dither(pixels, w, h, p, &inside, palette::kKeyIndex, palette::kKeyIndex);
    for (int i = 0; i < w * h; ++i) EXPECT_EQ(out.indices[i], inside[i] ? 7 : palette::kKeyIndex) << "pixel " << i;
}

TEST(Dither, NeverChoosesTheKeyInsideASprite) {
    Palette p{};
    p[palette::kKeyIndex] = kKeyBlue;
    p[9] = {30, 30, 200};
    p[255] = {255, 255, 255};
    const std::vector<Rgb8> pixels(4, kKeyBlue);
    const std::vector<bool> inside(4, true);
    const IndexedPicture out = Dither(pixels, 2, 2, p, &inside, palette::kKeyIndex, palette::kKeyIndex);
    for (auto i : out.indices) EXPECT_NE(i, palette::kKeyIndex);
}

TEST(Dither, KeepsTheAverageColourOfASmoothGradient) {
    // Error diffusion: a gradient between two entries averages out right.
    Palette p{};
    p[0] = {0, 0, 0};
    p[255] = {255, 255, 255};
    for (int i = 1; i < 255; ++i) p[i] = {0, 0, 0};
    const int w = 64, h = 16;
    std::vector<Rgb8> pixels(w * h, Rgb8{64, 64, 64});
    const IndexedPicture out = Dither(pixels, w, h, p, nullptr, 0, -1);
    double sum = 0;
    for (auto i : out.indices) sum += p[i].r;
    EXPECT_NEAR(sum / (w * h), 64.0, 3.0);
}

}  // namespace
