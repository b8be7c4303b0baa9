#include "tools/asset-gen/EffectPainters.h"

#include <cmath>
#include <vector>

#include "tools/asset-gen/Noise.h"
#include "tools/asset-gen/Paint.h"

namespace assetgen {

namespace {

constexpr float kPi = 3.14159265f;
constexpr float S = 96;          // cell size
const Vec2 kCentre{48, 54};      // where the hit lands

// Rises over `attack` of the strip and fades over its last `release`.
float Envelope(float t, float attack, float release) {
    return Clamp01(t / std::max(attack, 1e-3f)) * Clamp01((1 - t) / std::max(release, 1e-3f));
}

void Light(Cell& c, const Shape& s, Rgba colour, float k) {
    if (k <= 0) return;
    const Box b = s.box;
    for (int y = std::max(0, int(b.y0) - 1); y <= std::min(int(S) - 1, int(b.y1) + 1); ++y)
        for (int x = std::max(0, int(b.x0) - 1); x <= std::min(int(S) - 1, int(b.x1) + 1); ++x) {
            const float cover = Clamp01(0.5f - s({x + 0.5f, y + 0.5f}));
            if (cover > 0) c.light.AddLight(x, y, colour, cover * k);
        }
}

void Halo(Cell& c, const Shape& s, Rgba colour, float radius, float k) {
    if (k > 0) Glow(c.light, s, colour, radius, k);
}

// A glowing stroke: a wide soft halo, a coloured body and a white-hot core.
void Beam(Cell& c, const Shape& s, Rgba colour, float k, float haloRadius = 4) {
    Halo(c, s, colour, haloRadius, 0.5f * k);
    Light(c, s, colour, 0.8f * k);
    Light(c, Shape{s.box, [s](Vec2 p) { return s(p) + 1.2f; }}, Hex(0xFFFFFF), 0.8f * k);
}

void Star4(Cell& c, Vec2 at, float size, Rgba colour, float k) {
    if (k <= 0 || size <= 0.2f) return;
    Halo(c, Circle(at, size * 0.25f), colour, size * 0.35f, 0.6f * k);
    Light(c, Polygon({at + Vec2{0, -size}, at + Vec2{size * 0.18f, -size * 0.18f}, at + Vec2{size, 0}, at + Vec2{size * 0.18f, size * 0.18f},
                      at + Vec2{0, size}, at + Vec2{-size * 0.18f, size * 0.18f}, at + Vec2{-size, 0}, at + Vec2{-size * 0.18f, -size * 0.18f}}),
          Mix(colour, Hex(0xFFFFFF), 0.5f), k);
}

void Burst(Cell& c, Vec2 at, float radius, int spikes, Rgba colour, float k, float turn = 0) {
    std::vector<Vec2> pts;
    for (int i = 0; i < spikes * 2; ++i) {
        const float a = turn + i * kPi / spikes;
        const float r = i % 2 == 0 ? radius : radius * 0.42f;
        pts.push_back(at + Vec2{std::cos(a) * r, std::sin(a) * r});
    }
    const Shape star = Polygon(pts);
    Halo(c, star, colour, radius * 0.25f, 0.5f * k);
    Light(c, star, colour, 0.8f * k);
    Light(c, Circle(at, radius * 0.3f), Hex(0xFFFFFF), k);
}

// A jagged line from a to b, for bolts and sparks.
std::vector<Vec2> Jagged(Vec2 a, Vec2 b, float roughness, int depth, Dice& dice) {
    std::vector<Vec2> pts = {a, b};
    for (int pass = 0; pass < depth; ++pass) {
        std::vector<Vec2> finer;
        for (size_t i = 0; i + 1 < pts.size(); ++i) {
            const Vec2 p = pts[i], q = pts[i + 1];
            finer.push_back(p);
            finer.push_back((p + q) * 0.5f + Vec2{-(q.y - p.y), q.x - p.x} * dice.Range(-roughness, roughness));
        }
        finer.push_back(pts.back());
        pts = std::move(finer);
    }
    return pts;
}

void Polyline(Cell& c, const std::vector<Vec2>& pts, float width, Rgba colour, float k) {
    std::vector<Shape> parts;
    for (size_t i = 0; i + 1 < pts.size(); ++i) parts.push_back(Capsule(pts[i], pts[i + 1], width, width));
    Beam(c, Union(parts), colour, k, width * 2.5f);
}

Shape ArrowShape(Vec2 tip, Vec2 dir, float length) {
    const Vec2 side{-dir.y, dir.x};
    const Vec2 tail = tip - dir * length;
    return Union({Capsule(tip - dir * 4, tail, 0.9f, 0.9f), Polygon({tip, tip - dir * 7 + side * 3.2f, tip - dir * 7 - side * 3.2f}),
                  Polygon({tail + dir * 6, tail + side * 3 - dir * 1, tail + dir * 1, tail - side * 3 - dir * 1})});
}

Rgba FireColour(float heat, Rgba outer, Rgba core) {
    return heat < 0.5f ? Mix(Hex(0x000000), outer, heat * 2) : Mix(outer, core, (heat - 0.5f) * 2);
}

}  // namespace

void PaintSlash(Cell& c, SlashStyle style) {
    Rgba colour = Hex(0x9AD0FF);
    float radius = 42, width = 5, sweep = 2.2f;
    int count = 1;
    switch (style) {
        case SlashStyle::kBig: radius = 52, width = 9, sweep = 2.6f; colour = Hex(0xFFE0A0); break;
        case SlashStyle::kCross: count = 2; break;
        case SlashStyle::kMany: count = 5, width = 3.5f; break;
        case SlashStyle::kKnife: radius = 60, width = 2.5f, sweep = 1.0f, count = 2; colour = Hex(0xE0F0FF); break;
        case SlashStyle::kShadow: colour = Hex(0xB040FF), count = 2; break;
        case SlashStyle::kAxe: radius = 46, width = 10, sweep = 1.8f; colour = Hex(0xFFB060); break;
        case SlashStyle::kFire: colour = Hex(0xFF7020), width = 7; break;
        case SlashStyle::kIce: colour = Hex(0x70D0FF), width = 7; break;
        case SlashStyle::kThunder: colour = Hex(0xFFF060), width = 6; break;
        case SlashStyle::kPlain: break;
    }
    for (int k = 0; k < count; ++k) {
        // Each stroke starts a little after the one before.
        const float start = count > 1 ? float(k) / count * 0.55f : 0;
        const float local = Clamp01((c.t - start) / (1 - start));
        const float progress = Clamp01(local * 2.2f);
        const float fade = 1 - SmoothStep(0.5f, 1.0f, local);
        if (fade <= 0 || local <= 0) continue;
        const float turn = count > 1 ? k * (kPi * 2 / count) * 0.7f + (k % 2) * kPi * 0.5f : 0;
        const float a0 = -2.6f + turn;
        const float head = a0 + sweep * progress, tail = a0 + sweep * std::max(0.0f, progress - 0.55f);
        Vec2 centre = kCentre + Rotate(Vec2{18, 22}, turn) * (radius / 42);
        if (style == SlashStyle::kCross) centre = kCentre + Vec2{k == 0 ? 22.0f : -22.0f, 24}, radius = 44;
        std::vector<Shape> parts;
        const int steps = 14;
        for (int i = 0; i < steps; ++i) {
            const float u0 = float(i) / steps, u1 = float(i + 1) / steps;
            const float b0 = Lerp(tail, head, u0), b1 = Lerp(tail, head, u1);
            const float w = width * (0.25f + 0.75f * u1) * (0.4f + 0.6f * fade);
            const float dir = (style == SlashStyle::kCross && k == 1) ? -1.0f : 1.0f;
            const Vec2 p0 = centre + Vec2{dir * std::cos(b0) * radius, std::sin(b0) * radius};
            const Vec2 p1 = centre + Vec2{dir * std::cos(b1) * radius, std::sin(b1) * radius};
            parts.push_back(Capsule(p0, p1, w * 0.5f, w * 0.5f));
        }
        Beam(c, Union(parts), colour, fade, width);
    }
    // Sparks and the element's own particles after the cut.
    const float after = SmoothStep(0.3f, 0.5f, c.t) * (1 - SmoothStep(0.7f, 1.0f, c.t));
    for (int i = 0; i < 10; ++i) {
        const float a = c.dice.Range(0, 2 * kPi), speed = c.dice.Range(10, 34);
        const Vec2 at = kCentre + Vec2{std::cos(a), std::sin(a)} * (speed * c.t);
        const Rgba tint = style == SlashStyle::kFire ? Hex(0xFFA040) : (style == SlashStyle::kIce ? Hex(0xC0F0FF) : (style == SlashStyle::kThunder ? Hex(0xFFFF80) : colour));
        Star4(c, at, c.dice.Range(2, 5) * (style == SlashStyle::kPlain ? 0.7f : 1.2f), tint, after);
    }
    if (style == SlashStyle::kThunder && c.frame % 2 == 0) {
        Dice d(uint64_t(c.frame) * 77 + 5);
        Polyline(c, Jagged(kCentre + Vec2{-30, -20}, kCentre + Vec2{30, 25}, 0.3f, 4, d), 1.0f, Hex(0xFFFF90), after);
    }
}

void PaintClaw(Cell& c) {
    for (int k = 0; k < 3; ++k) {
        const float start = k * 0.12f;
        const float local = Clamp01((c.t - start) / 0.5f);
        const float fade = 1 - SmoothStep(0.55f, 1.0f, c.t);
        if (local <= 0) continue;
        const Vec2 a = kCentre + Vec2{-26 + k * 12.0f, -30}, b = kCentre + Vec2{-6 + k * 12.0f, 30};
        const Vec2 head = a + (b - a) * Clamp01(local * 1.6f);
        Beam(c, Capsule(a + (b - a) * std::max(0.0f, local - 0.6f), head, 2.6f, 1.2f), Hex(0xFF5050), fade, 5);
    }
}

void PaintFang(Cell& c) {
    const float close = SmoothStep(0.0f, 0.45f, c.t);
    const float fade = 1 - SmoothStep(0.6f, 1.0f, c.t);
    for (float side : {-1.0f, 1.0f}) {
        const float y = kCentre.y + side * (34 - 26 * close);
        for (int i = 0; i < 5; ++i) {
            const float x = kCentre.x - 28 + i * 14;
            const float len = 12 - std::fabs(i - 2.0f) * 2;
            Beam(c, Polygon({{x - 5, y}, {x + 5, y}, {x, y - side * len}}), Hex(0xF0F0FF), fade, 3);
        }
    }
    if (c.t > 0.4f) Burst(c, kCentre, 30 * SmoothStep(0.4f, 0.7f, c.t), 10, Hex(0xFF6060), fade);
}

void PaintImpact(Cell& c, Rgba colour, int variant) {
    auto hit = [&](Vec2 at, float start, float size) {
        const float local = Clamp01((c.t - start) / std::max(0.05f, 1 - start));
        if (c.t < start) return;
        const float grow = SmoothStep(0, 0.35f, local), fade = 1 - SmoothStep(0.35f, 1.0f, local);
        Burst(c, at, size * (0.4f + 0.6f * grow), variant == 2 ? 6 : 8, colour, fade, 0.3f + local * 0.5f);
        const Shape ring = Subtract(Circle(at, size * 1.3f * grow + 2), Circle(at, size * 1.3f * grow));
        Beam(c, ring, colour, fade * 0.7f, 3);
    };
    switch (variant) {
        case 4: {
            Dice d = c.dice;
            for (int i = 0; i < 6; ++i) hit(kCentre + Vec2{d.Range(-26, 26), d.Range(-26, 20)}, i * 0.12f, 16);
            break;
        }
        case 3:
            hit(kCentre, 0, 34);
            for (int i = 0; i < 12; ++i) {
                const float a = c.dice.Range(-kPi, 0), v = c.dice.Range(20, 50);
                const Vec2 at = kCentre + Vec2{std::cos(a) * v * c.t, std::sin(a) * v * c.t + 60 * c.t * c.t};
                Light(c, Circle(at, 2.2f), Hex(0xD8A060), 1 - c.t);
            }
            break;
        case 2:
            hit(kCentre, 0, 26);
            for (int i = 0; i < 8; ++i) {
                const float a = c.dice.Range(0, 2 * kPi);
                Star4(c, kCentre + Vec2{std::cos(a), std::sin(a)} * (10 + 30 * c.t), 5, colour, 1 - c.t);
            }
            break;
        case 1: hit(kCentre + Vec2{8, -4}, 0, 28); break;
        default: hit(kCentre, 0, 26); break;
    }
}

void PaintThrust(Cell& c, Rgba colour) {
    const float reach = SmoothStep(0, 0.35f, c.t), fade = 1 - SmoothStep(0.4f, 1.0f, c.t);
    const Vec2 from{4, kCentre.y - 20}, to = kCentre + Vec2{6, 0};
    const Vec2 head = from + (to - from) * reach;
    Beam(c, Capsule(from + (to - from) * std::max(0.0f, reach - 0.5f), head, 0.6f, 3.0f), colour, fade, 4);
    if (c.t > 0.3f) Burst(c, to, 22 * SmoothStep(0.3f, 0.5f, c.t), 6, colour, fade, 0.1f);
}

void PaintArrow(Cell& c, int count, bool glowing) {
    for (int k = 0; k < count; ++k) {
        const float start = k * 0.12f;
        const float local = Clamp01((c.t - start) / 0.45f);
        if (c.t < start) continue;
        const Vec2 target = kCentre + Vec2{k * 9.0f - (count - 1) * 4.5f, k * 5.0f - 4};
        const Vec2 from = target + Vec2{-60, -46};
        const Vec2 dir = (target - from) * (1 / Length(target - from));
        const float fly = SmoothStep(0, 1, local);
        const float after = Clamp01((c.t - start - 0.45f) / 0.4f);
        const Vec2 tip = from + (target - from) * fly;
        const float fade = 1 - after;
        if (glowing) Beam(c, Capsule(from + (target - from) * std::max(0.0f, fly - 0.5f), tip, 0.5f, 2.5f), Hex(0xFFD060), fade, 5);
        Light(c, ArrowShape(tip, dir, 30), Hex(0xF0E8D8), fade * 0.9f);
        if (after > 0) Burst(c, target, 14 + 10 * after, 6, glowing ? Hex(0xFFD060) : Hex(0xFFF0C0), 1 - after);
    }
}

void PaintArrowRain(Cell& c) {
    for (int i = 0; i < 14; ++i) {
        const float start = c.dice.Range(0, 0.55f);
        const float x = c.dice.Range(12, 84), land = c.dice.Range(50, 86);
        const float local = Clamp01((c.t - start) / 0.25f);
        if (c.t < start) continue;
        const float fade = 1 - Clamp01((c.t - start - 0.25f) / 0.3f);
        const Vec2 tip{x + 6 * local, -10 + (land + 10) * local};
        Light(c, ArrowShape(tip, Vec2{0.2f, 0.98f}, 22), Hex(0xF0E8D8), fade);
        if (local >= 1) Star4(c, tip, 6 * fade, Hex(0xFFE0A0), fade);
    }
}

void PaintThrow(Cell& c) {
    for (int k = 0; k < 2; ++k) {
        const float local = Clamp01((c.t - k * 0.15f) / 0.5f);
        const Vec2 target = kCentre + Vec2{k * 10.0f - 5, k * 8.0f - 4};
        const Vec2 at = Vec2{-10, target.y + 10} + (target - Vec2{-10, target.y + 10}) * local;
        const float fade = 1 - SmoothStep(0.6f, 1.0f, c.t);
        const float spin = c.t * 20;
        std::vector<Vec2> pts;
        for (int i = 0; i < 8; ++i) pts.push_back(at + Rotate(Vec2{i % 2 ? 3.0f : 10.0f, 0}, spin + i * kPi / 4));
        Beam(c, Polygon(pts), Hex(0xD0E0F0), fade, 3);
        if (local >= 1) Burst(c, target, 16, 6, Hex(0xFFFFFF), fade);
    }
}

void PaintGun(Cell& c, int shots) {
    for (int k = 0; k < shots; ++k) {
        // A single shot lasts the whole strip; a burst fires one after another.
        const float start = shots > 1 ? k * 0.14f : 0.0f, life = shots > 1 ? 0.3f : 0.9f;
        const float local = Clamp01((c.t - start) / life);
        if (c.t < start || local >= 1) continue;
        const Vec2 at = kCentre + (shots > 1 ? Vec2{c.dice.Range(-20, 20), c.dice.Range(-18, 18)} : Vec2{});
        Burst(c, at, 10 + 12 * local, 7, Hex(0xFFD080), 1 - local, k);
        for (int i = 0; i < 5; ++i) {
            const float a = c.dice.Range(0, 2 * kPi);
            Light(c, Capsule(at + Vec2{std::cos(a), std::sin(a)} * (6 + 20 * local), at + Vec2{std::cos(a), std::sin(a)} * (9 + 26 * local), 0.8f, 0.5f), Hex(0xFFE0A0), 1 - local);
        }
    }
}

void PaintLaser(Cell& c) {
    const float grow = SmoothStep(0, 0.25f, c.t), fade = 1 - SmoothStep(0.6f, 1.0f, c.t);
    const float width = 3 + 5 * std::sin(Clamp01(c.t) * kPi);
    const Vec2 a{0, kCentre.y - 6}, b{S * grow, kCentre.y - 6};
    Beam(c, Capsule(a, b, width * 0.5f, width * 0.5f), Hex(0xFF3060), fade, 5);
    if (grow >= 1) Burst(c, {80, kCentre.y - 6}, 14, 8, Hex(0xFF80A0), fade, c.t * 4);
}

void PaintEnergyBall(Cell& c, Rgba colour) {
    const float approach = SmoothStep(0, 0.5f, c.t);
    const Vec2 at = Vec2{6, kCentre.y - 10} + (kCentre - Vec2{6, kCentre.y - 10}) * approach;
    if (c.t < 0.5f) {
        Halo(c, Circle(at, 6 + 4 * approach), colour, 6, 0.7f);
        Light(c, Circle(at, 5 + 3 * approach), Hex(0xFFFFFF), 0.9f);
    } else {
        PaintExplosion(c, colour, Hex(0xF0F8FF));
    }
}

void PaintExplosion(Cell& c, Rgba outer, Rgba core) {
    const float local = c.t;
    const float radius = 8 + 34 * SmoothStep(0, 0.6f, local);
    const float heat = 1 - SmoothStep(0.1f, 1.0f, local);
    for (int y = 0; y < int(S); ++y)
        for (int x = 0; x < int(S); ++x) {
            const Vec2 p{x + 0.5f, y + 0.5f};
            const float d = Length(p - kCentre) / radius;
            if (d > 1.3f) continue;
            const float n = Fbm2(p.x * 0.08f, p.y * 0.08f + local * 3, 31, 4);
            const float body = Clamp01(1.15f - d - (n - 0.5f) * 0.8f);
            const float h = Clamp01(body * 1.6f * heat + body * 0.2f);
            const Rgba col = FireColour(h, outer, core);
            c.light.AddLight(x, y, col, Clamp01(body * 2.0f) * Clamp01(heat * 1.4f + 0.1f));
        }
    const Shape ring = Subtract(Circle(kCentre, radius * 1.2f + 2), Circle(kCentre, radius * 1.2f));
    Beam(c, ring, outer, (1 - local) * 0.6f, 3);
}

void PaintFlames(Cell& c, Rgba outer, Rgba core) {
    const float env = Envelope(c.t, 0.2f, 0.35f);
    for (int y = 0; y < int(S); ++y)
        for (int x = 0; x < int(S); ++x) {
            const float u = (x - kCentre.x) / 30.0f, v = (90 - y) / 70.0f;  // v: height above the base
            if (v < -0.1f || v > 1.2f) continue;
            const float width = (1 - v) * (0.8f + 0.3f * env);
            const float n = Fbm2(x * 0.09f, y * 0.07f + c.t * 6, 53, 4);
            const float shape = Clamp01(width - std::fabs(u) + (n - 0.5f) * 0.9f) * SmoothStep(-0.1f, 0.1f, v);
            const float h = Clamp01(shape * 1.8f * env);
            if (h <= 0.01f) continue;
            c.light.AddLight(x, y, FireColour(h, outer, core), Clamp01(shape * 2.5f) * env);
        }
    for (int i = 0; i < 8; ++i) {
        const float x = kCentre.x + c.dice.Range(-24, 24), speed = c.dice.Range(40, 80), phase = c.dice.Range(0, 1);
        const float y = 90 - std::fmod(c.t * speed + phase * 80, 90.0f);
        Light(c, Circle({x + std::sin(y * 0.2f) * 3, y}, 1.3f), Hex(0xFFD080), env);
    }
}

void PaintPillar(Cell& c, Rgba outer, Rgba core, bool fire) {
    const float env = Envelope(c.t, 0.2f, 0.3f);
    const float half = 8 + 16 * env;
    for (int y = 0; y < int(S); ++y)
        for (int x = 0; x < int(S); ++x) {
            const float dx = std::fabs(x + 0.5f - kCentre.x) / half;
            float body = Clamp01(1 - dx);
            if (fire) body = Clamp01(1 - dx + (Fbm2(x * 0.1f, y * 0.05f + c.t * 8, 71, 4) - 0.5f) * 0.9f);
            else body = std::pow(body, 0.7f) * (0.8f + 0.2f * std::sin(y * 0.3f - c.t * 20));
            if (body <= 0) continue;
            const Rgba col = fire ? FireColour(Clamp01(body * 1.3f), outer, core) : Mix(outer, core, body);
            c.light.AddLight(x, y, col, body * env);
        }
    if (!fire)
        for (int i = 0; i < 12; ++i) {
            const float x = kCentre.x + c.dice.Range(-24, 24), phase = c.dice.Range(0, 1);
            Star4(c, {x, 96 - std::fmod((c.t + phase) * 120, 96.0f)}, 3.5f, core, env);
        }
}

void PaintVortex(Cell& c, Rgba outer, Rgba core, bool embers) {
    const float env = Envelope(c.t, 0.2f, 0.3f);
    for (int k = 0; k < 5; ++k) {
        const float r = 10 + k * 7 + 4 * env;
        const float a0 = c.t * (8 - k) + k * 1.3f;
        const float squash = 0.45f;
        std::vector<Shape> parts;
        for (int i = 0; i < 10; ++i) {
            const float b0 = a0 + i * 0.22f, b1 = b0 + 0.22f;
            const float y0 = kCentre.y + 24 - k * 12.0f * env;
            parts.push_back(Capsule({kCentre.x + std::cos(b0) * r, y0 + std::sin(b0) * r * squash}, {kCentre.x + std::cos(b1) * r, y0 + std::sin(b1) * r * squash}, 1.8f, 1.8f));
        }
        Beam(c, Union(parts), k % 2 ? outer : Mix(outer, core, 0.4f), env, 3);
    }
    if (embers)
        for (int i = 0; i < 10; ++i) {
            const float a = c.dice.Range(0, 2 * kPi) + c.t * 6, r = c.dice.Range(8, 36);
            Light(c, Circle(kCentre + Vec2{std::cos(a) * r, std::sin(a) * r * 0.5f - c.t * 20}, 1.4f), core, env);
        }
}

void PaintFirebird(Cell& c) {
    const float x = -20 + 136 * c.t, y = kCentre.y - 10 + std::sin(c.t * kPi) * -8;
    const float flap = std::sin(c.t * kPi * 6);
    const Vec2 at{x, y};
    const Rgba outer = Hex(0xFF5A10), core = Hex(0xFFE070);
    for (int i = 1; i <= 5; ++i) Halo(c, Circle(at - Vec2{i * 8.0f, -i * 1.5f}, 5 - i * 0.7f), outer, 4, 0.35f);
    const Shape wings = Union({Polygon({at, at + Vec2{-10, -22 * flap - 4}, at + Vec2{-24, -16 * flap - 2}}), Polygon({at, at + Vec2{-6, 18 * flap + 4}, at + Vec2{-20, 12 * flap + 2}})});
    Beam(c, wings, outer, 1, 4);
    Beam(c, Union({Ellipse(at, 9, 5), Circle(at + Vec2{9, -2}, 4), Polygon({at + Vec2{12, -2}, at + Vec2{17, 0}, at + Vec2{12, 1}})}), core, 1, 3);
    if (c.t > 0.45f && c.t < 0.8f) PaintExplosion(c, outer, core);
}

void PaintMeteor(Cell& c) {
    for (int k = 0; k < 3; ++k) {
        const float start = k * 0.15f;
        const float local = Clamp01((c.t - start) / 0.35f);
        if (c.t < start) continue;
        const Vec2 target = kCentre + Vec2{(k - 1) * 18.0f, k == 1 ? 6.0f : -2.0f};
        const Vec2 from = target + Vec2{50, -80};
        const Vec2 at = from + (target - from) * local;
        if (local < 1) {
            Beam(c, Capsule(at + (from - target) * 0.25f, at, 1, 5), Hex(0xFF6A20), 1, 5);
            Light(c, Circle(at, 4), Hex(0xFFE8B0), 1);
        }
    }
    if (c.t > 0.4f) {
        Cell late{c.light, SmoothStep(0.4f, 1.0f, c.t), c.frame, c.frames, c.dice};
        PaintExplosion(late, Hex(0xFF5010), Hex(0xFFF0B0));
    }
}

void PaintBlizzard(Cell& c) {
    const float env = Envelope(c.t, 0.2f, 0.3f);
    for (int i = 0; i < 40; ++i) {
        const float x0 = c.dice.Range(-60, 96), y0 = c.dice.Range(-40, 96), speed = c.dice.Range(60, 120);
        const float x = std::fmod(x0 + speed * c.t * 1.4f + 200, 156.0f) - 30, y = std::fmod(y0 + speed * c.t + 200, 136.0f) - 20;
        Light(c, Capsule({x, y}, {x - 5, y - 3.5f}, 1.1f, 0.5f), Hex(0xE8F8FF), env);
    }
    for (int k = 0; k < 3; ++k) {
        const float y = 30 + k * 22 + std::sin(c.t * 6 + k) * 6;
        Beam(c, Capsule({-10 + c.t * 40 + k * 10, y}, {40 + c.t * 60 + k * 10, y + 6}, 0.8f, 0.8f), Hex(0x80D0FF), env * 0.5f, 3);
    }
}

void PaintCrystals(Cell& c, bool pillar) {
    const float grow = SmoothStep(0, 0.45f, c.t), shatter = SmoothStep(0.65f, 1.0f, c.t);
    const int count = pillar ? 6 : 5;
    for (int k = 0; k < count; ++k) {
        const float a = pillar ? -kPi / 2 + c.dice.Range(-0.5f, 0.5f) : c.dice.Range(0, 2 * kPi);
        const float len = (pillar ? c.dice.Range(35, 70) : c.dice.Range(16, 30)) * grow;
        const float w = c.dice.Range(4, 8);
        const Vec2 base = pillar ? Vec2{kCentre.x + c.dice.Range(-28, 28), 90} : kCentre;
        const Vec2 dir{std::cos(a), std::sin(a)}, side{-dir.y, dir.x};
        if (shatter > 0) {
            for (int i = 0; i < 4; ++i) {
                const Vec2 bit = base + dir * (len * (0.3f + 0.2f * i)) + Vec2{c.dice.Range(-1, 1), c.dice.Range(-1, 1)} * (30 * shatter);
                Star4(c, bit, 3.5f * (1 - shatter), Hex(0xD0F4FF), 1 - shatter);
            }
            continue;
        }
        if (len < 1) continue;
        const Shape shard = Polygon({base + side * w, base + side * w + dir * (len * 0.75f), base + dir * len, base - side * w + dir * (len * 0.75f), base - side * w});
        Halo(c, shard, Hex(0x4AA8FF), 4, 0.45f);
        Light(c, shard, Hex(0x80D0FF), 0.7f);
        Light(c, Polygon({base + side * (w * 0.3f), base + dir * len, base + side * (w * 0.9f) + dir * (len * 0.7f)}), Hex(0xFFFFFF), 0.6f);
    }
}

void PaintIceBlock(Cell& c) {
    const float grow = SmoothStep(0, 0.4f, c.t), crack = SmoothStep(0.7f, 1.0f, c.t);
    const Shape block = RoundRect(kCentre, {28 * grow + 1, 32 * grow + 1}, 4);
    Halo(c, block, Hex(0x4AA8FF), 5, 0.4f * (1 - crack));
    Light(c, block, Hex(0x70B8F0), 0.45f * (1 - crack));
    Light(c, Polygon({kCentre + Vec2{-24, -30} * grow, kCentre + Vec2{-4, -30} * grow, kCentre + Vec2{-24, 10} * grow}), Hex(0xFFFFFF), 0.35f * (1 - crack));
    if (c.t > 0.5f) Star4(c, kCentre + Vec2{16, -20}, 8 * std::sin((c.t - 0.5f) * 2 * kPi), Hex(0xFFFFFF), 1);
    if (crack > 0) {
        Dice d(99);
        Polyline(c, Jagged(kCentre + Vec2{-20, -28}, kCentre + Vec2{18, 26}, 0.2f, 3, d), 0.8f, Hex(0xE8FAFF), crack);
    }
}

void PaintSparkleBurst(Cell& c, Rgba outer, Rgba core, int count) {
    const float env = Envelope(c.t, 0.15f, 0.4f);
    Halo(c, Circle(kCentre, 6 + 10 * env), outer, 10, 0.5f * env);
    for (int i = 0; i < count; ++i) {
        const float a = c.dice.Range(0, 2 * kPi), r = c.dice.Range(6, 36), phase = c.dice.Range(0, 0.6f);
        const float life = Clamp01((c.t - phase) / 0.4f);
        Star4(c, kCentre + Vec2{std::cos(a), std::sin(a)} * (r * (0.5f + 0.5f * life)), 9 * std::sin(life * kPi), core, 1);
    }
    for (int i = 0; i < 8; ++i) {
        const float a = i * kPi / 4 + c.t;
        Beam(c, Capsule(kCentre + Vec2{std::cos(a), std::sin(a)} * 8, kCentre + Vec2{std::cos(a), std::sin(a)} * (14 + 26 * env), 1.2f, 0.2f), outer, env * 0.6f, 3);
    }
}

void PaintRing(Cell& c, Rgba outer, Rgba core, bool frost) {
    for (int k = 0; k < 2; ++k) {
        const float local = Clamp01((c.t - k * 0.2f) / 0.7f);
        if (local <= 0 || local >= 1) continue;
        const float r = 6 + 38 * SmoothStep(0, 1, local);
        Beam(c, Subtract(Ellipse(kCentre, r + 2.5f, r * 0.6f + 2.5f), Ellipse(kCentre, r, r * 0.6f)), Mix(outer, core, k * 0.5f), 1 - local, 4);
    }
    if (frost) PaintCrystals(c, false);
    else
        for (int i = 0; i < 8; ++i) {
            const float a = i * kPi / 4, r = 8 + 40 * c.t;
            Light(c, Polygon({kCentre + Vec2{std::cos(a) * r, std::sin(a) * r * 0.6f}, kCentre + Vec2{std::cos(a + 0.15f) * (r + 6), std::sin(a + 0.15f) * (r + 6) * 0.6f},
                              kCentre + Vec2{std::cos(a - 0.1f) * (r + 4), std::sin(a - 0.1f) * (r + 4) * 0.6f}}),
                  core, 1 - c.t);
        }
}

void PaintBolts(Cell& c, int bolts) {
    const int n = std::max(bolts, 1);
    const float flash = (c.frame % 2 == 0 ? 1.0f : 0.55f) * Envelope(c.t, 0.1f, 0.3f);
    for (int k = 0; k < n; ++k) {
        Dice d(uint64_t(c.frame / 2) * 31 + uint64_t(k) * 7 + 3);
        const Vec2 target = kCentre + (n > 1 ? Vec2{(k - 1) * 22.0f, float(k % 2) * 8} : Vec2{});
        const float width = bolts == 0 ? 4.0f : 2.4f;
        Polyline(c, Jagged({target.x + d.Range(-12, 12), -4}, target, 0.22f, 5, d), width, Hex(0xFFF080), flash);
        if (bolts == 0) Polyline(c, Jagged({target.x + d.Range(-20, 20), -4}, target + Vec2{d.Range(-10, 10), 0}, 0.25f, 4, d), 1.0f, Hex(0xC0E0FF), flash * 0.7f);
        Halo(c, Circle(target, 6), Hex(0xFFFFA0), 8, flash * 0.7f);
    }
}

void PaintSparks(Cell& c) {
    const float env = Envelope(c.t, 0.1f, 0.3f);
    Dice d(uint64_t(c.frame) * 13 + 1);
    for (int k = 0; k < 5; ++k) {
        const float a = d.Range(0, 2 * kPi), r = d.Range(14, 34);
        Polyline(c, Jagged(kCentre, kCentre + Vec2{std::cos(a), std::sin(a)} * r, 0.35f, 3, d), 0.9f, Hex(0xFFFF80), env);
    }
    Halo(c, Circle(kCentre, 5), Hex(0xFFFFA0), 8, env * 0.8f);
}

void PaintWindBlades(Cell& c) {
    for (int k = 0; k < 4; ++k) {
        const float start = k * 0.12f;
        const float local = Clamp01((c.t - start) / 0.55f);
        if (local <= 0 || local >= 1) continue;
        const float y = kCentre.y - 24 + k * 15;
        const Vec2 at{-10 + 110 * local, y};
        Beam(c, Arc(at, 14, -1.2f, 1.2f, 3.5f), Hex(0x90F0B0), 1 - local * local, 3);
    }
}

void PaintWindSwirl(Cell& c) {
    const float env = Envelope(c.t, 0.2f, 0.3f);
    for (int k = 0; k < 3; ++k) {
        const float a0 = c.t * 9 + k * 2.1f, r = 14 + k * 9;
        Beam(c, Arc(kCentre, r, a0, a0 + 2.2f, 2.5f), Hex(0x90F0B0), env, 3);
    }
    for (int i = 0; i < 6; ++i) {
        const float a = c.dice.Range(0, 2 * kPi) + c.t * 8, r = c.dice.Range(10, 34);
        Light(c, Ellipse(kCentre + Vec2{std::cos(a) * r, std::sin(a) * r * 0.7f}, 3, 1.5f, a), Hex(0xB0FF90), env);
    }
}

void PaintHolyCross(Cell& c) {
    const float env = Envelope(c.t, 0.25f, 0.35f);
    const float s = 0.5f + 0.5f * env;
    const Shape cross = Union({RoundRect(kCentre + Vec2{0, -4}, {6 * s, 36 * s}, 2), RoundRect(kCentre + Vec2{0, -14 * s}, {24 * s, 6 * s}, 2)});
    Halo(c, cross, Hex(0xFFE890), 8, 0.6f * env);
    Light(c, cross, Hex(0xFFF6D0), env);
    PaintSparkleBurst(c, Hex(0xFFE070), Hex(0xFFFFFF), 6);
}

void PaintJudgement(Cell& c) {
    for (int k = 0; k < 5; ++k) {
        const float start = k * 0.1f;
        const float local = Clamp01((c.t - start) / 0.4f);
        if (local <= 0) continue;
        const float x = kCentre.x + (k - 2) * 14.0f;
        const float fade = 1 - SmoothStep(0.6f, 1.0f, c.t);
        Beam(c, Capsule({x, -4}, {x + (kCentre.x - x) * 0.3f, kCentre.y * local}, 2.5f, 2.5f), Hex(0xFFF0B0), fade, 5);
    }
    if (c.t > 0.45f) Burst(c, kCentre, 34 * SmoothStep(0.45f, 0.7f, c.t), 12, Hex(0xFFF4C0), 1 - SmoothStep(0.6f, 1.0f, c.t));
}

void PaintDarkOrb(Cell& c) {
    const float env = Envelope(c.t, 0.25f, 0.35f);
    const float r = 10 + 16 * env;
    for (int y = 0; y < int(S); ++y)
        for (int x = 0; x < int(S); ++x) {
            const Vec2 p{x + 0.5f, y + 0.5f};
            const float d = Length(p - kCentre) / r;
            if (d > 2.2f) continue;
            const float a = std::atan2(p.y - kCentre.y, p.x - kCentre.x);
            const float swirl = 0.5f + 0.5f * std::sin(a * 3 + d * 6 - c.t * 10);
            // A dark heart with a violet rim: light only at the edge.
            const float rim = std::exp(-std::pow((d - 1) * 2.5f, 2.0f)) * (0.6f + 0.4f * swirl);
            c.light.AddLight(x, y, Mix(Hex(0x6A10C0), Hex(0xE050FF), swirl), rim * env);
        }
}

void PaintRevive(Cell& c) {
    PaintPillar(c, Hex(0xFFF0B0), Hex(0xFFFFFF), false);
    const float y = -10 + 70 * SmoothStep(0, 0.8f, c.t);
    const Vec2 at{kCentre.x + std::sin(c.t * 8) * 8, y};
    Light(c, Ellipse(at, 4, 11, 0.4f + std::sin(c.t * 8) * 0.3f), Hex(0xFFFFFF), Envelope(c.t, 0.1f, 0.2f));
}

void PaintHeal(Cell& c, bool big) {
    const float env = Envelope(c.t, 0.2f, 0.35f);
    Halo(c, Ellipse({kCentre.x, kCentre.y + 20}, big ? 34 : 24, 8), Hex(0x60FF90), 8, 0.35f * env);
    const int count = big ? 18 : 10;
    for (int i = 0; i < count; ++i) {
        const float x = kCentre.x + c.dice.Range(-30, 30), phase = c.dice.Range(0, 1), speed = c.dice.Range(50, 90);
        const float y = 88 - std::fmod(phase * 80 + c.t * speed, 80.0f);
        Star4(c, {x + std::sin(y * 0.15f + i) * 4, y}, c.dice.Range(3, 6), i % 3 ? Hex(0x80FFA0) : Hex(0xE0FFE0), env);
    }
    if (big) Beam(c, Subtract(Ellipse({kCentre.x, kCentre.y + 20}, 10 + 30 * c.t + 2, 3 + 8 * c.t + 2), Ellipse({kCentre.x, kCentre.y + 20}, 10 + 30 * c.t, 3 + 8 * c.t)), Hex(0xA0FFC0), env * 0.7f, 3);
}

void PaintCharge(Cell& c) {
    const float env = Envelope(c.t, 0.1f, 0.2f);
    for (int i = 0; i < 16; ++i) {
        const float a = c.dice.Range(0, 2 * kPi), phase = c.dice.Range(0, 1);
        const float r = 44 * (1 - std::fmod(phase + c.t * 1.5f, 1.0f));
        const Vec2 at = kCentre + Vec2{std::cos(a), std::sin(a)} * r;
        Light(c, Capsule(at, at + Vec2{std::cos(a), std::sin(a)} * 5, 1, 0.4f), Hex(0xFFE080), env);
    }
    Halo(c, Circle(kCentre, 4 + 8 * c.t), Hex(0xFFD060), 8, 0.6f * env);
}

void PaintArrowsMove(Cell& c, bool up) {
    const float env = Envelope(c.t, 0.15f, 0.3f);
    const Rgba colour = up ? Hex(0x60E0FF) : Hex(0xFF4060);
    for (int k = 0; k < 3; ++k) {
        const float x = kCentre.x + (k - 1) * 22.0f;
        const float phase = std::fmod(c.t * 1.5f + k * 0.33f, 1.0f);
        const float y = up ? 86 - phase * 70 : 16 + phase * 70;
        const float dir = up ? -1.0f : 1.0f;
        const Shape chevron = Union({Capsule({x - 9, y - dir * 6}, {x, y}, 2.2f, 2.2f), Capsule({x, y}, {x + 9, y - dir * 6}, 2.2f, 2.2f)});
        Beam(c, chevron, colour, env * std::sin(phase * kPi), 4);
    }
}

void PaintBreath(Cell& c, Rgba outer, Rgba core) {
    const float env = Envelope(c.t, 0.2f, 0.3f);
    const float reach = 100 * SmoothStep(0, 0.5f, c.t);
    for (int y = 0; y < int(S); ++y)
        for (int x = 0; x < int(S); ++x) {
            if (x > reach) continue;
            const float spread = 6 + x * 0.35f;
            const float dy = (y - kCentre.y + 6) / spread;
            const float n = Fbm2(x * 0.08f - c.t * 6, y * 0.08f, 17, 4);
            const float body = Clamp01(1 - std::fabs(dy) + (n - 0.5f) * 0.9f) * SmoothStep(reach, reach - 20, float(x));
            if (body <= 0) continue;
            c.light.AddLight(x, y, Mix(outer, core, Clamp01(body * 1.2f - 0.2f)), body * env);
        }
}

void PaintCloud(Cell& c, Rgba outer, Rgba core) {
    const float env = Envelope(c.t, 0.25f, 0.35f);
    for (int i = 0; i < 9; ++i) {
        const float a = c.dice.Range(0, 2 * kPi), r = c.dice.Range(4, 24) * (0.5f + 0.5f * env);
        const Vec2 at = kCentre + Vec2{std::cos(a) * r * 1.3f, std::sin(a) * r * 0.8f};
        const float size = c.dice.Range(9, 16) * (0.6f + 0.4f * env);
        Halo(c, Circle(at, size * 0.6f), i % 2 ? outer : core, size * 0.5f, 0.35f * env);
    }
    for (int i = 0; i < 6; ++i) {
        const float x = kCentre.x + c.dice.Range(-24, 24), phase = c.dice.Range(0, 1);
        const float y = kCentre.y + 20 - std::fmod(phase * 50 + c.t * 60, 50.0f);
        Light(c, Subtract(Circle({x, y}, 3), Circle({x, y}, 2)), core, env);
    }
}

}  // namespace assetgen
