// Places people made or blessed: the town, the camp, the demon king's hall
// and castle, old ruins, and the promised land.
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

// Light from a fire or a torch: brightens what is near it, warmly.
void PointLight(Canvas& c, Vec2 at, float radius, Rgba colour, float strength) {
    for (int y = 0; y < c.Height(); ++y)
        for (int x = 0; x < c.Width(); ++x) {
            const float k = std::exp(-Length(Vec2{x + 0.5f, y + 0.5f} - at) / radius) * strength;
            if (k < 0.003f) continue;
            Rgba& p = c.At(x, y);
            p.r += (p.r * 2.2f + 0.12f) * colour.r * k;
            p.g += (p.g * 2.2f + 0.12f) * colour.g * k;
            p.b += (p.b * 2.2f + 0.12f) * colour.b * k;
        }
}

void Flame(Canvas& c, Vec2 base, float size, uint32_t seed) {
    Dice dice(seed);
    Glow(c, Circle(base + Vec2{0, -size * 0.5f}, size * 0.4f), Hex(0xFF7A20), size * 0.8f, 0.5f);
    const Rgba layers[] = {Hex(0xD0301A), Hex(0xFF8A20), Hex(0xFFE070), Hex(0xFFFBE0)};
    for (int i = 0; i < 4; ++i) {
        const float s = size * (1 - i * 0.22f);
        for (int k = 0; k < 3; ++k) {
            const float dx = dice.Range(-0.25f, 0.25f) * s;
            const Shape tongue = Union({Circle(base + Vec2{dx * 0.3f, -s * 0.3f}, s * 0.32f),
                                        Polygon({{base.x + dx * 0.3f - s * 0.3f, base.y - s * 0.35f},
                                                 {base.x + dx, base.y - s * dice.Range(0.9f, 1.25f)},
                                                 {base.x + dx * 0.3f + s * 0.3f, base.y - s * 0.35f}})},
                                       s * 0.15f);
            Fill(c, tongue, WithAlpha(layers[i], 0.8f));
        }
    }
}

