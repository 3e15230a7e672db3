// The settings banner and the programs' icon, as their readers need them.
#include <gtest/gtest.h>

#include "picture_reader.h"

using namespace test_pictures;

namespace {

TEST(Banner, IsA250By55ColourJpeg) {
    const auto f = ReadBytes(PicturePath("banner.jpg"));
    ASSERT_GE(f.size(), 4u);
    EXPECT_EQ(f[0], 0xFF);
    EXPECT_EQ(f[1], 0xD8);
    // Walk the markers to the frame header.
    size_t at = 2;
    bool found = false;
    while (at + 9 < f.size() && f[at] == 0xFF) {
        const int marker = f[at + 1];
        const size_t length = size_t(f[at + 2]) << 8 | f[at + 3];
        if (marker == 0xC0 || marker == 0xC2) {
            EXPECT_EQ(int(f[at + 5]) << 8 | f[at + 6], 55) << "height";
            EXPECT_EQ(int(f[at + 7]) << 8 | f[at + 8], 250) << "width";
            EXPECT_EQ(f[at + 9], 3) << "colour components";
            found = true;
            break;
        }
        at += 2 + length;
    }
    EXPECT_TRUE(found);
    EXPECT_EQ(f[f.size() - 2], 0xFF);
    EXPECT_EQ(f[f.size() - 1], 0xD9);
}

TEST(Icon, Holds16_32_48And256PixelImages) {
    const auto f = ReadBytes(PicturePath("glimmerfall.ico"));
    ASSERT_GE(f.size(), 6u);
    EXPECT_EQ(U16(f, 0), 0);
    EXPECT_EQ(U16(f, 2), 1) << "icon, not cursor";
    const int count = U16(f, 4);
    ASSERT_EQ(count, 4);
    const int sizes[] = {16, 32, 48, 256};
    for (int i = 0; i < count; ++i) {
        const size_t entry = 6 + 16 * size_t(i);
        const int w = f[entry] == 0 ? 256 : f[entry], h = f[entry + 1] == 0 ? 256 : f[entry + 1];
        EXPECT_EQ(w, sizes[i]);
        EXPECT_EQ(h, sizes[i]);
        const std::uint32_t size = U32(f, entry + 8), offset = U32(f, entry + 12);
        ASSERT_LE(size_t(offset) + size, f.size()) << "image " << i;
        if (sizes[i] == 256) {
            const std::uint8_t png[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
            for (int b = 0; b < 8; ++b) EXPECT_EQ(f[offset + b], png[b]) << "PNG signature";
        } else {
            EXPECT_EQ(U32(f, offset), 40u) << "BITMAPINFOHEADER";
            EXPECT_EQ(I32(f, offset + 4), sizes[i]);
            EXPECT_EQ(I32(f, offset + 8), 2 * sizes[i]) << "colour and mask";
            EXPECT_EQ(U16(f, offset + 14), 32);
            const size_t mask = size_t((sizes[i] + 31) / 32 * 4) * sizes[i];
            EXPECT_EQ(size, 40 + size_t(sizes[i]) * sizes[i] * 4 + mask);
        }
    }
}

}  // namespace
