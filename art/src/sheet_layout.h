// Where everything lies in the 1280x132 sprite sheet, as the saver reads it.
#pragma once

#include <vector>

namespace sheet {

inline constexpr int kWidth = 1280;
inline constexpr int kHeight = 132;
inline constexpr int kCell = 44;
inline constexpr int kCellsPerRow = 29;
inline constexpr int kEntries = 60;

struct Rect {
    int x, y, w, h;
    bool Contains(int px, int py) const { return px >= x && py >= y && px < x + w && py < y + h; }
};

// Cell of walker entry k (0..59).
inline Rect WalkerCell(int k) {
    return {kCell * (k % kCellsPerRow), kCell * (k / kCellsPerRow), kCell, kCell};
}

// Flake of kind 1 (large, front), 2 or 3 (small, far).
inline Rect FlakeCell(int kind) { return {440 + 8 * (kind - 1), 88, 7, 8}; }

inline constexpr Rect kLogo{466, 92, 193, 38};
// Where the saver puts the logo on the screen.
inline constexpr int kLogoScreenX = 410;
inline constexpr int kLogoScreenY = 18;

// Every region that holds a sprite; the rest of the sheet is colour key.
inline std::vector<Rect> SpriteRegions() {
    std::vector<Rect> regions;
    for (int k = 0; k < kEntries; ++k) regions.push_back(WalkerCell(k));
    for (int kind = 1; kind <= 3; ++kind) regions.push_back(FlakeCell(kind));
    regions.push_back(kLogo);
    return regions;
}

}  // namespace sheet