// A house: plastered wall (timbered or not), tiled gable roof, windows, a
// door and a chimney, lit from the left; `haze` fades it into the distance.
void House(Canvas& c, float left, float base, float width, float height, Rgba wall, Rgba roof, Rgba haze,
           float hazeAmount, uint32_t seed) {
    Dice dice(seed);
    const float top = base - height;
    const float roofHeight = width * dice.Range(0.38f, 0.55f);
    const bool timbered = dice.Chance(0.5);
    auto fade = [&](Rgba col) { return Mix(col, haze, hazeAmount); };
    // Chimney first, so the roof hides its foot.
    const float cx = left + width * dice.Range(0.62f, 0.8f);
    Fill(c, RoundRect({cx, top - roofHeight * 0.55f}, {width * 0.05f, roofHeight * 0.35f}, 1), fade(Hex(0x7A5A4A)));
    FillWith(c, RoundRect({left + width / 2, top + height / 2}, {width / 2, height / 2}, 1), [&](Vec2 p, float) {
        const float across = (p.x - left) / width;
        const float n = Fbm2(p.x * 0.08f, p.y * 0.08f, seed, 3);
        Rgba col = Shade(wall, 1.08f - across * 0.2f + (n - 0.5f) * 0.12f);
        if (timbered) {
            const float beamX = std::fabs(std::fmod(p.x - left + 1000, width / 3) - 0.0f);
            const bool beam = beamX < 3 || std::fabs(p.y - (top + height * 0.45f)) < 2 || p.y < top + 3;
            if (beam) col = Hex(0x4A3222);
        }
        // The eaves cast a shadow on the top of the wall.
        col = Shade(col, 1 - 0.35f * SmoothStep(top + 12, top, p.y));
        return fade(col);
    });
    const Shape gable = Polygon({{left - 7, top + 2}, {left + width / 2, top - roofHeight}, {left + width + 7, top + 2}});
    FillWith(c, gable, [&](Vec2 p, float d) {
        const float row = std::fmod(p.y - top + 200, 7.0f);
        const float offset = (int((p.y - top + 200) / 7) % 2) * 5.0f;
        const float seam = std::fmod(p.x + offset + 200, 10.0f);
        float k = (p.x < left + width / 2 ? 1.05f : 0.8f) * (row < 1.2f ? 0.7f : 1.0f) * (seam < 1 ? 0.85f : 1.0f);
        k *= 0.9f + 0.2f * Hash2(int((p.x + offset) / 10), int((p.y - top + 200) / 7), seed);
        return fade(Mix(Shade(roof, k), Shade(roof, 0.4f), SmoothStep(-1.5f, 0, d) * 0.7f));
    });
    const int columns = std::max(1, int(width / 34));
    const int floors = std::max(1, int((height - 30) / 42));
    for (int f = 0; f < floors; ++f) {
        for (int k = 0; k < columns; ++k) {
            const Vec2 at{left + width * (k + 0.5f) / columns, top + 22 + f * 42};
            if (f == floors - 1 && k == columns / 2 && floors > 0 && height < 60) continue;
            Fill(c, RoundRect(at, {8, 11}, 1), fade(Hex(0xE8DCC0)));
            FillWith(c, RoundRect(at, {6, 9}, 1), [&](Vec2 p, float) {
                const float t = (p.y - at.y + 9) / 18;
                return fade(Mix(Hex(0x9AC4E8), Hex(0x2A4466), t + 0.3f * ((p.x - at.x) > 0)));
            });
            Fill(c, RoundRect(at, {0.8f, 9}, 0), fade(Hex(0xE8DCC0)));
            Fill(c, RoundRect({at.x, at.y + 11}, {10, 1.5f}, 0.5f), fade(Hex(0x6A5040)));
        }
    }
    const float doorX = left + width * dice.Range(0.25f, 0.75f);
    FillWith(c, Union({RoundRect({doorX, base - 13}, {8, 13}, 1), Circle({doorX, base - 26}, 8)}), [&](Vec2 p, float) {
        const float plank = std::fmod(p.x - doorX + 100, 4.0f) < 0.8f ? 0.75f : 1.0f;
        return fade(Shade(Hex(0x6A4028), plank));
    });
}

// The stones of a paved square in perspective (cells of a jittered grid).
void Cobbles(Canvas& c, int horizon, Rgba stone, Rgba mortar, uint32_t seed) {
    for (int y = horizon; y < H; ++y) {
        const float dy = float(y - horizon) + 4;
        for (int x = 0; x < W; ++x) {
            const float u = (x - W * 0.5f) / dy * 9.0f, v = 900.0f / dy;
            const int cu = int(std::floor(u)), cv = int(std::floor(v));
            float d1 = 9, d2 = 9;
            int best = 0;
            for (int j = -1; j <= 1; ++j)
                for (int i = -1; i <= 1; ++i) {
                    const float px = cu + i + Hash2(cu + i, cv + j, seed), py = cv + j + Hash2(cu + i, cv + j, seed + 1);
                    const float d = Length({(u - px), (v - py) * 1.3f});
                    if (d < d1) d2 = d1, d1 = d, best = (cu + i) * 31 + (cv + j);
                    else if (d < d2) d2 = d;
                }
            const float edge = SmoothStep(0.02f, 0.12f, d2 - d1);
            Rgba col = Shade(stone, 0.8f + 0.35f * Hash2(best, 7, seed + 2));
            col = Mix(mortar, col, edge);
            col = Mix(col, Mix(stone, Hex(0xBFD0E0), 0.4f), Clamp01(1 - dy / 60) * 0.6f);
            c.At(x, y) = WithAlpha(col, 1);
        }
    }
}

