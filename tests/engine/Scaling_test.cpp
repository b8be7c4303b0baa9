#include "engine/graphics/Scaling.h"

#include <gtest/gtest.h>

namespace {

constexpr Size kPicture{640, 480};

TEST(Scaling, SmoothFillsWhatFitsWithBarsOnTheLongSide) {
    PicturePlacement p = PlacePicture({1920, 1080}, kPicture, ScaleMode::kSmooth);
    EXPECT_EQ(p.rect, (Rect{240, 0, 1680, 1080}));  // 1440 x 1080, bars left and right
    EXPECT_FALSE(p.sharp);
    p = PlacePicture({800, 1000}, kPicture, ScaleMode::kSmooth);
    EXPECT_EQ(p.rect, (Rect{0, 200, 800, 800}));  // bars above and below
    EXPECT_EQ(PlacePicture(kPicture, kPicture, ScaleMode::kSmooth).rect, (Rect{0, 0, 640, 480}));
}

TEST(Scaling, WholeNumberTakesTheLargestMultipleThatFitsCentred) {
    PicturePlacement p = PlacePicture({1920, 1080}, kPicture, ScaleMode::kWholeNumber);
    EXPECT_EQ(p.rect, (Rect{320, 60, 1600, 1020}));  // 2x: 1280 x 960
    EXPECT_TRUE(p.sharp);
    p = PlacePicture({1279, 2000}, kPicture, ScaleMode::kWholeNumber);  // one pixel short of 2x
    EXPECT_EQ(p.rect.Width(), 640);
    EXPECT_EQ(p.rect.Height(), 480);
    EXPECT_EQ(p.rect.left, 319);
    p = PlacePicture({3840, 2160}, kPicture, ScaleMode::kWholeNumber);
    EXPECT_EQ(p.rect, (Rect{640, 120, 3200, 2040}));  // 4x: 2560 x 1920
}

TEST(Scaling, WindowsSmallerThanThePictureShrinkSmoothlyAndEmptyOnesDrawNothing) {
    const PicturePlacement p = PlacePicture({320, 300}, kPicture, ScaleMode::kWholeNumber);
    EXPECT_FALSE(p.sharp);
    EXPECT_EQ(p.rect, (Rect{0, 30, 320, 270}));
    EXPECT_EQ(PlacePicture({0, 480}, kPicture, ScaleMode::kSmooth).rect, (Rect{}));
    EXPECT_EQ(PlacePicture({-5, -5}, kPicture, ScaleMode::kWholeNumber).rect, (Rect{}));
}

}  // namespace
