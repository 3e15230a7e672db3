#include "sprite_sheet.h"

#include "flakes.h"
#include "logo.h"
#include "sheet_layout.h"
#include "walker_poses.h"

namespace {

void Place(SpriteSheet& sheet, const Sprite& sprite, int x0, int y0) {
    for (int y = 0; y < sprite.Height(); ++y)
        for (int x = 0; x < sprite.Width(); ++x)
            if (sprite.Filled(x, y)) {
                Rgb8 c = sprite.At(x, y);
                // The key is an exact match: a sprite pixel must never equal it.
                if (c == kKeyBlue) c.r = 8;
                const size_t i = static_cast<size_t>(y0 + y) * sheet::kWidth + (x0 + x);
                sheet.pixels[i] = c;
                sheet.painted[i] = true;
            }
}

}  // namespace

SpriteSheet PaintSpriteSheet() {
    const size_t n = static_cast<size_t>(sheet::kWidth) * sheet::kHeight;
    SpriteSheet out{std::vector<Rgb8>(n, kKeyBlue), std::vector<bool>(n, false)};
    for (int k = 0; k < sheet::kEntries; ++k) {
        const sheet::Rect cell = sheet::WalkerCell(k);
        Place(out, WalkerFrame(k), cell.x, cell.y);
    }
    for (int kind = 1; kind <= 3; ++kind) {
        const sheet::Rect cell = sheet::FlakeCell(kind);
        Place(out, FlakeImage(kind), cell.x, cell.y);
    }
    Place(out, LogoImage(), sheet::kLogo.x, sheet::kLogo.y);
    return out;
}