void Column(Canvas& c, float x, float base, float height, float width, float broken, Rgba stone, uint32_t seed) {
    Material m(stone, width * 0.5f, 0.2f, 1.0f);
    m.texture = 0.25f;
    m.textureScale = 0.1f;
    m.seed = seed;
    m.pattern = [x, width](Vec2 p) { return 0.35f * SmoothStep(0.6f, 1.0f, std::fabs(std::sin((p.x - x) / width * 9.4f))); };
    m.patternColour = Shade(stone, 0.6f);
    FillShaded(c, RoundRect({x, base - 6}, {width * 0.85f, 6}, 1), Material(stone, 4, 0.1f, 1.0f));
    const float top = base - height;
    if (broken > 0) {
        Dice dice(seed);
        std::vector<Vec2> outline = {{x - width / 2, base - 10}, {x - width / 2, top + dice.Range(0, 10)}};
        for (int i = 1; i < 5; ++i) outline.push_back({x - width / 2 + width * i / 5, top + dice.Range(-8, 14)});
        outline.push_back({x + width / 2, top + dice.Range(0, 10)});
        outline.push_back({x + width / 2, base - 10});
        FillShaded(c, Polygon(outline), m);
    } else {
        FillShaded(c, RoundRect({x, (top + base) / 2 - 5}, {width / 2, (base - top) / 2 - 5}, 1), m);
        FillShaded(c, RoundRect({x, top}, {width * 0.8f, 6}, 1), Material(stone, 4, 0.1f, 1.0f));
    }
}

void Vine(Canvas& c, Vec2 top, float length, uint32_t seed) {
    Dice dice(seed);
    Vec2 at = top;
    for (int i = 0; i < 12; ++i) {
        const Vec2 next = at + Vec2{dice.Range(-6, 6), length / 12};
        Fill(c, Capsule(at, next, 1.2f, 1.2f), Hex(0x2E5A22));
        Material leaf(Hex(0x4E8A34), 2, 0.2f, 0.6f);
        FillShaded(c, Ellipse(next + Vec2{dice.Range(-5, 5), 0}, 3.5f, 2.2f, dice.Range(-1, 1)), leaf);
        at = next;
    }
}

}  // namespace

Canvas PaintTown() {
    Canvas c(W, H);
    const uint32_t seed = 100100;
    SkyGradient(c, {{0, Hex(0x3F7FD2)}, {200, Hex(0xA4CDF0)}});
    Clouds(c, 10, 150, 0.4f, Hex(0xFFFFFF), Hex(0xA8BCDC), 0.007f, seed);
    const Rgba haze = Hex(0xB4CCE4);
    Hills(c, 210, 30, 0.006f, Hex(0x7EA08A), Hex(0x9AB89A), seed + 1);
    // The lord's castle on the far hill.
    const Rgba far = Hex(0x8C9CC0);
    for (const float tx : {480.0f, 520.0f, 560.0f}) {
        const float h = tx == 520 ? 70 : 48;
        Fill(c, RoundRect({tx, 190 - h / 2}, {9, h / 2}, 0), far);
        Fill(c, Polygon({{tx - 12, 190 - h}, {tx, 190 - h - 22}, {tx + 12, 190 - h}}), Hex(0x6A7AA8));
    }
    Fill(c, RoundRect({520, 175}, {46, 18}, 0), far);
    Fog(c, 150, 240, haze, 0.35f);
    Cobbles(c, 232, Hex(0xB0A48E), Hex(0x5A5248), seed + 2);
    Dice dice(seed + 3);
    // Back row, hazy; front row in two blocks either side of the street.
    for (float x = -20; x < W; x += dice.Range(52, 74)) {
        const Rgba wall = dice.Pick({Hex(0xE8DCC4), Hex(0xD8C8A8), Hex(0xE4E0D6)});
        const Rgba roof = dice.Pick({Hex(0xB04A32), Hex(0x4A6A9A), Hex(0x8A5A3A), Hex(0xA8543E)});
        House(c, x, 240, dice.Range(48, 66), dice.Range(46, 64), wall, roof, haze, 0.35f, seed + 10 + unsigned(x + 20));
    }
    for (float x = -30; x < W + 20; x += dice.Range(100, 130)) {
        if (x > 200 && x < 360) x = 372;
        const Rgba wall = dice.Pick({Hex(0xF0E4CC), Hex(0xE0CCA8), Hex(0xF2EEE4), Hex(0xD8C4A0)});
        const Rgba roof = dice.Pick({Hex(0xB8442C), Hex(0x3E5E94), Hex(0x7A4A2E), Hex(0x9A3A3A)});
        House(c, x, 312, dice.Range(96, 120), dice.Range(110, 150), wall, roof, haze, 0.0f, seed + 40 + unsigned(x + 30));
    }
    // The fountain in the square.
    const Vec2 f{320, 350};
    Material stone(Hex(0xC8C0B0), 8, 0.2f, 1.0f);
    stone.texture = 0.2f;
    FillShaded(c, Ellipse({f.x, f.y + 8}, 92, 22), stone);
    Fill(c, Ellipse({f.x, f.y + 2}, 80, 15), Hex(0x4A86B8));
    FillShaded(c, RoundRect({f.x, f.y - 28}, {8, 30}, 3), stone);
    FillShaded(c, Ellipse({f.x, f.y - 56}, 30, 8), stone);
    for (int k = -3; k <= 3; ++k) {
        const float s = float(k) / 3;
        Fill(c, Curve({f.x, f.y - 66}, {f.x + s * 40, f.y - 96}, {f.x + s * 70, f.y}, 1.6f, 1.0f), Hex(0xDFF4FF, 0.55f));
    }
    Motes(c, 20, {230, 270, 410, 360}, Hex(0xFFFFFF, 0.7f), 1.2f, seed + 4);
    // Lamp posts.
    for (const float lx : {170.0f, 470.0f}) {
        Fill(c, RoundRect({lx, 330}, {2.5f, 60}, 1), Hex(0x2A2A30));
        Fill(c, RoundRect({lx, 266}, {8, 10}, 2), Hex(0x2A2A30));
        Fill(c, RoundRect({lx, 266}, {5.5f, 7}, 1), Hex(0xFFE8A0));
    }
    Vignette(c, 0.2f);
    Clip(c);
    return c;
}

