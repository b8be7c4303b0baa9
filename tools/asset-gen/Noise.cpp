#include "tools/asset-gen/Noise.h"

#include <cmath>

namespace assetgen {

namespace {

uint32_t Mix(uint32_t h) {
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return h;
}

float Lattice(int x, int y, uint32_t seed) {
    return float(Mix(uint32_t(x) * 0x8DA6B343u ^ uint32_t(y) * 0xD8163841u ^ seed * 0xCB1AB31Fu) >> 8) *
           (1.0f / 16777216.0f);
}

float Fade(float t) { return t * t * t * (t * (t * 6 - 15) + 10); }

}  // namespace

float Hash2(int x, int y, uint32_t seed) { return Lattice(x, y, seed ^ 0x5BD1E995u); }

float Noise2(float x, float y, uint32_t seed) {
    const float fx = std::floor(x), fy = std::floor(y);
    const int ix = int(fx), iy = int(fy);
    const float tx = Fade(x - fx), ty = Fade(y - fy);
    const float a = Lattice(ix, iy, seed), b = Lattice(ix + 1, iy, seed);
    const float c = Lattice(ix, iy + 1, seed), d = Lattice(ix + 1, iy + 1, seed);
    return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

float Noise1(float x, uint32_t seed) {
    const float fx = std::floor(x);
    const int ix = int(fx);
    const float t = Fade(x - fx);
    const float a = Lattice(ix, 0, seed), b = Lattice(ix + 1, 0, seed);
    return a + (b - a) * t;
}

float Fbm2(float x, float y, uint32_t seed, int octaves) {
    float sum = 0, weight = 0.5f, total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += Noise2(x, y, seed + uint32_t(i) * 101u) * weight;
        total += weight;
        x = x * 2.03f + 17.1f;
        y = y * 2.03f + 3.7f;
        weight *= 0.5f;
    }
    return sum / total;
}

float Fbm1(float x, uint32_t seed, int octaves) {
    float sum = 0, weight = 0.5f, total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += Noise1(x, seed + uint32_t(i) * 101u) * weight;
        total += weight;
        x = x * 2.03f + 17.1f;
        weight *= 0.5f;
    }
    return sum / total;
}

float Ridged2(float x, float y, uint32_t seed, int octaves) {
    float sum = 0, weight = 0.5f, total = 0;
    for (int i = 0; i < octaves; ++i) {
        const float n = 1.0f - std::fabs(2.0f * Noise2(x, y, seed + uint32_t(i) * 131u) - 1.0f);
        sum += n * n * weight;
        total += weight;
        x = x * 2.07f + 5.3f;
        y = y * 2.07f + 11.9f;
        weight *= 0.5f;
    }
    return sum / total;
}

}  // namespace assetgen
