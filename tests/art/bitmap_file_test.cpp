// The two bitmap files as the saver reads them: headers, sizes and the
// shared palette.
#include <gtest/gtest.h>

#include <ostream>

#include "picture_reader.h"

using namespace test_pictures;

namespace {

struct BitmapCase {
    const char* name;
    int width, height;
};

std::ostream& operator<<(std::ostream& out, const BitmapCase& c) { return out << c.name; }

class BitmapFile : public ::testing::TestWithParam<BitmapCase> {};

TEST_P(BitmapFile, HasAn8BitBottomUpLayoutWithAFortyByteHeader) {
    const BitmapCase c = GetParam();
    const Bitmap8 bmp = ReadBitmap8(c.name);
    const auto& f = bmp.file;
    ASSERT_GE(f.size(), 1078u);
    EXPECT_EQ(f[0], 'B');
    EXPECT_EQ(f[1], 'M');
    EXPECT_EQ(U32(f, 2), f.size());
    EXPECT_EQ(U32(f, 14), 40u) << "biSize";
    EXPECT_EQ(I32(f, 18), c.width);
    EXPECT_EQ(I32(f, 22), c.height) << "positive height: rows stored bottom-up";
    EXPECT_EQ(U16(f, 26), 1u) << "planes";
    EXPECT_EQ(U16(f, 28), 8u) << "bits per pixel";
    EXPECT_EQ(U32(f, 30), 0u) << "uncompressed";
    const std::uint32_t used = U32(f, 46);
    EXPECT_TRUE(used == 0 || used == 256) << used;
    // The saver's palette reader takes the colours straight from offset 54.
    EXPECT_EQ(U32(f, 10), 54u + 1024u);
    EXPECT_EQ(f.size(), 1078u + static_cast<size_t>((c.width + 3) / 4 * 4) * c.height);
}

INSTANTIATE_TEST_SUITE_P(Pictures, BitmapFile,
                         ::testing::Values(BitmapCase{"Data1.Bin", 1280, 480}, BitmapCase{"Data2.Bin", 1280, 132}),
                         [](const auto& info) { return std::string(info.param.name).substr(0, 5); });

TEST(SharedPalette, IsTheSameInBothFiles) {
    const Bitmap8 panorama = ReadBitmap8("Data1.Bin"), sheet = ReadBitmap8("Data2.Bin");
    ASSERT_FALSE(panorama.index.empty());
    ASSERT_FALSE(sheet.index.empty());
    for (int i = 0; i < 256; ++i) EXPECT_EQ(panorama.palette[i], sheet.palette[i]) << "entry " << i;
}

TEST(SharedPalette, KeepsBlackAndWhiteWhereDirectDrawFixesThem) {
    const Bitmap8 bmp = ReadBitmap8("Data1.Bin");
    EXPECT_EQ(bmp.palette[0], (Rgb8{0, 0, 0}));
    EXPECT_EQ(bmp.palette[255], (Rgb8{255, 255, 255}));
}

TEST(SharedPalette, HoldsThePureBlueKeyExactlyOnce) {
    const Bitmap8 bmp = ReadBitmap8("Data1.Bin");
    int blues = 0;
    for (const Rgb8& c : bmp.palette) blues += c == kKeyBlue;
    EXPECT_EQ(blues, 1);
}

TEST(SharedPalette, IsChosenForThePaintingRatherThanARamp) {
    // A real quantiser gives many distinct colours, and the panorama uses
    // most of them.
    const Bitmap8 bmp = ReadBitmap8("Data1.Bin");
    ASSERT_FALSE(bmp.index.empty());
    std::vector<bool> used(256);
    for (auto i : bmp.index) used[i] = true;
    int distinctUsed = 0;
    for (int i = 0; i < 256; ++i) distinctUsed += used[i];
    EXPECT_GE(distinctUsed, 150);
}

}  // namespace
