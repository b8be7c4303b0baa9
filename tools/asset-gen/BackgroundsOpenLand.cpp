// Open country under a wide sky: the title's sky with its airship, the
// grassland by day and by night, mountains, snow, desert, a coast at sunset
// and the sea of clouds.
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

void Airship(Canvas& c, Vec2 at, float s) {
    // Rigging first, so the hull and the envelope cover its ends.
    for (int i = 0; i < 5; ++i) {
        const float x = at.x - 30 * s + i * 15 * s;
        Fill(c, Capsule({x, at.y + 18 * s}, {at.x - 20 * s + i * 10 * s, at.y + 34 * s}, 0.6f * s, 0.6f * s),
             Hex(0x4A3B30, 0.8f));
    }
    // Tail fins.
    Material fin{Hex(0x8C3B2E), 6 * s, 0.1f, 1.0f};
    FillShaded(c, Polygon({{at.x - 62 * s, at.y - 4 * s}, {at.x - 92 * s, at.y - 30 * s}, {at.x - 84 * s, at.y - 2 * s}}), fin);
    FillShaded(c, Polygon({{at.x - 62 * s, at.y + 4 * s}, {at.x - 92 * s, at.y + 28 * s}, {at.x - 84 * s, at.y + 2 * s}}), fin);
    // The envelope, with its seams and a red band.
    Material envelope{Hex(0xD9B982), 22 * s, 0.3f, 1.2f};
    envelope.pattern = [at, s](Vec2 p) {
        const float seam = std::fabs(std::sin((p.x - at.x) / (11 * s)));
        const float band = SmoothStep(2.5f * s, 1.5f * s, std::fabs(p.y - at.y - 6 * s));
        return std::max(SmoothStep(0.12f, 0.0f, seam) * 0.55f, band);
    };
    envelope.patternColour = Hex(0x9E3328);
    FillShaded(c, Ellipse(at, 78 * s, 25 * s), envelope);
    // Gondola with lit windows and a spinning propeller.
    Material hull{Hex(0x6B4226), 5 * s, 0.15f, 1.0f};
    hull.texture = 0.25f;
    const Vec2 g{at.x + 2 * s, at.y + 38 * s};
    FillShaded(c, Union({RoundRect(g, {34 * s, 7 * s}, 5 * s), Polygon({{g.x + 30 * s, g.y - 7 * s}, {g.x + 46 * s, g.y - 9 * s}, {g.x + 30 * s, g.y + 6 * s}})}), hull);
    for (int i = 0; i < 5; ++i) {
        const Vec2 w{g.x - 22 * s + i * 11 * s, g.y - 1 * s};
        Fill(c, RoundRect(w, {3 * s, 2.2f * s}, 1), Hex(0xFFD36A));
    }
    Fill(c, Ellipse({g.x - 42 * s, g.y}, 2.5f * s, 11 * s), Hex(0xDDE6F0, 0.45f));
    Fill(c, Circle({g.x - 41 * s, g.y}, 2 * s), Hex(0x3A2A20));
}

void Pyramid(Canvas& c, Vec2 base, float half, float height, Rgba lit, Rgba shade) {
    Fill(c, Polygon({{base.x - half, base.y}, {base.x, base.y - height}, {base.x + half * 0.15f, base.y}}), lit);
    Fill(c, Polygon({{base.x + half * 0.15f, base.y}, {base.x, base.y - height}, {base.x + half, base.y}}), shade);
}

// A dirt path from the bottom of the picture to a point on the horizon.
struct PathLine {
    float horizon, farX, nearX, nearHalf;
    // Centre and half width at distance t (0 far, 1 near), and its row.
    Vec2 At(float t, float* half) const {
        *half = 2 + nearHalf * t * t;
        return {Lerp(farX, nearX, t) + std::sin(t * 5.5f) * 30 * t, horizon + (H + 10 - horizon) * t * t};
    }
    bool Covers(Vec2 p) const {
        if (p.y < horizon) return false;
        float half = 0;
        const Vec2 c = At(std::sqrt((p.y - horizon) / (H + 10 - horizon)), &half);
        return std::fabs(p.x - c.x) < half + 2;
    }
};

