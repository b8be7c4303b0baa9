// Wild and dark places: the forest, the cave, the demon sea, a volcano,
// the sea floor and the void beyond the world.
#include <cmath>

#include "tools/asset-gen/Backgrounds.h"
#include "tools/asset-gen/Dice.h"
#include "tools/asset-gen/Noise.h"
#include "tools/asset-gen/Paint.h"
#include "tools/asset-gen/Scenery.h"

namespace assetgen {

namespace {

constexpr int W = kScreenWidth;
constexpr int H = kScreenHeight;

// A tree trunk with flared roots, lit from the left, faded into the fog.
void Trunk(Canvas& c, float x, float bottom, float width, Rgba bark, Rgba fog, float fogAmount, uint32_t seed) {
    const Shape trunk = Union({RoundRect({x, bottom / 2 - 20}, {width * 0.5f, bottom / 2 + 20}, width * 0.3f),
                               Polygon({{x - width * 1.3f, bottom}, {x - width * 0.5f, bottom - width * 2.2f},
                                        {x + width * 0.5f, bottom - width * 2.2f}, {x + width * 1.3f, bottom}})},
                              width * 0.4f);
    FillWith(c, trunk, [&](Vec2 p, float d) {
        const float across = Clamp01((p.x - x) / width + 0.5f);
        const float lit = 0.55f + 0.6f * std::sin(across * 3.1f) * (1.15f - across);
        const float grain = Fbm2(p.x * 0.25f, p.y * 0.02f, seed, 4);
        Rgba col = Shade(bark, lit * (0.75f + 0.5f * grain));
        col = Mix(col, Shade(bark, 0.3f), SmoothStep(-1.5f, 0, d) * 0.5f);
        return Mix(col, fog, fogAmount);
    });
}

void Fern(Canvas& c, Vec2 base, float size, float lean, Rgba colour, uint32_t seed) {
    Dice dice(seed);
    const Vec2 tip = base + Vec2{lean * size, -size};
    const Vec2 mid = base + Vec2{lean * size * 0.2f, -size * 0.7f};
    Fill(c, Curve(base, mid, tip, size * 0.025f, size * 0.01f), Shade(colour, 0.7f));
    for (int i = 1; i < 14; ++i) {
        const float t = float(i) / 14;
        const Vec2 at = base * ((1 - t) * (1 - t)) + mid * (2 * t * (1 - t)) + tip * (t * t);
        const float len = size * 0.28f * std::sin(t * 3.0f) * dice.Range(0.85f, 1.1f);
        for (float side : {-1.0f, 1.0f}) {
            const Vec2 end = at + Vec2{side * len, len * 0.25f};
            Fill(c, Capsule(at, end, size * 0.03f, size * 0.008f), Shade(colour, 0.85f + 0.3f * (side < 0)));
        }
    }
}

// A jagged bolt from `from` to `to`, added as light.
void Lightning(Canvas& c, Vec2 from, Vec2 to, Rgba colour, float width, uint32_t seed) {
    Dice dice(seed);
    std::vector<Vec2> points = {from, to};
    for (int pass = 0; pass < 6; ++pass) {
        std::vector<Vec2> finer;
        for (size_t i = 0; i + 1 < points.size(); ++i) {
            const Vec2 a = points[i], b = points[i + 1];
            const Vec2 n = Vec2{-(b.y - a.y), b.x - a.x} * (dice.Range(-0.25f, 0.25f));
            finer.push_back(a);
            finer.push_back((a + b) * 0.5f + n);
        }
        finer.push_back(points.back());
        points = std::move(finer);
    }
    for (size_t i = 0; i + 1 < points.size(); ++i) Glow(c, Capsule(points[i], points[i + 1], width * 0.3f, width * 0.3f), colour, width, 0.5f);
}

}  // namespace

Canvas PaintForest() {
    Canvas c(W, H);
    const uint32_t seed = 400;
    const Rgba fog = Hex(0x9CB89A);
    SkyGradient(c, {{0, Hex(0x2C4A2E)}, {150, Hex(0x86A886)}, {270, Hex(0x6A8A60)}, {480, Hex(0x2A3A20)}});
    Dice dice(seed);
    // Four layers of trunks, far to near, with fog between them.
    for (int layer = 0; layer < 4; ++layer) {
        const float near = float(layer) / 3;
        const float bottom = 250 + near * 60;
        const int count = 14 - layer * 3;
        for (int i = 0; i < count; ++i) {
            const float x = dice.Range(-20, 660);
            Trunk(c, x, bottom + dice.Range(-6, 6), 8 + near * near * 50 + dice.Range(0, 6), Hex(0x3E2E22), fog, 0.75f * (1 - near), seed + 10 + unsigned(layer * 20 + i));
        }
        if (layer == 1) Ground(c, 262, Hex(0x5A7A48), Hex(0x2C4020), 0.5f, 0.03f, seed + 1);
        if (layer < 3) Fog(c, 120, 320, fog, 0.25f);
    }
    // The canopy: dark leaves with lit edges.
    for (int y = 0; y < 170; ++y) {
        for (int x = 0; x < W; ++x) {
            const float n = Fbm2(x * 0.018f, y * 0.026f, seed + 2, 5);
            const float k = SmoothStep(0.35f + y / 260.0f, 0.42f + y / 260.0f, n);
            if (k <= 0) continue;
            const float lit = Clamp01((n - Fbm2(x * 0.018f - 0.05f, y * 0.026f - 0.07f, seed + 2, 5)) * 12 + 0.4f);
            c.Over(x, y, Mix(Hex(0x142A14), Hex(0x5A8A3A), lit), k);
        }
    }
    LightRays(c, {430, -60}, 0.55f, Hex(0xFFF2B8), 0.45f, seed + 3);
    for (int i = 0; i < 10; ++i) {
        const bool left = i % 2 == 0;
        Fern(c, {left ? dice.Range(-10, 170) : dice.Range(470, 650), 480 + dice.Range(0, 20)}, dice.Range(70, 130), left ? dice.Range(0.1f, 0.6f) : dice.Range(-0.6f, -0.1f), Hex(0x3E7A30), seed + 40 + unsigned(i));
    }
    // Toadstools by the roots.
    for (int i = 0; i < 5; ++i) {
        const Vec2 at{dice.Range(100, 540), dice.Range(330, 420)};
        const float s = dice.Range(4, 9);
        Fill(c, RoundRect({at.x, at.y - s * 0.6f}, {s * 0.25f, s * 0.6f}, s * 0.2f), Hex(0xE8E0C8));
        Material cap{Hex(0xC8302A), s * 0.6f, 0.4f, 0.8f};
        cap.pattern = [at, s](Vec2 p) { return SmoothStep(0.55f, 0.45f, Noise2(p.x * 3 / s, p.y * 3 / s, 7)); };
        cap.patternColour = Hex(0xFFF4E0);
        FillShaded(c, Intersect(Ellipse({at.x, at.y - s * 1.1f}, s, s * 0.7f), RoundRect({at.x, at.y - s * 1.4f}, {s * 1.2f, s * 0.7f}, 0)), cap);
    }
    Motes(c, 30, {0, 180, 640, 440}, Hex(0xF4FF9A, 0.7f), 1.3f, seed + 5);
    Vignette(c, 0.55f);
    Clip(c);
    return c;
}

Canvas PaintCave() {
    Canvas c(W, H, Hex(0x0A0910));
    const uint32_t seed = 500;
    // Rock all round a dark passage that leads away into the distance.
    for (int y = 0; y < H; ++y) {
        for (int x = 0; x < W; ++x) {
            const float e = Length({(x - 330.0f) / 250.0f, (y - 235.0f) / 175.0f});
            const float n = Fbm2(x * 0.012f, y * 0.012f, seed, 4);
            const float wall = SmoothStep(0.62f, 0.9f, e + (n - 0.5f) * 0.55f);
            const float f = Fbm2(x * 0.02f, y * 0.024f, seed + 1, 4);
            const float fl = Fbm2((x - 2) * 0.02f, (y - 2) * 0.024f, seed + 1, 4);
            const float light = std::clamp((fl - f) * 9, -0.3f, 0.3f);
            Rgba rock = Shade(Hex(0x4A3E52), 0.75f + light + (f - 0.5f) * 0.4f);
            // The far end of the passage is faintly lit.
            const float far = std::exp(-e * e * 6);
            Rgba passage = Mix(Hex(0x07060C), Hex(0x2A3A5A), far * 0.8f);
            c.At(x, y) = WithAlpha(Mix(passage, rock, wall), 1);
        }
    }
    // The floor, wet and uneven.
    for (int y = 320; y < H; ++y) {
        const float t = (y - 320) / 160.0f;
        for (int x = 0; x < W; ++x) {
            const float n = Fbm2(x * 0.02f / (0.3f + t), y * 0.06f / (0.3f + t), seed + 2, 4);
            Rgba floor = Shade(Hex(0x3A3444), 0.6f + 0.5f * n + 0.3f * t);
            const float puddle = SmoothStep(0.62f, 0.66f, Fbm2(x * 0.008f, y * 0.03f, seed + 3, 3));
            floor = Mix(floor, Mix(Hex(0x1A2A44), Hex(0x4A8ACA), n * 0.5f), puddle * 0.8f);
            c.At(x, y) = Mix(c.At(x, y), WithAlpha(floor, 1), SmoothStep(0, 30, float(y - 320)));
        }
    }
    Dice dice(seed + 4);
    Material stone(Hex(0x5A4E62), 10, 0.3f, 1.0f);
    stone.texture = 0.3f;
    for (int i = 0; i < 18; ++i) {
        const float x = dice.Range(-10, 650), len = dice.Range(30, 120), w = dice.Range(8, 22);
        FillShaded(c, Polygon({{x - w, -5}, {x + w, -5}, {x + w * 0.2f, len}, {x - w * 0.1f, len + 4}}), stone);
    }
    for (int i = 0; i < 9; ++i) {
        const float x = dice.Range(-10, 650), y = dice.Range(330, 480), len = dice.Range(20, 90), w = dice.Range(10, 26);
        FillShaded(c, Polygon({{x - w, y}, {x + w, y}, {x + w * 0.15f, y - len}, {x - w * 0.15f, y - len - 3}}), stone);
    }
    // Glowing crystals.
    const Rgba tints[] = {Hex(0x5AE0FF), Hex(0xB070FF), Hex(0x60FFC0)};
    const Vec2 clusters[] = {{70, 400}, {585, 360}, {230, 460}, {470, 455}};
    for (const Vec2 at : clusters) {
        const Rgba tint = dice.Pick(tints);
        Glow(c, Circle(at + Vec2{0, -20}, 10), tint, 40, 0.35f);
        for (int k = 0; k < 5; ++k) {
            const float a = dice.Range(-0.7f, 0.7f), len = dice.Range(25, 60), w = dice.Range(5, 10);
            const Vec2 dir{std::sin(a), -std::cos(a)}, side{-dir.y, dir.x};
            const Vec2 tip = at + dir * len;
            Material crystal(Mix(tint, Hex(0xFFFFFF), 0.2f), w, 0.8f, 0.8f);
            crystal.glow = 0.45f;
            FillShaded(c, Polygon({at + side * w, at + side * w + dir * (len * 0.75f), tip, at - side * w + dir * (len * 0.75f), at - side * w}), crystal);
        }
    }
    Motes(c, 25, {0, 200, 640, 480}, Hex(0x8AE8FF, 0.5f), 1.2f, seed + 5);
    Vignette(c, 0.7f);
    Clip(c);
    return c;
}

Canvas PaintDemonSea() {
    Canvas c(W, H);
    const uint32_t seed = 800;
    SkyGradient(c, {{0, Hex(0x0E0614)}, {140, Hex(0x34163C)}, {255, Hex(0x5E3A52)}});
    Sun(c, {470, 120}, 22, Hex(0xE05A4A), Hex(0xB03040, 0.5f), 60);
    Clouds(c, 0, 230, 0.65f, Hex(0x6A4A6E), Hex(0x140A18), 0.006f, seed);
    Lightning(c, {150, 40}, {110, 252}, Hex(0xC8B8FF), 3, seed + 1);
    Fog(c, 215, 275, Hex(0x4E8A6A), 0.35f);
    Water(c, 255, Hex(0x0C2A2C), 0.55f, 1.6f, seed + 2);
    // Breaking crests, more and larger towards the viewer.
    for (int y = 256; y < H; ++y) {
        const float t = (y - 255) / 225.0f;
        for (int x = 0; x < W; ++x) {
            const float wave = std::sin(x * (0.05f / (0.2f + t)) + Fbm2(x * 0.01f, y * 0.05f, seed + 3, 3) * 9 + y * 0.25f / (0.1f + t));
            const float foam = SmoothStep(0.86f, 0.98f, wave) * (0.3f + 0.7f * t);
            c.At(x, y) = Mix(c.At(x, y), Hex(0xB8E0D0), foam * 0.6f);
        }
    }
    Crag(c, {{-10, 290}, {20, 160}, {40, 120}, {62, 170}, {90, 150}, {110, 230}, {140, 300}, {-10, 310}}, Hex(0x2A1A30), seed + 4);
    Crag(c, {{500, 280}, {540, 190}, {560, 90}, {585, 150}, {610, 110}, {650, 200}, {650, 290}}, Hex(0x24162A), seed + 5);
    Motes(c, 20, {0, 240, 640, 300}, Hex(0x7AFFB0, 0.5f), 1.5f, seed + 6);
    Vignette(c, 0.55f);
    Clip(c);
    return c;
}

Canvas PaintVolcano() {
    Canvas c(W, H);
    const uint32_t seed = 1500;
    SkyGradient(c, {{0, Hex(0x140606)}, {150, Hex(0x4A140C)}, {260, Hex(0xA8401A)}});
    Clouds(c, 0, 200, 0.6f, Hex(0xB0502A), Hex(0x201010), 0.007f, seed);
    Glow(c, Circle({360, 118}, 30), Hex(0xFF8A2A), 60, 0.6f);
    // The cone, with lava running down its flanks.
    const Shape cone = Polygon(Roughen({{90, 302}, {200, 230}, {320, 124}, {345, 132}, {380, 128}, {405, 122}, {500, 210}, {640, 290}, {640, 302}}, 0.08f, seed + 9));
    FillWith(c, cone, [&](Vec2 p, float) {
        const float f = Fbm2(p.x * 0.03f, p.y * 0.03f, seed + 1, 4);
        const float lit = p.x < 360 ? 0.95f : 0.7f;
        return Shade(Hex(0x3A2620), lit * (0.7f + 0.6f * f));
    });
    Dice dice(seed + 2);
    for (int i = 0; i < 5; ++i) {
        const Vec2 top{dice.Range(330, 390), 124};
        const Vec2 end{top.x + dice.Range(-160, 160), 300};
        const Vec2 bend{Lerp(top.x, end.x, 0.4f) + dice.Range(-30, 30), 200};
        Glow(c, Curve(top, bend, end, 2.5f, 4.0f), Hex(0xFF6A1A), 4, 0.9f);
        Fill(c, Curve(top, bend, end, 1.2f, 2.0f), Hex(0xFFD86A));
    }
    Ground(c, 300, Hex(0x2A1C18), Hex(0x140C0A), 0.6f, 0.03f, seed + 3);
    // Glowing cracks in the black rock.
    for (int y = 300; y < H; ++y) {
        const float t = (y - 300) / 180.0f;
        for (int x = 0; x < W; ++x) {
            const float crack = Ridged2(x * 0.012f / (0.3f + t), y * 0.03f / (0.3f + t), seed + 4, 2);
            const float k = SmoothStep(0.7f, 0.9f, crack);
            Rgba& p = c.At(x, y);
            p = Mix(p, Mix(Hex(0xFF4A10), Hex(0xFFD070), k), k);
        }
    }
    Motes(c, 60, {100, 60, 640, 480}, Hex(0xFF9A3A, 0.8f), 1.2f, seed + 5);
    Vignette(c, 0.5f);
    Clip(c);
    return c;
}

Canvas PaintUnderwater() {
    Canvas c(W, H);
    const uint32_t seed = 1800;
    SkyGradient(c, {{0, Hex(0x3AA6CC)}, {120, Hex(0x16689A)}, {300, Hex(0x0A3A66)}, {480, Hex(0x061E3A)}});
    // The surface seen from below.
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < W; ++x) {
            const float n = Ridged2(x * 0.02f, y * 0.08f, seed, 3);
            c.At(x, y) = Mix(c.At(x, y), Hex(0xCFF6FF), SmoothStep(0.75f, 0.95f, n) * (1 - y / 40.0f));
        }
    LightRays(c, {320, -120}, 0.75f, Hex(0xBFF4FF), 0.45f, seed + 1);
    Ridge(c, 310, 90, 0.008f, Hex(0x124A6A), Hex(0x0E3A56), 0, seed + 2);
    Ground(c, 320, Hex(0x6A8A8A), Hex(0xA89A70), 0.3f, 0.03f, seed + 3);
    // Caustics dancing on the sand.
    for (int y = 320; y < H; ++y) {
        const float t = (y - 320) / 160.0f;
        for (int x = 0; x < W; ++x) {
            const float n = Ridged2(x * 0.03f / (0.4f + t), y * 0.08f / (0.4f + t), seed + 4, 2);
            c.At(x, y) = Mix(c.At(x, y), Hex(0xE8FFF8), SmoothStep(0.8f, 0.98f, n) * 0.35f);
        }
    }
    Dice dice(seed + 5);
    for (int i = 0; i < 12; ++i) {
        const float x = dice.Range(-10, 650), base = dice.Range(330, 490), height = dice.Range(90, 260);
        const Vec2 tip{x + dice.Range(-40, 40), base - height};
        Material weed(Hex(0x2E8A4A), 4, 0.2f, 0.8f);
        FillShaded(c, Curve({x, base}, {x + dice.Range(-50, 50), base - height * 0.5f}, tip, 5, 2), weed);
    }
    for (int i = 0; i < 6; ++i) {
        const Vec2 at{dice.Range(0, 640), dice.Range(380, 470)};
        Material coral(dice.Chance(0.5) ? Hex(0xF07A8A) : Hex(0xF0A04A), 4, 0.3f, 0.8f);
        std::vector<Shape> branches;
        for (int b = 0; b < 6; ++b) {
            const float a = dice.Range(-1.1f, 1.1f), len = dice.Range(20, 45);
            branches.push_back(Capsule(at, at + Vec2{std::sin(a) * len, -std::cos(a) * len}, 4, 2.5f));
        }
        FillShaded(c, Union(branches, 3), coral);
    }
    for (int i = 0; i < 40; ++i) {
        const Vec2 at{dice.Range(0, 640), dice.Range(40, 460)};
        const float r = dice.Range(1.5f, 5);
        Fill(c, Subtract(Circle(at, r), Circle(at, r - 0.8f)), Hex(0xDFFAFF, 0.7f));
        Fill(c, Circle(at + Vec2{-r * 0.35f, -r * 0.35f}, r * 0.25f), Hex(0xFFFFFF, 0.9f));
    }
    Vignette(c, 0.45f);
    Clip(c);
    return c;
}

