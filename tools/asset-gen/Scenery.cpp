#include "tools/asset-gen/Scenery.h"

#include <cmath>

#include "tools/asset-gen/Dice.h"
#include "tools/asset-gen/Noise.h"
#include "tools/asset-gen/Paint.h"

namespace assetgen {

namespace {

Rgba GradientAt(const std::vector<GradientStop>& stops, float y) {
    if (y <= stops.front().y) return stops.front().colour;
    for (size_t i = 1; i < stops.size(); ++i) {
        if (y <= stops[i].y) {
            const float t = (y - stops[i - 1].y) / std::max(stops[i].y - stops[i - 1].y, 1e-3f);
            return Mix(stops[i - 1].colour, stops[i].colour, SmoothStep(0, 1, t));
        }
    }
    return stops.back().colour;
}

}  // namespace

void SkyGradient(Canvas& c, const std::vector<GradientStop>& stops, int y0, int y1) {
    if (y1 < 0) y1 = c.Height() - 1;
    for (int y = std::max(0, y0); y <= std::min(y1, c.Height() - 1); ++y) {
        Rgba col = GradientAt(stops, float(y));
        col.a = 1;
        for (int x = 0; x < c.Width(); ++x) {
            // A whisper of dither keeps the gradient from banding.
            const float d = (Hash2(x, y, 77) - 0.5f) / 255.0f;
            c.At(x, y) = {col.r + d, col.g + d, col.b + d, 1};
        }
    }
}

void Stars(Canvas& c, float density, int yMax, float brightness, uint32_t seed) {
    for (int y = 0; y < std::min(yMax, c.Height()); ++y) {
        for (int x = 0; x < c.Width(); ++x) {
            const float h = Hash2(x, y, seed);
            if (h > density) continue;
            const float k = brightness * (1 - float(y) / yMax) * (0.35f + 0.65f * Hash2(x, y, seed + 1));
            const Rgba tint = Mix(Hex(0xFFFFFF), Hash2(x, y, seed + 2) < 0.5f ? Hex(0xBFD4FF) : Hex(0xFFE2B8), 0.6f);
            c.AddLight(x, y, tint, k);
            if (Hash2(x, y, seed + 3) < 0.12f) {
                // A few bright ones with a cross of light.
                for (int r = 1; r <= 2; ++r) {
                    const float kk = k * (r == 1 ? 0.5f : 0.2f);
                    c.AddLight(x + r, y, tint, kk);
                    c.AddLight(x - r, y, tint, kk);
                    c.AddLight(x, y + r, tint, kk);
                    c.AddLight(x, y - r, tint, kk);
                }
            }
        }
    }
    for (Rgba& p : c.Pixels()) p.a = std::min(p.a, 1.0f), p.r = std::min(p.r, 1.0f), p.g = std::min(p.g, 1.0f), p.b = std::min(p.b, 1.0f);
}

void Sun(Canvas& c, Vec2 at, float radius, Rgba core, Rgba halo, float haloRadius) {
    for (int y = 0; y < c.Height(); ++y) {
        for (int x = 0; x < c.Width(); ++x) {
            const float d = Length(Vec2{x + 0.5f, y + 0.5f} - at);
            Rgba& p = c.At(x, y);
            const float h = std::exp(-std::max(0.0f, d - radius) / haloRadius) * halo.a;
            p.r = Clamp01(p.r + halo.r * h);
            p.g = Clamp01(p.g + halo.g * h);
            p.b = Clamp01(p.b + halo.b * h);
            const float k = Clamp01(radius + 0.5f - d);
            if (k > 0) p = Mix(p, WithAlpha(core, 1), k * core.a);
        }
    }
}

void Moon(Canvas& c, Vec2 at, float radius, Rgba colour, Rgba halo, float phase) {
    Sun(c, at, 0, Rgba{}, halo, radius * 1.6f);
    const uint32_t seed = 4242;
    FillWith(c, Circle(at, radius), [&](Vec2 p, float) {
        const Vec2 q = (p - at) * (1 / radius);
        const float maria = Fbm2(q.x * 2.2f + 3, q.y * 2.2f + 1, seed, 4);
        Rgba col = Shade(colour, 0.82f + 0.35f * SmoothStep(0.45f, 0.6f, maria) * -1 + 0.18f);
        // Limb darkening and the shadowed part of the phase.
        col = Shade(col, 0.8f + 0.2f * std::sqrt(std::max(0.0f, 1 - Dot(q, q))));
        if (phase > 0) {
            const float s = Length(q - Vec2{phase, -phase * 0.3f});
            col = Mix(col, Shade(colour, 0.12f), SmoothStep(0.95f, 0.85f, s) * 0.9f);
        }
        return col;
    });
}

void Clouds(Canvas& c, int y0, int y1, float cover, Rgba lit, Rgba shade, float scale, uint32_t seed, float alpha) {
    const float threshold = 1 - cover;
    for (int y = std::max(0, y0); y < std::min(y1, c.Height()); ++y) {
        // Clouds thin out at the edges of their band.
        const float band = (float(y) - y0) / float(std::max(1, y1 - y0));
        const float edge = SmoothStep(0, 0.25f, band) * SmoothStep(1, 0.7f, band);
        for (int x = 0; x < c.Width(); ++x) {
            const float fx = x * scale, fy = y * scale * 2.2f;  // flattened
            const float n = Fbm2(fx, fy, seed, 5);
            const float density = SmoothStep(threshold, threshold + 0.18f, n * (0.55f + 0.45f * edge) + 0.25f * edge - 0.1f);
            if (density <= 0) continue;
            // Lit where the cloud is thinner just above this point.
            const float above = Fbm2(fx, (y - 6) * scale * 2.2f, seed, 5);
            const float light = Clamp01(0.5f + (n - above) * 5.0f);
            const Rgba col = Mix(shade, lit, light);
            c.Over(x, y, col, density * alpha);
        }
    }
}

void Ridge(Canvas& c, float base, float amplitude, float frequency, Rgba top, Rgba bottom, float snowLine,
           uint32_t seed, bool jagged) {
    const int w = c.Width();
    std::vector<float> height(static_cast<size_t>(w) + 16);
    for (int x = -8; x < w + 8; ++x) {
        const float fx = x * frequency;
        float h = jagged ? 1 - std::fabs(2 * Fbm1(fx, seed, 6) - 1) : Fbm1(fx, seed, 4);
        h = 0.55f * h + 0.45f * Fbm1(fx * 0.35f, seed + 9, 3);
        height[size_t(x + 8)] = base - amplitude * h;
    }
    auto ridgeAt = [&](int x) { return height[size_t(std::clamp(x, -8, w + 7) + 8)]; };
    // Slopes that rise to the right face the light (upper left); their
    // light runs down the face below them, fading with depth.
    std::vector<float> slopeLight(static_cast<size_t>(w));
    for (int x = 0; x < w; ++x) slopeLight[size_t(x)] = std::clamp((ridgeAt(x - 6) - ridgeAt(x + 6)) / 12.0f * 1.4f, -1.0f, 1.0f);
    const float fs = 1.6f / std::max(amplitude, 30.0f);
    for (int x = 0; x < w; ++x) {
        const float ridge = ridgeAt(x);
        for (int y = std::max(0, int(ridge) - 1); y < c.Height(); ++y) {
            const float cover = Clamp01(float(y) + 1.0f - ridge);
            if (cover <= 0) continue;
            const float down = y - ridge;
            const float depth = Clamp01(down / std::max(base + 40 - ridge, 1.0f));
            Rgba col = Mix(top, bottom, depth);
            const float f = Fbm2(x * fs, y * fs * 1.2f, seed + 5, 4);
            const float fl = Fbm2((x - 2) * fs, (y - 1.5f) * fs * 1.2f, seed + 5, 4);
            const float crack = Ridged2(x * fs * 2.5f, y * fs * 2.0f, seed + 7, 3);
            const float face = slopeLight[size_t(x)] * std::exp(-down / (amplitude * 0.7f));
            const float light = std::clamp((fl - f) * 9.0f, -0.25f, 0.25f) + 0.22f * face;
            float shade = 0.88f + light + (f - 0.5f) * 0.25f - SmoothStep(0.7f, 0.95f, crack) * 0.12f;
            if (!jagged) shade = 0.94f + (shade - 0.88f) * 0.4f;
            col = Shade(col, shade);
            if (snowLine > 0) {
                const float above = (base - float(y)) / amplitude;
                const float snow = SmoothStep(snowLine - 0.03f, snowLine + 0.08f, above + (f - 0.5f) * 0.5f + face * 0.12f);
                const Rgba snowCol = Shade(Mix(Hex(0xF4F8FF), top, 0.2f), 0.92f + light * 0.9f);
                col = Mix(col, snowCol, snow);
            }
            col.r = Clamp01(col.r), col.g = Clamp01(col.g), col.b = Clamp01(col.b);
            c.Over(x, y, col, cover);
        }
    }
}

void CloudSea(Canvas& c, int horizon, Rgba lit, Rgba shade, uint32_t seed, float cover) {
    // Rows of billows from the horizon towards the viewer, each row bigger
    // than the one behind it; hazier in the distance.
    Dice dice(seed);
    const Rgba haze = Mix(shade, lit, 0.55f);
    for (int y = horizon; y < c.Height(); ++y)
        for (int x = 0; x < c.Width(); ++x) c.Over(x, y, Mix(haze, shade, Clamp01((y - horizon) / 120.0f)), 1);
    const int rows = 16;
    for (int k = 0; k < rows; ++k) {
        const float t = float(k) / (rows - 1);
        const float y = horizon + (c.Height() - horizon + 30) * std::pow(t, 1.5f);
        const float r = 5 + 70 * std::pow(t, 1.4f) * (0.7f + cover * 0.5f);
        for (float x = -r + dice.Range(0, r); x < c.Width() + r; x += r * dice.Range(0.5f, 1.2f)) {
            const float swell = 0.6f + 0.9f * Fbm1(x * 0.01f + k * 3.1f, seed + 7, 3);
            const Vec2 at{x, y + dice.Range(-0.45f, 0.3f) * r - (swell - 1) * r * 0.5f};
            const float pr = r * swell * dice.Range(0.6f, 1.2f);
            FillWith(c, Circle(at, pr), [&](Vec2 p, float d) {
                const Vec2 n = (p - at) * (1 / pr);
                const float nz = std::sqrt(std::max(0.0f, 1 - Dot(n, n)));
                const float light = Clamp01(0.45f - n.y * 0.55f - n.x * 0.2f + nz * 0.25f);
                const float rim = SmoothStep(-pr * 0.25f, 0, d);  // lit edges read as fluff
                Rgba col = Mix(shade, lit, Clamp01(light + rim * 0.25f * (n.y < 0)));
                return Mix(col, haze, (1 - t) * 0.55f);
            });
        }
    }
}

std::vector<Vec2> Roughen(const std::vector<Vec2>& outline, float roughness, uint32_t seed) {
    Dice dice(seed);
    std::vector<Vec2> points = outline;
    for (int pass = 0; pass < 3; ++pass) {
        std::vector<Vec2> finer;
        for (size_t i = 0; i < points.size(); ++i) {
            const Vec2 a = points[i], b = points[(i + 1) % points.size()];
            const Vec2 normal{-(b.y - a.y), b.x - a.x};
            finer.push_back(a);
            finer.push_back((a + b) * 0.5f + normal * dice.Range(-roughness, roughness));
        }
        points = std::move(finer);
    }
    return points;
}

void Crag(Canvas& c, const std::vector<Vec2>& outline, Rgba colour, uint32_t seed) {
    FillWith(c, Polygon(Roughen(outline, 0.12f, seed)), [&](Vec2 p, float d) {
        auto facet = [&](float x, float y) { return 0.6f * Fbm2(x * 0.02f, y * 0.025f, seed, 4) + 0.4f * Ridged2(x * 0.035f, y * 0.05f, seed + 1, 3); };
        const float light = (facet(p.x - 1.5f, p.y - 1) - facet(p.x + 1.5f, p.y + 1)) * 4.0f;
        Rgba col = Shade(colour, 0.85f + std::clamp(light, -0.3f, 0.35f) + (facet(p.x, p.y) - 0.5f) * 0.25f);
        col = Mix(col, Shade(colour, 0.5f), SmoothStep(-2.5f, 0, d) * 0.6f);
        col.r = Clamp01(col.r), col.g = Clamp01(col.g), col.b = Clamp01(col.b);
        return col;
    });
}

void Hills(Canvas& c, float base, float amplitude, float frequency, Rgba colour, Rgba crest, uint32_t seed) {
    for (int x = 0; x < c.Width(); ++x) {
        const float ridge = base - amplitude * Fbm1(x * frequency, seed, 3);
        for (int y = std::max(0, int(ridge) - 1); y < c.Height(); ++y) {
            const float cover = Clamp01(float(y) + 1.0f - ridge);
            if (cover <= 0) continue;
            const float k = SmoothStep(14, 0, y - ridge);
            const float n = Fbm2(x * 0.03f, y * 0.06f, seed + 3, 4);
            Rgba col = Mix(colour, crest, k * 0.8f);
            col = Shade(col, 0.9f + (n - 0.5f) * 0.3f);
            c.Over(x, y, col, cover);
        }
    }
}

void Ground(Canvas& c, int y0, Rgba far, Rgba near, float texture, float scale, uint32_t seed) {
    const int h = c.Height();
    for (int y = std::max(0, y0); y < h; ++y) {
        const float t = float(y - y0) / float(std::max(1, h - y0));
        // Perspective: texture is finer near the horizon.
        const float s = scale / (0.25f + t);
        for (int x = 0; x < c.Width(); ++x) {
            const float n = Fbm2(x * s, y * s * 2.5f, seed, 5);
            Rgba col = Mix(far, near, t);
            col = Shade(col, 1 + (n - 0.5f) * texture);
            col.a = 1;
            c.At(x, y) = col;
        }
    }
}

void GrassBlades(Canvas& c, int y0, Rgba dark, Rgba light, float density, uint32_t seed) {
    Dice dice(seed);
    const int h = c.Height();
    const int count = int(density * c.Width() * (h - y0) * 0.02f);
    for (int i = 0; i < count; ++i) {
        const float t = float(std::pow(dice.Unit(), 0.7));
        const float y = y0 + t * (h - y0);
        const float x = dice.Range(-10, float(c.Width() + 10));
        const float len = 3 + 16 * t * dice.Range(0.5f, 1.2f);
        const float lean = dice.Range(-0.5f, 0.5f) * len;
        const Rgba col = Mix(dark, light, dice.Range(0.0f, 1.0f) * (0.4f + 0.6f * t));
        const float width = 0.5f + 1.1f * t;
        Fill(c, Capsule({x, y}, {x + lean, y - len}, width, 0.2f), WithAlpha(col, 0.9f));
    }
}

void Fog(Canvas& c, int y0, int y1, Rgba colour, float strength) {
    for (int y = std::max(0, y0); y < std::min(y1, c.Height()); ++y) {
        const float t = float(y - y0) / float(std::max(1, y1 - y0));
        const float k = strength * std::sin(t * 3.14159f);
        for (int x = 0; x < c.Width(); ++x) {
            const float n = Fbm2(x * 0.01f, y * 0.03f, 999, 3);
            c.Over(x, y, colour, Clamp01(k * (0.6f + 0.8f * n)));
        }
    }
}

void Vignette(Canvas& c, float strength) {
    const float cx = c.Width() * 0.5f, cy = c.Height() * 0.5f;
    for (int y = 0; y < c.Height(); ++y) {
        for (int x = 0; x < c.Width(); ++x) {
            const float d = Length({(x - cx) / cx, (y - cy) / cy});
            const float k = 1 - strength * SmoothStep(0.55f, 1.45f, d);
            Rgba& p = c.At(x, y);
            p.r *= k, p.g *= k, p.b *= k;
        }
    }
}

void LightRays(Canvas& c, Vec2 from, float spread, Rgba colour, float strength, uint32_t seed) {
    for (int y = 0; y < c.Height(); ++y) {
        for (int x = 0; x < c.Width(); ++x) {
            const Vec2 d = Vec2{x + 0.5f, y + 0.5f} - from;
            const float angle = std::atan2(d.x, std::max(d.y, 1.0f));
            if (std::fabs(angle) > spread) continue;
            const float rays = std::pow(Noise1(angle * 9.0f, seed), 3.0f) * 1.6f;
            const float fade = std::exp(-Length(d) / (c.Height() * 0.8f)) * SmoothStep(spread, spread * 0.6f, std::fabs(angle));
            const float k = Clamp01(rays * fade * strength);
            Rgba& p = c.At(x, y);
            p.r = Clamp01(p.r + colour.r * k);
            p.g = Clamp01(p.g + colour.g * k);
            p.b = Clamp01(p.b + colour.b * k);
        }
    }
}

void Water(Canvas& c, int horizon, Rgba tint, float tintAmount, float waves, uint32_t seed) {
    const Canvas above = c;
    for (int y = horizon; y < c.Height(); ++y) {
        const float t = float(y - horizon) / float(std::max(1, c.Height() - horizon));
        for (int x = 0; x < c.Width(); ++x) {
            const float n = Fbm2(x * 0.012f / (0.2f + t), y * 0.09f / (0.2f + t), seed, 4);
            const float ripple = (n - 0.5f) * waves * (4 + 30 * t);
            const float mirrorY = std::max(0.0f, float(2 * horizon - y) + ripple * 0.5f);
            Rgba col = above.Sample(x + ripple, std::min(mirrorY, float(horizon - 1)));
            col = Mix(col, tint, Clamp01(tintAmount + 0.35f * t));
            // Glints on the crests.
            const float crest = SmoothStep(0.62f, 0.7f, n);
            col = Mix(col, Mix(col, Hex(0xFFFFFF), 0.5f), crest * 0.35f * waves);
            col.a = 1;
            c.At(x, y) = col;
        }
    }
}

void ConiferTree(Canvas& c, Vec2 base, float height, Rgba colour, Rgba light, uint32_t seed, Rgba snow) {
    Dice dice(seed);
    const float w = height * 0.36f;
    Fill(c, RoundRect({base.x, base.y - height * 0.06f}, {w * 0.09f, height * 0.08f}, 1), Shade(colour, 0.45f));
    const int tiers = 4;
    for (int i = 0; i < tiers; ++i) {
        const float t = float(i) / tiers;
        const float top = base.y - height * (0.35f + 0.65f * (t + 0.3f));
        const float bottom = base.y - height * (0.1f + 0.62f * t);
        const float half = w * (1 - t * 0.72f) * dice.Range(0.9f, 1.08f);
        const Shape tier = Polygon({{base.x, std::max(top, base.y - height)},
                                    {base.x + half, bottom},
                                    {base.x + half * 0.3f, bottom - height * 0.03f},
                                    {base.x - half * 0.3f, bottom - height * 0.03f},
                                    {base.x - half, bottom}});
        FillWith(c, tier, [&](Vec2 p, float) {
            const float side = Clamp01(0.5f - (p.x - base.x) / (half * 2));
            Rgba col = Mix(colour, light, side * 0.7f);
            const float n = Hash2(int(p.x), int(p.y), seed);
            col = Shade(col, 0.88f + 0.24f * n);
            if (snow.a > 0) col = Mix(col, snow, SmoothStep(bottom - height * 0.12f, bottom - height * 0.2f, p.y) * 0.8f);
            return col;
        });
    }
}

void RoundTree(Canvas& c, Vec2 base, float height, Rgba leaves, Rgba trunk, uint32_t seed) {
    Dice dice(seed);
    Material bark{trunk, height * 0.05f, 0.05f, 0};
    bark.texture = 0.35f;
    bark.textureScale = 0.4f;
    FillShaded(c, Capsule(base, {base.x + height * 0.03f, base.y - height * 0.55f}, height * 0.07f, height * 0.045f), bark);
    const float r = height * 0.28f;
    const Vec2 crown{base.x, base.y - height * 0.62f};
    for (int i = 0; i < 9; ++i) {
        const float a = dice.Range(0, 6.283f);
        const float d = dice.Range(0.2f, 0.75f) * r;
        const Vec2 at = crown + Vec2{std::cos(a) * d * 1.15f, std::sin(a) * d * 0.8f};
        Material m{Shade(leaves, dice.Range(0.85f, 1.1f)), r * 0.55f, 0.04f, 0};
        m.texture = 0.4f;
        m.textureScale = 0.25f;
        m.seed = seed + unsigned(i);
        FillShaded(c, Circle(at, r * dice.Range(0.45f, 0.65f)), m);
    }
}

void Motes(Canvas& c, int count, Box area, Rgba colour, float size, uint32_t seed) {
    Dice dice(seed);
    for (int i = 0; i < count; ++i) {
        const Vec2 at{dice.Range(area.x0, area.x1), dice.Range(area.y0, area.y1)};
        const float s = size * dice.Range(0.5f, 1.3f);
        Canvas& canvas = c;
        for (int y = int(at.y - s * 4); y <= int(at.y + s * 4); ++y) {
            for (int x = int(at.x - s * 4); x <= int(at.x + s * 4); ++x) {
                if (!canvas.Inside(x, y)) continue;
                const float d = Length(Vec2{x + 0.5f, y + 0.5f} - at);
                const float k = std::exp(-d * d / (s * s)) * colour.a;
                Rgba& p = canvas.At(x, y);
                p.r = Clamp01(p.r + colour.r * k);
                p.g = Clamp01(p.g + colour.g * k);
                p.b = Clamp01(p.b + colour.b * k);
            }
        }
    }
}

}  // namespace assetgen
