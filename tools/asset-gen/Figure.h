#pragma once
// A monster figure being built from parts, in design units (roughly one
// unit per pixel at the figure's natural size). Parts are painted at once,
// back to front, at twice the final resolution; Finish shrinks the picture
// and draws the dark outline around it.
#include <functional>
#include <initializer_list>
#include <vector>

#include "tools/asset-gen/Canvas.h"
#include "tools/asset-gen/Dice.h"
#include "tools/asset-gen/Paint.h"

namespace assetgen {

struct Look {
    Look(Rgba colour_ = {}, float shine_ = 0.2f, float texture_ = 0, float bevel_ = 0, float glow_ = 0)
        : colour(colour_), shine(shine_), texture(texture_), bevel(bevel_), glow(glow_) {}
    Rgba colour;
    float shine = 0.2f;
    float texture = 0;         // mottling: fur, stone, bark
    float bevel = 0;           // units; 0 rounds the part over half its width
    float glow = 0;            // self-lit (eyes, flames, crystals)
    std::function<float(Vec2)> pattern;  // in units, 0..1 towards patternColour
    Rgba patternColour;
};

inline Look Skin(Rgba c) { return Look{c, 0.12f}; }
inline Look Cloth(Rgba c) { return Look{c, 0.06f, 0.18f}; }
inline Look Metal(Rgba c) { return Look{c, 0.65f}; }
inline Look Fur(Rgba c) { return Look{c, 0.05f, 0.3f}; }
inline Look Stone(Rgba c) { return Look{c, 0.1f, 0.4f}; }
inline Look Shiny(Rgba c) { return Look{c, 0.5f}; }
inline Look Lit(Rgba c, float glow = 0.7f) { return Look{c, 0.3f, 0, 0, glow}; }

class Figure {
public:
    // Width and height in units; `ppu` final pixels per unit.
    Figure(float width, float height, float ppu, uint64_t seed);

    float Width() const { return w_; }
    float Height() const { return h_; }
    Dice& Random() { return dice_; }

    // Shapes in units (they become pixel shapes of the working canvas).
    Vec2 P(float x, float y) const { return {x * k_, y * k_}; }
    float U(float length) const { return length * k_; }
    Shape Oval(float cx, float cy, float rx, float ry, float angle = 0) const;
    Shape Limb(float x0, float y0, float x1, float y1, float r0, float r1) const;
    Shape Poly(std::initializer_list<Vec2> points) const;
    Shape PolyV(const std::vector<Vec2>& points) const;
    Shape Box(float cx, float cy, float hw, float hh, float radius = 0, float angle = 0) const;
    Shape Bend(float x0, float y0, float cx, float cy, float x1, float y1, float r0, float r1) const;
    Shape Band(float cx, float cy, float r, float a0, float a1, float width) const;
    // The shape together with its mirror image about the figure's middle.
    Shape Both(const Shape& s) const;

    void Paint(const Shape& s, const Look& look);
    void Flat(const Shape& s, Rgba colour);
    void Glow(const Shape& s, Rgba colour, float radius, float strength);

    // An eye: white, iris, pupil and a glint; `fierce` makes it a glowing
    // slit without white.
    void Eye(float x, float y, float r, Rgba iris, bool fierce = false);
    // A pair of eyes, symmetric about x.
    void Eyes(float x, float y, float apart, float r, Rgba iris, bool fierce = false);
    // A grin with teeth, from x0 to x1 at y, opening `open` units.
    void Mouth(float x0, float x1, float y, float open, bool fangs);

    Canvas Finish();

private:
    float w_, h_, k_;
    Canvas canvas_;
    Dice dice_;
};

}  // namespace assetgen
