#include "ico_file.h"

#include "encoders.h"

namespace {

// BITMAPINFOHEADER with doubled height, BGRA rows bottom-up, then the 1-bit
// AND mask (set where transparent) for old readers.
Bytes EncodeIconDib(const RgbaImage& image) {
    Bytes out;
    const int w = image.width, h = image.height;
    const int maskStride = ((w + 31) / 32) * 4;
    PutU32(out, 40);
    PutU32(out, static_cast<std::uint32_t>(w));
    PutU32(out, static_cast<std::uint32_t>(h * 2));
    PutU16(out, 1);
    PutU16(out, 32);
    PutU32(out, 0);
    PutU32(out, static_cast<std::uint32_t>(w * h * 4 + maskStride * h));
    PutU32(out, 0);
    PutU32(out, 0);
    PutU32(out, 0);
    PutU32(out, 0);
    for (int y = h - 1; y >= 0; --y)
        for (int x = 0; x < w; ++x) {
            const auto* p = &image.rgba[(static_cast<size_t>(y) * w + x) * 4];
            PutU8(out, p[2]);
            PutU8(out, p[1]);
            PutU8(out, p[0]);
            PutU8(out, p[3]);
        }
    for (int y = h - 1; y >= 0; --y) {
        Bytes row(maskStride, 0);
        for (int x = 0; x < w; ++x)
            if (image.rgba[(static_cast<size_t>(y) * w + x) * 4 + 3] < 128) row[x / 8] |= 0x80 >> (x % 8);
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

}  // namespace

Bytes EncodeIco(const std::vector<RgbaImage>& images) {
    std::vector<Bytes> data;
    for (const RgbaImage& image : images)
        data.push_back(image.width >= 256 ? EncodePng(image) : EncodeIconDib(image));

    Bytes out;
    PutU16(out, 0);
    PutU16(out, 1);  // icon
    PutU16(out, static_cast<unsigned>(images.size()));
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        PutU8(out, images[i].width >= 256 ? 0 : images[i].width);
        PutU8(out, images[i].height >= 256 ? 0 : images[i].height);
        PutU8(out, 0);  // no colour table
        PutU8(out, 0);
        PutU16(out, 1);
        PutU16(out, 32);
        PutU32(out, static_cast<std::uint32_t>(data[i].size()));
        PutU32(out, offset);
        offset += static_cast<std::uint32_t>(data[i].size());
    }
    for (const Bytes& d : data) out.insert(out.end(), d.begin(), d.end());
    return out;
}