Canvas PaintCamp() {
    Canvas c(W, H);
    const uint32_t seed = 300;
    SkyGradient(c, {{0, Hex(0x040818)}, {180, Hex(0x101E40)}, {270, Hex(0x243458)}});
    Stars(c, 0.007f, 260, 1.0f, seed);
    Moon(c, {120, 70}, 20, Hex(0xF4F0DC), Hex(0x7A90C8, 0.4f), 0.45f);
    Dice dice(seed + 1);
    for (int i = 0; i < 40; ++i) {
        const float x = dice.Range(-20, 660);
        ConiferTree(c, {x, dice.Range(262, 282)}, dice.Range(60, 140), Hex(0x0A1612), Hex(0x12221C), seed + 10 + unsigned(i));
    }
    Ground(c, 275, Hex(0x1A2418), Hex(0x241C14), 0.4f, 0.03f, seed + 2);
    GrassBlades(c, 278, Hex(0x0E1A0E), Hex(0x2A3A22), 0.4f, seed + 3);
    // The tent.
    const Vec2 t{480, 335};
    FillWith(c, Polygon({{t.x - 90, t.y}, {t.x - 10, t.y - 110}, {t.x + 120, t.y - 95}, {t.x + 140, t.y - 5}}), [&](Vec2, float d) {
        return Mix(Shade(Hex(0xA88A5A), 0.55f), Hex(0x2A2014), SmoothStep(-1.5f, 0, d) * 0.6f);
    });
    FillWith(c, Polygon({{t.x - 90, t.y}, {t.x - 10, t.y - 110}, {t.x + 60, t.y}}), [&](Vec2 p, float d) {
        const float fold = std::fabs(std::sin((p.x - t.x) * 0.15f)) * 0.1f;
        return Mix(Shade(Hex(0xC8A870), 0.85f - fold), Hex(0x3A2A18), SmoothStep(-1.5f, 0, d) * 0.6f);
    });
    Fill(c, Polygon({{t.x - 30, t.y}, {t.x - 10, t.y - 70}, {t.x + 12, t.y}}), Hex(0x140C06));
    // Logs to sit on, then the fire in its ring of stones.
    const Vec2 fire{290, 385};
    Material wood(Hex(0x6A4628), 6, 0.1f, 1.0f);
    wood.texture = 0.4f;
    wood.textureScale = 0.3f;
    FillShaded(c, Capsule({130, 420}, {215, 400}, 11, 11), wood);
    FillShaded(c, Capsule({360, 445}, {450, 430}, 12, 12), wood);
    for (int k = 0; k < 9; ++k) {
        const float a = k * 0.698f;
        Material rock(Hex(0x6A6670), 4, 0.2f, 0.8f);
        FillShaded(c, Ellipse(fire + Vec2{std::cos(a) * 38, std::sin(a) * 12 + 4}, 9, 6), rock);
    }
    FillShaded(c, Capsule(fire + Vec2{-28, 4}, fire + Vec2{24, -6}, 5, 5), wood);
    FillShaded(c, Capsule(fire + Vec2{-22, -6}, fire + Vec2{28, 6}, 5, 5), wood);
    PointLight(c, fire + Vec2{0, -20}, 170, Hex(0xFF9A40), 1.6f);
    Flame(c, fire, 52, seed + 4);
    Motes(c, 25, {240, 250, 340, 370}, Hex(0xFFB050, 0.9f), 1.1f, seed + 5);
    Vignette(c, 0.55f);
    Clip(c);
    return c;
}