void Path(Canvas& c, const PathLine& line, Rgba dirt, uint32_t seed) {
    std::vector<Vec2> left, right;
    for (int i = 0; i <= 40; ++i) {
        float half = 0;
        const Vec2 at = line.At(float(i) / 40, &half);
        left.push_back({at.x - half, at.y});
        right.push_back({at.x + half, at.y});
    }
    std::vector<Vec2> outline(left.begin(), left.end());
    outline.insert(outline.end(), right.rbegin(), right.rend());
    FillWith(c, Polygon(outline), [&](Vec2 p, float d) {
        const float n = Fbm2(p.x * 0.05f, p.y * 0.1f, seed, 4);
        Rgba col = Shade(dirt, 0.8f + 0.4f * n);
        // Grassy, darker edges.
        return Mix(col, Shade(dirt, 0.6f), SmoothStep(-6, 0, d) * 0.6f);
    });
}

}  // namespace

Canvas PaintTitleSky() {
    Canvas c(W, H);
    SkyGradient(c, {{0, Hex(0x0B1030)}, {120, Hex(0x2A2A66)}, {230, Hex(0x7A5A9A)}, {320, Hex(0xF09A7A)}, {370, Hex(0xFFD9A0)}});
    Stars(c, 0.004f, 200, 0.9f, 11);
    Sun(c, {470, 352}, 26, Hex(0xFFF6DC), Hex(0xFFB070, 0.9f), 90);
    Clouds(c, 40, 250, 0.35f, Hex(0xF7B7A0), Hex(0x4A3F78), 0.005f, 12, 0.8f);
    Ridge(c, 355, 60, 0.005f, Hex(0x5A4A82), Hex(0x7A5E8E), 0, 13, true);
    Fog(c, 300, 380, Hex(0xF2A98E), 0.5f);
    // The sea of clouds the airship sails over.
    CloudSea(c, 338, Hex(0xFFD0B0), Hex(0x5A4C88), 14, 0.6f);
    Airship(c, {165, 236}, 1.0f);
    Motes(c, 12, {0, 0, 640, 200}, Hex(0xFFFFFF, 0.25f), 1.2f, 16);
    Vignette(c, 0.35f);
    return c;
}

