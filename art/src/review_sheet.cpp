#include "review_sheet.h"

#include <algorithm>
#include <string>

#include "ground_line.h"
#include "panorama.h"
#include "sheet_layout.h"
#include "shapes.h"
#include "stroke_font.h"

namespace {

struct Animation {
    int state;
    std::vector<int> entries;
    std::vector<int> lifts;  // per step, empty when none
};

// The saver's animations towards +x and its two turns, step 0 first.
std::vector<Animation> Animations() {
    std::vector<int> jumpLifts(15, 0);
    const int lifts[] = {7, 14, 28, 28, 28, 14, 0};
    for (int i = 0; i < 7; ++i) jumpLifts[4 + i] = lifts[i];
    return {
        {1, {59, 58}, {}},
        {2, {58, 59}, {}},
        {3, {29, 30, 29, 30, 29, 30, 29, 30, 29, 30}, {}},
        {4, {31, 32, 31, 32, 31, 32, 31, 32, 31, 32, 31, 32, 31, 32, 29, 30, 29, 30}, {}},
        {5, {31, 32, 31, 32, 46, 46, 47, 47, 48, 48, 48, 31, 32, 31, 32}, jumpLifts},
        {6, {29, 33, 34, 35, 35, 35, 35, 35, 34, 33, 29}, {}},
        {7, {29, 36, 37, 38, 37, 38, 37, 38, 36}, {}},
        {8, {42, 43, 42, 43, 42, 43, 42, 43, 42, 43}, {}},
        {9, {44, 45, 44, 45, 44, 45, 44, 45, 44, 45, 44, 45, 44, 45}, {}},
        {10, {49, 50, 49, 50, 49, 50, 49, 50, 49, 50}, {}},
        {11, {51, 52, 53, 52, 53, 52, 51, 29}, {}},
        {12, {29, 54, 55, 56, 57, 56, 57, 56, 57, 56, 57, 56, 57, 56, 57, 56, 57, 55, 54}, {}},
    };
}

class Sheet {
public:
    Sheet(int w, int h) : out_{w, h, std::vector<std::uint8_t>(static_cast<size_t>(w) * h * 4, 255)} {
        Fill(0, 0, w, h, {40, 40, 48});
    }
    void Set(int x, int y, Rgb8 c) {
        if (x < 0 || y < 0 || x >= out_.width || y >= out_.height) return;
        auto* p = &out_.rgba[(static_cast<size_t>(y) * out_.width + x) * 4];
        p[0] = c.r;
        p[1] = c.g;
        p[2] = c.b;
    }
    void Fill(int x, int y, int w, int h, Rgb8 c) {
        for (int j = y; j < y + h; ++j)
            for (int i = x; i < x + w; ++i) Set(i, j, c);
    }
    void Label(const std::string& text, int x, int baseline, Rgb8 c) {
        const Shape s = font::TextShape(text, {float(x), float(baseline)}, 1.6f, 1.6f, 1.2f);
        for (int j = baseline - 16; j < baseline + 3; ++j)
            for (int i = x - 2; i < x + 12 * int(text.size()) + 4; ++i)
                if (s({i + 0.5f, j + 0.5f}) <= 0) Set(i, j, c);
    }
    RgbaImage Take() { return std::move(out_); }

private:
    RgbaImage out_;
};

}  // namespace

RgbaImage PaintReviewSheet(const std::vector<Rgb8>& panorama, const std::vector<Rgb8>& sheet) {
    const int zoom = 3, cell = sheet::kCell * zoom;
    const auto animations = Animations();
    const int stripH = cell + 40 + 28 * zoom;
    const int sheetH = sheet::kHeight * zoom;
    const int panoZoom = 2;
    const int width = sheet::kWidth * zoom;
    const int height = sheetH + 30 + int(animations.size()) * stripH + 20 + kPanoramaHeight * panoZoom;
    Sheet out(width, height);

    auto sheetPixel = [&](int x, int y) { return sheet[static_cast<size_t>(y) * sheet::kWidth + x]; };

    // The sheet, enlarged, with its 44x44 grid and the entry numbers.
    for (int y = 0; y < sheet::kHeight; ++y)
        for (int x = 0; x < sheet::kWidth; ++x) out.Fill(x * zoom, y * zoom, zoom, zoom, sheetPixel(x, y));
    for (int k = 0; k < sheet::kEntries; ++k) {
        const sheet::Rect r = sheet::WalkerCell(k);
        for (int i = 0; i < r.w * zoom; ++i) {
            out.Set(r.x * zoom + i, r.y * zoom, {255, 255, 0});
            out.Set(r.x * zoom, r.y * zoom + i, {255, 255, 0});
        }
        out.Label(std::to_string(k), r.x * zoom + 4, r.y * zoom + 18, {255, 255, 0});
    }

    // One strip per animation, frames in order, lifted where the jump lifts.
    int y0 = sheetH + 30;
    for (const Animation& a : animations) {
        out.Fill(0, y0, width, stripH - 8, {26, 30, 52});
        out.Fill(0, y0 + stripH - 8 - 10, width, 10, {220, 228, 246});
        out.Label(std::to_string(a.state), 8, y0 + 24, {255, 255, 255});
        for (size_t s = 0; s < a.entries.size(); ++s) {
            const sheet::Rect r = sheet::WalkerCell(a.entries[s]);
            const int lift = a.lifts.empty() ? 0 : a.lifts[s];
            const int fx = 60 + int(s) * (cell + 4);
            const int fy = y0 + stripH - 8 - 10 - cell - lift * zoom;
            for (int y = 0; y < r.h; ++y)
                for (int x = 0; x < r.w; ++x) {
                    const Rgb8 c = sheetPixel(r.x + x, r.y + y);
                    if (c != kKeyBlue) out.Fill(fx + x * zoom, fy + y * zoom, zoom, zoom, c);
                }
            out.Label(std::to_string(a.entries[s]), fx, y0 + 24, {180, 190, 220});
        }
        y0 += stripH;
    }

    // The panorama with the frame bottom of every walker position in red and
    // the walker standing at a few of them.
    y0 += 20;
    for (int y = 0; y < kPanoramaHeight; ++y)
        for (int x = 0; x < kPanoramaWidth; ++x)
            out.Fill(x * panoZoom, y0 + y * panoZoom, panoZoom, panoZoom,
                     panorama[static_cast<size_t>(y) * kPanoramaWidth + x]);
    for (int wx = ground::kFirstWalkerX; wx <= ground::kLastWalkerX; wx += ground::kWalkerStep) {
        const int bottom = ground::WalkerY(wx) + ground::kFrameSize - 1;
        for (int x = wx + 18; x < wx + 26; ++x) out.Set(x * panoZoom, y0 + bottom * panoZoom + 1, {255, 40, 40});
        if ((wx - ground::kFirstWalkerX) % 96 == 0) {
            const sheet::Rect r = sheet::WalkerCell(29);
            for (int y = 0; y < r.h; ++y)
                for (int x = 0; x < r.w; ++x) {
                    const Rgb8 c = sheetPixel(r.x + x, r.y + y);
                    if (c != kKeyBlue)
                        out.Fill((wx + x) * panoZoom, y0 + (ground::WalkerY(wx) + y) * panoZoom, panoZoom, panoZoom, c);
                }
        }
    }
    return out.Take();
}