Canvas PaintCastleHall() {
    Canvas c(W, H, Hex(0x0C0810));
    const uint32_t seed = 1200;
    const Vec2 v{320, 200};  // vanishing point
    const float farL = 230, farR = 410, farT = 70, farB = 232;
    // Walls, ceiling and far wall: stone blocks in perspective.
    for (int y = 0; y < H; ++y) {
        for (int x = 0; x < W; ++x) {
            Rgba col;
            if (x > farL && x < farR && y > farT && y < farB) {
                const float bx = std::fmod(x + (int(y / 9) % 2) * 8.0f, 16.0f), by = std::fmod(float(y), 9.0f);
                col = Shade(Hex(0x2A2032), (bx < 1 || by < 1) ? 0.6f : 0.8f + 0.2f * Hash2(int(x / 16), int(y / 9), seed));
            } else {
                // Depth along the hall from how far the point is from the centre.
                const float dx = std::fabs(x - v.x) / (v.x), dy = (y - v.y) / (y < v.y ? v.y : (H - v.y));
                const float edge = std::max(dx * 1.0f, std::fabs(dy));
                const float z = 1 / std::max(edge, 0.05f);
                const bool side = dx > std::fabs(dy);
                const float u = side ? z * 4 : (x - v.x) / std::max(std::fabs(y - v.y), 1.0f) * 6;
                const float w = side ? (y - v.y) / std::max(std::fabs(x - v.x), 1.0f) * 8 : z * 4;
                const bool line = std::fmod(std::fabs(u) + (int(std::fabs(w)) % 2) * 0.5f, 1.0f) < 0.06f || std::fmod(std::fabs(w), 1.0f) < 0.08f;
                col = side ? Hex(0x2E2236) : (y < v.y ? Hex(0x140E1C) : Hex(0x241C2C));
                col = Shade(col, (line ? 0.6f : 1.0f) * Clamp01(0.35f + edge * 0.9f));
            }
            c.At(x, y) = WithAlpha(col, 1);
        }
    }
    // The marble floor and the red carpet to the throne.
    for (int y = int(farB); y < H; ++y) {
        const float dy = y - v.y;
        for (int x = 0; x < W; ++x) {
            const float u = (x - v.x) / dy * 2.2f, w = 300 / dy;
            const bool dark = (int(std::floor(u)) + int(std::floor(w))) % 2 != 0;
            Rgba col = dark ? Hex(0x1C1624) : Hex(0x3E3448);
            col = Shade(col, 0.6f + 0.6f * Clamp01(dy / 250));
            const float half = dy * 0.42f;
            const float dc = std::fabs(x - v.x);
            if (dc < half) col = dc > half * 0.85f ? Hex(0xC8A040) : Shade(Hex(0x8A1420), 0.6f + 0.6f * Clamp01(dy / 250));
            c.At(x, y) = WithAlpha(col, 1);
        }
    }
    // The stained-glass window over the throne.
    const Shape window = Union({RoundRect({v.x, 150}, {34, 56}, 2), Circle({v.x, 94}, 34)});
    FillWith(c, window, [&](Vec2 p, float d) {
        const int cx = int(std::floor(p.x / 11)), cy = int(std::floor(p.y / 13));
        const float h = Hash2(cx, cy, seed);
        Rgba glass = h < 0.33f ? Hex(0xC0203A) : (h < 0.66f ? Hex(0x6A2AB0) : Hex(0x2A5AC8));
        const bool lead = std::fmod(p.x, 11.0f) < 1.2f || std::fmod(p.y, 13.0f) < 1.2f || d > -2;
        return lead ? Hex(0x140A14) : Shade(glass, 0.9f + 0.3f * Hash2(cx, cy, seed + 1));
    });
    Glow(c, window, Hex(0x7A2A6A), 30, 0.35f);
    // The throne on its dais.
    Material gold(Hex(0xC8A040), 4, 0.6f, 1.0f);
    Material velvet(Hex(0x6A1030), 6, 0.2f, 1.0f);
    FillShaded(c, RoundRect({v.x, 226}, {46, 6}, 1), Material(Hex(0x3A3044), 3, 0.1f, 1.0f));
    FillShaded(c, RoundRect({v.x, 196}, {16, 28}, 6), gold);
    FillShaded(c, RoundRect({v.x, 198}, {11, 22}, 4), velvet);
    // Pillars from far to near, each with a torch.
    const float depths[] = {0.92f, 0.75f, 0.5f, 0.15f};
    for (float d : depths) {
        for (float side : {-1.0f, 1.0f}) {
            const float x = v.x + side * Lerp(farR - v.x + 18, 300, 1 - d);
            const float bottom = Lerp(farB + 6, 540, 1 - d), top = Lerp(farT - 10, -40, 1 - d);
            const float width = Lerp(14, 70, 1 - d);
            Material stone(Hex(0x4A3E58), width * 0.5f, 0.25f, 1.0f);
            stone.texture = 0.2f;
            stone.pattern = [x, width](Vec2 p) { return 0.3f * SmoothStep(0.7f, 1.0f, std::fabs(std::sin((p.x - x) / width * 12.0f))); };
            stone.patternColour = Hex(0x1A1422);
            FillShaded(c, RoundRect({x, (top + bottom) / 2}, {width / 2, (bottom - top) / 2}, 2), stone);
            const Vec2 torch{x - side * width * 0.55f, Lerp(top, bottom, 0.45f)};
            Fill(c, RoundRect(torch + Vec2{0, width * 0.12f}, {width * 0.06f, width * 0.14f}, 1), Hex(0x3A2A1A));
            PointLight(c, torch, 30 + width * 1.2f, Hex(0xFF8A3A), 0.3f);
            Flame(c, torch, 8 + width * 0.35f, seed + unsigned(d * 100 + side * 10));
        }
    }
    Fog(c, 300, 480, Hex(0x5A2A6A), 0.25f);
    Vignette(c, 0.6f);
    Clip(c);
    return c;
}