Canvas PaintGrassland(bool night) {
    Canvas c(W, H);
    const uint32_t seed = night ? 200 : 100;
    if (night) {
        SkyGradient(c, {{0, Hex(0x050A1E)}, {160, Hex(0x14264E)}, {255, Hex(0x3A5078)}});
        Stars(c, 0.006f, 240, 1.0f, seed);
        Moon(c, {500, 80}, 26, Hex(0xF2EED8), Hex(0x8FA8D8, 0.45f), 0.0f);
        Clouds(c, 30, 190, 0.3f, Hex(0x5A6E98), Hex(0x1A2646), 0.006f, seed + 1, 0.7f);
    } else {
        SkyGradient(c, {{0, Hex(0x2F6CCB)}, {170, Hex(0x78AEEB)}, {255, Hex(0xD4E8F6)}});
        Sun(c, {520, 64}, 16, Hex(0xFFFBEA), Hex(0xFFF0C0, 0.55f), 70);
        Clouds(c, 20, 205, 0.45f, Hex(0xFFFFFF), Hex(0x9FB4D6), 0.006f, seed + 1);
    }
    const Rgba farTop = night ? Hex(0x24345A) : Hex(0x8AA3CB);
    const Rgba farBottom = night ? Hex(0x2C3C5E) : Hex(0xA8BEDC);
    Ridge(c, 252, 72, 0.006f, farTop, farBottom, 0.72f, seed + 2);
    Fog(c, 205, 265, night ? Hex(0x30406A) : Hex(0xD3E3F2), 0.55f);
    const Rgba hill = night ? Hex(0x1E3A2E) : Hex(0x6E9F4E);
    const Rgba crest = night ? Hex(0x2E5444) : Hex(0xA5CB6E);
    Hills(c, 266, 26, 0.008f, hill, crest, seed + 3);
    Dice dice(seed + 4);
    for (int i = 0; i < 14; ++i) {
        const float x = dice.Range(0, 640), y = dice.Range(250, 268);
        RoundTree(c, {x, y}, dice.Range(12, 22), night ? Hex(0x1A3A2A) : Hex(0x4F8A3A), Hex(0x4A3628), seed + 10 + i);
    }
    Hills(c, 292, 22, 0.005f, night ? Hex(0x1B3A26) : Hex(0x5C9A3A), night ? Hex(0x2A5236) : Hex(0x92C456), seed + 5);
    GrassBlades(c, 285, night ? Hex(0x10281A) : Hex(0x3E7A2A), night ? Hex(0x3A6A4A) : Hex(0xB4DA72), 0.9f, seed + 7);
    const PathLine path{276, 350, 300, 150};
    Path(c, path, night ? Hex(0x4A4438) : Hex(0xB89B6A), seed + 6);
    // Flowers.
    for (int i = 0; i < 160; ++i) {
        const float t = float(dice.Unit());
        const Vec2 at{dice.Range(0, 640), 290 + t * t * 190};
        if (path.Covers(at)) continue;
        const Rgba petal = dice.Chance(0.5) ? Hex(0xFFF3A0) : (dice.Chance(0.5) ? Hex(0xFFFFFF) : Hex(0xF2A0C8));
        Fill(c, Circle(at, 0.8f + 2.2f * t), night ? Shade(petal, 0.45f) : petal);
    }
    RoundTree(c, {600, 360}, 210, night ? Hex(0x173626) : Hex(0x4A8A34), Hex(0x5A4030), seed + 30);
    RoundTree(c, {35, 330}, 150, night ? Hex(0x173626) : Hex(0x3F7E30), Hex(0x5A4030), seed + 31);
    if (night) Motes(c, 40, {0, 250, 640, 470}, Hex(0xD8FF8A, 0.8f), 1.6f, seed + 8);
    Vignette(c, night ? 0.5f : 0.25f);
    return c;
}

Canvas PaintMountain() {
    Canvas c(W, H);
    const uint32_t seed = 600;
    SkyGradient(c, {{0, Hex(0x17407F)}, {150, Hex(0x5E93D0)}, {270, Hex(0xC6DCF0)}});
    Sun(c, {90, 50}, 14, Hex(0xFFFFFF), Hex(0xFFF8E0, 0.6f), 80);
    Clouds(c, 10, 120, 0.3f, Hex(0xFFFFFF), Hex(0xA8BCD8), 0.008f, seed);
    // Far peaks in the haze, nearer crags, and the ledge the path crosses.
    Ridge(c, 250, 180, 0.0045f, Hex(0x8C9CBC), Hex(0xA4B4CE), 0.4f, seed + 1);
    Fog(c, 170, 270, Hex(0xD6E4F2), 0.35f);
    Ridge(c, 330, 140, 0.008f, Hex(0x7A706C), Hex(0x6A625E), 0.62f, seed + 2);
    Fog(c, 280, 360, Hex(0xDCE6F0), 0.3f);
    Crag(c, {{-10, 210}, {40, 220}, {100, 260}, {170, 310}, {230, 350}, {200, 480}, {-10, 480}}, Hex(0x6A5E54), seed + 7);
    Crag(c, {{650, 230}, {600, 245}, {540, 290}, {470, 340}, {450, 380}, {500, 480}, {650, 480}}, Hex(0x62584E), seed + 8);
    Ridge(c, 480, 190, 0.0032f, Hex(0xA8987E), Hex(0x6E604E), 0, seed + 4, false);
    Dice dice(seed + 5);
    for (int i = 0; i < 7; ++i) {
        const float t = float(dice.Unit());
        const Vec2 at{dice.Chance(0.5) ? dice.Range(120, 240) : dice.Range(400, 560), 340 + t * 130};
        Material rock(Hex(0x8A7E72), 14 + 18 * t, 0.12f, 1.2f);
        rock.texture = 0.35f;
        rock.textureScale = 0.08f;
        rock.seed = seed + 20 + unsigned(i);
        GroundShadow(c, {at.x + 6, at.y + 6 * (1 + t)}, 24 + 26 * t, 5 + 5 * t, 0.5f);
        FillShaded(c, Ellipse(at, 14 + 26 * t, 9 + 15 * t, dice.Range(-0.3f, 0.3f)), rock);
    }
    GrassBlades(c, 330, Hex(0x5A6A3A), Hex(0xA6A86A), 0.2f, seed + 6);
    Vignette(c, 0.25f);
    return c;
}

