// A finished picture with transparency, for the icon and the encoders.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct RgbaImage {
    int width = 0, height = 0;
    std::vector<std::uint8_t> rgba;  // top row first, 4 bytes a pixel
};
