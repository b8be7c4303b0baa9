// Four-legged beasts seen from the side, facing left (towards the party):
// dogs and wolves, cats and tigers, boars, bears, horses, lizards and the
// winged or many-headed beasts of legend.
#include <cmath>

#include "tools/asset-gen/Figure.h"
#include "tools/asset-gen/MonsterFamilies.h"

namespace assetgen {

namespace {

using Q = QuadrupedTraits;

Look CoatLook(const Q& t, Rgba colour) {
    Look l = Fur(colour);
    if (t.scales) l = Look{colour, 0.35f, 0.15f};
    if (t.stripes) {
        l.pattern = [](Vec2 p) { return SmoothStep(0.55f, 0.75f, std::sin(p.x * 0.45f + std::sin(p.y * 0.2f) * 2.0f)); };
        l.patternColour = t.stripeColour;
    } else if (t.spots) {
        l.pattern = [](Vec2 p) { return SmoothStep(0.6f, 0.75f, std::sin(p.x * 0.5f) * std::sin(p.y * 0.55f)); };
        l.patternColour = t.stripeColour;
    } else if (t.scales) {
        l.pattern = [](Vec2 p) { return 0.35f * SmoothStep(0.4f, 0.9f, std::fabs(std::sin(p.x * 0.8f) * std::sin(p.y * 0.8f + p.x * 0.3f))); };
        l.patternColour = Shade(colour, 0.6f);
    }
    return l;
}

void DrawHead(Figure& f, const Q& t, float hx, float hy, float r) {
    const Look coat = CoatLook(t, t.fur);
    const Rgba nose = Hex(0x1A1214);
    switch (t.ears) {
        case Q::kPointed: f.Paint(f.Poly({{hx - r * 0.1f, hy - r * 0.6f}, {hx + r * 0.25f, hy - r * 1.6f}, {hx + r * 0.6f, hy - r * 0.5f}}), coat); break;
        case Q::kRound: f.Paint(f.Oval(hx + r * 0.35f, hy - r * 0.75f, r * 0.35f, r * 0.35f), coat); break;
        case Q::kLong: f.Paint(f.Oval(hx + r * 0.4f, hy - r * 1.5f, r * 0.25f, r * 0.9f, 0.25f), coat); break;
        case Q::kNone: break;
    }
    if (t.mane.a > 0) {
        for (int i = 0; i < 6; ++i) {
            const float a = -0.6f + i * 0.5f;
            f.Paint(f.Oval(hx + r * 0.45f + std::cos(a) * r * 0.7f, hy + std::sin(a) * r * 0.8f, r * 0.55f, r * 0.3f, a), Fur(t.mane));
        }
    }
    f.Paint(f.Oval(hx, hy, r, r * 0.88f), coat);
    switch (t.snout) {
        case Q::kDog:
        case Q::kBear:
            f.Paint(f.Oval(hx - r * 0.85f, hy + r * 0.25f, r * (t.snout == Q::kBear ? 0.5f : 0.65f), r * 0.38f, -0.1f), CoatLook(t, Mix(t.fur, t.belly, 0.5f)));
            f.Flat(f.Oval(hx - r * 1.38f, hy + r * 0.1f, r * 0.16f, r * 0.12f), nose);
            f.Mouth(hx - r * 1.3f, hx - r * 0.55f, hy + r * 0.45f, r * 0.16f, t.fierceEyes);
            break;
        case Q::kCat:
            f.Paint(f.Oval(hx - r * 0.65f, hy + r * 0.3f, r * 0.45f, r * 0.32f), CoatLook(t, t.belly));
            f.Flat(f.Poly({{hx - r * 1.05f, hy + r * 0.1f}, {hx - r * 0.85f, hy + r * 0.1f}, {hx - r * 0.95f, hy + r * 0.22f}}), Hex(0xC06070));
            f.Mouth(hx - r * 1.0f, hx - r * 0.4f, hy + r * 0.42f, r * 0.14f, t.fierceEyes);
            for (int k = -1; k <= 1; ++k) f.Flat(f.Limb(hx - r * 0.9f, hy + r * 0.3f, hx - r * 1.6f, hy + r * (0.2f + k * 0.15f), 0.3f, 0.2f), Hex(0xF0F0F0, 0.8f));
            break;
        case Q::kBeak:
            f.Paint(f.Poly({{hx - r * 0.6f, hy - r * 0.15f}, {hx - r * 1.7f, hy + r * 0.15f}, {hx - r * 1.45f, hy + r * 0.55f}, {hx - r * 0.55f, hy + r * 0.45f}}), Shiny(Hex(0xE8B030)));
            break;
        case Q::kHorse:
            f.Paint(f.Limb(hx - r * 0.2f, hy, hx - r * 1.3f, hy + r * 0.45f, r * 0.7f, r * 0.45f), coat);
            f.Flat(f.Oval(hx - r * 1.55f, hy + r * 0.35f, r * 0.1f, r * 0.08f), nose);
            break;
        case Q::kRodent:
            f.Paint(f.Limb(hx - r * 0.3f, hy + r * 0.1f, hx - r * 1.35f, hy + r * 0.35f, r * 0.55f, r * 0.15f), coat);
            f.Flat(f.Oval(hx - r * 1.45f, hy + r * 0.33f, r * 0.14f, r * 0.12f), Hex(0xD07080));
            f.Paint(f.Box(hx - r * 1.15f, hy + r * 0.58f, r * 0.1f, r * 0.14f), Shiny(Hex(0xFFF8E8)));
            break;
        case Q::kBoar:
            f.Paint(f.Limb(hx - r * 0.3f, hy + r * 0.15f, hx - r * 1.2f, hy + r * 0.35f, r * 0.6f, r * 0.4f), coat);
            f.Paint(f.Oval(hx - r * 1.3f, hy + r * 0.35f, r * 0.2f, r * 0.32f), Skin(Hex(0xD09090)));
            break;
        case Q::kLizard:
            f.Paint(f.Limb(hx, hy + r * 0.1f, hx - r * 1.5f, hy + r * 0.3f, r * 0.75f, r * 0.35f), coat);
            f.Mouth(hx - r * 1.65f, hx - r * 0.3f, hy + r * 0.42f, r * 0.12f, true);
            break;
        case Q::kApe:
            f.Paint(f.Oval(hx - r * 0.35f, hy + r * 0.15f, r * 0.6f, r * 0.6f), Skin(Hex(0xE0B090)));
            f.Mouth(hx - r * 0.75f, hx - r * 0.05f, hy + r * 0.45f, r * 0.15f, true);
            break;
    }
    if (t.tusks) f.Paint(f.Bend(hx - r * 0.95f, hy + r * 0.45f, hx - r * 1.25f, hy + r * 0.4f, hx - r * 1.3f, hy - r * 0.05f, r * 0.12f, r * 0.03f), Shiny(Hex(0xF8F0DC)));
    const float ex = t.snout == Q::kApe ? hx - r * 0.35f : hx - r * 0.3f;
    f.Eye(ex, hy - r * 0.2f, r * 0.22f, t.eyes, t.fierceEyes);
    if (t.horns == 1) f.Paint(f.Poly({{hx - r * 0.55f, hy - r * 0.6f}, {hx - r * 1.0f, hy - r * 2.2f}, {hx - r * 0.1f, hy - r * 0.75f}}), Shiny(Hex(0xF4E8C0)));
    if (t.horns == 2) f.Paint(f.Bend(hx + r * 0.1f, hy - r * 0.7f, hx - r * 0.6f, hy - r * 1.5f, hx - r * 1.3f, hy - r * 1.4f, r * 0.2f, r * 0.05f), Shiny(Hex(0xE8DCC8)));
    if (t.horns == 3) f.Paint(f.Band(hx + r * 0.35f, hy - r * 0.1f, r * 0.65f, -3.0f, 1.0f, r * 0.3f), Shiny(Hex(0xC8B890)));
}

// A feathered wing from the shoulder: a bony arm with primaries fanning
// from it, longest at the tip, and a row of coverts along the arm.
void FeatherWing(Figure& f, Vec2 root, float span, Rgba colour, float shade) {
    const Rgba c = Shade(colour, shade);
    const Vec2 wrist = root + Vec2{span * 0.35f, -span * 0.75f};
    const Vec2 tip = root + Vec2{span * 0.95f, -span * 0.95f};
    for (int i = 7; i >= 0; --i) {
        const float t = float(i) / 7;
        const Vec2 at = t < 0.5f ? root + (wrist - root) * (t * 2) : wrist + (tip - wrist) * ((t - 0.5f) * 2);
        const float len = span * (0.35f + 0.45f * t);
        const float angle = 1.2f + 0.9f * t;  // from hanging down to sweeping back
        const Vec2 dir{std::cos(angle) * 0.4f + 0.35f, std::sin(angle)};
        const Vec2 mid = at + dir * (len * 0.5f);
        Look feather{Shade(c, 0.9f + 0.1f * (i % 2)), 0.15f};
        f.Paint(f.Oval(mid.x, mid.y, len * 0.5f, span * 0.07f, std::atan2(dir.y, dir.x)), feather);
    }
    f.Paint(f.Bend(root.x, root.y, wrist.x - span * 0.1f, wrist.y, tip.x, tip.y, span * 0.1f, span * 0.04f), Look{c, 0.2f});
    for (int i = 0; i < 5; ++i) {
        const float t = 0.1f + i * 0.2f;
        const Vec2 at = root + (tip - root) * t + Vec2{0, span * 0.12f};
        f.Paint(f.Oval(at.x, at.y, span * 0.13f, span * 0.07f, 0.9f), Look{Shade(c, 1.05f), 0.15f});
    }
}

}  // namespace

void DrawQuadruped(Figure& f, const QuadrupedTraits& t) {
    // Proportions follow the beast's own size; the box may be taller, to
    // leave room for wings and horns above it.
    const float w = f.Width(), h = t.height;
    const float ground = f.Height() - 2;
    const float legLen = h * 0.3f * t.legLength;
    const float rx = w * 0.28f * t.bulk, ry = h * 0.2f * t.bulk;
    const float bx = w * 0.58f, by = ground - legLen - ry * 0.55f;
    const float headR = h * 0.13f * (0.8f + 0.2f * t.bulk);
    const Look coat = CoatLook(t, t.fur);
    const Look farCoat = CoatLook(t, Shade(t.fur, 0.72f));
    const float leg = h * 0.05f * t.bulk;

    if (t.fiery || t.aura.a > 0) {
        const Rgba aura = t.aura.a > 0 ? t.aura : Hex(0xFF7A20);
        f.Glow(f.Oval(bx, by, rx * 1.0f, ry * 1.05f), aura, h * 0.045f, 0.35f);
    }
    // Tail.
    const float tx = bx + rx * 0.9f, ty = by - ry * 0.3f;
    switch (t.tail) {
        case Q::kThin: f.Paint(f.Bend(tx, ty, tx + w * 0.12f, ty - h * 0.05f, tx + w * 0.16f, ty - h * 0.25f, leg * 0.5f, leg * 0.25f), coat); break;
        case Q::kBushy:
            for (int k = 0; k < (t.multiTail ? 3 : 1); ++k)
                f.Paint(f.Bend(tx, ty, tx + w * 0.14f, ty - h * (0.02f + k * 0.1f), tx + w * (0.12f + k * 0.04f), ty - h * (0.28f + k * 0.08f), leg * 0.9f, leg * 1.2f), coat);
            break;
        case Q::kTuft:
            f.Paint(f.Bend(tx, ty, tx + w * 0.14f, ty + h * 0.05f, tx + w * 0.2f, ty - h * 0.1f, leg * 0.35f, leg * 0.3f), coat);
            f.Paint(f.Oval(tx + w * 0.2f, ty - h * 0.12f, leg * 1.1f, leg * 1.5f), Fur(t.mane.a > 0 ? t.mane : Shade(t.fur, 0.6f)));
            break;
        case Q::kSnake:
            f.Paint(f.Bend(tx, ty, tx + w * 0.2f, ty + h * 0.05f, tx + w * 0.16f, ty - h * 0.28f, leg * 0.7f, leg * 0.5f), Look{Hex(0x4A8A3A), 0.35f});
            f.Paint(f.Oval(tx + w * 0.15f, ty - h * 0.32f, leg * 1.2f, leg * 0.9f, -0.4f), Look{Hex(0x4A8A3A), 0.35f});
            f.Eye(tx + w * 0.13f, ty - h * 0.34f, leg * 0.3f, Hex(0xE0E020), true);
            break;
        case Q::kStinger:
            f.Paint(f.Bend(tx, ty, tx + w * 0.18f, ty - h * 0.05f, tx + w * 0.05f, ty - h * 0.42f, leg * 0.8f, leg * 0.5f), Look{Shade(t.fur, 0.7f), 0.4f});
            f.Paint(f.Poly({{tx + w * 0.02f, ty - h * 0.4f}, {tx - w * 0.06f, ty - h * 0.5f}, {tx + w * 0.08f, ty - h * 0.46f}}), Shiny(Hex(0x2A2020)));
            break;
        case Q::kFlame:
            f.Glow(f.Oval(tx + w * 0.08f, ty - h * 0.1f, leg, leg * 2), Hex(0xFF8A20), leg, 0.8f);
            f.Paint(f.Bend(tx, ty, tx + w * 0.12f, ty, tx + w * 0.14f, ty - h * 0.22f, leg * 0.8f, leg * 0.2f), Lit(Hex(0xFFA030)));
            break;
        case Q::kNoTail: break;
    }
    // Far wing, far legs.
    const float span = ry * 2.7f;
    if (t.wings && t.featherWings) FeatherWing(f, {bx - rx * 0.05f, by - ry * 0.8f}, span * 0.9f, t.wingColour, 0.7f);
    if (t.wings && !t.featherWings)
        f.Paint(f.Poly({{bx - rx * 0.2f, by - ry * 0.6f}, {bx - rx * 0.4f, by - ry * 2.8f}, {bx + rx * 0.6f, by - ry * 2.9f}, {bx + rx * 0.5f, by - ry * 0.8f}}), Look{Shade(t.wingColour, 0.7f), 0.1f});
    for (float lx : {bx - rx * 0.55f, bx + rx * 0.6f}) {
        f.Paint(f.Oval(lx + 3, by + ry * 0.1f, leg * 1.7f, ry * 0.7f), farCoat);
        f.Paint(f.Bend(lx + 3, by + ry * 0.3f, lx + 5, (by + ground) * 0.5f, lx + 1, ground - 3, leg * 1.1f, leg * 0.7f), farCoat);
    }
    // Shell or body.
    if (t.shell) {
        Look shell{Hex(0x6A7A3A), 0.3f};
        shell.pattern = [](Vec2 p) { return SmoothStep(0.85f, 0.95f, std::fabs(std::sin(p.x * 0.18f)) + std::fabs(std::sin(p.y * 0.22f)) - 0.9f); };
        shell.patternColour = Hex(0x3A3A1A);
        f.Paint(f.Oval(bx, by - ry * 0.3f, rx * 1.1f, ry * 1.25f), shell);
    } else {
        f.Paint(f.Oval(bx, by, rx, ry), coat);
        f.Paint(f.Oval(bx - rx * 0.15f, by + ry * 0.45f, rx * 0.7f, ry * 0.45f), CoatLook(t, t.belly));
    }
    // Neck and head(s).
    const float hx = bx - rx - headR * 0.25f, hy = by - ry * 0.95f - headR * 0.3f;
    f.Paint(f.Limb(bx - rx * 0.6f, by - ry * 0.2f, hx + headR * 0.3f, hy + headR * 0.2f, ry * 0.55f, headR * 0.7f), coat);
    if (t.mane.a > 0 && t.snout == Q::kHorse)
        f.Paint(f.Bend(hx + headR * 0.6f, hy - headR * 0.6f, bx - rx * 0.3f, by - ry * 1.6f, bx - rx * 0.2f, by - ry * 0.7f, headR * 0.4f, headR * 0.2f), t.fiery ? Lit(t.mane, 0.6f) : Fur(t.mane));
    for (int k = t.heads - 1; k >= 0; --k) {
        const float off = (k - (t.heads - 1) * 0.5f);
        DrawHead(f, t, hx + off * headR * 1.1f + (k > 0 ? headR * 0.4f : 0), hy - std::fabs(off) * headR * 0.9f - (t.heads > 1 && k == 1 ? headR * 0.6f : 0), headR * (k == 0 ? 1.0f : 0.92f));
    }
    // Near legs.
    for (float lx : {bx - rx * 0.65f, bx + rx * 0.5f}) {
        f.Paint(f.Oval(lx, by + ry * 0.15f, leg * 1.9f, ry * 0.75f), coat);
        f.Paint(f.Bend(lx, by + ry * 0.35f, lx + (lx > bx ? 4 : -1), (by + ground) * 0.5f, lx - 2, ground - 3, leg * 1.25f, leg * 0.8f), coat);
        if (t.snout == Q::kHorse) f.Paint(f.Box(lx - 2, ground - 2.5f, leg, 2.5f, 1), Look{Hex(0x2A2020), 0.3f});
        else f.Paint(f.Oval(lx - 4, ground - 2.5f, leg * 1.2f, leg * 0.6f), coat);
    }
    // Near wing.
    if (t.wings) {
        Look wing{t.wingColour, 0.15f};
        wing.pattern = [](Vec2 p) { return 0.35f * SmoothStep(0.8f, 1.0f, std::fabs(std::sin(p.x * 0.4f - p.y * 0.2f))); };
        wing.patternColour = Shade(t.wingColour, 0.65f);
        if (t.featherWings)
            FeatherWing(f, {bx - rx * 0.3f, by - ry * 0.5f}, span, t.wingColour, 1.0f);
        else
            f.Paint(f.Poly({{bx - rx * 0.5f, by - ry * 0.3f}, {bx - rx * 0.1f, by - ry * 2.8f}, {bx + rx * 1.0f, by - ry * 2.4f}, {bx + rx * 0.7f, by - ry * 1.6f},
                            {bx + rx * 0.8f, by - ry * 0.9f}, {bx + rx * 0.4f, by - ry * 0.9f}, {bx + rx * 0.2f, by - ry * 0.2f}}),
                    wing);
    }
    if (t.sparks) {
        Dice& d = f.Random();
        for (int i = 0; i < 5; ++i) {
            const float x0 = bx + d.Range(-rx, rx), y0 = by + d.Range(-ry * 1.5f, ry * 0.5f);
            const float x1 = x0 + d.Range(-8, 8), y1 = y0 + d.Range(-8, 8);
            f.Glow(f.Limb(x0, y0, x1, y1, 0.4f, 0.4f), Hex(0xFFFF80), 1.5f, 0.9f);
        }
    }
}

}  // namespace assetgen
