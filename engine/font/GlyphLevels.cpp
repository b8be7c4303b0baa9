#include "engine/font/GlyphLevels.h"

#include <algorithm>
#include <cmath>

namespace font {

CoverageImage HalveCoverage(const CoverageImage& image) {
    CoverageImage half;
    if (image.size < 2) return half;
    half.size = image.size / 2;
    half.alpha.resize(size_t(half.size) * half.size);
    const int32_t s = image.size;
    for (int32_t y = 0; y < half.size; ++y) {
        const uint8_t* top = &image.alpha[size_t(2 * y) * s];
        const uint8_t* bottom = top + s;
        uint8_t* out = &half.alpha[size_t(y) * half.size];
        for (int32_t x = 0; x < half.size; ++x) {
            const int32_t sum = top[2 * x] + top[2 * x + 1] + bottom[2 * x] + bottom[2 * x + 1];
            out[x] = uint8_t((sum + 2) / 4);
        }
    }
    return half;
}

CoverageImage AreaAverage(const CoverageImage& image, int32_t size) {
    CoverageImage out;
    if (size <= 0 || image.size <= 0) return out;
    out.size = size;
    out.alpha.resize(size_t(size) * size);
    const double scale = double(image.size) / size;  // source pixels per target pixel
    // Weight of source column (row) i under target pixel t: the overlap of
    // [i, i + 1) with [t * scale, (t + 1) * scale).
    auto overlap = [scale](int32_t t, int32_t i) {
        const double lo = std::max(double(i), t * scale);
        const double hi = std::min(double(i + 1), (t + 1) * scale);
        return std::max(0.0, hi - lo);
    };
    for (int32_t ty = 0; ty < size; ++ty) {
        const int32_t y0 = int32_t(std::floor(ty * scale));
        const int32_t y1 = std::min(image.size, int32_t(std::ceil((ty + 1) * scale)));
        for (int32_t tx = 0; tx < size; ++tx) {
            const int32_t x0 = int32_t(std::floor(tx * scale));
            const int32_t x1 = std::min(image.size, int32_t(std::ceil((tx + 1) * scale)));
            double sum = 0;
            for (int32_t y = y0; y < y1; ++y) {
                const double wy = overlap(ty, y);
                for (int32_t x = x0; x < x1; ++x)
                    sum += wy * overlap(tx, x) * image.alpha[size_t(y) * image.size + x];
            }
            out.alpha[size_t(ty) * size + tx] = uint8_t(std::lround(sum / (scale * scale)));
        }
    }
    return out;
}

}  // namespace font
