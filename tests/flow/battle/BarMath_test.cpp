#include "flow/battle/BarMath.h"

#include <gtest/gtest.h>

namespace {

TEST(BattleBars, FillsAtTheirEndsWithIntegerDivision) {
    EXPECT_EQ(HpFill(90, 1000, 1000), 90);
    EXPECT_EQ(HpFill(90, 0, 1000), 0);
    // 90 - 999 x 90 / 1000 = 90 - 89: one point of hp still shows a pixel.
    EXPECT_EQ(HpFill(90, 1, 1000), 1);
    EXPECT_EQ(HpFill(90, 999, 1000), 90);
    EXPECT_EQ(PercentFill(90, 100), 90);
    EXPECT_EQ(PercentFill(90, 50), 45);
    EXPECT_EQ(PercentFill(90, 1), 1);
    EXPECT_EQ(GaugeFill(70, kFullGauge), 70);
    EXPECT_EQ(GaugeFill(70, 0), 0);
    EXPECT_EQ(GaugeFill(70, 9999), 70);
    // The missing share is cut down: any charge shows a pixel, and the bar
    // looks full a little before the turn.
    EXPECT_EQ(GaugeFill(70, 1), 1);
    EXPECT_EQ(GaugeFill(70, 9857), 69);
    EXPECT_EQ(GaugeFill(70, 9858), 70);
}

TEST(BattleBars, OutOfRangeValuesStayInsideTheBar) {
    EXPECT_EQ(HpFill(90, 1500, 1000), 90);
    EXPECT_EQ(HpFill(90, -20, 1000), 0);
    EXPECT_EQ(HpFill(90, 0, 0), 0);  // a unit without hp must not divide by zero
    EXPECT_EQ(GaugeFill(70, 20000), 70);
    // Huge hp: the missing share times the width passes 32 bits.
    EXPECT_EQ(HpFill(90, 1000000000, 2000000000), 45);
}

}  // namespace
