#pragma once
// Screen geometry and colour: signed 32-bit pixels, origin top left, y down.
#include <cstdint>

struct Point {
    int32_t x = 0, y = 0;
    bool operator==(const Point&) const = default;
};

struct Size {
    int32_t w = 0, h = 0;
    bool operator==(const Size&) const = default;
};

struct Rect {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
    int32_t Width() const { return right - left; }
    int32_t Height() const { return bottom - top; }
    bool operator==(const Rect&) const = default;
};

struct Color {
    uint8_t r = 0, g = 0, b = 0, a = 0;
    uint32_t Argb() const {
        return uint32_t{a} << 24 | uint32_t{r} << 16 | uint32_t{g} << 8 | uint32_t{b};
    }
    static Color FromArgb(uint32_t argb) {
        return {static_cast<uint8_t>(argb >> 16), static_cast<uint8_t>(argb >> 8),
                static_cast<uint8_t>(argb), static_cast<uint8_t>(argb >> 24)};
    }
    bool operator==(const Color&) const = default;
};

// Alignment codes: horizontal 0 left, 1 centre, 2 right; vertical 0 top,
// 1 middle, 2 bottom.
enum Align : int32_t { kAlignStart = 0, kAlignCentre = 1, kAlignEnd = 2 };

// The rectangle of `size` whose anchor (chosen by the codes) is `anchor`.
// Division truncates toward zero, as every screen layout expects.
inline Rect RectFromAnchor(Point anchor, Size size, int32_t horizontal, int32_t vertical) {
    auto start = [](int32_t at, int32_t length, int32_t code) {
        if (code == kAlignCentre) return at - length / 2;
        if (code == kAlignEnd) return at - length;
        return at;
    };
    Rect r;
    r.left = start(anchor.x, size.w, horizontal);
    r.top = start(anchor.y, size.h, vertical);
    r.right = r.left + size.w;
    r.bottom = r.top + size.h;
    return r;
}

// The anchor point of a rectangle; any code other than 0, 1, 2 gives 0.
inline Point AnchorOf(const Rect& r, int32_t horizontal, int32_t vertical) {
    auto pick = [](int32_t low, int32_t high, int32_t code) {
        switch (code) {
            case kAlignStart: return low;
            case kAlignCentre: return (low + high) / 2;
            case kAlignEnd: return high;
            default: return 0;
        }
    };
    return {pick(r.left, r.right, horizontal), pick(r.top, r.bottom, vertical)};
}
