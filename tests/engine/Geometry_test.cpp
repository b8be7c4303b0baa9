#include "engine/graphics/Geometry.h"

#include <gtest/gtest.h>

#include "engine/graphics/QuadGeometry.h"

namespace {

TEST(Geometry, RectFromAnchorAndBack) {
    EXPECT_EQ(RectFromAnchor({100, 50}, {31, 11}, 1, 1), (Rect{85, 45, 116, 56}));
    EXPECT_EQ(RectFromAnchor({100, 50}, {31, 11}, 0, 2), (Rect{100, 39, 131, 50}));
    EXPECT_EQ(RectFromAnchor({100, 50}, {31, 11}, 2, 0), (Rect{69, 50, 100, 61}));
    // Halving truncates toward zero, also for negative sizes.
    EXPECT_EQ(RectFromAnchor({0, 0}, {-31, -11}, 1, 1), (Rect{15, 5, -16, -6}));

    const Rect r{85, 45, 116, 56};
    EXPECT_EQ(AnchorOf(r, 0, 0), (Point{85, 45}));
    EXPECT_EQ(AnchorOf(r, 1, 1), (Point{100, 50}));
    EXPECT_EQ(AnchorOf(r, 2, 2), (Point{116, 56}));
    EXPECT_EQ(AnchorOf(r, 3, -1), (Point{0, 0}));
}

TEST(Geometry, CellCoordinatesFollowTheGridAndExtents) {
    const std::array<Point, 4> corners{Point{10, 20}, Point{35, 20}, Point{35, 50}, Point{10, 50}};
    std::array<Color, 4> colors;
    colors.fill({255, 255, 255, 255});
    // A 100 x 60 image in a 128 x 64 texture, cut 4 x 2: cell 5 is the
    // second row, second column.
    const CellGrid grid{100.0 / 128, 60.0 / 64, 4, 2};
    const double ue = grid.uExtent, ve = grid.vExtent;
    auto quad = BuildQuad(corners, colors, grid, 5, 0);
    EXPECT_FLOAT_EQ(quad[0].u, float(0.25 * ue));
    EXPECT_FLOAT_EQ(quad[1].u, float(0.5 * ue));
    EXPECT_FLOAT_EQ(quad[0].v, float(0.5 * ve));
    EXPECT_FLOAT_EQ(quad[3].v, float(ve));
    EXPECT_EQ(quad[2].x, 35.0f);
    EXPECT_EQ(quad[2].y, 50.0f);

    // Past the grid the rows continue below the image.
    auto beyond = BuildQuad(corners, colors, grid, 9, 0);
    EXPECT_FLOAT_EQ(beyond[0].v, float(ve));
    EXPECT_FLOAT_EQ(beyond[3].v, float(1.5 * ve));
    // A record with an empty grid shows the whole picture instead of dividing by zero.
    auto whole = BuildQuad(corners, colors, {1.0, 1.0, 0, 0}, 0, 0);
    EXPECT_FLOAT_EQ(whole[2].u, 1.0f);
    EXPECT_FLOAT_EQ(whole[2].v, 1.0f);
}

TEST(Geometry, LetterboxKeepsTheAspectRatio) {
    const Size picture{640, 480};
    EXPECT_EQ(LetterboxRect({640, 480}, picture), (Rect{0, 0, 640, 480}));
    EXPECT_EQ(LetterboxRect({1280, 960}, picture), (Rect{0, 0, 1280, 960}));
    EXPECT_EQ(LetterboxRect({1920, 1080}, picture), (Rect{240, 0, 1680, 1080}));
    EXPECT_EQ(LetterboxRect({800, 1000}, picture), (Rect{0, 200, 800, 800}));
    EXPECT_EQ(LetterboxRect({700, 400}, picture), (Rect{83, 0, 616, 400}));
    EXPECT_EQ(LetterboxRect({0, 400}, picture), (Rect{}));
}

}  // namespace
