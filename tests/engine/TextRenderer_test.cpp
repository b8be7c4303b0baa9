#include "engine/font/TextRenderer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "GraphicsFixture.h"
#include "engine/font/FontFace.h"

namespace {

FontSpec GameFont() {
    FontSpec fontSpec;
    fontSpec.height = 128;
    fontSpec.width = 64;
    fontSpec.weight = 2400;
    return fontSpec;
}

// The glyph cache and measurements need the font but no device.
TEST(TextWithoutDevice, MeasuresAndCachesGlyphsOnce) {
    ASSERT_FALSE(Graphics().IsCreated());
    TextRenderer& text = Graphics().Text();
    ASSERT_TRUE(text.CreateFont(GameFont())) << "no Japanese font installed";
    EXPECT_EQ(text.FontHeight(), 128);
    EXPECT_EQ(text.GlyphCount(), 0u);
    text.SetTextAlign(0, 0);
    text.SetTextStyle(16, 16, 0, 0);
    EXPECT_EQ(text.Layout({0, 0}, u"AB", -1),
              (std::vector<PlacedUnit>{{u'A', 0, 0}, {u'B', 8, 0}}));

    const int32_t ha = text.GlyphFor(u'ハ');
    EXPECT_EQ(text.GlyphFor(u'ハ'), ha);
    EXPECT_EQ(text.GlyphCount(), 3u);  // A, B, ハ; never spaces
    text.Layout({0, 0}, u"A B\u3000A\tB\n", -1);
    EXPECT_EQ(text.GlyphCount(), 3u);
    // A wide glyph's advance is its black box plus 2 + 2 for its bearings.
    font::GlyphBitmap bitmap;
    ASSERT_TRUE(text.Face().Rasterise(u'ハ', bitmap));
    EXPECT_GT(bitmap.aWidth, 0);
    EXPECT_GT(bitmap.cWidth, 0);
    EXPECT_DOUBLE_EQ(text.GlyphAt(ha).advanceRatio, (bitmap.width + 4) / 128.0);
    EXPECT_DOUBLE_EQ(text.GlyphAt(text.GlyphFor(u'A')).advanceRatio, 0.5);
    // Coverage comes in 65 levels.
    EXPECT_EQ(*std::max_element(bitmap.levels.begin(), bitmap.levels.end()), 64);
    // A unit the face cannot draw gives an empty glyph, not the missing-glyph box.
    EXPECT_FALSE(text.Face().Rasterise(u'\uE000', bitmap));
    EXPECT_EQ(bitmap.width, 0);
    EXPECT_TRUE(text.GlyphAt(text.GlyphFor(u'\uE000')).texture.Empty());
}

class TextTest : public GraphicsTest {
protected:
    void SetUp() override {
        GraphicsTest::SetUp();
        ASSERT_TRUE(Graphics().Text().CreateFont(GameFont()));
        Graphics().Text().SetShadow(1);
        Graphics().Text().SetShadowOffset({2, 2});
        Graphics().Text().SetTextAlign(0, 0);
        Graphics().Clear(kBackground);
        Graphics().SetColor({255, 255, 255, 255});
    }

    // Bounding box of the pixels close to `c` in the band of rows.
    Rect InkOf(Color c, int top, int bottom) const {
        Rect box{640, 480, -1, -1};
        for (int y = top; y < bottom; ++y) {
            for (int x = 0; x < 640; ++x) {
                const Color p = At(x, y);
                if (std::abs(p.r - c.r) > 8 || std::abs(p.g - c.g) > 8 || std::abs(p.b - c.b) > 8) {
                    continue;
                }
                box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
                       std::max(box.bottom, y + 1)};
            }
        }
        return box;
    }

    static constexpr Color kBackground{0, 0, 160, 255};
};

TEST_F(TextTest, AlignedTextWithItsShadow) {
    TextRenderer& text = Graphics().Text();
    text.SetTextStyle(32, 32, 0, 0);
    text.SetTextAlign(0, 0);
    text.DrawText({100, 20}, WString("■"));
    text.SetTextAlign(1, 0);
    text.DrawText({320, 120}, WString("■"));
    text.SetTextAlign(2, 0);
    text.DrawText({540, 220}, WString("■"));
    EXPECT_EQ(Graphics().CornerColors()[0], (Color{255, 255, 255, 255}));
    Capture();

    const Rect left = InkOf({255, 255, 255}, 0, 100);
    const Rect centre = InkOf({255, 255, 255}, 100, 200);
    const Rect right = InkOf({255, 255, 255}, 200, 300);
    EXPECT_NEAR(left.left, 100, 1);
    EXPECT_NEAR((centre.left + centre.right) / 2, 320, 2);
    EXPECT_NEAR(right.right, 540, 3);
    EXPECT_NEAR(left.Width(), 25, 2);  // 101 of 128 pixels, scaled to 32
    EXPECT_EQ(centre.Width(), left.Width());

    // The shadow: black, two pixels right and down, under the text.
    for (const Rect& ink : {left, centre, right}) {
        EXPECT_TRUE(Near(At(ink.right, ink.top + 10), {0, 0, 0}, 8));
        EXPECT_TRUE(Near(At(ink.left + 10, ink.bottom), {0, 0, 0}, 8));
        EXPECT_TRUE(Near(At(ink.right + 2, ink.bottom + 2), kBackground, 8));
        EXPECT_TRUE(Near(At(ink.left - 1, ink.top + 10), kBackground, 8));
        EXPECT_TRUE(Near(At(ink.left + 10, ink.top - 1), kBackground, 8));
    }
}

TEST_F(TextTest, ShadowTakesTheTextsAlpha) {
    TextRenderer& text = Graphics().Text();
    text.SetTextStyle(32, 32, 0, 0);
    Graphics().SetColor({255, 255, 255, 128});
    text.DrawText({100, 20}, WString("■"));
    Capture();
    const Rect ink = InkOf({127, 127, 207}, 0, 100);  // half white over half shadow on blue
    ASSERT_GT(ink.Width(), 20);
    EXPECT_TRUE(Near(At(ink.right, ink.top + 10), {0, 0, 80}, 3));
}

TEST_F(TextTest, LowGlyphsAreCutAtThePictureEdge) {
    // The underscore reaches below the em box; its rows past the glyph
    // picture are cut instead of written past it.
    TextRenderer& text = Graphics().Text();
    text.SetShadow(0);
    text.SetTextStyle(128, 128, 0, 0);
    text.DrawText({0, 0}, WString("_"));
    Capture();
    const Rect ink = InkOf({255, 255, 255}, 0, 200);
    EXPECT_GE(ink.top, 110);
    EXPECT_EQ(ink.bottom, 128);
    EXPECT_GT(ink.Width(), 50);
}

}  // namespace
