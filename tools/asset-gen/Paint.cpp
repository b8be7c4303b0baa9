#include "tools/asset-gen/Paint.h"

#include <cmath>

#include "tools/asset-gen/Noise.h"

namespace assetgen {

namespace {

Box Around(Vec2 c, float rx, float ry) { return {c.x - rx, c.y - ry, c.x + rx, c.y + ry}; }
Box Join(Box a, Box b) {
    return {std::min(a.x0, b.x0), std::min(a.y0, b.y0), std::max(a.x1, b.x1), std::max(a.y1, b.y1)};
}

// Calls f(x, y, p) for every pixel centre of the canvas inside the box,
// widened by `margin`.
template <typename F>
void ForBox(const Canvas& canvas, Box b, float margin, F f) {
    const int x0 = std::max(0, int(std::floor(b.x0 - margin)));
    const int y0 = std::max(0, int(std::floor(b.y0 - margin)));
    const int x1 = std::min(canvas.Width() - 1, int(std::ceil(b.x1 + margin)));
    const int y1 = std::min(canvas.Height() - 1, int(std::ceil(b.y1 + margin)));
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) f(x, y, Vec2{x + 0.5f, y + 0.5f});
}

float SmoothMin(float a, float b, float k) {
    const float h = Clamp01(0.5f + 0.5f * (b - a) / k);
    return Lerp(b, a, h) - k * h * (1 - h);
}

}  // namespace

Shape Circle(Vec2 c, float r) {
    return {Around(c, r, r), [c, r](Vec2 p) { return Length(p - c) - r; }};
}

Shape Ellipse(Vec2 c, float rx, float ry, float angle) {
    const float m = std::max(rx, ry);
    return {Around(c, m, m), [c, rx, ry, angle](Vec2 p) {
                Vec2 q = Rotate(p - c, -angle);
                // Distance estimate good near the edge, exact for circles.
                const float k0 = Length({q.x / rx, q.y / ry});
                const float k1 = Length({q.x / (rx * rx), q.y / (ry * ry)});
                if (k1 < 1e-6f) return -std::min(rx, ry);
                return k0 * (k0 - 1.0f) / k1;
            }};
}

Shape Capsule(Vec2 a, Vec2 b, float ra, float rb) {
    const float m = std::max(ra, rb);
    Box box{std::min(a.x, b.x) - m, std::min(a.y, b.y) - m, std::max(a.x, b.x) + m, std::max(a.y, b.y) + m};
    return {box, [a, b, ra, rb](Vec2 p) {
                const Vec2 pa = p - a, ba = b - a;
                const float len2 = std::max(Dot(ba, ba), 1e-6f);
                const float h = Clamp01(Dot(pa, ba) / len2);
                return Length(pa - ba * h) - Lerp(ra, rb, h);
            }};
}

Shape Polygon(std::vector<Vec2> pts) {
    Box box{1e9f, 1e9f, -1e9f, -1e9f};
    for (Vec2 v : pts) box = Join(box, {v.x, v.y, v.x, v.y});
    return {box, [pts = std::move(pts)](Vec2 p) {
                float d = Dot(p - pts[0], p - pts[0]);
                float s = 1;
                for (size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i, ++i) {
                    const Vec2 e = pts[j] - pts[i], w = p - pts[i];
                    const Vec2 b = w - e * Clamp01(Dot(w, e) / std::max(Dot(e, e), 1e-6f));
                    d = std::min(d, Dot(b, b));
                    const bool c1 = p.y >= pts[i].y, c2 = p.y < pts[j].y, c3 = e.x * w.y > e.y * w.x;
                    if ((c1 && c2 && c3) || (!c1 && !c2 && !c3)) s = -s;
                }
                return s * std::sqrt(d);
            }};
}

Shape RoundRect(Vec2 c, Vec2 half, float radius, float angle) {
    const float m = Length(half);
    return {Around(c, m, m), [c, half, radius, angle](Vec2 p) {
                Vec2 q = Rotate(p - c, -angle);
                const float qx = std::fabs(q.x) - half.x + radius;
                const float qy = std::fabs(q.y) - half.y + radius;
                return Length({std::max(qx, 0.0f), std::max(qy, 0.0f)}) + std::min(std::max(qx, qy), 0.0f) -
                       radius;
            }};
}

