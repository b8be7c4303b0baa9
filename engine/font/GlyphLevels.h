#pragma once
// Smaller copies of a glyph picture for small text: each level halves the
// one before by averaging 2 x 2 blocks of coverage, so every source pixel
// counts (drawing the large picture straight down to 14 pixels with linear
// filtering would read only a few of them and turn dense characters into
// blots).
#include <cstdint>
#include <vector>

namespace font {

// Coverage 0 to 255, size x size, row by row.
struct CoverageImage {
    int32_t size = 0;
    std::vector<uint8_t> alpha;
};

// The image halved (size / 2, rounding each 2 x 2 average to nearest);
// an odd last row or column is dropped. Empty for sizes below 2.
CoverageImage HalveCoverage(const CoverageImage& image);

// `image` reduced to `size` by averaging the (fractional) area of the
// source under each target pixel: the reference the halving levels are
// checked against, and the measure of what small text should look like.
CoverageImage AreaAverage(const CoverageImage& image, int32_t size);

}  // namespace font