Canvas PaintSnowfield() {
    Canvas c(W, H);
    const uint32_t seed = 700;
    SkyGradient(c, {{0, Hex(0x0A1236)}, {140, Hex(0x2A3270)}, {250, Hex(0x8E6EA8)}, {285, Hex(0xE8A8B8)}});
    Stars(c, 0.005f, 220, 0.9f, seed);
    // An aurora: curtains of light hanging from a wavy line.
    for (int y = 0; y < 230; ++y) {
        for (int x = 0; x < W; ++x) {
            const float line = 70 + 35 * std::sin(x * 0.011f + 1.3f) + 25 * (Fbm1(x * 0.006f, seed + 1, 3) - 0.5f);
            const float below = y - line;
            if (below < -10) continue;
            const float curtain = std::exp(-std::max(0.0f, below) / 60.0f) * SmoothStep(-10, 6, below);
            const float streak = 0.4f + 0.6f * Noise1(x * 0.09f, seed + 2);
            const float k = curtain * streak * 0.55f;
            Rgba& p = c.At(x, y);
            p.r = Clamp01(p.r + 0.15f * k);
            p.g = Clamp01(p.g + 0.95f * k);
            p.b = Clamp01(p.b + 0.6f * k);
        }
    }
    Ridge(c, 262, 90, 0.006f, Hex(0x6A6E9E), Hex(0x8A86B0), 0.35f, seed + 3);
    Fog(c, 220, 275, Hex(0xC6A2C2), 0.5f);
    Ground(c, 268, Hex(0xC6C8E6), Hex(0xEEF2FF), 0.12f, 0.02f, seed + 4);
    Hills(c, 300, 20, 0.006f, Hex(0xCFD4F0), Hex(0xF6F8FF), seed + 5);
    Hills(c, 360, 26, 0.004f, Hex(0xD4DAF4), Hex(0xFFFFFF), seed + 6);
    Dice dice(seed + 7);
    for (int i = 0; i < 16; ++i) {
        const float t = float(dice.Unit());
        const float x = dice.Chance(0.5) ? dice.Range(-20, 220) : dice.Range(420, 660);
        ConiferTree(c, {x, 262 + t * 200}, 30 + t * 150, Hex(0x1E3A3E), Hex(0x3E6466), seed + 40 + unsigned(i), Hex(0xF0F4FF));
    }
    Motes(c, 90, {0, 0, 640, 480}, Hex(0xFFFFFF, 0.6f), 1.1f, seed + 8);
    Vignette(c, 0.35f);
    return c;
}

