#include "tools/asset-gen/Faces.h"

#include <cmath>

#include "tools/asset-gen/Dice.h"
#include "tools/asset-gen/Paint.h"

namespace assetgen {

namespace {

enum class Bangs { kSpiky, kStraight, kSwept, kParted, kNone };
enum class Back { kNone, kShort, kLong, kPonytail, kTwinTails };
enum class Headwear { kNone, kHeadband, kVeil, kTiara, kWizardHat, kHood, kHelmet, kDragonHelm, kCirclet, kBandana, kFeatherCap };
enum class Wear { kTunic, kRobe, kArmour, kGi, kDress, kCoat, kNinja };

struct FaceTraits {
    Rgba skin = Hex(0xF6D2B4), hair = Hex(0x5A3A22), eyes = Hex(0x3A6AB0), clothes = Hex(0x3A7A4A), trim = Hex(0xE0C060), backdrop = Hex(0x6A8AC0);
    Bangs bangs = Bangs::kSwept;
    Back back = Back::kShort;
    Headwear hat = Headwear::kNone;
    Wear wear = Wear::kTunic;
    Rgba hatColour = Hex(0x4A4A6A);
    bool female = false, old = false, beard = false, pointyEars = false, mask = false, eyePatch = false, scar = false, wings = false, halo = false;
    bool grin = false, fierce = false, big = false;  // big: a broad build
};

FaceTraits Person(Rgba hair, Rgba eyes, Rgba clothes, Rgba backdrop) {
    FaceTraits t;
    t.hair = hair;
    t.eyes = eyes;
    t.clothes = clothes;
    t.backdrop = backdrop;
    return t;
}

// The characters by row, in the order of the character table.
FaceTraits Traits(int character) {
    FaceTraits t;
    switch (character) {
        case 0: t = Person(Hex(0x7A4A22), Hex(0x4A7A3A), Hex(0x4A8A3A), Hex(0x8AB0D8)); t.bangs = Bangs::kSpiky; t.hat = Headwear::kHeadband; t.hatColour = Hex(0xC83A2A); break;
        case 1: t = Person(Hex(0x9A6A30), Hex(0x3A6A3A), Hex(0x5A7A3A), Hex(0xA8C890)); t.hat = Headwear::kFeatherCap; t.hatColour = Hex(0x3A6A2A); break;
        case 2: t = Person(Hex(0xE8E8EC), Hex(0x5A6A8A), Hex(0x3A4A9A), Hex(0x4A4A7A)); t.old = true; t.beard = true; t.bangs = Bangs::kParted; t.back = Back::kLong; t.wear = Wear::kRobe; t.hat = Headwear::kCirclet; break;
        case 3: t = Person(Hex(0x1A1A1E), Hex(0x3A2A1A), Hex(0xE8E4DC), Hex(0xD89A5A)); t.skin = Hex(0xE0A878); t.wear = Wear::kGi; t.hat = Headwear::kHeadband; t.hatColour = Hex(0xD02020); t.big = true; t.fierce = true; t.bangs = Bangs::kSpiky; break;
        case 4: t = Person(Hex(0xC8904A), Hex(0x4A8AC8), Hex(0x1E1E2A), Hex(0xD8C8E8)); t.female = true; t.hat = Headwear::kVeil; t.hatColour = Hex(0x1E1E2A); t.wear = Wear::kRobe; t.trim = Hex(0xF4F4F4); t.bangs = Bangs::kParted; break;
        case 5: t = Person(Hex(0x2A5AB0), Hex(0x2A4A9A), Hex(0x3A5A9A), Hex(0x7AA8E0)); t.wear = Wear::kArmour; t.bangs = Bangs::kSwept; t.back = Back::kPonytail; break;
        case 6: t = Person(Hex(0xF0D068), Hex(0x3A8AD0), Hex(0xE888B0), Hex(0xF4C8E0)); t.female = true; t.hat = Headwear::kTiara; t.wear = Wear::kDress; t.back = Back::kLong; t.bangs = Bangs::kStraight; break;
        case 7: t = Person(Hex(0x6A4A2A), Hex(0x5A4A2A), Hex(0x8A94A8), Hex(0x9A8A7A)); t.wear = Wear::kArmour; t.hat = Headwear::kHelmet; t.hatColour = Hex(0x9AA4B8); t.big = true; break;
        case 8: t = Person(Hex(0xF0D030), Hex(0xE0A020), Hex(0x5A2A8A), Hex(0x3A2A6A)); t.hat = Headwear::kWizardHat; t.hatColour = Hex(0x4A2A7A); t.wear = Wear::kRobe; t.trim = Hex(0xF0D030); t.bangs = Bangs::kSpiky; break;
        case 9: t = Person(Hex(0x1A1A24), Hex(0x6A2A2A), Hex(0x24242E), Hex(0x3A3A4A)); t.mask = true; t.wear = Wear::kNinja; t.hat = Headwear::kHeadband; t.hatColour = Hex(0x6A6A7A); t.fierce = true; t.bangs = Bangs::kSpiky; break;
        case 10: t = Person(Hex(0xE03A1A), Hex(0xE06A20), Hex(0xA83020), Hex(0xF08A40)); t.wear = Wear::kArmour; t.bangs = Bangs::kSpiky; t.fierce = true; t.big = true; t.trim = Hex(0xF0B030); break;
        case 11: t = Person(Hex(0xD8DCE8), Hex(0x3A7AD8), Hex(0xF0F0F4), Hex(0x9AB8E8)); t.female = true; t.hat = Headwear::kVeil; t.hatColour = Hex(0xF4F4F8); t.wear = Wear::kRobe; t.trim = Hex(0x4A7AC8); t.bangs = Bangs::kStraight; break;
        case 12: t = Person(Hex(0xF4E8C0), Hex(0x8AB0D8), Hex(0xF4F0E4), Hex(0xF8E8B0)); t.wear = Wear::kRobe; t.halo = true; t.back = Back::kLong; t.bangs = Bangs::kParted; t.trim = Hex(0xE0B840); break;
        case 13: t = Person(Hex(0x8A4AC0), Hex(0xC040C0), Hex(0x3A1A5A), Hex(0x1A1A4A)); t.female = true; t.hat = Headwear::kHood; t.hatColour = Hex(0x4A2A7A); t.wear = Wear::kRobe; t.back = Back::kLong; t.trim = Hex(0xF0D060); break;
        case 14: t = Person(Hex(0xF090C0), Hex(0x40C080), Hex(0x70D090), Hex(0xC8F0D0)); t.female = true; t.pointyEars = true; t.wings = true; t.wear = Wear::kDress; t.back = Back::kTwinTails; t.bangs = Bangs::kStraight; break;
        case 15: t = Person(Hex(0x4A4A4A), Hex(0x4A3A2A), Hex(0x6A6A74), Hex(0x7A7A8A)); t.wear = Wear::kArmour; t.hat = Headwear::kHelmet; t.hatColour = Hex(0x5A5A66); t.big = true; t.eyePatch = true; t.scar = true; break;
        case 16: t = Person(Hex(0x3A7A3A), Hex(0x2A8A4A), Hex(0x4A6A2A), Hex(0xB8D890)); t.female = true; t.back = Back::kPonytail; t.bangs = Bangs::kSwept; t.hair = Hex(0xB87A3A); break;
        case 17: t = Person(Hex(0xF4E0A0), Hex(0x4A8AC8), Hex(0xE8ECF4), Hex(0xB8C8E8)); t.female = true; t.wear = Wear::kArmour; t.back = Back::kLong; t.bangs = Bangs::kStraight; t.trim = Hex(0xE0B840); break;
        case 18: t = Person(Hex(0xFF8AA0), Hex(0xE04A80), Hex(0xF0A040), Hex(0xFFD8A0)); t.female = true; t.back = Back::kTwinTails; t.wear = Wear::kDress; t.hat = Headwear::kTiara; t.bangs = Bangs::kStraight; t.grin = true; break;
        case 19: t = Person(Hex(0xD8D8E0), Hex(0xE02030), Hex(0x1A1420), Hex(0x2A1A2A)); t.skin = Hex(0xE8DCDC); t.hat = Headwear::kHood; t.hatColour = Hex(0x1A141E); t.wear = Wear::kRobe; t.trim = Hex(0xA02040); t.fierce = true; break;
        case 20: t = Person(Hex(0x2A6A3A), Hex(0xD0A020), Hex(0x2A6A4A), Hex(0x8A3A2A)); t.wear = Wear::kArmour; t.hat = Headwear::kDragonHelm; t.hatColour = Hex(0x3A8A5A); t.trim = Hex(0xD0A020); t.fierce = true; break;
        case 21: t = Person(Hex(0xF8E090), Hex(0xE0A030), Hex(0xF4F0E0), Hex(0xFFF0C0)); t.wear = Wear::kRobe; t.hat = Headwear::kCirclet; t.trim = Hex(0xE0B030); t.bangs = Bangs::kSwept; break;
        case 22: t = Person(Hex(0x141418), Hex(0x8A1A1A), Hex(0x2A2A30), Hex(0x4A1A1A)); t.skin = Hex(0xD8B49A); t.wear = Wear::kCoat; t.scar = true; t.fierce = true; t.grin = true; t.bangs = Bangs::kNone; t.big = true; break;
        default: {
            // Rows beyond the designed ones still get a portrait of their own.
            Dice d(HashName("face", uint64_t(character)));
            const Rgba hairs[] = {Hex(0x2A1A10), Hex(0x8A5A2A), Hex(0xE0C060), Hex(0xB03A2A), Hex(0x3A5AA0), Hex(0xD8D8E0)};
            const Rgba clothes[] = {Hex(0x3A7A4A), Hex(0x7A3A3A), Hex(0x3A4A8A), Hex(0x8A6A3A)};
            t = Person(d.Pick(hairs), Hex(0x4A6AA0), d.Pick(clothes), Hex(0x8090B0));
            t.female = d.Chance(0.5);
            if (t.female) t.back = Back::kLong;
            break;
        }
    }
    return t;
}

constexpr float kUp = 2;  // painted twice the size, then shrunk
Vec2 P(float x, float y) { return {x * kUp, y * kUp}; }
float U(float v) { return v * kUp; }
Shape O(float x, float y, float rx, float ry, float a = 0) { return Ellipse(P(x, y), U(rx), U(ry), a); }
Shape L(float x0, float y0, float x1, float y1, float r0, float r1) { return Capsule(P(x0, y0), P(x1, y1), U(r0), U(r1)); }
Shape Pg(std::initializer_list<Vec2> pts) {
    std::vector<Vec2> v;
    for (Vec2 p : pts) v.push_back(P(p.x, p.y));
    return Polygon(v);
}
Shape Both(const Shape& s) { return Union({s, Mirror(s, U(64))}); }

void Solid(Canvas& c, const Shape& s, Rgba colour, float shine = 0.15f, float bevel = 0) {
    Material m(colour);
    m.bevel = bevel > 0 ? U(bevel) : std::max(1.0f, std::min(s.box.x1 - s.box.x0, s.box.y1 - s.box.y0) * 0.45f);
    m.shine = shine;
    m.line = 2.0f;
    FillShaded(c, s, m);
}

void HairMass(Canvas& c, const Shape& s, Rgba hair) {
    Material m(hair);
    m.bevel = U(8);
    m.shine = 0.45f;
    m.line = 2.0f;
    // Strands: soft bands that catch the light.
    m.pattern = [](Vec2 p) { return 0.25f * SmoothStep(0.6f, 1.0f, std::sin(p.x * 0.35f + std::sin(p.y * 0.05f) * 3)); };
    m.patternColour = Mix(hair, Hex(0xFFFFFF), 0.35f);
    FillShaded(c, s, m);
}

void Eye(Canvas& c, float x, float y, bool left, const FaceTraits& t) {
    const float w = t.female ? 7.5f : 6.8f, h = t.fierce ? 3.6f : (t.female ? 6.0f : 5.0f);
    const float tilt = (left ? -1.0f : 1.0f) * (t.fierce ? 0.25f : 0.05f);
    if (t.old) {
        Fill(c, L(x - 5, y, x + 5, y - 0.5f, 1.0f, 1.0f), Hex(0x3A2A2A));
        Fill(c, O(x, y + 0.6f, 2.2f, 1.4f), t.eyes);
        return;
    }
    Fill(c, O(x, y, w, h, tilt), Hex(0xFBFBF6));
    FillWith(c, O(x, y + 0.4f, w * 0.52f, h * 0.95f), [&](Vec2 p, float) {
        return Mix(Shade(t.eyes, 0.55f), Mix(t.eyes, Hex(0xFFFFFF), 0.25f), Clamp01((p.y - U(y - h)) / U(2 * h)));
    });
    Fill(c, O(x, y + 0.6f, w * 0.25f, h * 0.45f), Hex(0x140E16));
    Fill(c, O(x - w * 0.22f, y - h * 0.35f, w * 0.16f, h * 0.2f), Hex(0xFFFFFF));
    Fill(c, O(x + w * 0.2f, y + h * 0.35f, w * 0.08f, h * 0.1f), Hex(0xFFFFFF, 0.8f));
    // The upper lid line, thick, with a flick at the outer corner.
    const float outer = left ? x - w : x + w, inner = left ? x + w : x - w;
    Fill(c, Curve(P(inner, y - h * 0.55f), P(x, y - h * 1.35f), P(outer, y - h * 0.7f), U(t.female ? 1.3f : 1.0f), U(t.female ? 1.6f : 1.1f)), Hex(0x201418));
    if (t.female) Fill(c, L(outer, y - h * 0.7f, outer + (left ? -2.5f : 2.5f), y - h * 1.2f, 0.7f, 0.4f), Hex(0x201418));
    Fill(c, Curve(P(inner, y + h * 0.8f), P(x, y + h * 1.05f), P(outer, y + h * 0.6f), U(0.4f), U(0.4f)), Hex(0x6A4A4A, 0.7f));
}

}  // namespace

Canvas PaintFace(int character) {
    const FaceTraits t = Traits(character);
    const int size = int(kFaceSize * kUp);
    Canvas c(size, size);
    // Backdrop: a soft radial light in the character's colour.
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const float d = Length({x / kUp - 64, y / kUp - 50}) / 90;
            const float stripe = 0.04f * std::sin((x + y) / kUp * 0.35f);
            c.At(x, y) = WithAlpha(Shade(Mix(Mix(t.backdrop, Hex(0xFFFFFF), 0.35f), Shade(t.backdrop, 0.55f), d), 1 + stripe), 1);
        }
    if (t.halo) Fill(c, Subtract(O(64, 16, 30, 8), O(64, 16, 24, 5)), Hex(0xFFE880));
    if (t.wings)
        for (float s : {-1.0f, 1.0f})
            Solid(c, O(64 + s * 44, 70, 20, 34, s * 0.5f), WithAlpha(Hex(0xC8F4FF), 0.85f), 0.4f);
    // Hair behind the head and shoulders.
    const float headY = 54, jawY = 76;
    switch (t.back) {
        case Back::kLong: HairMass(c, Union({O(64, 60, 33, 34), RoundRect(P(64, 92), {U(31), U(26)}, U(10))}, U(4)), t.hair); break;
        case Back::kPonytail: HairMass(c, Union({O(64, 52, 31, 30), L(88, 42, 100, 96, 7, 4)}, U(3)), t.hair); break;
        case Back::kTwinTails:
            HairMass(c, Union({O(64, 52, 31, 30), L(34, 44, 22, 100, 8, 4), L(94, 44, 106, 100, 8, 4)}, U(3)), t.hair);
            break;
        case Back::kShort: HairMass(c, O(64, 50, 31, 30), t.hair); break;
        case Back::kNone: break;
    }
    if (t.hat == Headwear::kVeil || t.hat == Headwear::kHood)
        Solid(c, Union({O(64, 52, 38, 40), RoundRect(P(64, 100), {U(40), U(30)}, U(8))}, U(6)), t.hatColour, 0.1f, 10);
    // Shoulders and clothes.
    const float broad = t.big ? 1.15f : (t.female ? 0.88f : 1.0f);
    const Shape body = Union({O(64, 128, 54 * broad, 36), RoundRect(P(64, 112), {U(40 * broad), U(14)}, U(10))}, U(6));
    Solid(c, body, t.clothes, t.wear == Wear::kArmour ? 0.6f : 0.1f, 14);
    switch (t.wear) {
        case Wear::kArmour:
            Solid(c, Both(O(64 - 38 * broad, 106, 16, 11, -0.3f)), Mix(t.clothes, Hex(0xFFFFFF), 0.15f), 0.7f);
            Fill(c, RoundRect(P(64, 120), {U(3), U(12)}, U(1)), t.trim);
            break;
        case Wear::kRobe: Fill(c, Both(L(56, 100, 44, 128, 3, 3)), t.trim); break;
        case Wear::kGi: Fill(c, Pg({{52, 100}, {76, 100}, {64, 128}}), Shade(t.skin, 0.9f)); Fill(c, Both(L(52, 100, 64, 128, 2.5f, 2.5f)), Shade(t.clothes, 0.8f)); break;
        case Wear::kDress: Fill(c, Both(O(50, 110, 10, 6, -0.4f)), Mix(t.clothes, Hex(0xFFFFFF), 0.5f)); Fill(c, O(64, 112, 4, 4), t.trim); break;
        case Wear::kCoat: Fill(c, Both(Pg({{64, 104}, {46, 102}, {56, 128}})), Shade(t.clothes, 0.6f)); Fill(c, Pg({{60, 104}, {68, 104}, {64, 124}}), Hex(0xB02020)); break;
        case Wear::kNinja: Fill(c, Both(L(48, 104, 70, 128, 2.5f, 2.5f)), Shade(t.clothes, 1.6f)); break;
        case Wear::kTunic: Fill(c, Pg({{56, 100}, {72, 100}, {64, 112}}), Shade(t.skin, 0.92f)); Fill(c, RoundRect(P(64, 124), {U(30), U(2)}, U(1)), Hex(0x6A4A2A)); break;
    }
    // Neck, ears, head.
    Solid(c, L(64, 80, 64, 100, 11, 12.5f), Shade(t.skin, 0.88f), 0.05f);
    if (t.pointyEars) Solid(c, Both(Pg({{36, 56}, {18, 38}, {38, 66}})), t.skin, 0.1f);
    else Solid(c, Both(O(35, 58, 4.5f, 7)), t.skin, 0.1f);
    const Shape head = Union({O(64, headY, 29, 29), O(64, jawY - 8, 22 * (t.big ? 1.1f : 1.0f), 20)}, U(8));
    Solid(c, head, t.skin, 0.12f, 14);
    if (t.female || t.grin) Fill(c, Both(O(46, 70, 6, 3.2f)), Hex(0xFF8A8A, 0.35f));
    // Eyes, brows, nose, mouth.
    const float eyeY = 60;
    Eye(c, 52, eyeY, true, t);
    if (t.eyePatch) {
        Fill(c, L(34, 44, 94, 60, 1.2f, 1.2f), Hex(0x1A1A1A));
        Solid(c, O(76, eyeY, 9, 7.5f), Hex(0x1E1E22), 0.3f);
    } else {
        Eye(c, 76, eyeY, false, t);
    }
    const float browY = eyeY - (t.female ? 11 : 9);
    const float angle = t.fierce ? 0.3f : -0.05f;
    for (float s : {-1.0f, 1.0f})
        Fill(c, L(64 + s * 6, browY + (t.fierce ? 2.5f : 0), 64 + s * 18, browY - std::sin(angle) * 8 + (t.fierce ? 0 : 0.5f), t.female ? 0.8f : 1.4f, t.female ? 0.6f : 1.1f),
             Shade(t.hair, 0.6f));
    Fill(c, L(64, 66, 62.5f, 71, 0.6f, 0.9f), Shade(t.skin, 0.72f));
    if (t.mask) {
        Solid(c, Intersect(head, RoundRect(P(64, 86), {U(34), U(15)}, U(2))), t.clothes, 0.1f, 6);
    } else if (t.grin) {
        Fill(c, Curve(P(55, 78), P(64, 85), P(73, 77), U(1.6f), U(1.6f)), Hex(0x5A1A1A));
        Fill(c, Curve(P(57, 78.5f), P(64, 82.5f), P(71, 78), U(0.9f), U(0.9f)), Hex(0xFFFFFF));
    } else {
        Fill(c, Curve(P(58, 79), P(64, t.fierce ? 78.5f : 81), P(70, 79), U(0.8f), U(0.8f)), Hex(0x8A3A3A));
    }
    if (t.scar) Fill(c, L(78, 48, 70, 72, 0.9f, 0.7f), Hex(0xB06060, 0.9f));
    if (t.beard) HairMass(c, Union({O(64, 86, 20, 14), Pg({{46, 84}, {64, 112}, {82, 84}})}, U(4)), t.hair);
    if (t.old) Fill(c, Both(L(44, 50, 52, 51, 0.4f, 0.4f)), Shade(t.skin, 0.8f));
    // Front hair.
    switch (t.bangs) {
        case Bangs::kSpiky:
            HairMass(c, Union({Intersect(O(64, 46, 31, 24), RoundRect(P(64, 34), {U(34), U(14)}, 0)), Pg({{34, 46}, {40, 60}, {46, 40}, {52, 58}, {58, 40}, {66, 56}, {72, 40}, {80, 58}, {84, 42}, {92, 56}, {94, 40}, {64, 30}})}, U(2)),
                     t.hair);
            HairMass(c, Pg({{40, 30}, {30, 14}, {52, 24}, {58, 8}, {68, 24}, {84, 10}, {86, 28}, {98, 24}, {90, 40}, {40, 40}}), t.hair);
            break;
        case Bangs::kStraight:
            HairMass(c, Union({Intersect(O(64, 46, 32, 26), RoundRect(P(64, 34), {U(34), U(14)}, 0)), Pg({{34, 40}, {36, 56}, {50, 52}, {64, 54}, {78, 52}, {92, 56}, {94, 40}})}, U(3)), t.hair);
            break;
        case Bangs::kSwept:
            HairMass(c, Union({Intersect(O(64, 46, 32, 26), RoundRect(P(64, 34), {U(34), U(14)}, 0)), Pg({{34, 42}, {36, 60}, {46, 50}, {60, 54}, {94, 36}, {64, 32}})}, U(3)), t.hair);
            break;
        case Bangs::kParted:
            HairMass(c, Union({Intersect(O(64, 44, 31, 24), RoundRect(P(64, 32), {U(34), U(13)}, 0)), Both(Pg({{64, 34}, {36, 42}, {34, 64}, {46, 46}}))}, U(3)), t.hair);
            break;
        case Bangs::kNone:
            HairMass(c, Intersect(O(64, 44, 30, 24), RoundRect(P(64, 30), {U(34), U(12)}, 0)), t.hair);
            break;
    }
    // Headwear.
    switch (t.hat) {
        case Headwear::kHeadband: Solid(c, Intersect(O(64, 50, 32, 30), RoundRect(P(64, 40), {U(34), U(3.5f)}, 0)), t.hatColour, 0.2f, 3); break;
        case Headwear::kBandana: Solid(c, Intersect(O(64, 48, 32, 28), RoundRect(P(64, 32), {U(34), U(12)}, 0)), t.hatColour, 0.1f, 6); break;
        case Headwear::kTiara:
            Solid(c, Pg({{48, 32}, {52, 22}, {58, 28}, {64, 16}, {70, 28}, {76, 22}, {80, 32}, {64, 36}}), Hex(0xF0C840), 0.8f, 3);
            Fill(c, O(64, 27, 2.5f, 2.5f), Hex(0x40A0F0));
            break;
        case Headwear::kCirclet: Solid(c, Intersect(O(64, 50, 32, 30), RoundRect(P(64, 38), {U(34), U(2.2f)}, 0)), Hex(0xE8C040), 0.8f, 2); Fill(c, O(64, 38, 3, 3.5f), Hex(0x40C0F0)); break;
        case Headwear::kVeil: Solid(c, Intersect(O(64, 48, 36, 34), RoundRect(P(64, 26), {U(40), U(14)}, 0)), t.hatColour, 0.15f, 8); Fill(c, RoundRect(P(64, 40), {U(30), U(2)}, U(1)), t.trim); break;
        case Headwear::kHood: Solid(c, Intersect(O(64, 50, 38, 38), RoundRect(P(64, 26), {U(44), U(16)}, 0)), t.hatColour, 0.1f, 8); break;
        case Headwear::kWizardHat:
            Solid(c, O(64, 34, 46, 9), t.hatColour, 0.1f);
            Solid(c, Pg({{36, 34}, {70, -6}, {92, 34}}), t.hatColour, 0.1f, 8);
            Fill(c, RoundRect(P(64, 31), {U(28), U(3)}, 0), t.trim);
            break;
        case Headwear::kFeatherCap:
            Solid(c, Intersect(O(64, 42, 34, 24), RoundRect(P(64, 28), {U(40), U(14)}, 0)), t.hatColour, 0.1f, 8);
            Solid(c, O(90, 22, 5, 18, 0.7f), Hex(0xE83A3A), 0.3f);
            break;
        case Headwear::kHelmet:
        case Headwear::kDragonHelm:
            Solid(c, Intersect(O(64, 46, 35, 33), RoundRect(P(64, 26), {U(40), U(18)}, 0)), t.hatColour, 0.7f, 10);
            Solid(c, Both(RoundRect(P(34, 56), {U(5), U(14)}, U(3))), t.hatColour, 0.7f);
            Fill(c, RoundRect(P(64, 42), {U(34), U(2)}, 0), Shade(t.hatColour, 0.6f));
            if (t.hat == Headwear::kDragonHelm) {
                Solid(c, Both(Pg({{40, 22}, {22, 0}, {48, 16}})), Hex(0xE8DCC0), 0.4f);
                Solid(c, Pg({{58, 14}, {64, 2}, {70, 14}}), t.trim, 0.6f);
            }
            break;
        case Headwear::kNone: break;
    }
    return c.Resized(kFaceSize, kFaceSize);
}

}  // namespace assetgen
