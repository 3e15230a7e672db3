// Paints every picture of Glimmerfall into the folder given on the command
// line: Data1.Bin, Data2.Bin, banner.jpg, glimmerfall.ico and review.png.
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "banner.h"
#include "bmp_file.h"
#include "dither.h"
#include "encoders.h"
#include "ico_file.h"
#include "icon.h"
#include "palette.h"
#include "panorama.h"
#include "review_sheet.h"
#include "sheet_layout.h"
#include "sprite_sheet.h"

namespace {

bool WriteFile(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) std::fprintf(stderr, "painter: cannot write %s\n", path.c_str());
    return static_cast<bool>(out);
}

std::vector<Rgb8> Colours(const IndexedPicture& picture, const Palette& palette) {
    std::vector<Rgb8> out;
    out.reserve(picture.indices.size());
    for (auto i : picture.indices) out.push_back(palette[i]);
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const std::string dir = std::string(argv[1]) + "/";

    const std::vector<Rgb8> scene = PaintPanorama().ToRgb8();
    const SpriteSheet sprites = PaintSpriteSheet();
    std::vector<Rgb8> spritePixels;
    for (size_t i = 0; i < sprites.pixels.size(); ++i)
        if (sprites.painted[i]) spritePixels.push_back(sprites.pixels[i]);

    const Palette palette = palette::Build(scene, spritePixels);
    const IndexedPicture panorama =
        Dither(scene, kPanoramaWidth, kPanoramaHeight, palette, nullptr, 0, palette::kKeyIndex);
    const IndexedPicture sheet = Dither(sprites.pixels, sheet::kWidth, sheet::kHeight, palette, &sprites.painted,
                                        palette::kKeyIndex, palette::kKeyIndex);

    std::vector<RgbaImage> icons;
    for (int size : {16, 32, 48, 256}) icons.push_back(PaintIcon(size));

    bool ok = WriteFile(dir + "Data1.Bin", EncodeBmp8(panorama, palette));
    ok = WriteFile(dir + "Data2.Bin", EncodeBmp8(sheet, palette)) && ok;
    ok = WriteFile(dir + "banner.jpg", EncodeJpeg(PaintBanner(), 92)) && ok;
    ok = WriteFile(dir + "glimmerfall.ico", EncodeIco(icons)) && ok;
    ok = WriteFile(dir + "review.png", EncodePng(PaintReviewSheet(Colours(panorama, palette), Colours(sheet, palette)))) &&
         ok;
    return ok ? 0 : 1;
}
