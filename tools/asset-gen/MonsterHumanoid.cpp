// Figures that stand like people, seen from the front: goblins, knights,
// mages, demons, angels, the undead, giants, merfolk and centaurs.
#include <cmath>

#include "tools/asset-gen/Figure.h"
#include "tools/asset-gen/MonsterFamilies.h"

namespace assetgen {

namespace {

struct Frame {
    float cx, feet, headR, headY, shoulderY, hipY, shoulderHalf, waistHalf, limb, handX, handY;
};

Look SkinLook(const HumanoidTraits& t) {
    if (t.stone) return Stone(t.skin);
    if (t.bones) return Look{t.skin, 0.25f, 0.1f};
    Look l = Skin(t.skin);
    l.glow = t.glowing ? 0.45f : 0;
    return l;
}

Look OutfitLook(const HumanoidTraits& t, Rgba c) {
    if (t.stone) return Stone(c);
    if (t.armour) return Metal(c);
    Look l = Cloth(c);
    l.glow = t.glowing ? 0.35f : 0;
    return l;
}

void DrawWeapon(Figure& f, const HumanoidTraits& t, const Frame& fr, float hx, float hy) {
    const float H = t.height;
    const Look metal = Metal(t.weaponColour);
    const Look wood = Look{Hex(0x7A5232), 0.15f, 0.3f};
    switch (t.weapon) {
        case Weapon::kSword:
            f.Paint(f.Poly({{hx - 2.2f, hy - 4}, {hx - 2.2f, hy - H * 0.42f}, {hx, hy - H * 0.48f}, {hx + 2.2f, hy - H * 0.42f}, {hx + 2.2f, hy - 4}}), metal);
            f.Paint(f.Box(hx, hy - 3, 6, 1.6f, 0.8f), Metal(t.trim));
            f.Paint(f.Limb(hx, hy, hx, hy + 5, 1.3f, 1.3f), Look{Hex(0x4A2A1A)});
            break;
        case Weapon::kDagger:
            f.Paint(f.Poly({{hx - 1.6f, hy - 2}, {hx, hy - H * 0.2f}, {hx + 1.6f, hy - 2}}), metal);
            f.Paint(f.Box(hx, hy - 2, 4, 1.2f, 0.6f), Metal(t.trim));
            break;
        case Weapon::kAxe:
            f.Paint(f.Limb(hx, hy + 6, hx, hy - H * 0.4f, 1.6f, 1.6f), wood);
            f.Paint(f.Poly({{hx, hy - H * 0.36f}, {hx + H * 0.15f, hy - H * 0.46f}, {hx + H * 0.18f, hy - H * 0.3f}, {hx + H * 0.13f, hy - H * 0.18f}, {hx, hy - H * 0.26f}}), metal);
            break;
        case Weapon::kSpear:
        case Weapon::kTrident:
            f.Paint(f.Limb(hx, fr.feet - 2, hx, hy - H * 0.5f, 1.3f, 1.3f), wood);
            if (t.weapon == Weapon::kSpear) {
                f.Paint(f.Poly({{hx - 3, hy - H * 0.48f}, {hx, hy - H * 0.66f}, {hx + 3, hy - H * 0.48f}}), metal);
            } else {
                for (float s : {-1.0f, 0.0f, 1.0f}) f.Paint(f.Poly({{hx + s * 4 - 1.2f, hy - H * 0.5f}, {hx + s * 4, hy - H * 0.62f}, {hx + s * 4 + 1.2f, hy - H * 0.5f}}), metal);
                f.Paint(f.Box(hx, hy - H * 0.5f, 5.2f, 1.2f, 0.6f), metal);
            }
            break;
        case Weapon::kStaff:
            f.Paint(f.Bend(hx, fr.feet - 2, hx - 2, hy - H * 0.2f, hx + 1, hy - H * 0.45f, 1.4f, 1.4f), wood);
            f.Glow(f.Oval(hx + 1, hy - H * 0.48f, 4, 4), t.eyes, 3, 0.6f);
            f.Paint(f.Oval(hx + 1, hy - H * 0.48f, 3.6f, 3.6f), Lit(Mix(t.eyes, Hex(0xFFFFFF), 0.3f), 0.6f));
            break;
        case Weapon::kBow:
            f.Paint(f.Band(hx + H * 0.04f, hy - 2, H * 0.24f, 2.2f, 4.1f, 2.2f), wood);
            f.Flat(f.Limb(hx - H * 0.1f, hy - H * 0.22f, hx - H * 0.1f, hy + H * 0.18f, 0.4f, 0.4f), Hex(0xE8E0D0));
            break;
        case Weapon::kScythe:
            f.Paint(f.Limb(hx, fr.feet, hx + 4, hy - H * 0.55f, 1.4f, 1.4f), wood);
            f.Paint(f.Poly({{hx + 4, hy - H * 0.55f}, {hx - H * 0.18f, hy - H * 0.5f}, {hx - H * 0.34f, hy - H * 0.36f}, {hx - H * 0.14f, hy - H * 0.46f}, {hx + 4, hy - H * 0.49f}}), metal);
            break;
        case Weapon::kClub:
        case Weapon::kMallet:
            if (t.weapon == Weapon::kClub) {
                f.Paint(f.Limb(hx, hy + 4, hx + H * 0.08f, hy - H * 0.36f, 2, 4.5f), t.horns > 0 ? Metal(Hex(0x5A5A66)) : wood);
            } else {
                f.Paint(f.Limb(hx, hy + 4, hx, hy - H * 0.22f, 1.4f, 1.4f), wood);
                f.Paint(f.Box(hx, hy - H * 0.26f, 8, 5, 2.5f), Shiny(Hex(0xD8A040)));
            }
            break;
        case Weapon::kFan:
            for (int i = -3; i <= 3; ++i) {
                const float a = i * 0.22f;
                f.Paint(f.Oval(hx + std::sin(a) * 8, hy - 8 - std::cos(a) * 6, 3, 7, a), Look{Hex(0xF0F0E8), 0.1f});
            }
            break;
        case Weapon::kNone: break;
    }
}

void DrawHead(Figure& f, const HumanoidTraits& t, const Frame& fr) {
    const float x = fr.cx, y = fr.headY, r = fr.headR;
    const Look skin = SkinLook(t);
    const Look hair = Look{t.hairColour, 0.3f, 0.15f};
    if (t.head == Head::kHeadless) {
        f.Glow(f.Oval(x, fr.shoulderY - 1, 5, 3), Hex(0x6AE0FF), 3, 0.7f);
        return;
    }
    // Behind the head: long hair, hood, wings of the hat.
    if (t.hair == Hair::kLong && t.head == Head::kHuman)
        f.Paint(Union({f.Oval(x, y + r * 0.6f, r * 1.25f, r * 1.5f), f.Box(x, y + r * 1.3f, r * 1.15f, r * 0.9f, r * 0.4f)}), hair);
    if (t.head == Head::kHood) {
        f.Paint(f.Oval(x, y - r * 0.05f, r * 1.35f, r * 1.4f), OutfitLook(t, t.outfit));
        f.Flat(f.Oval(x, y + r * 0.25f, r * 0.85f, r * 0.9f), Hex(0x0E0A12));
        f.Eyes(x, y + r * 0.2f, r * 0.8f, r * 0.22f, t.eyes, true);
        return;
    }
    if (t.pointyEars || t.head == Head::kGoblin) {
        const float span = t.head == Head::kGoblin ? 1.1f : 0.7f;
        f.Paint(f.Both(f.Poly({{x - r * 0.8f, y - r * 0.15f}, {x - r * (1 + span), y - r * 0.55f}, {x - r * 0.85f, y + r * 0.35f}})), skin);
    }
    switch (t.head) {
        case Head::kWolf:
            f.Paint(f.Both(f.Poly({{x - r * 0.9f, y - r * 0.2f}, {x - r * 0.75f, y - r * 1.35f}, {x - r * 0.2f, y - r * 0.75f}})), skin);
            f.Paint(f.Oval(x, y, r * 1.0f, r * 0.95f), skin);
            f.Paint(f.Oval(x, y + r * 0.55f, r * 0.55f, r * 0.45f), Fur(Mix(t.skin, Hex(0xFFFFFF), 0.3f)));
            f.Flat(f.Oval(x, y + r * 0.35f, r * 0.2f, r * 0.14f), Hex(0x141014));
            f.Eyes(x, y - r * 0.2f, r * 0.8f, r * 0.2f, t.eyes, true);
            f.Mouth(x - r * 0.35f, x + r * 0.35f, y + r * 0.72f, r * 0.2f, true);
            return;
        case Head::kBull:
            f.Paint(f.Both(f.Bend(x - r * 0.7f, y - r * 0.5f, x - r * 1.8f, y - r * 0.6f, x - r * 1.6f, y - r * 1.5f, r * 0.25f, r * 0.06f)), Shiny(Hex(0xE8DCC0)));
            f.Paint(f.Oval(x, y, r * 0.95f, r * 1.05f), skin);
            f.Paint(f.Oval(x, y + r * 0.6f, r * 0.6f, r * 0.4f), Skin(Mix(t.skin, Hex(0xD0A090), 0.4f)));
            f.Flat(f.Oval(x - r * 0.22f, y + r * 0.62f, r * 0.1f, r * 0.08f), Hex(0x201010));
            f.Flat(f.Oval(x + r * 0.22f, y + r * 0.62f, r * 0.1f, r * 0.08f), Hex(0x201010));
            f.Eyes(x, y - r * 0.15f, r * 0.95f, r * 0.2f, t.eyes, true);
            return;
        case Head::kTengu:
            f.Paint(f.Oval(x, y, r, r * 1.05f), skin);
            f.Paint(f.Limb(x, y + r * 0.1f, x + r * 0.2f, y + r * 0.95f, r * 0.2f, r * 0.12f), skin);
            f.Eyes(x, y - r * 0.2f, r * 0.85f, r * 0.2f, t.eyes, true);
            f.Paint(f.Box(x, y - r * 0.95f, r * 0.35f, r * 0.25f, r * 0.1f), Look{Hex(0x1A1A1A), 0.3f});
            return;
        case Head::kSkull: {
            f.Paint(f.Oval(x, y, r * 0.95f, r * 1.0f), Look{t.skin, 0.25f});
            f.Paint(f.Box(x, y + r * 0.75f, r * 0.55f, r * 0.35f, r * 0.15f), Look{t.skin, 0.2f});
            f.Flat(f.Oval(x - r * 0.38f, y + r * 0.05f, r * 0.28f, r * 0.32f), Hex(0x100810));
            f.Flat(f.Oval(x + r * 0.38f, y + r * 0.05f, r * 0.28f, r * 0.32f), Hex(0x100810));
            f.Glow(f.Oval(x - r * 0.38f, y + r * 0.08f, r * 0.08f, r * 0.08f), t.eyes, r * 0.2f, 0.9f);
            f.Glow(f.Oval(x + r * 0.38f, y + r * 0.08f, r * 0.08f, r * 0.08f), t.eyes, r * 0.2f, 0.9f);
            f.Flat(f.Poly({{x, y + r * 0.3f}, {x - r * 0.12f, y + r * 0.5f}, {x + r * 0.12f, y + r * 0.5f}}), Hex(0x100810));
            for (int i = -2; i <= 2; ++i) f.Flat(f.Limb(x + i * r * 0.18f, y + r * 0.72f, x + i * r * 0.18f, y + r * 0.98f, r * 0.03f, r * 0.03f), Hex(0x3A2A30));
            break;
        }
        case Head::kHelmet:
            f.Paint(f.Oval(x, y, r * 1.08f, r * 1.12f), Metal(t.outfit));
            f.Flat(f.Box(x, y + r * 0.1f, r * 0.75f, r * 0.12f, r * 0.05f), Hex(0x0A0810));
            f.Glow(f.Box(x, y + r * 0.1f, r * 0.5f, r * 0.05f), t.eyes, r * 0.15f, t.fierceEyes ? 0.8f : 0.0f);
            f.Paint(f.Box(x, y - r * 0.2f, r * 0.12f, r * 0.95f, r * 0.08f), Metal(t.trim));
            break;
        default: {
            Look face = skin;
            if (t.head == Head::kLizard) face.pattern = [](Vec2 p) { return 0.3f * float(int(p.x * 0.5f + int(p.y * 0.5f)) % 2); };
            face.patternColour = Shade(t.skin, 0.8f);
            const float wide = t.head == Head::kOrc || t.head == Head::kApe ? 1.1f : 1.0f;
            f.Paint(f.Oval(x, y, r * wide, r * (t.head == Head::kLizard ? 1.15f : 1.0f)), face);
            if (t.head == Head::kApe) f.Paint(f.Oval(x, y + r * 0.3f, r * 0.7f, r * 0.55f), Skin(Hex(0xE8C8B0)));
            if (t.oneEye) {
                f.Eye(x, y - r * 0.05f, r * 0.42f, t.eyes, t.fierceEyes);
            } else {
                const float er = r * (t.head == Head::kGoblin ? 0.26f : 0.22f);
                f.Eyes(x, y - r * 0.02f, r * 0.78f, er, t.eyes, t.fierceEyes);
            }
            if (t.head == Head::kGoblin || t.head == Head::kOrc) f.Paint(f.Oval(x, y + r * 0.28f, r * 0.2f, r * 0.16f), skin);
            if (t.head == Head::kLizard) {
                f.Mouth(x - r * 0.4f, x + r * 0.4f, y + r * 0.55f, r * 0.18f, true);
            } else if (t.tusks || t.fierceEyes) {
                f.Mouth(x - r * 0.4f, x + r * 0.4f, y + r * 0.5f, r * 0.22f, true);
            } else {
                f.Flat(f.Band(x, y + r * 0.2f, r * 0.35f, 0.6f, 2.5f, r * 0.08f), Hex(0x5A2A2A));
            }
            if (t.tusks) f.Paint(f.Both(f.Poly({{x - r * 0.35f, y + r * 0.62f}, {x - r * 0.45f, y + r * 0.2f}, {x - r * 0.22f, y + r * 0.6f}})), Shiny(Hex(0xF4ECD8)));
            break;
        }
    }
    if (t.head == Head::kHuman || t.head == Head::kGoblin || t.head == Head::kOrc || t.head == Head::kApe) {
        switch (t.hair) {
            case Hair::kShort: f.Paint(Intersect(f.Oval(x, y - r * 0.25f, r * 1.08f, r * 0.9f), f.Box(x, y - r * 0.7f, r * 1.2f, r * 0.55f)), Look{t.hairColour, 0.3f, 0.15f}); break;
            case Hair::kLong:
                f.Paint(Intersect(f.Oval(x, y - r * 0.2f, r * 1.1f, r * 0.95f), f.Box(x, y - r * 0.75f, r * 1.2f, r * 0.6f)), hair);
                f.Paint(f.Both(f.Limb(x - r * 0.95f, y - r * 0.2f, x - r * 1.0f, y + r * 1.3f, r * 0.25f, r * 0.2f)), hair);
                break;
            case Hair::kSpiky:
                for (int i = -2; i <= 2; ++i) f.Paint(f.Poly({{x + i * r * 0.4f - r * 0.3f, y - r * 0.45f}, {x + i * r * 0.5f, y - r * 1.45f}, {x + i * r * 0.4f + r * 0.3f, y - r * 0.45f}}), hair);
                f.Paint(Intersect(f.Oval(x, y - r * 0.25f, r * 1.05f, r * 0.85f), f.Box(x, y - r * 0.7f, r * 1.2f, r * 0.5f)), hair);
                break;
            case Hair::kBeard:
                f.Paint(Union({f.Oval(x, y + r * 0.75f, r * 0.85f, r * 0.7f), f.Poly({{x - r * 0.7f, y + r * 0.9f}, {x, y + r * 2.0f}, {x + r * 0.7f, y + r * 0.9f}})}), hair);
                f.Flat(f.Band(x, y + r * 0.25f, r * 0.3f, 0.5f, 2.6f, r * 0.1f), Hex(0x3A1A1A));
                break;
            case Hair::kLeaves:
                for (int i = 0; i < 7; ++i) {
                    const float a = -2.8f + i * 0.45f;
                    f.Paint(f.Oval(x + std::cos(a) * r * 1.0f, y + std::sin(a) * r * 0.9f - r * 0.1f, r * 0.45f, r * 0.25f, a), Look{t.hairColour, 0.2f});
                }
                break;
            case Hair::kNone: break;
        }
    }
    // Horns, hats, crowns and halos on top.
    if (t.horns == 1) f.Paint(f.Both(f.Poly({{x - r * 0.6f, y - r * 0.6f}, {x - r * 0.75f, y - r * 1.35f}, {x - r * 0.3f, y - r * 0.8f}})), Shiny(Hex(0xE8DCC8)));
    if (t.horns == 2) f.Paint(f.Both(f.Bend(x - r * 0.5f, y - r * 0.6f, x - r * 1.3f, y - r * 1.0f, x - r * 1.2f, y - r * 2.0f, r * 0.24f, r * 0.05f)), Shiny(Hex(0x3A2A30)));
    if (t.horns == 3) f.Paint(f.Both(f.Band(x - r * 1.05f, y - r * 0.35f, r * 0.5f, -2.5f, 1.6f, r * 0.3f)), Shiny(Hex(0xC8B890)));
    switch (t.hat) {
        case Hat::kWizard:
            f.Paint(f.Oval(x, y - r * 0.55f, r * 1.7f, r * 0.35f), Cloth(t.outfit));
            f.Paint(f.Poly({{x - r * 0.95f, y - r * 0.65f}, {x + r * 0.3f, y - r * 2.6f}, {x + r * 0.95f, y - r * 0.65f}}), Cloth(t.outfit));
            f.Paint(f.Box(x, y - r * 0.75f, r * 0.95f, r * 0.14f), Cloth(t.trim));
            break;
        case Hat::kBandana:
            f.Paint(Intersect(f.Oval(x, y - r * 0.3f, r * 1.08f, r * 0.85f), f.Box(x, y - r * 0.75f, r * 1.2f, r * 0.5f)), Cloth(t.trim));
            f.Paint(f.Limb(x + r * 0.9f, y - r * 0.5f, x + r * 1.4f, y + r * 0.1f, r * 0.18f, r * 0.1f), Cloth(t.trim));
            break;
        case Hat::kMitre:
            f.Paint(f.Poly({{x - r * 0.7f, y - r * 0.6f}, {x - r * 0.6f, y - r * 1.6f}, {x, y - r * 2.2f}, {x + r * 0.6f, y - r * 1.6f}, {x + r * 0.7f, y - r * 0.6f}}), Cloth(t.outfit));
            f.Paint(f.Box(x, y - r * 1.35f, r * 0.1f, r * 0.7f), Cloth(t.trim));
            break;
        case Hat::kCrown:
            f.Paint(f.Poly({{x - r * 0.75f, y - r * 0.6f}, {x - r * 0.85f, y - r * 1.5f}, {x - r * 0.4f, y - r * 1.0f}, {x, y - r * 1.7f},
                            {x + r * 0.4f, y - r * 1.0f}, {x + r * 0.85f, y - r * 1.5f}, {x + r * 0.75f, y - r * 0.6f}}),
                    Shiny(Hex(0xE8C040)));
            f.Paint(f.Oval(x, y - r * 0.95f, r * 0.16f, r * 0.16f), Lit(Hex(0xE03050), 0.4f));
            break;
        case Hat::kPlume:
            f.Paint(f.Bend(x, y - r * 1.0f, x + r * 0.9f, y - r * 2.0f, x + r * 1.6f, y - r * 0.9f, r * 0.3f, r * 0.12f), Cloth(Hex(0xD03040)));
            break;
        case Hat::kNone: break;
    }
    if (t.halo) {
        f.Glow(f.Band(x, y - r * 1.45f, r * 0.8f, 0, 6.2832f, r * 0.2f), Hex(0xFFF0A0), r * 0.2f, 0.5f);
        f.Paint(Subtract(f.Oval(x, y - r * 1.45f, r * 0.85f, r * 0.25f), f.Oval(x, y - r * 1.45f, r * 0.6f, r * 0.13f)), Lit(Hex(0xFFE880), 0.7f));
    }
}

}  // namespace

void DrawHumanoid(Figure& f, const HumanoidTraits& t) {
    const float H = t.height;
    Frame fr;
    fr.cx = f.Width() / 2;
    fr.feet = f.Height() - 2;
    fr.headR = H * 0.11f * t.headScale;
    const float top = f.Height() - H;
    fr.headY = top + fr.headR * 1.05f;
    fr.shoulderY = fr.headY + fr.headR * 1.15f;
    fr.hipY = fr.shoulderY + H * 0.3f;
    fr.shoulderHalf = H * 0.15f * t.build * (t.female ? 0.85f : 1.0f);
    fr.waistHalf = H * 0.1f * t.build;
    fr.limb = H * 0.042f * t.build;
    fr.handX = fr.shoulderHalf + H * 0.07f;
    fr.handY = fr.hipY + H * 0.02f;
    const float cx = fr.cx;
    const Look outfit = OutfitLook(t, t.outfit);
    const Look skin = SkinLook(t);

    // Behind the body.
    if (t.wings != Wings::kNone) {
        const float span = H * (t.wings == Wings::kButterfly ? 0.45f : 0.6f);
        const float wy = fr.shoulderY + H * 0.05f;
        Look wing{t.wingColour, 0.15f};
        if (t.wings == Wings::kFeather)
            wing.pattern = [](Vec2 p) { return 0.3f * SmoothStep(0.8f, 1.0f, std::fabs(std::sin(p.x * 0.5f + p.y * 0.3f))); };
        wing.patternColour = Shade(t.wingColour, 0.7f);
        if (t.wings == Wings::kBat) {
            f.Paint(f.Both(f.Poly({{cx - 3, wy}, {cx - span * 0.5f, wy - H * 0.3f}, {cx - span, wy - H * 0.2f}, {cx - span * 0.85f, wy + H * 0.05f},
                                   {cx - span * 0.65f, wy - H * 0.02f}, {cx - span * 0.5f, wy + H * 0.12f}, {cx - span * 0.3f, wy + H * 0.06f}, {cx - 3, wy + H * 0.15f}})),
                    wing);
        } else if (t.wings == Wings::kButterfly) {
            f.Paint(f.Both(f.Oval(cx - span * 0.55f, wy - H * 0.08f, span * 0.5f, H * 0.2f, -0.5f)), Lit(t.wingColour, 0.35f));
            f.Paint(f.Both(f.Oval(cx - span * 0.45f, wy + H * 0.12f, span * 0.35f, H * 0.12f, 0.5f)), Lit(t.wingColour, 0.35f));
        } else {
            f.Paint(f.Both(f.Poly({{cx - 3, wy + H * 0.1f}, {cx - span * 0.35f, wy - H * 0.3f}, {cx - span, wy - H * 0.36f}, {cx - span * 0.8f, wy - H * 0.15f},
                                   {cx - span * 0.9f, wy - H * 0.05f}, {cx - span * 0.6f, wy + H * 0.02f}, {cx - span * 0.65f, wy + H * 0.12f}, {cx - span * 0.3f, wy + H * 0.15f}})),
                    wing);
        }
    }
    if (t.capeColour.a > 0)
        f.Paint(f.Poly({{cx - fr.shoulderHalf * 0.9f, fr.shoulderY}, {cx + fr.shoulderHalf * 0.9f, fr.shoulderY}, {cx + fr.shoulderHalf * 1.7f, fr.feet - 2}, {cx - fr.shoulderHalf * 1.7f, fr.feet - 2}}),
                Cloth(t.capeColour));
    if (t.tail) f.Paint(f.Bend(cx + 2, fr.hipY, cx + H * 0.35f, fr.hipY + H * 0.1f, cx + H * 0.38f, fr.hipY - H * 0.2f, fr.limb * 0.7f, fr.limb * 0.25f), skin);

    // Below the waist.
    switch (t.lower) {
        case Lower::kHorse: {
            Look coat = Fur(Hex(0x8A5A3A));
            f.Paint(f.Oval(cx + H * 0.05f, fr.hipY + H * 0.12f, H * 0.32f, H * 0.16f), coat);
            for (float s : {-1.0f, 1.0f})
                f.Paint(f.Limb(cx + s * H * 0.12f, fr.hipY + H * 0.2f, cx + s * H * 0.14f, fr.feet - 3, fr.limb * 1.1f, fr.limb * 0.8f), coat);
            for (float s : {-1.0f, 1.0f}) f.Paint(f.Box(cx + s * H * 0.14f, fr.feet - 2, fr.limb, 2, 1), Look{Hex(0x2A2020)});
            break;
        }
        case Lower::kFishTail: {
            Look scales = Shiny(t.trim);
            scales.pattern = [](Vec2 p) { return 0.35f * SmoothStep(0.5f, 0.9f, std::fabs(std::sin(p.x * 0.9f) * std::sin(p.y * 0.9f))); };
            scales.patternColour = Shade(t.trim, 0.6f);
            f.Paint(f.Bend(cx, fr.hipY - 2, cx - H * 0.05f, fr.feet - H * 0.12f, cx + H * 0.2f, fr.feet - 6, fr.waistHalf * 1.05f, fr.limb * 0.5f), scales);
            f.Paint(f.Poly({{cx + H * 0.18f, fr.feet - 6}, {cx + H * 0.36f, fr.feet - H * 0.12f}, {cx + H * 0.3f, fr.feet - 3}, {cx + H * 0.38f, fr.feet + 1}}), Lit(t.trim, 0.2f));
            break;
        }
        case Lower::kWisp:
            f.Paint(f.Poly({{cx - fr.waistHalf * 1.3f, fr.hipY - 4}, {cx + fr.waistHalf * 1.3f, fr.hipY - 4}, {cx + fr.waistHalf * 0.6f, fr.hipY + H * 0.2f}, {cx + H * 0.08f, fr.feet - H * 0.05f},
                             {cx - fr.waistHalf * 0.2f, fr.hipY + H * 0.22f}}),
                    outfit);
            break;
        case Lower::kRobe:
            break;
        case Lower::kLegs:
        case Lower::kBirdLegs:
            for (float s : {-1.0f, 1.0f}) {
                const float hx = cx + s * fr.waistHalf * 0.55f;
                const float fx = cx + s * fr.waistHalf * 0.8f;
                if (t.lower == Lower::kBirdLegs) {
                    f.Paint(f.Limb(hx, fr.hipY, fx, fr.feet - H * 0.12f, fr.limb * 1.4f, fr.limb * 0.9f), Fur(t.wingColour));
                    f.Paint(f.Limb(fx, fr.feet - H * 0.12f, fx, fr.feet - 2, fr.limb * 0.4f, fr.limb * 0.4f), Skin(Hex(0xD8A040)));
                    for (float k : {-1.0f, 0.0f, 1.0f}) f.Paint(f.Limb(fx, fr.feet - 2, fx + k * 4, fr.feet, 0.8f, 0.5f), Skin(Hex(0xD8A040)));
                    continue;
                }
                const Look leg = t.bones ? skin : (t.armour ? Metal(Shade(t.outfit, 0.85f)) : Cloth(Shade(t.outfit, 0.7f)));
                f.Paint(f.Limb(hx, fr.hipY, fx, fr.feet - 4, fr.limb * (t.bones ? 0.5f : 1.15f), fr.limb * (t.bones ? 0.5f : 0.95f)), leg);
                f.Paint(f.Oval(fx + s * 1.5f, fr.feet - 3, fr.limb * 1.3f, fr.limb * 0.75f), t.bones ? skin : Look{Hex(0x4A3426), 0.3f});
            }
            break;
    }

    // The body.
    const float lean = t.hunch * H * 0.12f;
    if (t.bones) {
        f.Paint(f.Limb(cx, fr.shoulderY, cx, fr.hipY, fr.limb * 0.45f, fr.limb * 0.45f), skin);
        for (int i = 0; i < 4; ++i) f.Paint(f.Box(cx, fr.shoulderY + 4 + i * H * 0.055f, fr.shoulderHalf * (0.85f - i * 0.12f), H * 0.012f, 1), skin);
        f.Paint(f.Oval(cx, fr.hipY, fr.waistHalf * 0.9f, H * 0.04f), skin);
    } else {
        if (t.lower == Lower::kRobe) {
            // A robe falls to the feet: a long trapezoid, rounded only at its edges.
            Look robe = outfit;
            robe.bevel = H * 0.06f;
            const float hem = fr.shoulderHalf * 1.25f;
            f.Paint(f.Poly({{cx - fr.shoulderHalf + lean, fr.shoulderY - 2}, {cx + fr.shoulderHalf + lean, fr.shoulderY - 2}, {cx + fr.waistHalf, fr.hipY - H * 0.04f},
                            {cx + hem, fr.feet - 1}, {cx - hem, fr.feet - 1}, {cx - fr.waistHalf, fr.hipY - H * 0.04f}}),
                    robe);
        } else {
            // Chest and belly as rounded masses, blended into one body.
            f.Paint(Union({f.Oval(cx + lean, fr.shoulderY + H * 0.08f, fr.shoulderHalf, H * 0.12f), f.Oval(cx + lean * 0.5f, fr.hipY - H * 0.03f, fr.waistHalf * 1.1f, H * 0.1f)},
                          f.U(H * 0.06f)),
                    outfit);
        }
        if (!t.stone) f.Paint(f.Box(cx, fr.hipY - H * 0.03f, fr.waistHalf * 1.05f, H * 0.022f, 1), Look{t.trim, 0.4f});
        if (t.armour) f.Paint(f.Both(f.Oval(cx - fr.shoulderHalf * 0.9f + lean, fr.shoulderY, fr.limb * 1.9f, fr.limb * 1.4f)), Metal(t.trim));
    }

    // Arms, hands, weapon and shield.
    for (float s : {-1.0f, 1.0f}) {
        const float sx = cx + s * fr.shoulderHalf * 0.92f + lean;
        const float hx = cx + s * fr.handX + lean * 1.5f;
        const float hy = fr.handY - (t.hunch > 0 ? H * 0.12f : 0);
        if (t.wings == Wings::kFeather && t.lower == Lower::kBirdLegs) continue;  // harpies: wings are arms
        const Look arm = t.bones ? skin : (t.armour ? Metal(Shade(t.outfit, 0.9f)) : (t.build > 1.2f || t.stone ? skin : Cloth(Shade(t.outfit, 0.9f))));
        f.Paint(f.Limb(sx, fr.shoulderY + 2, hx, hy, fr.limb * (t.bones ? 0.45f : 1.0f), fr.limb * (t.bones ? 0.45f : 0.85f)), arm);
        f.Paint(f.Oval(hx, hy + 1, fr.limb * 0.9f, fr.limb * 0.9f), t.armour ? Metal(t.trim) : skin);
        if (s < 0 && t.weapon != Weapon::kNone) DrawWeapon(f, t, fr, hx, hy);
        if (s > 0 && t.shield) {
            Look shield = Metal(t.trim);
            shield.pattern = [cx2 = hx](Vec2 p) { return SmoothStep(1.5f, 0.5f, std::fabs(p.x - cx2)); };
            shield.patternColour = Hex(0xB02A2A);
            f.Paint(f.Poly({{hx - H * 0.1f, hy - H * 0.14f}, {hx + H * 0.1f, hy - H * 0.14f}, {hx + H * 0.1f, hy + H * 0.02f}, {hx, hy + H * 0.13f}, {hx - H * 0.1f, hy + H * 0.02f}}), shield);
        }
    }
    fr.cx += lean;
    DrawHead(f, t, fr);
}

}  // namespace assetgen
