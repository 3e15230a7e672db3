// Reads the painted files back, independently of the painter's writers.
#pragma once

#include <array>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "colour.h"

namespace test_pictures {

inline std::string PicturePath(const std::string& name) { return std::string(PICTURES_DIR) + "/" + name; }

inline std::vector<std::uint8_t> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::uint32_t U32(const std::vector<std::uint8_t>& b, size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | std::uint32_t(b[at + 3]) << 24;
}
inline std::uint16_t U16(const std::vector<std::uint8_t>& b, size_t at) {
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}
inline std::int32_t I32(const std::vector<std::uint8_t>& b, size_t at) {
    return static_cast<std::int32_t>(U32(b, at));
}

// An 8-bit bottom-up bitmap with a 40-byte info header, decoded.
struct Bitmap8 {
    std::vector<std::uint8_t> file;
    int width = 0, height = 0;
    std::array<Rgb8, 256> palette{};
    std::vector<std::uint8_t> index;  // top row first

    std::uint8_t IndexAt(int x, int y) const { return index[static_cast<size_t>(y) * width + x]; }
    Rgb8 At(int x, int y) const { return palette[IndexAt(x, y)]; }
};

inline Bitmap8 ReadBitmap8(const std::string& name) {
    Bitmap8 bmp;
    bmp.file = ReadBytes(PicturePath(name));
    const auto& f = bmp.file;
    if (f.size() < 54 + 1024) return bmp;
    bmp.width = I32(f, 18);
    bmp.height = I32(f, 22);
    for (int i = 0; i < 256; ++i)
        bmp.palette[i] = {f[54 + 4 * i + 2], f[54 + 4 * i + 1], f[54 + 4 * i]};
    const size_t offset = U32(f, 10);
    const size_t stride = (static_cast<size_t>(bmp.width) + 3) & ~size_t(3);
    if (bmp.width <= 0 || bmp.height <= 0 || f.size() < offset + stride * bmp.height) return bmp;
    bmp.index.resize(static_cast<size_t>(bmp.width) * bmp.height);
    for (int y = 0; y < bmp.height; ++y)
        for (int x = 0; x < bmp.width; ++x)
            bmp.index[static_cast<size_t>(y) * bmp.width + x] = f[offset + (bmp.height - 1 - y) * stride + x];
    return bmp;
}

inline float Luminance(const Rgb8& c) { return 0.299f * c.r + 0.587f * c.g + 0.114f * c.b; }

}  // namespace test_pictures
