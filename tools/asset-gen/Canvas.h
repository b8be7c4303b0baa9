#pragma once
// A picture being painted: floating-point RGBA with straight (not
// premultiplied) alpha, origin top left, y down.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace assetgen {

struct Rgba {
    float r = 0, g = 0, b = 0, a = 0;
};

// 0xRRGGBB with an alpha.
constexpr Rgba Hex(uint32_t rgb, float a = 1.0f) {
    return {float((rgb >> 16) & 255) / 255.0f, float((rgb >> 8) & 255) / 255.0f,
            float(rgb & 255) / 255.0f, a};
}

inline float Clamp01(float v) { return std::clamp(v, 0.0f, 1.0f); }
inline float Lerp(float a, float b, float t) { return a + (b - a) * t; }
inline float SmoothStep(float e0, float e1, float x) {
    const float t = Clamp01((x - e0) / (e1 - e0));
    return t * t * (3 - 2 * t);
}
inline Rgba Mix(Rgba a, Rgba b, float t) {
    return {Lerp(a.r, b.r, t), Lerp(a.g, b.g, t), Lerp(a.b, b.b, t), Lerp(a.a, b.a, t)};
}
// Colour times k (alpha kept).
inline Rgba Shade(Rgba c, float k) { return {c.r * k, c.g * k, c.b * k, c.a}; }
inline Rgba WithAlpha(Rgba c, float a) { return {c.r, c.g, c.b, a}; }
inline float Luma(Rgba c) { return 0.299f * c.r + 0.587f * c.g + 0.114f * c.b; }

struct Vec2 {
    float x = 0, y = 0;
};
inline Vec2 operator+(Vec2 a, Vec2 b) { return {a.x + b.x, a.y + b.y}; }
inline Vec2 operator-(Vec2 a, Vec2 b) { return {a.x - b.x, a.y - b.y}; }
inline Vec2 operator*(Vec2 a, float k) { return {a.x * k, a.y * k}; }
inline float Dot(Vec2 a, Vec2 b) { return a.x * b.x + a.y * b.y; }
inline float Length(Vec2 a) { return std::sqrt(a.x * a.x + a.y * a.y); }
inline Vec2 Rotate(Vec2 v, float radians) {
    const float c = std::cos(radians), s = std::sin(radians);
    return {v.x * c - v.y * s, v.x * s + v.y * c};
}

class Canvas {
public:
    Canvas() = default;
    Canvas(int width, int height, Rgba fill = {}) : w_(width), h_(height), px_(size_t(width) * height, fill) {}

    int Width() const { return w_; }
    int Height() const { return h_; }
    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < w_ && y < h_; }
    Rgba& At(int x, int y) { return px_[size_t(y) * w_ + x]; }
    const Rgba& At(int x, int y) const { return px_[size_t(y) * w_ + x]; }
    std::vector<Rgba>& Pixels() { return px_; }
    const std::vector<Rgba>& Pixels() const { return px_; }

    // Source-over with straight alpha; `cover` scales the source alpha.
    void Over(int x, int y, Rgba c, float cover = 1.0f) {
        if (!Inside(x, y)) return;
        const float sa = Clamp01(c.a * cover);
        if (sa <= 0) return;
        Rgba& d = At(x, y);
        const float da = d.a * (1 - sa);
        const float oa = sa + da;
        d.r = (c.r * sa + d.r * da) / oa;
        d.g = (c.g * sa + d.g * da) / oa;
        d.b = (c.b * sa + d.b * da) / oa;
        d.a = oa;
    }
    // Adds light: colours add, alpha grows towards 1 (for glows on
    // transparent black, written premultiplied).
    void AddLight(int x, int y, Rgba c, float k) {
        if (!Inside(x, y) || k <= 0) return;
        Rgba& d = At(x, y);
        d.r += c.r * k;
        d.g += c.g * k;
        d.b += c.b * k;
        d.a = std::max(d.a, Clamp01(std::max({c.r, c.g, c.b}) * k));
    }
    // Bilinear sample with clamped edges.
    Rgba Sample(float x, float y) const;
    // Area-averaged resize (for the contact sheet and small icons).
    Canvas Resized(int width, int height) const;
    // Copies `src` with its alpha over this canvas at (x, y).
    void Paste(const Canvas& src, int x, int y);

private:
    int w_ = 0, h_ = 0;
    std::vector<Rgba> px_;
};

}  // namespace assetgen
