#pragma once
// Screen geometry and colour: signed 32-bit pixels, origin top left, y down.
#include <cstdint>

struct Point {
    int32_t x = 0, y = 0;
};

struct Size {
    int32_t w = 0, h = 0;
};

struct Rect {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
    int32_t Width() const { return right - left; }
    int32_t Height() const { return bottom - top; }
};

struct Color {
    uint8_t r = 0, g = 0, b = 0, a = 0;
    uint32_t Argb() const {
        return uint32_t{a} << 24 | uint32_t{r} << 16 | uint32_t{g} << 8 | uint32_t{b};
    }
    bool operator==(const Color&) const = default;
};