Canvas PaintVoid() {
    Canvas c(W, H, Hex(0x020208));
    const uint32_t seed = 1900;
    // Nebulae in two colours.
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const float a = Fbm2(x * 0.006f, y * 0.006f, seed, 6), b = Fbm2(x * 0.008f + 5, y * 0.008f, seed + 1, 6);
            Rgba& p = c.At(x, y);
            const float ka = SmoothStep(0.45f, 0.8f, a), kb = SmoothStep(0.5f, 0.85f, b);
            p.r += 0.5f * ka + 0.1f * kb;
            p.g += 0.1f * ka + 0.35f * kb;
            p.b += 0.6f * ka + 0.5f * kb;
        }
    Stars(c, 0.008f, H + 1, 1.0f, seed + 2);
    // A vortex turning about its bright eye.
    const Vec2 eye{380, 200};
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const Vec2 d = Vec2{float(x), float(y)} - eye;
            const float r = Length({d.x, d.y * 1.6f});
            const float angle = std::atan2(d.y * 1.6f, d.x) + r * 0.025f;
            const float arms = std::pow(0.5f + 0.5f * std::sin(angle * 3), 3.0f);
            const float k = arms * std::exp(-r / 120) * 0.8f + std::exp(-r / 14) * 0.9f;
            Rgba& p = c.At(x, y);
            p.r += 0.9f * k;
            p.g += 0.55f * k;
            p.b += 1.0f * k;
        }
    Clip(c);
    Dice dice(seed + 3);
    for (int i = 0; i < 7; ++i) {
        const Vec2 at{dice.Range(0, 640), dice.Range(60, 460)};
        const float s = dice.Range(12, 45);
        std::vector<Vec2> outline;
        for (int k = 0; k < 8; ++k) {
            const float a = k * 0.785f;
            const float r = s * dice.Range(0.6f, 1.0f) * (k > 4 ? 1.3f : 1.0f);
            outline.push_back(at + Vec2{std::cos(a) * r, std::sin(a) * r * 0.7f});
        }
        Crag(c, outline, Hex(0x3A3450), seed + 10 + unsigned(i));
    }
    Material planet(Hex(0x6A5AA0), 40, 0.2f, 0);
    planet.texture = 0.3f;
    planet.textureScale = 0.05f;
    FillShaded(c, Circle({110, 110}, 44), planet);
    Fill(c, Subtract(Ellipse({110, 112}, 80, 14, -0.25f), Ellipse({110, 112}, 62, 9, -0.25f)), Hex(0xC8B8E8, 0.7f));
    Vignette(c, 0.4f);
    Clip(c);
    return c;
}

}  // namespace assetgen
