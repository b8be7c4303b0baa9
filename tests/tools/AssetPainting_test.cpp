// The painting toolkit: distance fields, compositing, resizing, outlines,
// lighting and noise, on which every picture of the pack is built.
#include <gtest/gtest.h>

#include <cmath>

#include "tools/asset-gen/Dice.h"
#include "tools/asset-gen/Noise.h"
#include "tools/asset-gen/Paint.h"

using namespace assetgen;

namespace {

float Alpha(const Canvas& c) {
    float sum = 0;
    for (const Rgba& p : c.Pixels()) sum += p.a;
    return sum;
}

}  // namespace

TEST(Shapes, DistanceFieldsAreSignedAndMeasureToTheEdge) {
    const Shape circle = Circle({10, 10}, 5);
    EXPECT_FLOAT_EQ(circle({10, 10}), -5);
    EXPECT_NEAR(circle({15, 10}), 0, 1e-5);
    EXPECT_NEAR(circle({10, 20}), 5, 1e-5);

    const Shape ellipse = Ellipse({0, 0}, 10, 4);
    EXPECT_LT(ellipse({9, 0}), 0);
    EXPECT_GT(ellipse({0, 5}), 0);
    EXPECT_NEAR(ellipse({10, 0}), 0, 1e-4);
    EXPECT_NEAR(ellipse({0, 5}), 1, 0.1);
    // Turned a quarter, its long axis is vertical.
    EXPECT_LT(Ellipse({0, 0}, 10, 4, 1.5707963f)({0, 9}), 0);

    // A capsule tapering from radius 4 to 1.
    const Shape capsule = Capsule({0, 0}, {20, 0}, 4, 1);
    EXPECT_NEAR(capsule({0, 4}), 0, 1e-4);
    EXPECT_NEAR(capsule({20, 1}), 0, 1e-4);
    EXPECT_NEAR(capsule({-6, 0}), 2, 1e-4);

    // An L: the notch is outside although it lies in the bounding box.
    const Shape l = Polygon({{0, 0}, {10, 0}, {10, 4}, {4, 4}, {4, 10}, {0, 10}});
    EXPECT_LT(l({2, 8}), 0);
    EXPECT_LT(l({8, 2}), 0);
    EXPECT_NEAR(l({8, 8}), 4, 1e-4);
    EXPECT_NEAR(l({2, 2}), -2, 1e-4);

    const Shape box = RoundRect({0, 0}, {10, 5}, 0);
    EXPECT_NEAR(box({0, 0}), -5, 1e-4);
    EXPECT_NEAR(box({13, 0}), 3, 1e-4);

    // An arc from angle 0 to a quarter turn (y down): only that part.
    const Shape arc = Arc({0, 0}, 10, 0, 1.5707963f, 2);
    EXPECT_LT(arc({7.07f, 7.07f}), 0);
    EXPECT_GT(arc({-7.07f, -7.07f}), 5);
}

TEST(Shapes, CombinationsFollowSetRules) {
    const Shape a = Circle({0, 0}, 5), b = Circle({6, 0}, 5);
    EXPECT_LT(Union({a, b})({8, 0}), 0);
    EXPECT_GT(Subtract(a, b)({3, 0}), 0);
    EXPECT_LT(Subtract(a, b)({-3, 0}), 0);
    EXPECT_LT(Intersect(a, b)({3, 0}), 0);
    EXPECT_GT(Intersect(a, b)({-3, 0}), 0);
    // A smooth union bulges where the parts meet.
    const Shape near = Circle({0, 0}, 3), far = Circle({8, 0}, 3);
    EXPECT_GT(Union({near, far})({4, 0}), 0);
    EXPECT_LT(Union({near, far}, 4)({4, 0}), Union({near, far})({4, 0}));
    // A mirror about x = 10 puts the circle at 20.
    EXPECT_NEAR(Mirror(Circle({0, 0}, 2), 10)({20, 0}), -2, 1e-5);
}

TEST(Fill, EdgesAreSmoothAndAreasAreRight) {
    Canvas c(64, 64);
    Fill(c, Circle({32, 32}, 20), Hex(0xFFFFFF));
    EXPECT_NEAR(Alpha(c), 3.14159f * 400, 3.14159f * 400 * 0.01f);
    // Some pixel on the rim is partly covered.
    bool partial = false;
    for (const Rgba& p : c.Pixels()) partial |= p.a > 0.1f && p.a < 0.9f;
    EXPECT_TRUE(partial);
    EXPECT_EQ(c.At(0, 0).a, 0.0f);
    EXPECT_EQ(c.At(32, 32).a, 1.0f);
}

