#include "tools/asset-gen/Figure.h"

#include <cmath>

namespace assetgen {

namespace {

constexpr float kWork = 2;  // working resolution: twice the final one

}  // namespace

Figure::Figure(float width, float height, float ppu, uint64_t seed)
    : w_(width), h_(height), k_(ppu * kWork),
      canvas_(int(std::ceil(width * ppu)) * int(kWork), int(std::ceil(height * ppu)) * int(kWork)), dice_(seed) {}

Shape Figure::Oval(float cx, float cy, float rx, float ry, float angle) const { return Ellipse(P(cx, cy), U(rx), U(ry), angle); }
Shape Figure::Limb(float x0, float y0, float x1, float y1, float r0, float r1) const { return Capsule(P(x0, y0), P(x1, y1), U(r0), U(r1)); }
Shape Figure::Poly(std::initializer_list<Vec2> points) const { return PolyV(std::vector<Vec2>(points)); }
Shape Figure::PolyV(const std::vector<Vec2>& points) const {
    std::vector<Vec2> scaled;
    scaled.reserve(points.size());
    for (Vec2 p : points) scaled.push_back(P(p.x, p.y));
    return Polygon(std::move(scaled));
}
Shape Figure::Box(float cx, float cy, float hw, float hh, float radius, float angle) const {
    return RoundRect(P(cx, cy), {U(hw), U(hh)}, U(radius), angle);
}
Shape Figure::Bend(float x0, float y0, float cx, float cy, float x1, float y1, float r0, float r1) const {
    return Curve(P(x0, y0), P(cx, cy), P(x1, y1), U(r0), U(r1));
}
Shape Figure::Band(float cx, float cy, float r, float a0, float a1, float width) const { return Arc(P(cx, cy), U(r), a0, a1, U(width)); }
Shape Figure::Both(const Shape& s) const { return Union({s, Mirror(s, U(w_ / 2))}); }

void Figure::Paint(const Shape& s, const Look& look) {
    Material m(look.colour);
    const float half = std::min(s.box.x1 - s.box.x0, s.box.y1 - s.box.y0) * 0.5f;
    m.bevel = look.bevel > 0 ? U(look.bevel) : std::max(half * 0.9f, 1.0f);
    m.shine = look.shine;
    m.line = 2.2f;
    m.texture = look.texture;
    m.textureScale = 0.12f / kWork;
    m.seed = unsigned(dice_.Next());
    m.glow = look.glow;
    if (look.pattern) {
        const float k = k_;
        m.pattern = [k, pattern = look.pattern](Vec2 p) { return pattern({p.x / k, p.y / k}); };
        m.patternColour = look.patternColour;
    }
    FillShaded(canvas_, s, m);
}

void Figure::Flat(const Shape& s, Rgba colour) { Fill(canvas_, s, colour); }

void Figure::Glow(const Shape& s, Rgba colour, float radius, float strength) {
    // Glow on the figure's own layer: coloured, fading, partly transparent.
    const float r = U(radius);
    const auto b = s.box;
    for (int y = std::max(0, int(b.y0 - r * 4)); y < std::min(canvas_.Height(), int(b.y1 + r * 4)); ++y)
        for (int x = std::max(0, int(b.x0 - r * 4)); x < std::min(canvas_.Width(), int(b.x1 + r * 4)); ++x) {
            const float d = s({x + 0.5f, y + 0.5f});
            const float k = (d <= 0 ? 1.0f : std::exp(-d / r)) * strength;
            if (k > 0.01f) canvas_.Over(x, y, colour, k);
        }
}

void Figure::Eye(float x, float y, float r, Rgba iris, bool fierce) {
    if (fierce) {
        Glow(Oval(x, y, r, r * 0.6f), iris, r * 0.8f, 0.5f);
        Flat(Oval(x, y, r, r * 0.55f), Hex(0x1A0A0A));
        Flat(Oval(x, y, r * 0.8f, r * 0.38f), Mix(iris, Hex(0xFFFFFF), 0.35f));
        Flat(Oval(x, y, r * 0.18f, r * 0.36f), Hex(0x140808));
        return;
    }
    Flat(Oval(x, y, r * 1.12f, r * 1.12f), Hex(0x1A1420));
    Flat(Oval(x, y, r, r), Hex(0xFAFAF4));
    Flat(Oval(x - r * 0.15f, y + r * 0.05f, r * 0.62f, r * 0.68f), iris);
    Flat(Oval(x - r * 0.15f, y + r * 0.08f, r * 0.32f, r * 0.36f), Hex(0x0E0A10));
    Flat(Oval(x - r * 0.35f, y - r * 0.3f, r * 0.2f, r * 0.2f), Hex(0xFFFFFF));
}

void Figure::Eyes(float x, float y, float apart, float r, Rgba iris, bool fierce) {
    Eye(x - apart / 2, y, r, iris, fierce);
    Eye(x + apart / 2, y, r, iris, fierce);
}

void Figure::Mouth(float x0, float x1, float y, float open, bool fangs) {
    const float cx = (x0 + x1) / 2, half = (x1 - x0) / 2;
    Flat(Poly({{x0, y}, {cx, y + open * 0.4f}, {x1, y}, {cx, y + open * 1.6f}}), Hex(0x3A0E14));
    Flat(Oval(cx, y + open * 0.9f, half * 0.45f, open * 0.4f), Hex(0xC04050));
    if (fangs) {
        for (float s : {-1.0f, 1.0f}) {
            const float fx = cx + s * half * 0.55f;
            Flat(Poly({{fx - half * 0.14f, y + open * 0.2f}, {fx + half * 0.14f, y + open * 0.2f}, {fx, y + open * 0.9f}}), Hex(0xFFFCF0));
        }
    }
}

Canvas Figure::Finish() {
    Canvas out = canvas_.Resized(canvas_.Width() / int(kWork), canvas_.Height() / int(kWork));
    AddOutline(out, Hex(0x120C16), 1.0f);
    // Nearly transparent dust would survive the colour key as a faint
    // halo; clear it, and keep a clear border (the top-left pixel is the
    // key).
    for (int y = 0; y < out.Height(); ++y)
        for (int x = 0; x < out.Width(); ++x) {
            Rgba& p = out.At(x, y);
            if (p.a < 0.03f || x == 0 || y == 0) p = Rgba{};
        }
    return out;
}

}  // namespace assetgen
