// Plants, spirits, constructs, sea creatures, the toad and the formless
// chaos at the end of the world.
#include <cmath>

#include "tools/asset-gen/Figure.h"
#include "tools/asset-gen/MonsterFamilies.h"

namespace assetgen {

void DrawManEater(Figure& f, Rgba petals) {
    const float w = f.Width(), h = f.Height(), cx = w / 2;
    Look stem{Hex(0x3A8A3A), 0.2f, 0.15f};
    f.Paint(f.Bend(cx, h - 2, cx + w * 0.12f, h * 0.7f, cx, h * 0.45f, w * 0.07f, w * 0.05f), stem);
    for (float s : {-1.0f, 1.0f}) {
        f.Paint(f.Oval(cx + s * w * 0.24f, h * 0.82f, w * 0.22f, h * 0.07f, s * 0.4f), Look{Hex(0x4AA040), 0.2f});
        f.Paint(f.Bend(cx, h * 0.7f, cx + s * w * 0.35f, h * 0.55f, cx + s * w * 0.42f, h * 0.38f, 1.6f, 1.0f), stem);
    }
    for (int i = 0; i < 7; ++i) {
        const float a = -1.5708f + (i - 3) * 0.5f;
        f.Paint(f.Oval(cx + std::cos(a) * w * 0.22f, h * 0.36f + std::sin(a) * h * 0.2f, w * 0.14f, h * 0.07f, a), Look{petals, 0.25f});
    }
    f.Paint(f.Oval(cx, h * 0.38f, w * 0.2f, h * 0.16f), Look{Shade(petals, 0.8f), 0.3f});
    f.Mouth(cx - w * 0.16f, cx + w * 0.16f, h * 0.36f, h * 0.08f, true);
    f.Eyes(cx, h * 0.28f, w * 0.16f, w * 0.04f, Hex(0xFFE020), true);
}

void DrawTreant(Figure& f, Rgba bark, Rgba leaves) {
    const float w = f.Width(), h = f.Height(), cx = w / 2;
    Look wood{bark, 0.1f, 0.5f};
    wood.pattern = [](Vec2 p) { return 0.3f * SmoothStep(0.7f, 1.0f, std::fabs(std::sin(p.x * 0.6f + std::sin(p.y * 0.1f) * 2))); };
    wood.patternColour = Shade(bark, 0.55f);
    for (int i = 0; i < 8; ++i) {
        const float a = -2.9f + i * 0.4f;
        f.Paint(f.Oval(cx + std::cos(a) * w * 0.3f, h * 0.28f + std::sin(a) * h * 0.2f, w * 0.2f, h * 0.14f), Look{Shade(leaves, 0.85f + 0.05f * (i % 3)), 0.1f, 0.4f});
    }
    f.Paint(f.Oval(cx, h * 0.22f, w * 0.3f, h * 0.15f), Look{leaves, 0.1f, 0.4f});
    for (float s : {-1.0f, 1.0f}) {
        f.Paint(f.Bend(cx + s * w * 0.1f, h * 0.45f, cx + s * w * 0.35f, h * 0.5f, cx + s * w * 0.44f, h * 0.7f, w * 0.05f, w * 0.03f), wood);
        f.Paint(f.Bend(cx + s * w * 0.1f, h * 0.85f, cx + s * w * 0.2f, h * 0.95f, cx + s * w * 0.3f, h - 3, w * 0.06f, w * 0.03f), wood);
    }
    f.Paint(f.Poly({{cx - w * 0.16f, h - 2}, {cx - w * 0.12f, h * 0.38f}, {cx + w * 0.12f, h * 0.38f}, {cx + w * 0.16f, h - 2}}), wood);
    f.Flat(f.Oval(cx - w * 0.06f, h * 0.55f, w * 0.04f, h * 0.03f), Hex(0x140A06));
    f.Flat(f.Oval(cx + w * 0.06f, h * 0.55f, w * 0.04f, h * 0.03f), Hex(0x140A06));
    f.Glow(f.Oval(cx - w * 0.06f, h * 0.55f, 1, 1), Hex(0xFFD040), 2, 0.8f);
    f.Glow(f.Oval(cx + w * 0.06f, h * 0.55f, 1, 1), Hex(0xFFD040), 2, 0.8f);
    f.Flat(f.Oval(cx, h * 0.66f, w * 0.06f, h * 0.035f), Hex(0x140A06));
}

void DrawMandrake(Figure& f) {
    const float w = f.Width(), h = f.Height(), cx = w / 2;
    Look root{Hex(0xC8A070), 0.15f, 0.25f};
    for (int i = 0; i < 5; ++i) {
        const float a = -2.6f + i * 0.3f;
        f.Paint(f.Oval(cx + std::cos(a) * w * 0.2f, h * 0.22f + std::sin(a) * h * 0.12f, w * 0.08f, h * 0.16f, a + 1.57f), Look{Hex(0x4AA040), 0.2f});
    }
    for (float s : {-1.0f, 1.0f}) {
        f.Paint(f.Bend(cx + s * w * 0.12f, h * 0.75f, cx + s * w * 0.2f, h * 0.9f, cx + s * w * 0.28f, h - 2, w * 0.06f, w * 0.02f), root);
        f.Paint(f.Bend(cx + s * w * 0.18f, h * 0.45f, cx + s * w * 0.34f, h * 0.5f, cx + s * w * 0.4f, h * 0.38f, w * 0.045f, w * 0.02f), root);
    }
    f.Paint(f.Oval(cx, h * 0.55f, w * 0.22f, h * 0.25f), root);
    f.Flat(f.Oval(cx - w * 0.08f, h * 0.48f, w * 0.04f, h * 0.05f), Hex(0x1A0A06));
    f.Flat(f.Oval(cx + w * 0.08f, h * 0.48f, w * 0.04f, h * 0.05f), Hex(0x1A0A06));
    f.Flat(f.Oval(cx, h * 0.62f, w * 0.07f, h * 0.07f), Hex(0x2A0A0A));
}

void DrawMushroom(Figure& f, Rgba cap) {
    const float w = f.Width(), h = f.Height(), cx = w / 2;
    for (float s : {-1.0f, 1.0f}) f.Paint(f.Oval(cx + s * w * 0.12f, h - 5, w * 0.1f, h * 0.05f), Look{Hex(0xE8DCC0), 0.1f});
    f.Paint(f.Box(cx, h * 0.72f, w * 0.2f, h * 0.22f, w * 0.1f), Look{Hex(0xF0E8D4), 0.1f, 0.1f});
    f.Eyes(cx, h * 0.68f, w * 0.16f, w * 0.045f, Hex(0x201810));
    f.Mouth(cx - w * 0.06f, cx + w * 0.06f, h * 0.78f, h * 0.03f, false);
    Look top{cap, 0.35f};
    top.pattern = [](Vec2 p) { return SmoothStep(0.62f, 0.7f, 0.5f + 0.5f * std::sin(p.x * 0.35f) * std::sin(p.y * 0.5f + 1)); };
    top.patternColour = Hex(0xFFF8EC);
    f.Paint(Intersect(f.Oval(cx, h * 0.52f, w * 0.48f, h * 0.46f), f.Box(cx, h * 0.3f, w * 0.5f, h * 0.24f)), top);
}

void DrawKodama(Figure& f) {
    const float w = f.Width(), h = f.Height(), cx = w / 2;
    Look body{Hex(0xF0F4E8), 0.1f, 0, 0, 0.2f};
    f.Glow(f.Oval(cx, h * 0.5f, w * 0.3f, h * 0.4f), Hex(0xD8FFD0), 4, 0.3f);
    f.Paint(f.Box(cx, h * 0.75f, w * 0.16f, h * 0.22f, w * 0.1f), body);
    for (float s : {-1.0f, 1.0f}) f.Paint(f.Limb(cx + s * w * 0.14f, h * 0.65f, cx + s * w * 0.28f, h * 0.78f, 2, 1.5f), body);
    f.Paint(f.Oval(cx, h * 0.34f, w * 0.3f, h * 0.28f, 0.1f), body);
    f.Flat(f.Oval(cx - w * 0.1f, h * 0.32f, w * 0.05f, h * 0.06f), Hex(0x1A1A14));
    f.Flat(f.Oval(cx + w * 0.1f, h * 0.3f, w * 0.05f, h * 0.06f), Hex(0x1A1A14));
    f.Flat(f.Oval(cx + w * 0.01f, h * 0.46f, w * 0.05f, h * 0.04f), Hex(0x1A1A14));
}

void DrawGhost(Figure& f, Rgba body) {
    const float w = f.Width(), h = f.Height(), cx = w / 2;
    Look sheet{body, 0.2f, 0, 0, 0.25f};
    f.Glow(f.Oval(cx, h * 0.45f, w * 0.32f, h * 0.38f), body, 4, 0.25f);
    f.Paint(Union({f.Oval(cx, h * 0.36f, w * 0.34f, h * 0.32f),
                   f.Poly({{cx - w * 0.34f, h * 0.36f}, {cx + w * 0.34f, h * 0.36f}, {cx + w * 0.3f, h * 0.78f}, {cx + w * 0.16f, h * 0.68f}, {cx + w * 0.05f, h * 0.92f},
                           {cx - w * 0.08f, h * 0.7f}, {cx - w * 0.22f, h * 0.86f}, {cx - w * 0.3f, h * 0.66f}})},
                  f.U(3)),
            sheet);
    for (float s : {-1.0f, 1.0f}) f.Paint(f.Bend(cx + s * w * 0.28f, h * 0.42f, cx + s * w * 0.44f, h * 0.5f, cx + s * w * 0.42f, h * 0.64f, w * 0.07f, w * 0.04f), sheet);
    f.Flat(f.Oval(cx - w * 0.12f, h * 0.32f, w * 0.07f, h * 0.09f), Hex(0x140C20));
    f.Flat(f.Oval(cx + w * 0.12f, h * 0.32f, w * 0.07f, h * 0.09f), Hex(0x140C20));
    f.Flat(f.Oval(cx, h * 0.48f, w * 0.08f, h * 0.07f), Hex(0x140C20));
}

void DrawWisp(Figure& f, Rgba flame) {
    const float w = f.Width(), h = f.Height(), cx = w / 2;
    f.Glow(f.Oval(cx, h * 0.6f, w * 0.25f, h * 0.25f), flame, w * 0.06f, 0.5f);
    const Shape body = Union({f.Oval(cx, h * 0.62f, w * 0.3f, h * 0.3f), f.Poly({{cx - w * 0.28f, h * 0.55f}, {cx - w * 0.1f, h * 0.08f}, {cx + w * 0.05f, h * 0.32f}, {cx + w * 0.2f, h * 0.12f}, {cx + w * 0.28f, h * 0.55f}})}, f.U(4));
    f.Paint(body, Lit(flame, 0.6f));
    f.Paint(f.Oval(cx, h * 0.66f, w * 0.16f, h * 0.16f), Lit(Mix(flame, Hex(0xFFFFFF), 0.6f), 0.9f));
    f.Eyes(cx, h * 0.62f, w * 0.16f, w * 0.05f, Hex(0x101020));
}

void DrawUmibouzu(Figure& f) {
    const float w = f.Width(), h = f.Height(), cx = w / 2;
    Look body{Hex(0x2A3448), 0.3f, 0.15f};
    f.Paint(Union({f.Oval(cx, h * 0.42f, w * 0.4f, h * 0.38f), f.Box(cx, h * 0.75f, w * 0.46f, h * 0.22f, w * 0.1f)}, f.U(8)), body);
    for (int i = 0; i < 5; ++i) f.Paint(f.Oval(cx - w * 0.4f + i * w * 0.2f, h - 6, w * 0.13f, h * 0.06f), Look{Hex(0x5A8AB0), 0.4f});
    f.Eyes(cx, h * 0.36f, w * 0.32f, w * 0.075f, Hex(0xFFE060), true);
    f.Flat(f.Band(cx, h * 0.46f, w * 0.12f, 0.5f, 2.6f, 2), Hex(0x0A0E18));
}

void DrawGolem(Figure& f, Rgba stone, Rgba core) {
    const float w = f.Width(), h = f.Height(), cx = w / 2;
    const Look rock = Stone(stone);
    for (float s : {-1.0f, 1.0f}) f.Paint(f.Box(cx + s * w * 0.16f, h * 0.84f, w * 0.1f, h * 0.14f, 3), rock);
    f.Paint(f.Box(cx, h * 0.56f, w * 0.28f, h * 0.2f, 5), rock);
    f.Glow(f.Oval(cx, h * 0.55f, w * 0.06f, w * 0.06f), core, 4, 0.6f);
    f.Paint(f.Oval(cx, h * 0.55f, w * 0.05f, w * 0.05f), Lit(core, 0.8f));
    for (float s : {-1.0f, 1.0f}) {
        f.Paint(f.Oval(cx + s * w * 0.32f, h * 0.4f, w * 0.12f, h * 0.09f), rock);
        f.Paint(f.Box(cx + s * w * 0.38f, h * 0.6f, w * 0.08f, h * 0.16f, 4), rock);
        f.Paint(f.Oval(cx + s * w * 0.39f, h * 0.8f, w * 0.1f, h * 0.08f), rock);
    }
    f.Paint(f.Box(cx, h * 0.25f, w * 0.14f, h * 0.1f, 4), rock);
    f.Flat(f.Box(cx, h * 0.25f, w * 0.09f, h * 0.02f, 1), Hex(0x100C10));
    f.Glow(f.Box(cx, h * 0.25f, w * 0.07f, h * 0.01f), core, 2, 0.9f);
}

void DrawMachine(Figure& f, Rgba plate) {
    const float w = f.Width(), h = f.Height(), cx = w / 2;
    const Look steel = Metal(plate);
    for (float s : {-1.0f, 1.0f}) {
        f.Paint(f.Limb(cx + s * w * 0.18f, h * 0.6f, cx + s * w * 0.32f, h * 0.85f, 3, 2.5f), Metal(Shade(plate, 0.8f)));
        f.Paint(f.Box(cx + s * w * 0.33f, h * 0.92f, w * 0.1f, h * 0.05f, 2), Metal(Hex(0x3A3A44)));
    }
    f.Paint(f.Box(cx, h * 0.52f, w * 0.3f, h * 0.2f, 6), steel);
    for (int i = 0; i < 4; ++i) f.Flat(f.Oval(cx - w * 0.24f + i * w * 0.16f, h * 0.62f, 1.2f, 1.2f), Hex(0x2A2A30));
    f.Paint(f.Limb(cx + w * 0.3f, h * 0.46f, cx + w * 0.46f, h * 0.46f, 4, 4), Metal(Hex(0x4A4A56)));
    f.Flat(f.Oval(cx + w * 0.47f, h * 0.46f, 2.2f, 2.2f), Hex(0x101014));
    f.Paint(f.Limb(cx - w * 0.3f, h * 0.48f, cx - w * 0.42f, h * 0.62f, 3, 2.5f), steel);
    f.Paint(f.Poly({{cx - w * 0.46f, h * 0.6f}, {cx - w * 0.48f, h * 0.72f}, {cx - w * 0.38f, h * 0.66f}}), Metal(Hex(0xD0D0D8)));
    f.Paint(f.Oval(cx, h * 0.26f, w * 0.17f, h * 0.12f), steel);
    f.Glow(f.Oval(cx, h * 0.26f, w * 0.06f, w * 0.06f), Hex(0xFF3020), 3, 0.7f);
    f.Paint(f.Oval(cx, h * 0.26f, w * 0.06f, w * 0.06f), Lit(Hex(0xFF5040), 0.8f));
    f.Paint(f.Limb(cx, h * 0.15f, cx + 4, h * 0.03f, 0.8f, 0.8f), Metal(Hex(0x6A6A74)));
    f.Paint(f.Oval(cx + 4, h * 0.03f + 1, 1.6f, 1.6f), Lit(Hex(0x60FF80), 0.8f));
}

void DrawOctopus(Figure& f, Rgba body, int arms) {
    const float w = f.Width(), h = f.Height(), cx = w / 2;
    Look skin{body, 0.35f, 0.1f};
    Look sucker{Mix(body, Hex(0xFFE8D8), 0.5f), 0.3f};
    for (int i = 0; i < arms; ++i) {
        const float t = arms > 1 ? float(i) / (arms - 1) - 0.5f : 0;
        const float x0 = cx + t * w * 0.3f, x1 = cx + t * w * 0.95f;
        f.Paint(f.Bend(x0, h * 0.55f, x0 + t * w * 0.4f, h * 0.95f, x1, h * (0.72f - std::fabs(t) * 0.25f), w * 0.055f, w * 0.015f), i % 2 ? Look{Shade(body, 0.85f), 0.35f} : skin);
    }
    f.Paint(f.Oval(cx, h * 0.34f, w * 0.26f, h * 0.3f), skin);
    f.Paint(f.Oval(cx - w * 0.08f, h * 0.2f, w * 0.06f, h * 0.05f, -0.5f), sucker);
    f.Eyes(cx, h * 0.46f, w * 0.22f, w * 0.06f, Hex(0xF0D020), true);
}

void DrawCrab(Figure& f, Rgba shell) {
    const float w = f.Width(), h = f.Height(), cx = w / 2;
    const Look hard{shell, 0.55f, 0.1f};
    for (int i = 0; i < 3; ++i)
        for (float s : {-1.0f, 1.0f}) {
            const float kx = cx + s * w * (0.3f + i * 0.05f), ky = h * (0.5f + i * 0.04f);
            f.Paint(f.Limb(cx + s * w * 0.15f, h * 0.66f, kx, ky, 2, 1.7f), Look{Shade(shell, 0.8f), 0.4f});
            f.Paint(f.Limb(kx, ky, kx + s * w * 0.06f, h - 3, 1.7f, 0.8f), Look{Shade(shell, 0.8f), 0.4f});
        }
    f.Paint(f.Oval(cx, h * 0.62f, w * 0.3f, h * 0.2f), hard);
    for (float s : {-1.0f, 1.0f}) {
        f.Paint(f.Limb(cx + s * w * 0.22f, h * 0.55f, cx + s * w * 0.34f, h * 0.32f, 2.6f, 2.2f), hard);
        f.Paint(Subtract(f.Oval(cx + s * w * 0.36f, h * 0.22f, w * 0.12f, h * 0.12f, s * 0.3f), f.Poly({{cx + s * w * 0.36f, h * 0.2f}, {cx + s * w * 0.5f, h * 0.06f}, {cx + s * w * 0.56f, h * 0.16f}})), hard);
        f.Paint(f.Limb(cx + s * w * 0.07f, h * 0.46f, cx + s * w * 0.09f, h * 0.34f, 1, 1), hard);
        f.Eye(cx + s * w * 0.09f, h * 0.33f, h * 0.04f, Hex(0x101010), true);
    }
}

void DrawFish(Figure& f, Fish kind) {
    const float w = f.Width(), h = f.Height();
    const Rgba back = kind == Fish::kShark ? Hex(0x6A7A8A) : (kind == Fish::kOrca ? Hex(0x1A1C24) : Hex(0x3A5A8A));
    const Rgba belly = kind == Fish::kWhale ? Hex(0xD8DCE0) : Hex(0xF0F0EC);
    Look skin{back, 0.5f};
    Look under{belly, 0.4f};
    if (kind == Fish::kWhale) {
        under.pattern = [](Vec2 p) { return 0.4f * SmoothStep(0.85f, 1.0f, std::fabs(std::sin(p.y * 0.8f))); };
        under.patternColour = Hex(0x8A9AAA);
    }
    const float cy = h * 0.55f;
    f.Paint(f.Poly({{w * 0.82f, cy}, {w * 0.99f, cy - h * 0.35f}, {w * 0.93f, cy}, {w * 0.99f, cy + h * 0.3f}}), skin);
    if (kind != Fish::kWhale) f.Paint(f.Poly({{w * 0.42f, cy - h * 0.22f}, {w * 0.52f, cy - h * (kind == Fish::kOrca ? 0.62f : 0.5f)}, {w * 0.6f, cy - h * 0.2f}}), skin);
    f.Paint(Union({f.Oval(w * 0.45f, cy, w * 0.38f, h * 0.26f), f.Limb(w * 0.5f, cy, w * 0.88f, cy, h * 0.2f, h * 0.06f)}, f.U(6)), skin);
    f.Paint(f.Oval(w * 0.38f, cy + h * 0.12f, w * 0.3f, h * 0.13f), under);
    if (kind == Fish::kOrca) f.Paint(f.Oval(w * 0.2f, cy - h * 0.08f, w * 0.06f, h * 0.05f), Look{Hex(0xF8F8F4), 0.4f});
    f.Paint(f.Poly({{w * 0.36f, cy + h * 0.1f}, {w * 0.3f, cy + h * 0.38f}, {w * 0.44f, cy + h * 0.16f}}), skin);
    if (kind == Fish::kShark) {
        for (int i = 0; i < 3; ++i) f.Flat(f.Limb(w * (0.26f + i * 0.03f), cy - h * 0.05f, w * (0.25f + i * 0.03f), cy + h * 0.06f, 0.5f, 0.5f), Hex(0x3A4450));
        f.Mouth(w * 0.08f, w * 0.24f, cy + h * 0.06f, h * 0.06f, true);
        f.Eye(w * 0.16f, cy - h * 0.08f, h * 0.035f, Hex(0x101010), true);
    } else {
        f.Eye(w * 0.16f, cy - h * 0.02f, h * 0.035f, Hex(0x101018), false);
        f.Flat(f.Band(w * 0.1f, cy - h * 0.1f, w * 0.08f, 0.6f, 2.0f, 1), Hex(0x101018));
    }
}

void DrawAngler(Figure& f) {
    const float w = f.Width(), h = f.Height();
    Look skin{Hex(0x4A3A5A), 0.4f, 0.25f};
    f.Paint(f.Bend(w * 0.45f, h * 0.2f, w * 0.3f, h * 0.0f + 2, w * 0.12f, h * 0.12f, 1.2f, 0.8f), skin);
    f.Glow(f.Oval(w * 0.11f, h * 0.14f, 3, 3), Hex(0xC0FFE0), 5, 0.8f);
    f.Paint(f.Oval(w * 0.11f, h * 0.14f, 3, 3), Lit(Hex(0xE8FFF0), 0.9f));
    f.Paint(f.Poly({{w * 0.8f, h * 0.55f}, {w * 0.99f, h * 0.3f}, {w * 0.99f, h * 0.8f}}), skin);
    f.Paint(f.Oval(w * 0.5f, h * 0.55f, w * 0.36f, h * 0.32f), skin);
    f.Flat(f.Poly({{w * 0.16f, h * 0.48f}, {w * 0.5f, h * 0.6f}, {w * 0.2f, h * 0.78f}}), Hex(0x1A0810));
    for (int i = 0; i < 6; ++i) {
        const float t = float(i) / 5;
        f.Flat(f.Poly({{w * (0.18f + t * 0.26f), h * (0.5f + t * 0.08f)}, {w * (0.2f + t * 0.26f), h * (0.58f + t * 0.06f)}, {w * (0.22f + t * 0.26f), h * (0.52f + t * 0.08f)}}), Hex(0xFFF8E8));
        f.Flat(f.Poly({{w * (0.2f + t * 0.26f), h * (0.76f - t * 0.1f)}, {w * (0.22f + t * 0.26f), h * (0.68f - t * 0.1f)}, {w * (0.24f + t * 0.26f), h * (0.76f - t * 0.1f)}}), Hex(0xFFF8E8));
    }
    f.Eye(w * 0.36f, h * 0.38f, h * 0.06f, Hex(0xE0F040), true);
}

void DrawJellyfish(Figure& f, Rgba bell) {
    const float w = f.Width(), h = f.Height(), cx = w / 2;
    Look jelly{bell, 0.7f, 0, 0, 0.3f};
    for (int i = 0; i < 6; ++i) {
        const float x = cx - w * 0.25f + i * w * 0.1f;
        f.Paint(f.Bend(x, h * 0.45f, x + (i % 2 ? 6 : -6), h * 0.7f, x + (i % 2 ? -3 : 3), h - 3, 1.4f, 0.6f), Lit(Mix(bell, Hex(0xFFFFFF), 0.4f), 0.4f));
    }
    f.Glow(f.Oval(cx, h * 0.3f, w * 0.3f, h * 0.2f), bell, 4, 0.3f);
    f.Paint(Intersect(f.Oval(cx, h * 0.42f, w * 0.36f, h * 0.36f), f.Box(cx, h * 0.25f, w * 0.4f, h * 0.2f)), jelly);
    f.Eyes(cx, h * 0.34f, w * 0.2f, w * 0.05f, Hex(0x201030));
}

void DrawToad(Figure& f, Rgba skin) {
    const float w = f.Width(), h = f.Height(), cx = w / 2;
    Look warts{skin, 0.35f, 0.2f};
    warts.pattern = [](Vec2 p) { return SmoothStep(0.75f, 0.85f, std::sin(p.x * 0.7f) * std::sin(p.y * 0.8f)); };
    warts.patternColour = Shade(skin, 0.7f);
    for (float s : {-1.0f, 1.0f}) f.Paint(f.Oval(cx + s * w * 0.34f, h * 0.8f, w * 0.16f, h * 0.14f), warts);
    f.Paint(f.Oval(cx, h * 0.62f, w * 0.42f, h * 0.3f), warts);
    f.Paint(f.Oval(cx, h * 0.74f, w * 0.3f, h * 0.16f), Look{Hex(0xE8E0B0), 0.2f});
    for (float s : {-1.0f, 1.0f}) {
        f.Paint(f.Oval(cx + s * w * 0.2f, h * 0.34f, w * 0.12f, h * 0.12f), warts);
        f.Eye(cx + s * w * 0.2f, h * 0.32f, w * 0.08f, Hex(0xE0C020), false);
        f.Paint(f.Oval(cx + s * w * 0.2f, h * 0.93f, w * 0.08f, h * 0.05f), warts);
    }
    f.Flat(f.Band(cx, h * 0.36f, w * 0.3f, 0.5f, 2.64f, 1.6f), Hex(0x2A1A14));
}

void DrawChaos(Figure& f) {
    const float w = f.Width(), h = f.Height(), cx = w / 2;
    Dice& d = f.Random();
    f.Glow(f.Oval(cx, h * 0.5f, w * 0.4f, h * 0.4f), Hex(0x8A30FF), w * 0.06f, 0.4f);
    for (int i = 0; i < 9; ++i) {
        const float a = -3.0f + i * 0.38f;
        const float x1 = cx + std::cos(a) * w * 0.5f, y1 = h * 0.5f + std::sin(a) * h * 0.5f + h * 0.3f;
        f.Paint(f.Bend(cx + std::cos(a) * w * 0.2f, h * 0.5f, cx + std::cos(a) * w * 0.45f + d.Range(-8, 8), h * 0.75f, x1, std::min(h - 3, y1), w * 0.04f, w * 0.01f),
                Look{Hex(0x2A1A3A), 0.4f});
    }
    Look mass{Hex(0x24183A), 0.5f, 0.3f};
    mass.pattern = [](Vec2 p) { return SmoothStep(0.7f, 0.95f, std::sin(p.x * 0.15f + std::sin(p.y * 0.12f) * 3) * 0.5f + 0.5f); };
    mass.patternColour = Hex(0x6A2AA0);
    f.Paint(Union({f.Oval(cx, h * 0.45f, w * 0.34f, h * 0.32f), f.Oval(cx - w * 0.2f, h * 0.6f, w * 0.2f, h * 0.2f), f.Oval(cx + w * 0.22f, h * 0.58f, w * 0.2f, h * 0.22f),
                   f.Oval(cx, h * 0.2f, w * 0.18f, h * 0.16f)},
                  f.U(10)),
            mass);
    f.Paint(f.Both(f.Bend(cx - w * 0.12f, h * 0.12f, cx - w * 0.3f, h * 0.0f + 3, cx - w * 0.38f, h * 0.12f, w * 0.03f, w * 0.008f)), Shiny(Hex(0xD8C8E8)));
    f.Eye(cx, h * 0.38f, w * 0.1f, Hex(0xFF3050), true);
    for (int i = 0; i < 7; ++i) f.Eye(cx + d.Range(-0.3f, 0.3f) * w, h * d.Range(0.2f, 0.7f), w * d.Range(0.025f, 0.045f), d.Chance(0.5) ? Hex(0xFFD030) : Hex(0x60FFD0), true);
    f.Mouth(cx - w * 0.14f, cx + w * 0.14f, h * 0.55f, h * 0.05f, true);
}

}  // namespace assetgen