TEST(Canvas, CompositesWithStraightAlpha) {
    Canvas c(2, 1, Hex(0x0000FF));
    c.Over(0, 0, Hex(0xFF0000, 0.5f));
    EXPECT_NEAR(c.At(0, 0).r, 0.5f, 1e-5);
    EXPECT_NEAR(c.At(0, 0).b, 0.5f, 1e-5);
    EXPECT_FLOAT_EQ(c.At(0, 0).a, 1.0f);
    // Over a clear pixel the colour stays whole; only the alpha is partial.
    Canvas clear(1, 1);
    clear.Over(0, 0, Hex(0x336699, 0.25f));
    EXPECT_NEAR(clear.At(0, 0).g, 0.4f, 1e-5);
    EXPECT_FLOAT_EQ(clear.At(0, 0).a, 0.25f);
    c.Over(5, 5, Hex(0xFFFFFF));  // outside: ignored
}

TEST(Canvas, ShrinkingKeepsEdgeColoursAndAveragesCover) {
    Canvas c(2, 2);
    c.At(0, 0) = Hex(0xFF0000);
    const Canvas one = c.Resized(1, 1);
    EXPECT_FLOAT_EQ(one.At(0, 0).r, 1.0f);  // not darkened by the clear pixels
    EXPECT_FLOAT_EQ(one.At(0, 0).a, 0.25f);
    Canvas ramp(4, 1);
    for (int x = 0; x < 4; ++x) ramp.At(x, 0) = Rgba{x / 3.0f, 0, 0, 1};
    EXPECT_NEAR(ramp.Sample(1.5f, 0).r, 0.5f, 1e-5);
    EXPECT_NEAR(ramp.Sample(-9, 0).r, 0.0f, 1e-5);
}

TEST(Outline, RingsTheFigureWithoutTouchingIt) {
    Canvas c(32, 32);
    Fill(c, Circle({16, 16}, 8), Hex(0xFFFFFF));
    const Rgba inside = c.At(16, 16);
    AddOutline(c, Hex(0x000000), 1.0f);
    EXPECT_FLOAT_EQ(c.At(16, 16).r, inside.r);
    EXPECT_GT(c.At(16, 16 - 9).a, 0.5f);   // just outside the rim: the outline
    EXPECT_LT(c.At(16, 16 - 9).r, 0.2f);
    EXPECT_EQ(c.At(16, 16 - 12).a, 0.0f);  // further out: untouched
}

TEST(Shading, LitFromTheUpperLeftWithADarkRim) {
    Canvas c(64, 64);
    FillShaded(c, Circle({32, 32}, 24), Material(Hex(0x8080C0), 24, 0.0f, 2.0f));
    EXPECT_GT(Luma(c.At(22, 22)), Luma(c.At(42, 42)));
    EXPECT_LT(Luma(c.At(32, 9)), Luma(c.At(32, 14)));  // the rim line
    // Self-lit parts keep their colour.
    Canvas glow(16, 16);
    Material lamp(Hex(0x40FF40));
    lamp.glow = 1.0f;
    lamp.shine = 0;
    FillShaded(glow, Circle({8, 8}, 7), lamp);
    EXPECT_NEAR(glow.At(11, 11).g, 1.0f, 0.02f);
}

TEST(Noise, SmoothSeededAndInRange) {
    float low = 1, high = 0;
    for (int i = 0; i < 2000; ++i) {
        const float x = i * 0.173f, y = i * 0.091f;
        const float n = Noise2(x, y, 7), f = Fbm2(x, y, 7), r = Ridged2(x, y, 7), one = Fbm1(x, 7);
        for (float v : {n, f, r, one}) ASSERT_TRUE(v >= 0.0f && v <= 1.0f) << v;
        low = std::min(low, n), high = std::max(high, n);
        // Continuous: a tiny step changes little.
        EXPECT_NEAR(Noise2(x + 0.001f, y, 7), n, 0.01f);
    }
    EXPECT_LT(low, 0.2f);
    EXPECT_GT(high, 0.8f);
    EXPECT_EQ(Noise2(3.3f, 4.4f, 1), Noise2(3.3f, 4.4f, 1));
    EXPECT_NE(Noise2(3.3f, 4.4f, 1), Noise2(3.3f, 4.4f, 2));
    // Lattice points of the hash are spread over [0, 1).
    int below = 0;
    for (int i = 0; i < 1000; ++i) below += Hash2(i, i * 3, 5) < 0.5f;
    EXPECT_NEAR(below, 500, 60);
}

TEST(Dice, SameSeedSameRollsAndRangesIncludeBothEnds) {
    Dice a(42), b(42), c(43);
    EXPECT_EQ(a.Next(), b.Next());
    EXPECT_NE(a.Next(), c.Next());
    bool sawLow = false, sawHigh = false;
    for (int i = 0; i < 500; ++i) {
        const int v = a.Int(-2, 2);
        ASSERT_TRUE(v >= -2 && v <= 2);
        sawLow |= v == -2, sawHigh |= v == 2;
        const double u = a.Unit();
        ASSERT_TRUE(u >= 0 && u < 1);
    }
    EXPECT_TRUE(sawLow && sawHigh);
    EXPECT_NE(HashName("slime.bmp"), HashName("slime.bmp", 1));
    EXPECT_NE(HashName("bat"), HashName("tab"));
}
