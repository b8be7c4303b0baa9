#pragma once
// Painting with signed distance fields: every shape knows, for any point,
// how far it is from the shape's edge (negative inside). Filling from the
// distance gives smooth edges; its gradient gives a surface normal, so any
// shape can be lit like a rounded solid ("pillow" shading) with a dark rim.
#include <functional>
#include <vector>

#include "tools/asset-gen/Canvas.h"

namespace assetgen {

struct Box {
    float x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};

struct Shape {
    Box box;
    std::function<float(Vec2)> sdf;
    float operator()(Vec2 p) const { return sdf(p); }
};

Shape Circle(Vec2 c, float r);
// Radii rx, ry; `angle` in radians turns the ellipse about its centre.
Shape Ellipse(Vec2 c, float rx, float ry, float angle = 0);
// A segment from a to b, radius ra at a and rb at b.
Shape Capsule(Vec2 a, Vec2 b, float ra, float rb);
Shape Polygon(std::vector<Vec2> points);
Shape RoundRect(Vec2 c, Vec2 half, float radius, float angle = 0);
// A band of `width` along a circle arc from angle a0 to a1 (radians, y down).
Shape Arc(Vec2 c, float r, float a0, float a1, float width);
// A quadratic curve stroked with a radius that runs from ra to rb.
Shape Curve(Vec2 a, Vec2 control, Vec2 b, float ra, float rb);
Shape Union(std::vector<Shape> parts, float smooth = 0);
Shape Subtract(Shape a, Shape b);
Shape Intersect(Shape a, Shape b);
Shape Mirror(const Shape& s, float axisX);

struct Material {
    explicit Material(Rgba base_ = {}, float bevel_ = 8, float shine_ = 0.25f, float line_ = 1.2f)
        : base(base_), bevel(bevel_), shine(shine_), line(line_) {}
    Rgba base;
    float bevel = 8;         // depth in pixels over which the surface rounds off
    float shine = 0.25f;     // strength of the shiny highlight
    float line = 1.2f;       // width of the dark rim line, 0 for none
    float texture = 0.0f;    // mottling by noise
    float textureScale = 0.15f;
    unsigned seed = 1;
    // Optional pattern: returns 0..1, blending towards `patternColour`.
    std::function<float(Vec2)> pattern;
    Rgba patternColour;
    float glow = 0;          // self-lit amount (eyes, crystals, flames)
};

// Flat fill with anti-aliased edges.
void Fill(Canvas& canvas, const Shape& shape, Rgba colour);
// Fill with a colour computed per pixel from the point and its distance.
void FillWith(Canvas& canvas, const Shape& shape, const std::function<Rgba(Vec2, float)>& shader);
// Lit like a rounded solid (light from the upper left), with a rim line.
void FillShaded(Canvas& canvas, const Shape& shape, const Material& material);
// Additive glow with an exponential falloff of `radius` outside the shape.
void Glow(Canvas& light, const Shape& shape, Rgba colour, float radius, float intensity);
// A dark outline of `width` pixels around everything opaque in `sprite`.
void AddOutline(Canvas& sprite, Rgba colour, float width);
// A soft shadow ellipse under a sprite.
void GroundShadow(Canvas& canvas, Vec2 c, float rx, float ry, float darkness);

}  // namespace assetgen
