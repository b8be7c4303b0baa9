#include "tools/asset-gen/StatusIcons.h"

#include <cmath>
#include <vector>

#include "tools/asset-gen/Paint.h"

namespace assetgen {

namespace {

// Icons are painted four times larger and shrunk, for clean edges. Shapes
// are written in the 24-pixel grid of the final icon.
constexpr float kUp = 4;
constexpr int kBig = kIconSize * 4;

Vec2 P(float x, float y) { return {x * kUp, y * kUp}; }
Shape Dot(float x, float y, float r) { return Circle(P(x, y), r * kUp); }
Shape Stroke(float x0, float y0, float x1, float y1, float w) { return Capsule(P(x0, y0), P(x1, y1), w * kUp / 2, w * kUp / 2); }
Shape Poly(std::initializer_list<Vec2> points) {
    std::vector<Vec2> scaled;
    for (Vec2 p : points) scaled.push_back(P(p.x, p.y));
    return Polygon(scaled);
}

const Rgba kInk = Hex(0x141020);

// The badge: a rounded square in the category's colour, lit from the top.
void Badge(Canvas& c, Rgba colour) {
    const Shape badge = RoundRect(P(12, 12), {11 * kUp, 11 * kUp}, 4 * kUp);
    Fill(c, RoundRect(P(12, 12), {11.6f * kUp, 11.6f * kUp}, 4.4f * kUp), kInk);
    FillWith(c, badge, [&](Vec2 p, float d) {
        const float t = p.y / kBig;
        Rgba col = Mix(Shade(colour, 1.3f), Shade(colour, 0.7f), t);
        col = Mix(col, Shade(colour, 1.6f), SmoothStep(-2.5f * kUp, -1.5f * kUp, d) * (t < 0.5f) * 0.5f);
        col.r = Clamp01(col.r), col.g = Clamp01(col.g), col.b = Clamp01(col.b);
        return col;
    });
}

// A symbol in `colour` with a dark edge that keeps it readable when small.
void Symbol(Canvas& c, const Shape& s, Rgba colour) {
    Fill(c, Shape{{s.box.x0 - 8, s.box.y0 - 8, s.box.x1 + 8, s.box.y1 + 8}, [s](Vec2 p) { return s(p) - 1.3f * kUp; }}, WithAlpha(kInk, 0.85f));
    FillWith(c, s, [&](Vec2 p, float d) {
        return Mix(colour, Shade(colour, 0.75f), SmoothStep(s.box.y0, s.box.y1, p.y) * 0.6f + SmoothStep(-2, 0, d) * 0.2f);
    });
}

Shape Sword() {
    return Union({Poly({{5, 19}, {15.5f, 6.5f}, {18.5f, 4}, {17.5f, 8}, {6.5f, 20}}), Stroke(4, 15, 9, 20, 2.2f), Stroke(3.2f, 21, 5, 19, 2.6f)});
}
Shape Star(Vec2 c, float outer, float inner, int points = 5, float turn = 0) {
    std::vector<Vec2> pts;
    for (int i = 0; i < points * 2; ++i) {
        const float a = turn - 1.5708f + i * 3.14159f / points;
        const float r = (i % 2 == 0) ? outer : inner;
        pts.push_back(P(c.x + std::cos(a) * r, c.y + std::sin(a) * r));
    }
    return Polygon(pts);
}
Shape Shield() {
    return Poly({{5, 5}, {12, 3}, {19, 5}, {19, 11}, {17, 16}, {12, 21}, {7, 16}, {5, 11}});
}
Shape Flame() {
    return Union({Dot(12, 15, 5.5f), Poly({{6.8f, 14}, {9, 7}, {11, 10}, {13, 2.5f}, {16, 9}, {17.2f, 14}})}, 1.5f * kUp);
}
Shape Bolt() { return Poly({{14, 2.5f}, {6, 13}, {11, 13}, {9, 21.5f}, {18, 10}, {13, 10}, {16, 2.5f}}); }
Shape Snowflake() {
    std::vector<Shape> arms;
    for (int i = 0; i < 3; ++i) {
        const float a = i * 1.0472f;
        const float dx = std::cos(a) * 8.5f, dy = std::sin(a) * 8.5f;
        arms.push_back(Stroke(12 - dx, 12 - dy, 12 + dx, 12 + dy, 2.2f));
        for (float s : {-1.0f, 1.0f}) {
            const Vec2 tip{12 + s * dx * 0.65f, 12 + s * dy * 0.65f};
            const float b = a + (s > 0 ? 0 : 3.14159f);
            arms.push_back(Stroke(tip.x, tip.y, tip.x + std::cos(b + 0.8f) * 3, tip.y + std::sin(b + 0.8f) * 3, 1.6f));
            arms.push_back(Stroke(tip.x, tip.y, tip.x + std::cos(b - 0.8f) * 3, tip.y + std::sin(b - 0.8f) * 3, 1.6f));
        }
    }
    return Union(arms);
}
Shape Swirl() {
    return Union({Arc(P(12, 12), 7.5f * kUp, 3.4f, 5.9f, 2.4f * kUp), Arc(P(12.5f, 12.5f), 4 * kUp, 0.2f, 3.0f, 2.2f * kUp),
                  Arc(P(11, 12), 1.4f * kUp, 3.4f, 6.0f, 2 * kUp)});
}
Shape Sun() {
    std::vector<Shape> parts = {Dot(12, 12, 4.5f)};
    for (int i = 0; i < 8; ++i) {
        const float a = i * 0.7854f;
        parts.push_back(Stroke(12 + std::cos(a) * 6.5f, 12 + std::sin(a) * 6.5f, 12 + std::cos(a) * 9, 12 + std::sin(a) * 9, 2));
    }
    return Union(parts);
}
Shape Crescent() { return Subtract(Dot(12, 12, 8), Dot(15.5f, 9.5f, 6.5f)); }
Shape Skull() {
    const Shape head = Union({Dot(12, 10, 7), RoundRect(P(12, 16.5f), {4.5f * kUp, 3 * kUp}, 1 * kUp)}, 1 * kUp);
    return Subtract(Subtract(Subtract(head, Dot(9.2f, 10.5f, 2.1f)), Dot(14.8f, 10.5f, 2.1f)),
                    Union({Poly({{12, 12.5f}, {10.8f, 15}, {13.2f, 15}}), Stroke(10.5f, 18.5f, 10.5f, 20, 0.8f), Stroke(13.5f, 18.5f, 13.5f, 20, 0.8f)}));
}
Shape Letter(float x, float y, float s) {  // a "Z"
    return Union({Stroke(x, y, x + s, y, s * 0.28f), Stroke(x + s, y, x, y + s, s * 0.28f), Stroke(x, y + s, x + s, y + s, s * 0.28f)});
}
Shape Heart(float x, float y, float s) {
    return Union({Circle(P(x - s * 0.45f, y - s * 0.2f), s * 0.55f * kUp), Circle(P(x + s * 0.45f, y - s * 0.2f), s * 0.55f * kUp),
                  Poly({{x - s * 0.98f, y}, {x + s * 0.98f, y}, {x, y + s * 1.05f}})}, 0.3f * kUp);
}
Shape Chevrons() {
    return Union({Poly({{4, 6}, {8, 6}, {13, 12}, {8, 18}, {4, 18}, {9, 12}}), Poly({{11, 6}, {15, 6}, {20, 12}, {15, 18}, {11, 18}, {16, 12}})});
}
Shape Clover() {
    return Union({Dot(8.2f, 8.2f, 4), Dot(15.8f, 8.2f, 4), Dot(8.2f, 15.2f, 4), Dot(15.8f, 15.2f, 4), Stroke(12, 12, 17, 21.5f, 1.8f)}, 0.5f * kUp);
}
Shape Target() {
    return Union({Subtract(Dot(12, 12, 8.5f), Dot(12, 12, 6.3f)), Subtract(Dot(12, 12, 4.5f), Dot(12, 12, 2.5f)), Dot(12, 12, 1.3f),
                  Stroke(12, 1.5f, 12, 6, 1.6f), Stroke(12, 18, 12, 22.5f, 1.6f), Stroke(1.5f, 12, 6, 12, 1.6f), Stroke(18, 12, 22.5f, 12, 1.6f)});
}
Shape Feather() {
    return Union({Ellipse(P(13, 10), 4 * kUp, 8.5f * kUp, 0.6f), Stroke(7, 20, 15, 8, 1.2f)});
}
Shape Burst() { return Star({12, 12}, 10, 4.5f, 8, 0.2f); }
Shape Padlock() {
    return Union({RoundRect(P(12, 15), {7 * kUp, 5.5f * kUp}, 1.5f * kUp), Subtract(Arc(P(12, 9), 4.5f * kUp, 3.1416f, 6.2832f, 2.2f * kUp), Dot(12, 15, 1))});
}
Shape Hourglass() {
    return Union({Poly({{6, 3.5f}, {18, 3.5f}, {13, 12}, {18, 20.5f}, {6, 20.5f}, {11, 12}}), Stroke(5, 3, 19, 3, 2), Stroke(5, 21, 19, 21, 2)});
}
Shape Wing() {
    return Union({Poly({{4, 18}, {6, 8}, {11, 4}, {20, 3}, {17, 7}, {20, 8}, {16, 11}, {19, 12}, {14, 15}, {16, 16}, {10, 19}})});
}
Shape Hexagon() {
    std::vector<Vec2> outer, inner;
    for (int i = 0; i < 6; ++i) {
        const float a = i * 1.0472f + 0.5236f;
        outer.push_back(P(12 + std::cos(a) * 9.5f, 12 + std::sin(a) * 9.5f));
        inner.push_back(P(12 + std::cos(a) * 6.2f, 12 + std::sin(a) * 6.2f));
    }
    return Union({Subtract(Polygon(outer), Polygon(inner)), Stroke(9, 12, 11.5f, 15, 2), Stroke(11.5f, 15, 16, 9, 2)});
}
Shape Shout() { return Union({Poly({{9.5f, 3}, {14.5f, 3}, {13.3f, 15}, {10.7f, 15}}), Dot(12, 19.2f, 2.4f)}); }
Shape Spiral() {
    std::vector<Shape> parts;
    Vec2 prev = P(12, 12);
    for (int i = 1; i <= 60; ++i) {
        const float t = i / 60.0f, a = t * 12.5f, r = 0.5f + t * 8.5f;
        const Vec2 p = P(12 + std::cos(a) * r, 12 + std::sin(a) * r);
        parts.push_back(Capsule(prev, p, 1.1f * kUp, 1.1f * kUp));
        prev = p;
    }
    return Union(parts);
}
Shape Drop(float x, float y, float s) {
    return Union({Circle(P(x, y + s * 0.35f), s * 0.62f * kUp), Poly({{x - s * 0.55f, y + s * 0.1f}, {x, y - s}, {x + s * 0.55f, y + s * 0.1f}})}, 0.3f * kUp);
}
Shape Mirror() {
    return Union({Subtract(Poly({{12, 2.5f}, {20, 12}, {12, 21.5f}, {4, 12}}), Poly({{12, 6}, {16.8f, 12}, {12, 18}, {7.2f, 12}})),
                  Stroke(8.5f, 12, 12.5f, 8, 1.6f), Stroke(10.5f, 15, 15, 10.5f, 1.2f)});
}

void Paint(Canvas& c, int kind) {
    const Rgba white = Hex(0xFFFFFF), silver = Hex(0xE4ECF4);
    switch (kind) {
        case 0: Badge(c, Hex(0xC83A3A)); Symbol(c, Sword(), silver); break;
        case 1: Badge(c, Hex(0x7A44C8)); Symbol(c, Star({12, 12.5f}, 9, 4), Hex(0xFFE8A0)); break;
        case 2: Badge(c, Hex(0x2E9A58)); Symbol(c, Target(), white); break;
        case 3: Badge(c, Hex(0xE07A18)); Symbol(c, Burst(), Hex(0xFFF4C0)); break;
        case 4: Badge(c, Hex(0x3A98D8)); Symbol(c, Feather(), white); break;
        case 5: Badge(c, Hex(0x3E9A3A)); Symbol(c, Clover(), Hex(0xCFFFA0)); break;
        case 6: Badge(c, Hex(0x20A8A0)); Symbol(c, Chevrons(), white); break;
        case 7: Badge(c, Hex(0x6A7890)); Symbol(c, Shield(), silver); break;
        case 8: Badge(c, Hex(0x3A58C0)); Symbol(c, Shield(), silver); Symbol(c, Star({12, 11.5f}, 4.6f, 2), Hex(0x6A8AFF)); break;
        case 9: Badge(c, Hex(0x5A8A6A)); Symbol(c, Shield(), silver);
            Symbol(c, Union({Arc(P(10, 10), 3 * kUp, 3.5f, 6.0f, 1.4f * kUp), Arc(P(13, 14), 3 * kUp, 3.5f, 6.0f, 1.4f * kUp)}), Hex(0x5AB87A));
            break;
        case 10: Badge(c, Hex(0x8A8A92)); Symbol(c, Subtract(Dot(12, 12, 8), Dot(12, 12, 4.8f)), white); break;
        case 11: Badge(c, Hex(0xD8401E)); Symbol(c, Flame(), Hex(0xFFD050)); break;
        case 12: Badge(c, Hex(0x3AA0E0)); Symbol(c, Snowflake(), Hex(0xF0FAFF)); break;
        case 13: Badge(c, Hex(0xC89A10)); Symbol(c, Bolt(), Hex(0xFFF6A0)); break;
        case 14: Badge(c, Hex(0x3AAA4A)); Symbol(c, Swirl(), Hex(0xE8FFE0)); break;
        case 15: Badge(c, Hex(0xE0B02A)); Symbol(c, Sun(), Hex(0xFFFBE0)); break;
        case 16: Badge(c, Hex(0x4A2A7A)); Symbol(c, Crescent(), Hex(0xD8C0FF)); break;
        case 17: Badge(c, Hex(0x7A3A9A)); Symbol(c, Drop(11, 11, 8), Hex(0x8AF060)); Symbol(c, Dot(18, 6, 2), Hex(0x8AF060)); break;
        case 18: Badge(c, Hex(0x2A3A8A)); Symbol(c, Letter(4, 9, 8), white); Symbol(c, Letter(14, 4, 5), white); break;
        case 19: Badge(c, Hex(0xD0B020));
            Symbol(c, Union({Stroke(3, 12, 8, 6, 2.2f), Stroke(8, 6, 12, 17, 2.2f), Stroke(12, 17, 16, 7, 2.2f), Stroke(16, 7, 21, 13, 2.2f)}), Hex(0x2A2A3A));
            break;
        case 20: Badge(c, Hex(0xD04A9A)); Symbol(c, Spiral(), Hex(0xFFE0F4)); break;
        case 21: Badge(c, Hex(0x6A9AC8)); Symbol(c, Drop(12, 12, 9), Hex(0xE0F4FF)); break;
        case 22: Badge(c, Hex(0x6A6A72)); Symbol(c, Padlock(), Hex(0xF0D070)); break;
        case 23: Badge(c, Hex(0x2A2430)); Symbol(c, Skull(), Hex(0xF4F0E8)); break;
        case 24: Badge(c, Hex(0x2AA8C0)); Symbol(c, Mirror(), Hex(0xE8FFFF)); break;
        case 25: Badge(c, Hex(0x3AAA5A)); Symbol(c, Heart(11, 11, 7), Hex(0xFF7A8A));
            Symbol(c, Union({Stroke(18, 14, 18, 21, 2.4f), Stroke(14.5f, 17.5f, 21.5f, 17.5f, 2.4f)}), white);
            break;
        case 26: Badge(c, Hex(0xD8A830)); Symbol(c, Wing(), white); break;
        case 27: Badge(c, Hex(0x8AA0B8)); Symbol(c, Hexagon(), white); break;
        case 28: Badge(c, Hex(0xD02A2A)); Symbol(c, Shout(), Hex(0xFFF0A0)); break;
        default: Badge(c, Hex(0x3A2A4A)); Symbol(c, Hourglass(), Hex(0xE8D8A8)); break;
    }
}

}  // namespace

Canvas PaintStatusIcon(int kind) {
    Canvas big(kBig, kBig);
    Paint(big, kind);
    return big.Resized(kIconSize, kIconSize);
}

Canvas PaintRiseMark(bool up) {
    Canvas big(kBig, kBig);
    // An arrow in the lower right corner, so the icon under it still shows.
    const Shape arrow = up ? Poly({{17, 9}, {23, 16}, {19.5f, 16}, {19.5f, 23}, {14.5f, 23}, {14.5f, 16}, {11, 16}})
                           : Poly({{17, 23}, {23, 16}, {19.5f, 16}, {19.5f, 9}, {14.5f, 9}, {14.5f, 16}, {11, 16}});
    Fill(big, Shape{arrow.box, [arrow](Vec2 p) { return arrow(p) - 1.4f * kUp; }}, Hex(0xFFFFFF));
    Fill(big, Shape{arrow.box, [arrow](Vec2 p) { return arrow(p) - 0.4f * kUp; }}, kInk);
    Symbol(big, arrow, up ? Hex(0x40E070) : Hex(0xFF4040));
    return big.Resized(kIconSize, kIconSize);
}

}  // namespace assetgen
