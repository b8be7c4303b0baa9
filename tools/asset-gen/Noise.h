#pragma once
// Smooth value noise and its fractal sums, seeded, for clouds, rock, grass,
// flames and the ridgelines of mountains. Results lie in [0, 1].
#include <cstdint>

namespace assetgen {

float Noise2(float x, float y, uint32_t seed);
float Noise1(float x, uint32_t seed);
// Sum of `octaves` layers, each twice the frequency and half the weight.
float Fbm2(float x, float y, uint32_t seed, int octaves = 5);
float Fbm1(float x, uint32_t seed, int octaves = 5);
// Sharp crests (1 - |2n - 1|) summed: mountain ridges and cracks.
float Ridged2(float x, float y, uint32_t seed, int octaves = 5);
// A hash of integer coordinates in [0, 1): stars, sparkles, grass blades.
float Hash2(int x, int y, uint32_t seed);

}  // namespace assetgen
