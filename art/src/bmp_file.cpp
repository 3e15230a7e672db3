#include "bmp_file.h"

Bytes EncodeBmp8(const IndexedPicture& picture, const Palette& palette) {
    const std::uint32_t stride = (static_cast<std::uint32_t>(picture.width) + 3u) & ~3u;
    const std::uint32_t imageSize = stride * static_cast<std::uint32_t>(picture.height);
    const std::uint32_t dataOffset = 14 + 40 + 256 * 4;

    Bytes out;
    out.reserve(dataOffset + imageSize);
    // BITMAPFILEHEADER
    PutU8(out, 'B');
    PutU8(out, 'M');
    PutU32(out, dataOffset + imageSize);
    PutU16(out, 0);
    PutU16(out, 0);
    PutU32(out, dataOffset);
    // BITMAPINFOHEADER
    PutU32(out, 40);
    PutU32(out, static_cast<std::uint32_t>(picture.width));
    PutU32(out, static_cast<std::uint32_t>(picture.height));  // positive: bottom-up
    PutU16(out, 1);
    PutU16(out, 8);
    PutU32(out, 0);  // BI_RGB
    PutU32(out, imageSize);
    PutU32(out, 2835);  // 72 dpi
    PutU32(out, 2835);
    PutU32(out, 256);
    PutU32(out, 256);
    // RGBQUADs
    for (const Rgb8& c : palette) {
        PutU8(out, c.b);
        PutU8(out, c.g);
        PutU8(out, c.r);
        PutU8(out, 0);
    }
    for (int y = picture.height - 1; y >= 0; --y) {
        const auto* row = &picture.indices[static_cast<size_t>(y) * picture.width];
        out.insert(out.end(), row, row + picture.width);
        for (std::uint32_t pad = picture.width; pad < stride; ++pad) PutU8(out, 0);
    }
    return out;
}
