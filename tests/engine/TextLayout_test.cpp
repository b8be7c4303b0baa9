#include "engine/font/TextLayout.h"

#include <gtest/gtest.h>

#include <ostream>

void PrintTo(const PlacedUnit& p, std::ostream* out) {
    *out << "U+" << std::hex << int(p.unit) << std::dec << " at (" << p.x << "," << p.y << ")";
}

namespace {

// Half-width units advance half a cell; "ハ" stands for a wide character
// whose black box is 110 pixels with positive A and C widths.
double Ratio(char16_t unit) { return unit <= 0xFF ? 0.5 : (110.0 + 2 + 2) / 128; }

std::vector<PlacedUnit> Lay(const char16_t* text, TextStyle style, int32_t h = 0, int32_t v = 0,
                            int32_t max = -1, Point origin = {100, 50}) {
    return LayoutText(origin, text, max, style, h, v, Ratio);
}

TEST(TextLayout, AdvancesOfUnitsAndSpaces) {
    const TextStyle style{16, 16, 0, 0};
    EXPECT_EQ(Lay(u"AB", style), (std::vector<PlacedUnit>{{u'A', 100, 50}, {u'B', 108, 50}}));
    EXPECT_EQ(UnitAdvance(u'ハ', style, Ratio), 14);  // trunc(16 x 114 / 128)
    const TextStyle spaced{32, 32, 4, 0};
    EXPECT_EQ(UnitAdvance(u' ', spaced, Ratio), 20);
    EXPECT_EQ(UnitAdvance(u'\u3000', spaced, Ratio), 36);
    EXPECT_EQ(UnitAdvance(u'\t', spaced, Ratio), 68);
    // Spaces move on without drawing anything.
    EXPECT_EQ(Lay(u"A \u3000\tB", spaced),
              (std::vector<PlacedUnit>{{u'A', 100, 50}, {u'B', 100 + 20 + 20 + 36 + 68, 50}}));
}

TEST(TextLayout, MaximumCountAndLineBreaks) {
    const TextStyle style{16, 20, 0, 6};
    EXPECT_EQ(Lay(u"ABCDEFGHIJ", style, 0, 0, 3).size(), 3u);
    EXPECT_EQ(Lay(u"ABCDEFGHIJ", style, 0, 0, -1).size(), 10u);
    EXPECT_EQ(Lay(u"ABCDEFGHIJ", style, 0, 0, 0).size(), 0u);
    EXPECT_EQ(Lay(u"AB", style, 0, 0, 99).size(), 2u);
    // A line feed returns to the origin x, h + g lower; the vertical code
    // is not used with left alignment.
    EXPECT_EQ(Lay(u"AB\nC\n\nD", style, 0, 2),
              (std::vector<PlacedUnit>{
                  {u'A', 100, 50}, {u'B', 108, 50}, {u'C', 100, 76}, {u'D', 100, 128}}));
}

TEST(TextLayout, CentredAndRightAlignedLines) {
    const TextStyle style{16, 16, 4, 2};
    // "AB" advances 12 + 12; the spacing after the last unit does not count.
    EXPECT_EQ(Lay(u"AB", style, 1, 0), (std::vector<PlacedUnit>{{u'A', 90, 50}, {u'B', 102, 50}}));
    EXPECT_EQ(Lay(u"AB", style, 2, 0), (std::vector<PlacedUnit>{{u'A', 80, 50}, {u'B', 92, 50}}));
    EXPECT_EQ(Lay(u"AB", style, 1, 1)[0].y, 42);
    EXPECT_EQ(Lay(u"AB", style, 1, 2)[0].y, 34);
    // Each line is measured and placed on its own ("ハA" advances 18 + 12,
    // its ink 26 wide); lines follow h + g apart even when centred vertically.
    EXPECT_EQ(Lay(u"ハA\nB", style, 1, 1),
              (std::vector<PlacedUnit>{{u'ハ', 87, 42}, {u'A', 105, 42}, {u'B', 96, 60}}));
    EXPECT_EQ(Lay(u"A\nB\nC", style, 2, 2),
              (std::vector<PlacedUnit>{{u'A', 92, 34}, {u'B', 92, 52}, {u'C', 92, 70}}));
    // The count may end a line early.
    EXPECT_EQ(Lay(u"ABCD", style, 2, 0, 2),
              (std::vector<PlacedUnit>{{u'A', 80, 50}, {u'B', 92, 50}}));
}

}  // namespace
