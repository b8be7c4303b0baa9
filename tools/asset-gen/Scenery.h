#pragma once
// Layers that the background scenes are built from: skies, heavenly
// bodies, clouds, ridgelines, ground, trees, water, fog and light. Each
// paints over what is already on the canvas, back to front.
#include <cstdint>
#include <vector>

#include "tools/asset-gen/Canvas.h"
#include "tools/asset-gen/Paint.h"

namespace assetgen {

struct GradientStop {
    float y;  // pixel row
    Rgba colour;
};

// Vertical gradient through the stops, filling rows y0 to y1.
void SkyGradient(Canvas& c, const std::vector<GradientStop>& stops, int y0 = 0, int y1 = -1);
// Stars above `yMax`, fading towards it.
void Stars(Canvas& c, float density, int yMax, float brightness, uint32_t seed);
// A disc with a wide halo (sun, moon).
void Sun(Canvas& c, Vec2 at, float radius, Rgba core, Rgba halo, float haloRadius);
// A moon with darker maria and an optional shadowed crescent.
void Moon(Canvas& c, Vec2 at, float radius, Rgba colour, Rgba halo, float phase);
// Clouds between rows y0 and y1: `cover` 0..1 of the sky, lit from above.
void Clouds(Canvas& c, int y0, int y1, float cover, Rgba lit, Rgba shade, float scale, uint32_t seed,
            float alpha = 1.0f);
// A ridgeline: height above `base` up to `amplitude` by ridged noise;
// filled with the gradient top -> bottom, shaded by slope; snow above
// `snowLine` (a share of the amplitude, 0 for none).
void Ridge(Canvas& c, float base, float amplitude, float frequency, Rgba top, Rgba bottom, float snowLine,
           uint32_t seed, bool jagged = true);
// A floor of clouds seen from above, from the horizon row down, in
// perspective (puffs grow towards the viewer).
void CloudSea(Canvas& c, int horizon, Rgba lit, Rgba shade, uint32_t seed, float cover = 0.6f);
// The outline with every edge broken into a jagged line.
std::vector<Vec2> Roughen(const std::vector<Vec2>& outline, float roughness, uint32_t seed);
// A rock face with (a roughened copy of) the given outline, lit facet by facet.
void Crag(Canvas& c, const std::vector<Vec2>& outline, Rgba colour, uint32_t seed);
// Rounded hills, lighter on their crests.
void Hills(Canvas& c, float base, float amplitude, float frequency, Rgba colour, Rgba crest, uint32_t seed);
// Ground from row y0 to the bottom, textured with noise, darker at the bottom.
void Ground(Canvas& c, int y0, Rgba far, Rgba near, float texture, float scale, uint32_t seed);
// Grass blades over the ground from y0 down (bigger towards the viewer).
void GrassBlades(Canvas& c, int y0, Rgba dark, Rgba light, float density, uint32_t seed);
// Haze that fades the rows between y0 and y1 towards a colour.
void Fog(Canvas& c, int y0, int y1, Rgba colour, float strength);
void Vignette(Canvas& c, float strength);
// Rays of light from a point, additive.
void LightRays(Canvas& c, Vec2 from, float spread, Rgba colour, float strength, uint32_t seed);
// Water below `horizon`: reflects the picture above, with ripples.
void Water(Canvas& c, int horizon, Rgba tint, float tintAmount, float waves, uint32_t seed);

void ConiferTree(Canvas& c, Vec2 base, float height, Rgba colour, Rgba light, uint32_t seed, Rgba snow = {});
void RoundTree(Canvas& c, Vec2 base, float height, Rgba leaves, Rgba trunk, uint32_t seed);
// Glowing motes (fireflies, sparks, sparkles).
void Motes(Canvas& c, int count, Box area, Rgba colour, float size, uint32_t seed);

}  // namespace assetgen
