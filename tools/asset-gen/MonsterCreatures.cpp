// The smaller families: slimes and mimics, birds and bats, insects,
// serpents and dragons.
#include <cmath>

#include "tools/asset-gen/Figure.h"
#include "tools/asset-gen/MonsterFamilies.h"

namespace assetgen {

void DrawBlob(Figure& f, Rgba body, bool crown) {
    const float w = f.Width(), h = f.Height(), cx = w / 2;
    const float top = crown ? h * 0.22f : h * 0.04f;
    const float bh = h - 2 - top;
    Look gel{body, 0.9f, 0, 0, 0.15f};
    f.Paint(Union({f.Oval(cx, h - 2 - bh * 0.38f, w * 0.46f, bh * 0.4f), f.Poly({{cx - w * 0.3f, h - bh * 0.6f}, {cx, top}, {cx + w * 0.3f, h - bh * 0.6f}})}, f.U(w * 0.2f)), gel);
    f.Paint(f.Oval(cx - w * 0.2f, top + bh * 0.35f, w * 0.07f, bh * 0.1f, 0.5f), Lit(Hex(0xFFFFFF), 0.9f));
    f.Eyes(cx, h - bh * 0.5f, w * 0.3f, w * 0.08f, Hex(0x201810));
    f.Mouth(cx - w * 0.14f, cx + w * 0.14f, h - bh * 0.32f, bh * 0.08f, false);
    if (crown) {
        f.Paint(f.Poly({{cx - w * 0.18f, top + 6}, {cx - w * 0.22f, top - h * 0.14f}, {cx - w * 0.08f, top - h * 0.05f}, {cx, top - h * 0.18f}, {cx + w * 0.08f, top - h * 0.05f},
                        {cx + w * 0.22f, top - h * 0.14f}, {cx + w * 0.18f, top + 6}}),
                Shiny(Hex(0xF0C030)));
    }
}

void DrawChest(Figure& f) {
    const float w = f.Width(), h = f.Height(), cx = w / 2;
    Look wood{Hex(0x8A5A2A), 0.15f, 0.35f};
    Look band = Metal(Hex(0xD8B048));
    f.Paint(f.Box(cx, h * 0.7f, w * 0.44f, h * 0.28f, 3), wood);
    f.Flat(f.Poly({{cx - w * 0.4f, h * 0.42f}, {cx + w * 0.4f, h * 0.42f}, {cx + w * 0.36f, h * 0.56f}, {cx - w * 0.36f, h * 0.56f}}), Hex(0x3A0A14));
    f.Flat(f.Oval(cx + w * 0.05f, h * 0.56f, w * 0.16f, h * 0.1f), Hex(0xD84A6A));
    for (int i = 0; i < 7; ++i) {
        const float x = cx - w * 0.34f + i * w * 0.113f;
        f.Paint(f.Poly({{x - 3, h * 0.43f}, {x, h * 0.52f}, {x + 3, h * 0.43f}}), Shiny(Hex(0xFFF8E8)));
        f.Paint(f.Poly({{x - 3, h * 0.56f}, {x, h * 0.48f}, {x + 3, h * 0.56f}}), Shiny(Hex(0xFFF8E8)));
    }
    f.Paint(f.Poly({{cx - w * 0.46f, h * 0.42f}, {cx - w * 0.42f, h * 0.12f}, {cx, h * 0.04f}, {cx + w * 0.42f, h * 0.12f}, {cx + w * 0.46f, h * 0.42f}}), wood);
    for (float x : {cx - w * 0.3f, cx + w * 0.3f}) {
        f.Paint(f.Box(x, h * 0.7f, 3, h * 0.28f, 1), band);
        f.Paint(f.Poly({{x - 3, h * 0.42f}, {x - 3, h * 0.1f}, {x + 3, h * 0.08f}, {x + 3, h * 0.42f}}), band);
    }
    f.Eyes(cx, h * 0.26f, w * 0.3f, w * 0.07f, Hex(0xFF3020), true);
}

void DrawBird(Figure& f, Rgba feathers, Rgba belly, bool fiery, bool crest) {
    const float w = f.Width(), h = f.Height();
    Look plume = fiery ? Lit(feathers, 0.55f) : Look{feathers, 0.15f, 0.15f};
    plume.pattern = [](Vec2 p) { return 0.3f * SmoothStep(0.75f, 1.0f, std::fabs(std::sin(p.x * 0.35f + p.y * 0.25f))); };
    plume.patternColour = Shade(feathers, 0.6f);
    if (fiery) f.Glow(f.Oval(w * 0.55f, h * 0.5f, w * 0.3f, h * 0.26f), Hex(0xFF9030), h * 0.05f, 0.4f);
    // Far wing raised behind, tail, body, near wing, head.
    f.Paint(f.Poly({{w * 0.5f, h * 0.45f}, {w * 0.75f, h * 0.05f}, {w * 0.98f, h * 0.02f}, {w * 0.82f, h * 0.25f}, {w * 0.9f, h * 0.3f}, {w * 0.7f, h * 0.5f}}), Look{Shade(feathers, 0.7f), 0.1f});
    f.Paint(f.Poly({{w * 0.7f, h * 0.58f}, {w * 0.98f, h * 0.72f}, {w * 0.95f, h * 0.82f}, {w * 0.7f, h * 0.7f}}), plume);
    f.Paint(f.Oval(w * 0.52f, h * 0.6f, w * 0.24f, h * 0.17f, -0.25f), plume);
    f.Paint(f.Oval(w * 0.45f, h * 0.66f, w * 0.14f, h * 0.1f, -0.25f), Look{belly, 0.1f, 0.2f});
    for (float x : {w * 0.46f, w * 0.56f}) {
        f.Paint(f.Limb(x, h * 0.72f, x - 2, h * 0.92f, 1.4f, 1.1f), Skin(Hex(0xD8A040)));
        for (float k : {-1.0f, 0.0f, 1.0f}) f.Paint(f.Limb(x - 2, h * 0.93f, x - 2 + k * 3.5f - 1, h - 2, 0.9f, 0.5f), Skin(Hex(0xD8A040)));
    }
    f.Paint(f.Poly({{w * 0.45f, h * 0.55f}, {w * 0.42f, h * 0.15f}, {w * 0.62f, h * 0.0f + 2}, {w * 0.66f, h * 0.2f}, {w * 0.78f, h * 0.22f}, {w * 0.7f, h * 0.38f},
                    {w * 0.78f, h * 0.45f}, {w * 0.62f, h * 0.6f}}),
            plume);
    f.Paint(f.Limb(w * 0.38f, h * 0.55f, w * 0.26f, h * 0.38f, h * 0.08f, h * 0.09f), plume);
    f.Paint(f.Oval(w * 0.22f, h * 0.33f, h * 0.12f, h * 0.11f), plume);
    if (crest) f.Paint(f.Poly({{w * 0.24f, h * 0.24f}, {w * 0.3f, h * 0.06f}, {w * 0.34f, h * 0.16f}, {w * 0.4f, h * 0.1f}, {w * 0.32f, h * 0.3f}}), plume);
    f.Paint(f.Poly({{w * 0.14f, h * 0.3f}, {w * 0.02f, h * 0.37f}, {w * 0.06f, h * 0.42f}, {w * 0.16f, h * 0.38f}}), Shiny(Hex(0xE8B030)));
    f.Eye(w * 0.2f, h * 0.3f, h * 0.035f, Hex(0xE0A020), true);
}

void DrawBat(Figure& f, Rgba body) {
    const float w = f.Width(), h = f.Height(), cx = w / 2;
    Look wing{Shade(body, 0.8f), 0.15f};
    f.Paint(f.Both(f.Poly({{cx, h * 0.4f}, {cx - w * 0.2f, h * 0.12f}, {cx - w * 0.48f, h * 0.18f}, {cx - w * 0.42f, h * 0.45f}, {cx - w * 0.34f, h * 0.38f},
                           {cx - w * 0.28f, h * 0.62f}, {cx - w * 0.18f, h * 0.5f}, {cx - w * 0.08f, h * 0.66f}})),
            wing);
    f.Paint(f.Oval(cx, h * 0.48f, w * 0.13f, h * 0.2f), Fur(body));
    f.Paint(f.Both(f.Poly({{cx - w * 0.1f, h * 0.3f}, {cx - w * 0.14f, h * 0.08f}, {cx - w * 0.02f, h * 0.26f}})), Fur(body));
    f.Eyes(cx, h * 0.4f, w * 0.1f, w * 0.035f, Hex(0xFF3030), true);
    f.Mouth(cx - w * 0.05f, cx + w * 0.05f, h * 0.5f, h * 0.05f, true);
}

void DrawBee(Figure& f, Rgba body, Rgba stripes) {
    const float w = f.Width(), h = f.Height();
    Look wing = Lit(Hex(0xE0F4FF), 0.3f);
    f.Paint(f.Oval(w * 0.55f, h * 0.22f, w * 0.2f, h * 0.12f, -0.5f), wing);
    Look abdomen{body, 0.35f};
    abdomen.pattern = [](Vec2 p) { return SmoothStep(0.2f, 0.4f, std::sin((p.x + p.y * 0.6f) * 0.5f)); };
    abdomen.patternColour = stripes;
    f.Paint(f.Oval(w * 0.66f, h * 0.55f, w * 0.26f, h * 0.2f, 0.5f), abdomen);
    f.Paint(f.Poly({{w * 0.84f, h * 0.68f}, {w * 0.98f, h * 0.86f}, {w * 0.8f, h * 0.76f}}), Shiny(Hex(0x201818)));
    f.Paint(f.Oval(w * 0.38f, h * 0.45f, w * 0.13f, h * 0.13f), Fur(Shade(body, 0.9f)));
    for (int i = 0; i < 3; ++i) f.Paint(f.Bend(w * (0.32f + i * 0.08f), h * 0.52f, w * (0.28f + i * 0.08f), h * 0.75f, w * (0.24f + i * 0.1f), h * 0.92f, 1.1f, 0.7f), Look{Hex(0x2A2020)});
    f.Paint(f.Oval(w * 0.2f, h * 0.38f, w * 0.12f, h * 0.12f), Look{stripes, 0.3f});
    f.Paint(f.Oval(w * 0.42f, h * 0.26f, w * 0.18f, h * 0.1f, -0.9f), wing);
    f.Eye(w * 0.15f, h * 0.36f, h * 0.06f, Hex(0xC02020), true);
    f.Paint(f.Bend(w * 0.18f, h * 0.28f, w * 0.12f, h * 0.1f, w * 0.04f, h * 0.08f, 0.7f, 0.5f), Look{Hex(0x2A2020)});
}

void DrawMoth(Figure& f, Rgba wings, Rgba marks) {
    const float w = f.Width(), h = f.Height(), cx = w / 2;
    Look l{wings, 0.15f, 0.25f};
    l.pattern = [cx, w, h](Vec2 p) {
        const float dx = std::fabs(p.x - cx) - w * 0.28f, dy = p.y - h * 0.34f;
        return SmoothStep(0.8f, 0.5f, std::sqrt(dx * dx + dy * dy) / (w * 0.08f));
    };
    l.patternColour = marks;
    f.Paint(f.Both(f.Oval(cx - w * 0.26f, h * 0.36f, w * 0.25f, h * 0.26f, 0.4f)), l);
    f.Paint(f.Both(f.Oval(cx - w * 0.18f, h * 0.66f, w * 0.16f, h * 0.2f, -0.3f)), Look{Shade(wings, 0.8f), 0.15f, 0.25f});
    f.Paint(f.Oval(cx, h * 0.55f, w * 0.06f, h * 0.28f), Fur(Hex(0x6A5A4A)));
    f.Paint(f.Oval(cx, h * 0.26f, w * 0.08f, h * 0.08f), Fur(Hex(0xD8D0C0)));
    f.Paint(f.Both(f.Bend(cx - 2, h * 0.2f, cx - w * 0.1f, h * 0.05f, cx - w * 0.2f, h * 0.04f, 0.8f, 0.6f)), Look{Hex(0x4A3A2A)});
    f.Eyes(cx, h * 0.26f, w * 0.08f, w * 0.03f, Hex(0x201010), true);
}

void DrawMantis(Figure& f, Rgba body) {
    const float w = f.Width(), h = f.Height();
    Look chitin{body, 0.4f};
    f.Paint(f.Oval(w * 0.7f, h * 0.62f, w * 0.26f, h * 0.1f, -0.2f), chitin);
    for (float x : {w * 0.55f, w * 0.7f, w * 0.82f}) f.Paint(f.Bend(x, h * 0.64f, x + 4, h * 0.8f, x + 2, h - 2, 1.3f, 0.8f), Look{Shade(body, 0.8f), 0.3f});
    f.Paint(f.Limb(w * 0.48f, h * 0.6f, w * 0.36f, h * 0.3f, h * 0.05f, h * 0.04f), chitin);
    for (float s : {0.0f, 1.0f}) {
        const float ox = s * 5;
        f.Paint(f.Limb(w * 0.4f + ox, h * 0.38f, w * 0.18f + ox, h * 0.48f, 2.5f, 2.2f), chitin);
        f.Paint(f.Poly({{w * 0.18f + ox, h * 0.46f}, {w * 0.06f + ox, h * 0.16f}, {w * 0.12f + ox, h * 0.16f}, {w * 0.22f + ox, h * 0.44f}}), Look{Shade(body, 1.1f), 0.5f});
    }
    f.Paint(f.Poly({{w * 0.32f, h * 0.22f}, {w * 0.44f, h * 0.18f}, {w * 0.42f, h * 0.32f}}), chitin);
    f.Eye(w * 0.35f, h * 0.22f, h * 0.04f, Hex(0xE0E040), true);
    f.Eye(w * 0.43f, h * 0.21f, h * 0.04f, Hex(0xE0E040), true);
}

void DrawSpider(Figure& f, Rgba body, Rgba mark) {
    const float w = f.Width(), h = f.Height(), cx = w / 2;
    Look leg{Shade(body, 0.85f), 0.3f, 0.2f};
    for (int i = 0; i < 4; ++i) {
        const float a = 0.25f + i * 0.22f;
        for (float s : {-1.0f, 1.0f}) {
            const float kx = cx + s * w * (0.28f + i * 0.04f), ky = h * (0.28f + i * 0.02f);
            f.Paint(f.Limb(cx + s * w * 0.08f, h * 0.55f, kx, ky, 2.2f, 1.8f), leg);
            f.Paint(f.Limb(kx, ky, cx + s * w * (0.36f + a * 0.15f), h - 3, 1.8f, 1.0f), leg);
        }
    }
    Look abdomen{body, 0.35f, 0.2f};
    abdomen.pattern = [cx, h](Vec2 p) { return SmoothStep(0.3f, 0.1f, std::fabs(p.x - cx) / (h * 0.1f) + std::fabs(p.y - h * 0.38f) / (h * 0.14f) - 0.6f); };
    abdomen.patternColour = mark;
    f.Paint(f.Oval(cx, h * 0.42f, w * 0.24f, h * 0.24f), abdomen);
    f.Paint(f.Oval(cx, h * 0.64f, w * 0.14f, h * 0.12f), Look{Shade(body, 0.9f), 0.3f});
    for (int i = 0; i < 2; ++i) f.Eyes(cx, h * (0.62f + i * 0.06f), w * (0.1f - i * 0.04f), h * 0.028f, Hex(0xFF2020), true);
    f.Paint(f.Both(f.Poly({{cx - 4, h * 0.72f}, {cx - 2, h * 0.8f}, {cx - 1, h * 0.72f}})), Shiny(Hex(0xE8E0D0)));
}

void DrawCentipede(Figure& f, Rgba body) {
    const float w = f.Width(), h = f.Height();
    const int segments = 9;
    for (int i = segments - 1; i >= 0; --i) {
        const float t = float(i) / (segments - 1);
        const float x = w * (0.18f + 0.74f * t), y = h * (0.35f + 0.45f * std::sin(t * 3.0f) * 0.6f + t * 0.25f);
        const float r = h * (0.13f - t * 0.05f);
        for (float s : {-1.0f, 1.0f}) f.Paint(f.Limb(x, y, x - 3 + s * 4, std::min(h - 2, y + r * 2.2f), 1.0f, 0.6f), Look{Hex(0xE0A040), 0.3f});
        f.Paint(f.Oval(x, y, r * 1.1f, r), Look{i % 2 ? Shade(body, 0.85f) : body, 0.45f});
    }
    f.Paint(f.Oval(w * 0.14f, h * 0.3f, h * 0.14f, h * 0.12f), Look{Shade(body, 1.1f), 0.45f});
    f.Paint(f.Both(f.Bend(w * 0.1f, h * 0.2f, w * 0.05f, h * 0.05f, w * 0.14f, h * 0.02f, 0.8f, 0.5f)), Look{Hex(0xE0A040), 0.3f});
    f.Eye(w * 0.1f, h * 0.27f, h * 0.035f, Hex(0xFFE040), true);
    f.Paint(f.Poly({{w * 0.06f, h * 0.38f}, {w * 0.02f, h * 0.46f}, {w * 0.1f, h * 0.4f}}), Shiny(Hex(0xF0E8D0)));
}

void DrawSerpent(Figure& f, Rgba body, Rgba belly, int heads, bool fins, bool worm) {
    const float w = f.Width(), h = f.Height();
    Look scales{body, 0.35f, 0.1f};
    scales.pattern = worm ? std::function<float(Vec2)>([](Vec2 p) { return 0.4f * SmoothStep(0.7f, 1.0f, std::fabs(std::sin(p.x * 0.35f + p.y * 0.2f))); })
                          : std::function<float(Vec2)>([](Vec2 p) { return 0.3f * SmoothStep(0.4f, 0.9f, std::fabs(std::sin(p.x * 0.9f) * std::sin(p.y * 0.9f + p.x * 0.4f))); });
    scales.patternColour = Shade(body, 0.6f);
    const float r = h * (heads > 1 ? 0.14f : 0.1f);
    // The coiled body: an S of overlapping discs ending in the tail.
    const int n = 26;
    for (int i = n - 1; i >= 0; --i) {
        const float t = float(i) / (n - 1);
        const float x = w * (0.3f + 0.55f * t + 0.1f * std::sin(t * 9.0f));
        const float y = h * (0.62f + 0.22f * std::cos(t * 7.0f) * (1 - t * 0.4f));
        const float rr = r * (1.0f - 0.6f * t);
        f.Paint(f.Oval(x, std::min(y, h - 2 - rr), rr * 1.15f, rr), scales);
    }
    if (fins) f.Paint(f.Poly({{w * 0.5f, h * 0.45f}, {w * 0.58f, h * 0.28f}, {w * 0.66f, h * 0.42f}, {w * 0.74f, h * 0.3f}, {w * 0.8f, h * 0.5f}}), Lit(Hex(0x80D0E0), 0.2f));
    for (int k = heads - 1; k >= 0; --k) {
        // Several heads fan out over the coils; one head rears up at the front.
        const float spread = heads > 1 ? (float(k) / (heads - 1) - 0.5f) : 0;
        const float a = -1.5708f + spread * 2.0f;
        const float reach = heads > 1 ? h * (0.42f + 0.06f * (k % 2)) : 0;
        const float baseX = heads > 1 ? w * 0.5f : w * 0.32f, baseY = h * 0.62f;
        const float nx = heads > 1 ? baseX + std::cos(a) * reach * 1.2f : w * 0.3f;
        const float ny = heads > 1 ? baseY + std::sin(a) * reach + r : h * 0.22f;
        f.Paint(f.Bend(baseX, baseY, (baseX + nx) * 0.5f + r, (baseY + ny) * 0.5f, nx + r * 0.3f, ny + r * 0.3f, r * 0.85f, r * 0.65f), scales);
        if (heads == 1) f.Paint(f.Bend(w * 0.3f, h * 0.64f, w * 0.18f, h * 0.47f, nx - r * 0.2f, ny + r * 1.2f, r * 0.35f, r * 0.3f), Look{belly, 0.2f});
        if (worm) {
            f.Paint(f.Oval(nx, ny, r * 1.0f, r * 1.0f), scales);
            f.Flat(f.Oval(nx - r * 0.3f, ny, r * 0.5f, r * 0.7f), Hex(0x3A0A14));
            for (int i = 0; i < 6; ++i) {
                const float a = i * 1.047f;
                f.Flat(f.Poly({{nx - r * 0.3f + std::cos(a) * r * 0.5f, ny + std::sin(a) * r * 0.7f}, {nx - r * 0.3f + std::cos(a) * r * 0.2f, ny + std::sin(a) * r * 0.3f},
                               {nx - r * 0.3f + std::cos(a + 0.4f) * r * 0.5f, ny + std::sin(a + 0.4f) * r * 0.7f}}),
                       Hex(0xFFF4E0));
            }
            continue;
        }
        f.Paint(f.Oval(nx - r * 0.3f, ny, r * 1.3f, r * 0.85f, -0.15f), scales);
        if (fins) f.Paint(f.Poly({{nx + r * 0.4f, ny - r * 0.5f}, {nx + r * 1.4f, ny - r * 1.2f}, {nx + r * 0.9f, ny}}), Lit(Hex(0x80D0E0), 0.2f));
        f.Eye(nx - r * 0.5f, ny - r * 0.3f, r * 0.25f, Hex(0xF0E020), true);
        f.Mouth(nx - r * 1.55f, nx - r * 0.3f, ny + r * 0.3f, r * 0.18f, true);
        f.Paint(f.Bend(nx - r * 1.5f, ny + r * 0.45f, nx - r * 1.9f, ny + r * 0.55f, nx - r * 2.1f, ny + r * 0.35f, r * 0.06f, r * 0.04f), Look{Hex(0xD03040)});
    }
}

void DrawDragon(Figure& f, Rgba scales, Rgba belly, Rgba wings, bool bones, bool wyvern) {
    const float w = f.Width(), h = f.Height();
    Look hide = bones ? Look{Hex(0xE8E0CC), 0.25f, 0.1f} : Look{scales, 0.4f, 0.1f};
    if (!bones) {
        hide.pattern = [](Vec2 p) { return 0.3f * SmoothStep(0.4f, 0.9f, std::fabs(std::sin(p.x * 0.7f) * std::sin(p.y * 0.7f + p.x * 0.35f))); };
        hide.patternColour = Shade(scales, 0.6f);
    }
    const Look membrane = bones ? Look{Hex(0x4A3A5A, 0.6f), 0.1f} : Look{wings, 0.15f};
    const float bx = w * 0.55f, by = h * 0.64f, rx = w * 0.24f, ry = h * 0.17f;
    auto wing = [&](float dx, float dy, float k) {
        const float ax = bx + dx, ay = by - ry * 0.6f + dy;
        const std::vector<Vec2> bonesAt = {{ax - w * 0.05f * k, ay - h * 0.45f * k}, {ax + w * 0.12f * k, ay - h * 0.5f * k}, {ax + w * 0.3f * k, ay - h * 0.35f * k}, {ax + w * 0.38f * k, ay - h * 0.12f * k}};
        f.Paint(f.Poly({{ax, ay}, bonesAt[0], bonesAt[1], {ax + w * 0.15f * k, ay - h * 0.25f * k}, bonesAt[2], {ax + w * 0.24f * k, ay - h * 0.08f * k}, bonesAt[3], {ax + w * 0.1f * k, ay + h * 0.02f}}),
                Look{dx < 0 ? membrane.colour : Shade(membrane.colour, 0.7f), 0.1f});
        for (Vec2 b : bonesAt) f.Paint(f.Limb(ax, ay, b.x, b.y, 1.4f * k, 0.8f * k), hide);
    };
    wing(w * 0.04f, -h * 0.04f, 0.85f);  // far wing
    // Tail, far legs, body.
    f.Paint(f.Bend(bx + rx * 0.8f, by, w * 0.95f, h * 0.75f, w * 0.97f, h * 0.45f, ry * 0.6f, 1.5f), hide);
    f.Paint(f.Poly({{w * 0.97f, h * 0.42f}, {w * 0.92f, h * 0.5f}, {w * 0.995f, h * 0.52f}}), hide);
    if (!wyvern) f.Paint(f.Limb(bx - rx * 0.5f, by, bx - rx * 0.6f, h - 4, ry * 0.45f, ry * 0.32f), Look{Shade(hide.colour, 0.7f), 0.3f});
    f.Paint(f.Limb(bx + rx * 0.5f, by, bx + rx * 0.6f, h - 4, ry * 0.55f, ry * 0.38f), Look{Shade(hide.colour, 0.7f), 0.3f});
    if (bones) {
        f.Paint(f.Limb(bx - rx, by - ry * 0.3f, bx + rx, by - ry * 0.3f, ry * 0.2f, ry * 0.15f), hide);
        for (int i = 0; i < 6; ++i) {
            const float x = bx - rx * 0.8f + i * rx * 0.32f;
            f.Paint(f.Bend(x, by - ry * 0.3f, x - 3, by + ry * 0.6f, x + 2, by + ry * 1.0f, 1.3f, 0.8f), hide);
        }
    } else {
        f.Paint(f.Oval(bx, by, rx, ry), hide);
        Look plates{belly, 0.3f};
        plates.pattern = [](Vec2 p) { return 0.3f * SmoothStep(0.8f, 1.0f, std::fabs(std::sin(p.x * 0.6f))); };
        plates.patternColour = Shade(belly, 0.7f);
        f.Paint(f.Oval(bx - rx * 0.2f, by + ry * 0.45f, rx * 0.7f, ry * 0.45f), plates);
    }
    // Neck and head, facing left.
    const float hx = w * 0.16f, hy = h * 0.24f, hr = h * 0.08f;
    f.Paint(f.Bend(bx - rx * 0.7f, by - ry * 0.3f, w * 0.24f, h * 0.5f, hx + hr * 0.6f, hy + hr * 0.4f, ry * 0.7f, hr * 0.7f), hide);
    f.Paint(f.Bend(hx + hr * 0.2f, hy - hr * 0.5f, hx + hr * 1.4f, hy - hr * 1.3f, hx + hr * 2.4f, hy - hr * 1.1f, hr * 0.25f, hr * 0.05f), Shiny(Hex(0xE8DCC0)));
    f.Paint(f.Oval(hx, hy, hr * 1.1f, hr * 0.85f), hide);
    f.Paint(f.Limb(hx - hr * 0.3f, hy + hr * 0.1f, hx - hr * 1.7f, hy + hr * 0.35f, hr * 0.6f, hr * 0.38f), hide);
    if (bones) {
        f.Flat(f.Oval(hx - hr * 0.1f, hy - hr * 0.1f, hr * 0.35f, hr * 0.3f), Hex(0x100810));
        f.Glow(f.Oval(hx - hr * 0.1f, hy - hr * 0.1f, hr * 0.1f, hr * 0.1f), Hex(0x60F0FF), hr * 0.3f, 0.9f);
    } else {
        f.Eye(hx - hr * 0.2f, hy - hr * 0.2f, hr * 0.26f, Hex(0xF0C020), true);
    }
    f.Mouth(hx - hr * 1.9f, hx - hr * 0.2f, hy + hr * 0.55f, hr * 0.25f, true);
    if (!wyvern) {
        f.Paint(f.Oval(bx - rx * 0.65f, by + ry * 0.2f, ry * 0.55f, ry * 0.7f), hide);
        f.Paint(f.Limb(bx - rx * 0.7f, by + ry * 0.4f, bx - rx * 0.95f, h - 4, ry * 0.45f, ry * 0.32f), hide);
        f.Paint(f.Oval(bx - rx * 1.05f, h - 4, ry * 0.5f, ry * 0.22f), hide);
    }
    f.Paint(f.Oval(bx + rx * 0.45f, by + ry * 0.1f, ry * 0.75f, ry * 0.9f), hide);
    f.Paint(f.Limb(bx + rx * 0.45f, by + ry * 0.5f, bx + rx * 0.3f, h - 4, ry * 0.55f, ry * 0.38f), hide);
    f.Paint(f.Oval(bx + rx * 0.2f, h - 4, ry * 0.6f, ry * 0.25f), hide);
    wing(-w * 0.06f, 0, 1.0f);  // near wing
}

}  // namespace assetgen