Shape Arc(Vec2 c, float r, float a0, float a1, float width) {
    const float m = r + width;
    return {Around(c, m, m), [c, r, a0, a1, width](Vec2 p) {
                const Vec2 q = p - c;
                float a = std::atan2(q.y, q.x);
                // Bring the angle into [a0, a0 + 2 pi).
                while (a < a0) a += 6.2831853f;
                while (a >= a0 + 6.2831853f) a -= 6.2831853f;
                if (a <= a1) return std::fabs(Length(q) - r) - width * 0.5f;
                const Vec2 e0 = c + Vec2{std::cos(a0), std::sin(a0)} * r;
                const Vec2 e1 = c + Vec2{std::cos(a1), std::sin(a1)} * r;
                return std::min(Length(p - e0), Length(p - e1)) - width * 0.5f;
            }};
}

Shape Curve(Vec2 a, Vec2 control, Vec2 b, float ra, float rb) {
    // Sampled into short capsules: plenty for strokes of a few dozen pixels.
    constexpr int kSteps = 12;
    std::vector<Shape> parts;
    Vec2 prev = a;
    for (int i = 1; i <= kSteps; ++i) {
        const float t = float(i) / kSteps;
        const Vec2 p = a * ((1 - t) * (1 - t)) + control * (2 * t * (1 - t)) + b * (t * t);
        parts.push_back(Capsule(prev, p, Lerp(ra, rb, float(i - 1) / kSteps), Lerp(ra, rb, t)));
        prev = p;
    }
    return Union(std::move(parts));
}

Shape Union(std::vector<Shape> parts, float smooth) {
    Box box = parts.front().box;
    for (const Shape& s : parts) box = Join(box, s.box);
    return {box, [parts = std::move(parts), smooth](Vec2 p) {
                float d = parts.front()(p);
                for (size_t i = 1; i < parts.size(); ++i) {
                    const float e = parts[i](p);
                    d = smooth > 0 ? SmoothMin(d, e, smooth) : std::min(d, e);
                }
                return d;
            }};
}

Shape Subtract(Shape a, Shape b) {
    const Box box = a.box;
    return {box, [a = std::move(a), b = std::move(b)](Vec2 p) { return std::max(a(p), -b(p)); }};
}

Shape Intersect(Shape a, Shape b) {
    const Box box = a.box;
    return {box, [a = std::move(a), b = std::move(b)](Vec2 p) { return std::max(a(p), b(p)); }};
}

Shape Mirror(const Shape& s, float axisX) {
    const Box b = s.box;
    return {{2 * axisX - b.x1, b.y0, 2 * axisX - b.x0, b.y1},
            [s, axisX](Vec2 p) { return s({2 * axisX - p.x, p.y}); }};
}

void Fill(Canvas& canvas, const Shape& shape, Rgba colour) {
    ForBox(canvas, shape.box, 1, [&](int x, int y, Vec2 p) {
        const float cover = Clamp01(0.5f - shape(p));
        if (cover > 0) canvas.Over(x, y, colour, cover);
    });
}

void FillWith(Canvas& canvas, const Shape& shape, const std::function<Rgba(Vec2, float)>& shader) {
    ForBox(canvas, shape.box, 1, [&](int x, int y, Vec2 p) {
        const float d = shape(p);
        const float cover = Clamp01(0.5f - d);
        if (cover > 0) canvas.Over(x, y, shader(p, d), cover);
    });
}