Canvas PaintCastleOutside() {
    Canvas c(W, H);
    const uint32_t seed = 1300;
    SkyGradient(c, {{0, Hex(0x08030E)}, {160, Hex(0x2E0A1C)}, {300, Hex(0x6A1822)}});
    Stars(c, 0.003f, 200, 0.6f, seed);
    Sun(c, {450, 110}, 48, Hex(0xE0483A), Hex(0xC02030, 0.55f), 70);
    Clouds(c, 60, 220, 0.35f, Hex(0x7A2A3A), Hex(0x1A0814), 0.007f, seed + 1, 0.8f);
    Ridge(c, 300, 70, 0.008f, Hex(0x1E0E1C), Hex(0x160A14), 0, seed + 2);
    const Rgba wall = Hex(0x1C1424), rim = Hex(0x5A2A3A);
    Crag(c, {{150, 480}, {200, 330}, {250, 290}, {420, 288}, {470, 320}, {520, 480}}, Hex(0x22161E), seed + 3);
    auto tower = [&](float x, float top, float half, float roofHeight) {
        FillWith(c, RoundRect({x, (top + 300) / 2}, {half, (300 - top) / 2}, 0), [&](Vec2 p, float) {
            return Mix(wall, rim, SmoothStep(x + half * 0.5f, x + half, p.x) * 0.8f);
        });
        for (float bx = x - half; bx < x + half; bx += 6) Fill(c, RoundRect({bx + 2, top - 3}, {2, 3}, 0), wall);
        if (roofHeight > 0) Fill(c, Polygon({{x - half - 4, top - 4}, {x, top - roofHeight}, {x + half + 4, top - 4}}), Hex(0x140A14));
    };
    tower(330, 140, 44, 70);
    tower(262, 190, 20, 44);
    tower(398, 184, 20, 48);
    tower(220, 230, 14, 30);
    tower(440, 226, 14, 30);
    Dice dice(seed + 4);
    for (int i = 0; i < 22; ++i) {
        const Vec2 at{dice.Range(214, 446), dice.Range(150, 285)};
        Fill(c, RoundRect(at, {1.5f, 3}, 0.5f), Hex(0xFFC860));
        Glow(c, Circle(at, 1), Hex(0xFF9A40), 4, 0.2f);
    }
    for (int i = 0; i < 9; ++i) {
        const Vec2 at{dice.Range(380, 560), dice.Range(60, 180)};
        const float s = dice.Range(3, 7);
        Fill(c, Polygon({at + Vec2{-s * 1.6f, -s * 0.6f}, at + Vec2{-s * 0.4f, 0}, at + Vec2{0, -s * 0.3f}, at + Vec2{s * 0.4f, 0}, at + Vec2{s * 1.6f, -s * 0.6f}, at + Vec2{0, s * 0.4f}}), Hex(0x0A0408));
    }
    Vignette(c, 0.5f);
    Clip(c);
    return c;
}

