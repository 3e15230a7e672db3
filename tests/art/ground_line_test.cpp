// The snow surface of the panorama meets the saver's ground line wherever
// the walker can stand.
#include <gtest/gtest.h>

#include "ground_line.h"
#include "picture_reader.h"

using namespace test_pictures;

namespace {

TEST(GroundLine, GivesTheSaversFrameTops) {
    // The saver's own table of WalkerY values.
    const std::pair<int, int> table[] = {{0, 351},   {133, 351}, {134, 350}, {136, 351}, {200, 364},
                                         {232, 370}, {364, 396}, {366, 397}, {512, 397}, {516, 396},
                                         {600, 386}, {800, 361}, {1000, 336}, {1116, 322}, {1120, 321},
                                         {1244, 306}};
    for (auto [x, y] : table) EXPECT_EQ(ground::WalkerY(x), y) << "WalkerX " << x;
}

TEST(GroundLine, PiecesMeetAtTheBreakpoints) {
    EXPECT_NEAR(ground::GroundY(134), 394.99921, 1e-4);
    EXPECT_NEAR(ground::GroundY(365.9999f), 440.998, 1e-2);
    EXPECT_NEAR(ground::GroundY(512), 441.00045, 1e-4);
    EXPECT_NEAR(ground::GroundY(1279), 345.87711, 1e-4);
}

// Snow of the foreground is bright; what lies behind the path is not.
constexpr float kSnowLuminance = 170;

TEST(PanoramaSnow, MeetsTheFeetAtEveryWalkerStep) {
    const Bitmap8 pano = ReadBitmap8("Data1.Bin");
    ASSERT_EQ(pano.width, 1280);
    ASSERT_EQ(pano.height, 480);
    ASSERT_FALSE(pano.index.empty());
    for (int walkerX = 76; walkerX <= 1244; walkerX += 4) {
        const int column = walkerX + 22;
        const int feet = ground::WalkerY(walkerX) + 44;  // first row below the frame
        // The edge: the highest row from which the column is snow down to
        // well below the feet.
        int edge = feet + 12;
        while (edge > feet - 12 && Luminance(pano.At(column, edge - 1)) >= kSnowLuminance) --edge;
        EXPECT_LE(std::abs(edge - feet), 2) << "WalkerX " << walkerX << ": snow starts at row " << edge
                                            << ", the frame ends above row " << feet;
        for (int y = edge; y < feet + 12; ++y)
            ASSERT_GE(Luminance(pano.At(column, y)), kSnowLuminance) << "WalkerX " << walkerX << " row " << y;
    }
}

TEST(PanoramaSnow, LeavesTheLogoAreaQuiet) {
    // The logo lies over world x 410..1241, y 18..55 at some scroll: only
    // sky there, dark enough for the frosty letters to read.
    const Bitmap8 pano = ReadBitmap8("Data1.Bin");
    ASSERT_FALSE(pano.index.empty());
    double sum = 0;
    int n = 0, bright = 0;
    for (int y = 18; y <= 55; ++y)
        for (int x = 410; x <= 1241; ++x) {
            const float l = Luminance(pano.At(x, y));
            sum += l;
            ++n;
            bright += l > 120;
        }
    EXPECT_LT(sum / n, 60.0);
    EXPECT_LT(bright, n / 200);
}

}  // namespace
