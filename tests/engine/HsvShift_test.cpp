#include "engine/graphics/HsvShift.h"

#include <gtest/gtest.h>

namespace {

TEST(HsvShift, HueTurnsPrimariesAndWraps) {
    EXPECT_EQ(ShiftHsvPixel(0xFFFF0000, 120, 0, 0), 0xFF00FF00u);
    EXPECT_EQ(ShiftHsvPixel(0xFFFF0000, -120, 0, 0), 0xFF0000FFu);
    EXPECT_EQ(ShiftHsvPixel(0xFFFF0000, 60, 0, 0), 0xFFFFFF00u);
    // Whole turns, however many, bring the colour back.
    EXPECT_EQ(ShiftHsvPixel(0xFF336699, 720 + 90, 0, 0), ShiftHsvPixel(0xFF336699, 90, 0, 0));
    EXPECT_EQ(ShiftHsvPixel(0xFF336699, 90, 0, 0), 0xFF993399u);
}

TEST(HsvShift, ChannelsAreTruncatedNotRounded) {
    EXPECT_EQ(ShiftHsvPixel(0xFFC86432, 0, -50, 0), 0xFFC8A696u);   // (200, 166, 150)
    EXPECT_EQ(ShiftHsvPixel(0xFFC86432, 0, 0, -10), 0xFFAE572Bu);   // (174, 87, 43)
    EXPECT_EQ(ShiftHsvPixel(0xFF804020, 45, 20, 10), 0xFF8D9907u);  // (141, 153, 7)
    EXPECT_EQ(ShiftHsvPixel(0xFFFF8000, -100, 0, 0), 0xFFD400FFu);  // (212, 0, 255)
}

TEST(HsvShift, SaturationAndValueClampAndAlphaSurvives) {
    // Saturation -100 leaves grey at the value; alpha passes through.
    EXPECT_EQ(ShiftHsvPixel(0x80FF8000, 0, -100, 0), 0x80FFFFFFu);
    EXPECT_EQ(ShiftHsvPixel(0xC8336699, 0, 0, -100), 0xC8000000u);
    EXPECT_EQ(ShiftHsvPixel(0xFF336699, 0, 0, 100), 0xFF55AAFFu);
    EXPECT_EQ(ShiftHsvPixel(0xFF336699, 0, 500, 0), ShiftHsvPixel(0xFF336699, 0, 100, 0));
    // Grey has no hue to turn.
    EXPECT_EQ(ShiftHsvPixel(0xFF808080, 90, 0, 0), 0xFF808080u);
    for (uint32_t a = 0; a < 256; ++a) {
        EXPECT_EQ(ShiftHsvPixel(a << 24 | 0x204060, 10, 0, 0) >> 24, a);
    }
}

}  // namespace
