// The sprite sheet against the saver's geometry: the cells, flakes and logo
// hold the sprites, everything else is the colour key.
#include <gtest/gtest.h>

#include <string>

#include "picture_reader.h"

using namespace test_pictures;

namespace {

struct Region {
    std::string name;
    int x, y, w, h;
    bool Contains(int px, int py) const { return px >= x && py >= y && px < x + w && py < y + h; }
};

// The saver's blit sources, written out here on their own.
std::vector<Region> SpriteRegions() {
    std::vector<Region> r;
    for (int k = 0; k < 60; ++k) r.push_back({"entry " + std::to_string(k), 44 * (k % 29), 44 * (k / 29), 44, 44});
    r.push_back({"flake 1", 440, 88, 7, 8});
    r.push_back({"flake 2", 448, 88, 7, 8});
    r.push_back({"flake 3", 456, 88, 7, 8});
    r.push_back({"logo", 466, 92, 193, 38});
    return r;
}

class SpriteSheet : public ::testing::Test {
protected:
    void SetUp() override {
        sheet = ReadBitmap8("Data2.Bin");
        ASSERT_EQ(sheet.width, 1280);
        ASSERT_EQ(sheet.height, 132);
        ASSERT_FALSE(sheet.index.empty());
    }
    bool IsKey(int x, int y) const { return sheet.At(x, y) == kKeyBlue; }
    int CountPainted(const Region& r) const {
        int n = 0;
        for (int y = r.y; y < r.y + r.h; ++y)
            for (int x = r.x; x < r.x + r.w; ++x) n += !IsKey(x, y);
        return n;
    }
    Bitmap8 sheet;
};

TEST_F(SpriteSheet, IsOnlyKeyOutsideTheSprites) {
    const auto regions = SpriteRegions();
    int stray = 0;
    for (int y = 0; y < sheet.height; ++y)
        for (int x = 0; x < sheet.width; ++x) {
            bool inSprite = false;
            for (const Region& r : regions) inSprite = inSprite || r.Contains(x, y);
            if (!inSprite && !IsKey(x, y) && stray++ < 5) ADD_FAILURE() << "stray pixel at " << x << "," << y;
        }
    EXPECT_EQ(stray, 0);
}

TEST_F(SpriteSheet, EverySpriteIsDrawnWithoutTheKeyColourNearItsEdge) {
    // Sprite pixels may not be pure blue, nor blended towards it: no painted
    // pixel next to the key is bluer than the sprite's own darkest outline.
    for (const Region& r : SpriteRegions()) {
        EXPECT_GT(CountPainted(r), 0) << r.name << " is empty";
        for (int y = r.y; y < r.y + r.h; ++y)
            for (int x = r.x; x < r.x + r.w; ++x) {
                if (IsKey(x, y)) continue;
                const Rgb8 c = sheet.At(x, y);
                const bool blueish = c.b > 200 && c.r < 40 && c.g < 40;
                EXPECT_FALSE(blueish) << r.name << " at " << x << "," << y;
            }
    }
}

TEST_F(SpriteSheet, UsesTheKeyOnlyAsTheKeyEntry) {
    // GDI matches the key by colour; a sprite pixel of another index with
    // the same colour would vanish too.
    int keyIndex = -1;
    for (int i = 0; i < 256; ++i)
        if (sheet.palette[i] == kKeyBlue) keyIndex = i;
    ASSERT_GE(keyIndex, 0);
    for (int y = 0; y < sheet.height; ++y)
        for (int x = 0; x < sheet.width; ++x)
            if (IsKey(x, y)) {
                ASSERT_EQ(sheet.IndexAt(x, y), keyIndex) << x << "," << y;
            }
}

TEST_F(SpriteSheet, RowZeroMirrorsRowOne) {
    for (int k = 0; k < 29; ++k)
        for (int y = 0; y < 44; ++y)
            for (int x = 0; x < 44; ++x)
                ASSERT_EQ(sheet.IndexAt(44 * k + x, y), sheet.IndexAt(44 * k + 43 - x, 44 + y))
                    << "entry " << k << " at " << x << "," << y;
}

TEST_F(SpriteSheet, EveryWalkerStandsOnTheBottomRowNearTheMiddle) {
    // The saver rests the frame's bottom edge on the ground and the feet are
    // expected near the frame's centre.
    for (int k = 0; k < 60; ++k) {
        const int left = 44 * (k % 29), top = 44 * (k / 29);
        int count = 0, sum = 0;
        for (int x = 0; x < 44; ++x)
            if (!IsKey(left + x, top + 43)) {
                ++count;
                sum += x;
            }
        ASSERT_GT(count, 0) << "entry " << k << " floats above the ground";
        const double mean = double(sum) / count;
        EXPECT_GT(mean, 10) << "entry " << k;
        EXPECT_LT(mean, 34) << "entry " << k;
        // Room above the head: nothing in the top row.
        for (int x = 0; x < 44; ++x) EXPECT_TRUE(IsKey(left + x, top)) << "entry " << k << " touches the top";
    }
}

TEST_F(SpriteSheet, AnimatedFramesDiffer) {
    // Each pair that alternates in an animation must change something.
    const std::pair<int, int> pairs[] = {{29, 30}, {31, 32}, {33, 34}, {34, 35}, {36, 37}, {37, 38}, {42, 43},
                                         {44, 45}, {46, 47}, {47, 48}, {49, 50}, {51, 52}, {52, 53}, {54, 55},
                                         {55, 56}, {56, 57}, {58, 59}};
    for (auto [a, b] : pairs) {
        int differing = 0;
        for (int y = 0; y < 44; ++y)
            for (int x = 0; x < 44; ++x)
                differing += sheet.IndexAt(44 * (a % 29) + x, 44 * (a / 29) + y) !=
                             sheet.IndexAt(44 * (b % 29) + x, 44 * (b / 29) + y);
        EXPECT_GT(differing, 10) << "entries " << a << " and " << b;
    }
}

TEST_F(SpriteSheet, FlakesGrowFainterAndSmallerWithDistance) {
    float lastBrightest = 1e9f;
    int lastCount = 1 << 20;
    for (int kind = 1; kind <= 3; ++kind) {
        const Region r{"flake", 440 + 8 * (kind - 1), 88, 7, 8};
        float brightest = 0;
        for (int y = r.y; y < r.y + r.h; ++y)
            for (int x = r.x; x < r.x + r.w; ++x)
                if (!IsKey(x, y)) brightest = std::max(brightest, Luminance(sheet.At(x, y)));
        const int count = CountPainted(r);
        EXPECT_LT(count, lastCount) << "kind " << kind;
        EXPECT_LT(brightest, lastBrightest) << "kind " << kind;
        lastBrightest = brightest;
        lastCount = count;
    }
}

}  // namespace