Canvas PaintRuins() {
    Canvas c(W, H);
    const uint32_t seed = 1700;
    SkyGradient(c, {{0, Hex(0x5A90CE)}, {220, Hex(0xCFE0EC)}});
    Clouds(c, 10, 170, 0.4f, Hex(0xFFFFFF), Hex(0xB0C0D6), 0.007f, seed);
    Dice dice(seed + 1);
    for (int i = 0; i < 26; ++i) RoundTree(c, {dice.Range(-20, 660), dice.Range(250, 270)}, dice.Range(50, 110), Hex(0x5A8A5A), Hex(0x4A4038), seed + 10 + unsigned(i));
    Fog(c, 150, 280, Hex(0xC8DCE0), 0.45f);
    Ground(c, 268, Hex(0x7A9A5A), Hex(0x4A6A34), 0.4f, 0.03f, seed + 2);
    const Rgba stone = Hex(0xD6CCB8);
    // A broken arch and a colonnade on an old platform.
    Material block(Hex(0xC8BEAA), 6, 0.15f, 1.0f);
    block.texture = 0.3f;
    FillShaded(c, RoundRect({320, 300}, {250, 10}, 2), block);
    FillShaded(c, Subtract(Arc({320, 200}, 80, 3.1416f, 5.2f, 26), Circle({420, 130}, 20)), block);
    Column(c, 240, 296, 100, 26, 0, stone, seed + 3);
    Column(c, 400, 296, 86, 26, 1, stone, seed + 4);
    const float xs[] = {60, 130, 520, 590};
    for (int i = 0; i < 4; ++i) Column(c, xs[i], 300 + i % 2 * 4, dice.Range(90, 190), 32, dice.Chance(0.5) ? 1.0f : 0.0f, stone, seed + 5 + unsigned(i));
    Vine(c, {240, 200}, 80, seed + 20);
    Vine(c, {60, 140}, 120, seed + 21);
    Vine(c, {590, 150}, 110, seed + 22);
    Material fallen(stone, 10, 0.15f, 1.0f);
    fallen.texture = 0.25f;
    FillShaded(c, Capsule({170, 420}, {300, 400}, 18, 18), fallen);
    FillShaded(c, Ellipse({300, 400}, 8, 18), Material(Shade(stone, 0.85f), 4, 0.1f, 1.0f));
    GrassBlades(c, 300, Hex(0x3A6A2A), Hex(0xA4CC6A), 0.6f, seed + 6);
    Vignette(c, 0.3f);
    Clip(c);
    return c;
}