void FillShaded(Canvas& canvas, const Shape& shape, const Material& m) {
    // Light from the upper left, slightly towards the viewer.
    const float lx = -0.45f, ly = -0.62f, lz = 0.64f;
    const float hx = lx, hy = ly, hz = lz + 1.0f;
    const float hl = std::sqrt(hx * hx + hy * hy + hz * hz);
    const Rgba lineColour = {m.base.r * 0.28f, m.base.g * 0.24f, m.base.b * 0.32f, 1};
    ForBox(canvas, shape.box, 1, [&](int x, int y, Vec2 p) {
        const float d = shape(p);
        const float cover = Clamp01(0.5f - d);
        if (cover <= 0) return;
        const float gx = shape({p.x + 0.5f, p.y}) - shape({p.x - 0.5f, p.y});
        const float gy = shape({p.x, p.y + 0.5f}) - shape({p.x, p.y - 0.5f});
        const float gl = std::max(std::sqrt(gx * gx + gy * gy), 1e-5f);
        const float t = Clamp01(-d / std::max(m.bevel, 0.5f));
        const float side = 1 - t;
        float nx = gx / gl * side, ny = gy / gl * side, nz = std::sqrt(std::max(0.0f, 1 - side * side));
        const float nl = std::sqrt(nx * nx + ny * ny + nz * nz);
        nx /= nl, ny /= nl, nz /= nl;
        const float diffuse = std::max(0.0f, nx * lx + ny * ly + nz * lz);
        const float highlight = std::pow(std::max(0.0f, (nx * hx + ny * hy + nz * hz) / hl), 28.0f) * m.shine;
        Rgba c = m.base;
        if (m.pattern) c = Mix(c, m.patternColour, Clamp01(m.pattern(p)));
        if (m.texture > 0) {
            const float n = Fbm2(p.x * m.textureScale, p.y * m.textureScale, m.seed, 3);
            c = Shade(c, 1 + m.texture * (n - 0.5f) * 2);
        }
        // Warm light, cool shade.
        const float lit = 0.38f + 0.78f * diffuse;
        Rgba out = {c.r * lit * 1.02f, c.g * lit, c.b * (lit * 0.92f + 0.08f), c.a};
        out = Mix(out, c, m.glow);
        out.r += highlight;
        out.g += highlight;
        out.b += highlight * 0.95f;
        if (m.line > 0) out = Mix(out, lineColour, SmoothStep(-m.line - 0.6f, -m.line + 0.4f, d) * (1 - m.glow));
        out.r = Clamp01(out.r), out.g = Clamp01(out.g), out.b = Clamp01(out.b);
        canvas.Over(x, y, out, cover);
    });
}

void Glow(Canvas& light, const Shape& shape, Rgba colour, float radius, float intensity) {
    ForBox(light, shape.box, radius * 4, [&](int x, int y, Vec2 p) {
        const float d = shape(p);
        const float k = d <= 0 ? 1.0f : std::exp(-d / radius);
        if (k > 0.004f) light.AddLight(x, y, colour, k * intensity);
    });
}

void AddOutline(Canvas& sprite, Rgba colour, float width) {
    const int w = sprite.Width(), h = sprite.Height();
    const int r = int(std::ceil(width)) + 1;
    std::vector<float> ring(size_t(w) * h, 0);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            float best = 0;
            for (int v = -r; v <= r; ++v) {
                for (int u = -r; u <= r; ++u) {
                    if (!sprite.Inside(x + u, y + v)) continue;
                    // Only what is solid gets an outline, not soft glows.
                    const float a = SmoothStep(0.35f, 0.75f, sprite.At(x + u, y + v).a);
                    if (a <= 0) continue;
                    const float dist = std::sqrt(float(u * u + v * v));
                    best = std::max(best, a * Clamp01(width + 1.0f - dist));
                }
            }
            ring[size_t(y) * w + x] = best;
        }
    }
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            Rgba& p = sprite.At(x, y);
            const float a = ring[size_t(y) * w + x];
            if (a <= 0) continue;
            // The outline goes under the sprite.
            const Rgba top = p;
            p = WithAlpha(colour, a);
            sprite.Over(x, y, top);
        }
    }
}

void GroundShadow(Canvas& canvas, Vec2 c, float rx, float ry, float darkness) {
    ForBox(canvas, Around(c, rx, ry), 1, [&](int x, int y, Vec2 p) {
        const float q = Length({(p.x - c.x) / rx, (p.y - c.y) / ry});
        const float k = (1 - SmoothStep(0.3f, 1.0f, q)) * darkness;
        if (k > 0) canvas.Over(x, y, Rgba{0.05f, 0.04f, 0.08f, 1}, k);
    });
}

}  // namespace assetgen
