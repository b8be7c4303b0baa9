#include "engine/font/GlyphLevels.h"

#include <gtest/gtest.h>

namespace {

using font::CoverageImage;

CoverageImage Filled(int32_t size, uint8_t value) {
    return CoverageImage{size, std::vector<uint8_t>(size_t(size) * size, value)};
}

TEST(GlyphLevels, HalvingAveragesEveryPixelOfEachBlock) {
    // A one-pixel checkerboard has no pixel in common with a sampler that
    // reads every other one; its halving is an even grey.
    CoverageImage board{4, {}};
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) board.alpha.push_back((x + y) % 2 ? 255 : 0);
    const CoverageImage half = font::HalveCoverage(board);
    ASSERT_EQ(half.size, 2);
    for (uint8_t a : half.alpha) EXPECT_EQ(a, 128);  // (510 + 2) / 4, rounded

    // One inked pixel in a block gives a quarter of it; an odd edge is dropped.
    CoverageImage odd = Filled(5, 0);
    odd.alpha[1 * 5 + 1] = 200;
    odd.alpha[4 * 5 + 4] = 255;
    const CoverageImage oddHalf = font::HalveCoverage(odd);
    ASSERT_EQ(oddHalf.size, 2);
    EXPECT_EQ(oddHalf.alpha, (std::vector<uint8_t>{50, 0, 0, 0}));
    EXPECT_EQ(font::HalveCoverage(Filled(1, 9)).size, 0);
}

TEST(GlyphLevels, AreaAverageWeighsPartlyCoveredPixels) {
    // 3 -> 2: each target pixel covers 1.5 x 1.5 source pixels.
    CoverageImage left = Filled(3, 0);
    for (int y = 0; y < 3; ++y) left.alpha[size_t(y) * 3] = 255;  // first column inked
    const CoverageImage out = font::AreaAverage(left, 2);
    ASSERT_EQ(out.size, 2);
    // Left target pixels: one whole inked column out of 1.5 -> 2/3 of 255.
    EXPECT_EQ(out.alpha[0], 170);
    EXPECT_EQ(out.alpha[2], 170);
    EXPECT_EQ(out.alpha[1], 0);
    EXPECT_EQ(out.alpha[3], 0);
    // Halving and a 2:1 area average agree exactly on even sizes.
    CoverageImage ramp{8, {}};
    for (int i = 0; i < 64; ++i) ramp.alpha.push_back(uint8_t(i * 4));
    EXPECT_EQ(font::AreaAverage(ramp, 4).alpha, font::HalveCoverage(ramp).alpha);
    EXPECT_EQ(font::AreaAverage(ramp, 0).size, 0);
}

}  // namespace