Canvas PaintPromisedLand() {
    Canvas c(W, H);
    const uint32_t seed = 1000;
    SkyGradient(c, {{0, Hex(0x8AB4EE)}, {160, Hex(0xE8C4EA)}, {280, Hex(0xFFF0D4)}});
    Clouds(c, 20, 200, 0.35f, Hex(0xFFF4FA), Hex(0xD0A8D8), 0.006f, seed, 0.8f);
    // Crystal spires far away.
    Dice dice(seed + 1);
    for (int i = 0; i < 7; ++i) {
        const float x = dice.Range(380, 620), h = dice.Range(60, 150), w = dice.Range(6, 14);
        const Shape spire = Polygon({{x - w, 270}, {x - w * 0.7f, 270 - h * 0.8f}, {x, 270 - h}, {x + w * 0.7f, 270 - h * 0.8f}, {x + w, 270}});
        Glow(c, spire, Hex(0xB8F0FF), 8, 0.3f);
        FillWith(c, spire, [&](Vec2 p, float) { return Mix(Hex(0xE8FCFF), Hex(0x8ACCE8), p.x > x ? 0.6f : 0.1f); });
    }
    Fog(c, 200, 290, Hex(0xFFEFF6), 0.5f);
    Hills(c, 280, 20, 0.006f, Hex(0x9ED88A), Hex(0xD8F4A8), seed + 2);
    Hills(c, 330, 30, 0.004f, Hex(0x7CCA6A), Hex(0xC4EC90), seed + 3);
    // Floating islands with waterfalls.
    struct Island {
        float x, y, s;
    };
    const Island islands[] = {{120, 150, 60}, {300, 95, 34}, {520, 180, 46}};
    for (const Island& isle : islands) {
        const Vec2 at{isle.x, isle.y};
        const float s = isle.s;
        Crag(c, {{at.x - s, at.y}, {at.x + s, at.y}, {at.x + s * 0.4f, at.y + s * 0.9f}, {at.x, at.y + s * 1.4f}, {at.x - s * 0.5f, at.y + s * 0.8f}}, Hex(0x8A7A8A), seed + unsigned(at.x));
        FillShaded(c, Ellipse({at.x, at.y}, s * 1.05f, s * 0.22f), Material(Hex(0x8ADA72), s * 0.2f, 0.2f, 0.8f));
        for (int k = 0; k < 3; ++k) RoundTree(c, {at.x + dice.Range(-0.6f, 0.6f) * s, at.y}, s * dice.Range(0.5f, 0.8f), Hex(0x6AC45A), Hex(0x7A5A4A), seed + unsigned(k + at.x));
        const float fx = at.x + s * 0.7f;
        for (int y = int(at.y + 2); y < std::min(H, int(at.y + s * 3)); ++y)
            for (int x = int(fx - 3); x <= int(fx + 3); ++x) {
                const float k = (1 - std::fabs(x - fx) / 4) * (1 - (y - at.y) / (s * 3)) * (0.6f + 0.4f * Noise2(x * 0.5f, y * 0.1f, seed));
                if (c.Inside(x, y)) c.At(x, y) = Mix(c.At(x, y), Hex(0xF4FCFF), Clamp01(k));
            }
    }
    LightRays(c, {320, -80}, 0.8f, Hex(0xFFF0C0), 0.45f, seed + 4);
    // Glowing flowers in the meadow.
    for (int i = 0; i < 220; ++i) {
        const float t = float(dice.Unit());
        const Vec2 at{dice.Range(0, 640), 300 + t * 180};
        const Rgba petal = dice.Pick({Hex(0xFFFFFF), Hex(0xFFE0F4), Hex(0xE0F0FF), Hex(0xFFF4B0)});
        Fill(c, Circle(at, 1 + 2.5f * t), petal);
    }
    Motes(c, 70, {0, 0, 640, 480}, Hex(0xFFF8E0, 0.6f), 1.4f, seed + 5);
    Vignette(c, 0.2f);
    Clip(c);
    return c;
}

}  // namespace assetgen
