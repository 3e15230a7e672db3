#include "encoders.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wsign-compare"
#endif
#include <stb/stb_image_write.h>
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

namespace {

void Append(void* context, void* data, int size) {
    auto* out = static_cast<Bytes*>(context);
    const auto* p = static_cast<const std::uint8_t*>(data);
    out->insert(out->end(), p, p + size);
}

}  // namespace

Bytes EncodePng(const RgbaImage& image) {
    Bytes out;
    stbi_write_png_to_func(Append, &out, image.width, image.height, 4, image.rgba.data(), image.width * 4);
    return out;
}

Bytes EncodeJpeg(const RgbaImage& image, int quality) {
    std::vector<std::uint8_t> rgb;
    rgb.reserve(static_cast<size_t>(image.width) * image.height * 3);
    for (size_t i = 0; i < image.rgba.size(); i += 4) rgb.insert(rgb.end(), &image.rgba[i], &image.rgba[i] + 3);
    Bytes out;
    stbi_write_jpg_to_func(Append, &out, image.width, image.height, 3, rgb.data(), quality);
    return out;
}
