// Colours as the painter works with them: floating RGB in 0..255 while
// painting, 8-bit RGB once a picture is finished.
#pragma once

#include <algorithm>
#include <cstdint>

struct Rgb8 {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb8& o) const { return r == o.r && g == o.g && b == o.b; }
    bool operator!=(const Rgb8& o) const { return !(*this == o); }
};

struct Colour {
    float r = 0, g = 0, b = 0;
    constexpr Colour() = default;
    constexpr Colour(float r_, float g_, float b_) : r(r_), g(g_), b(b_) {}
    Colour operator+(const Colour& o) const { return {r + o.r, g + o.g, b + o.b}; }
    Colour operator-(const Colour& o) const { return {r - o.r, g - o.g, b - o.b}; }
    Colour operator*(float k) const { return {r * k, g * k, b * k}; }
};

inline Colour Mix(const Colour& a, const Colour& b, float t) { return a + (b - a) * t; }

inline std::uint8_t ToByte(float v) {
    v = std::clamp(v, 0.0f, 255.0f);
    return static_cast<std::uint8_t>(v + 0.5f);
}

inline Rgb8 ToRgb8(const Colour& c) { return {ToByte(c.r), ToByte(c.g), ToByte(c.b)}; }
inline Colour ToColour(const Rgb8& c) { return {float(c.r), float(c.g), float(c.b)}; }

inline constexpr Colour Hex(std::uint32_t v) {
    return {float((v >> 16) & 255), float((v >> 8) & 255), float(v & 255)};
}

// The sprite sheet's colour key; nothing painted may use it.
inline constexpr Rgb8 kKeyBlue{0, 0, 255};