Canvas PaintDesert() {
    Canvas c(W, H);
    const uint32_t seed = 1400;
    SkyGradient(c, {{0, Hex(0x3C7CC6)}, {170, Hex(0x8CB8DE)}, {250, Hex(0xF0DCB0)}});
    Sun(c, {140, 60}, 20, Hex(0xFFFFF4), Hex(0xFFF2C8, 0.7f), 110);
    Clouds(c, 20, 100, 0.2f, Hex(0xFFFFFF), Hex(0xC8D0DE), 0.007f, seed, 0.6f);
    Pyramid(c, {470, 252}, 70, 62, Hex(0xE6C48E), Hex(0xB08A5E));
    Pyramid(c, {560, 254}, 40, 36, Hex(0xE6C48E), Hex(0xB08A5E));
    Fog(c, 215, 262, Hex(0xF4E2BE), 0.55f);
    Hills(c, 262, 18, 0.006f, Hex(0xD9AE72), Hex(0xF2D39C), seed + 1);
    Hills(c, 300, 36, 0.004f, Hex(0xCF9C5E), Hex(0xF4CF8E), seed + 2);
    Hills(c, 370, 50, 0.003f, Hex(0xC48E52), Hex(0xF0C684), seed + 3);
    // Wind ripples in the sand.
    for (int y = 300; y < H; ++y) {
        for (int x = 0; x < W; ++x) {
            const float r = std::sin(y * 0.55f + 8 * Fbm2(x * 0.01f, y * 0.02f, seed + 4, 3));
            c.At(x, y) = Shade(c.At(x, y), 1 + 0.05f * r);
        }
    }
    Dice dice(seed + 5);
    for (int i = 0; i < 5; ++i) {
        const float t = float(dice.Unit());
        Material rock{Hex(0xA27850), 10 + 10 * t, 0.08f, 1.0f};
        rock.texture = 0.3f;
        FillShaded(c, Ellipse({dice.Range(0, 640), 330 + t * 130}, 12 + 22 * t, 7 + 12 * t), rock);
    }
    Vignette(c, 0.2f);
    return c;
}

Canvas PaintSunsetCoast() {
    Canvas c(W, H);
    const uint32_t seed = 900;
    SkyGradient(c, {{0, Hex(0x252A66)}, {140, Hex(0x7A4C8C)}, {230, Hex(0xE0708A)}, {290, Hex(0xFFB860)}});
    Sun(c, {400, 288}, 30, Hex(0xFFF0C8), Hex(0xFF9A50, 0.9f), 80);
    Clouds(c, 30, 240, 0.35f, Hex(0xFFB08A), Hex(0x5A3A78), 0.006f, seed, 0.85f);
    Ridge(c, 290, 40, 0.01f, Hex(0x5A3A6A), Hex(0x6A4070), 0, seed + 1, true);
    Water(c, 290, Hex(0x3A3A7A), 0.15f, 1.0f, seed + 2);
    // The beach and a rocky point.
    Hills(c, 420, 30, 0.004f, Hex(0xC89A72), Hex(0xF2C08C), seed + 3);
    Crag(c, {{-10, 200}, {30, 190}, {60, 225}, {95, 240}, {120, 300}, {170, 330}, {190, 380}, {150, 430}, {-10, 440}}, Hex(0x4A3450), seed + 4);
    Crag(c, {{560, 300}, {600, 270}, {650, 260}, {650, 400}, {540, 400}}, Hex(0x3E2C48), seed + 5);
    Vignette(c, 0.3f);
    return c;
}

Canvas PaintAboveClouds() {
    Canvas c(W, H);
    const uint32_t seed = 1100;
    SkyGradient(c, {{0, Hex(0x1C5CC4)}, {200, Hex(0x7CB6EE)}, {300, Hex(0xE2F0FA)}});
    Sun(c, {320, 70}, 18, Hex(0xFFFFFF), Hex(0xFFF8E4, 0.6f), 120);
    Ridge(c, 300, 110, 0.006f, Hex(0x8C9EC4), Hex(0xA6B6D4), 0.45f, seed);
    Clouds(c, 60, 200, 0.25f, Hex(0xFFFFFF), Hex(0xB0C4E0), 0.008f, seed + 2, 0.7f);
    CloudSea(c, 262, Hex(0xFFFFFF), Hex(0x8EA2CA), seed + 1, 0.65f);
    Motes(c, 20, {0, 0, 640, 240}, Hex(0xFFFFFF, 0.3f), 1.5f, seed + 3);
    return c;
}

}  // namespace assetgen
