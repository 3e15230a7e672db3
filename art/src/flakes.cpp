#include "flakes.h"

#include <string>

namespace {

Rgb8 Ink(char c) {
    switch (c) {
        case 'W': return {255, 255, 255};
        case 'w': return {226, 238, 255};
        case 'c': return {176, 200, 240};
        case 's': return {150, 166, 206};
        case 'f': return {118, 132, 176};
        default: return {};
    }
}

const char* const kFlakes[3][8] = {
    {"...w...",
     ".w.W.w.",
     "..wWw..",
     "wWWcWWw",
     "..wWw..",
     ".w.W.w.",
     "...w...",
     "......."},
    {".......",
     "...c...",
     "..cwc..",
     ".cwwwc.",
     "..cwc..",
     "...c...",
     ".......",
     "......."},
    {".......",
     ".......",
     ".......",
     "...f...",
     "..fsf..",
     "...f...",
     ".......",
     "......."},
};

}  // namespace

Sprite FlakeImage(int kind) {
    Sprite out(7, 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 7; ++x) {
            const char c = kFlakes[kind - 1][y][x];
            if (c != '.') out.Set(x, y, Ink(c));
        }
    return out;
}
