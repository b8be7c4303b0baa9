#include "engine/font/TextRenderer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "common/GameFont.h"
#include "GraphicsFixture.h"
#include "engine/font/FontFace.h"
#include "engine/font/GlyphLevels.h"

namespace {

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
    EXPECT_FALSE(text.GlyphAt(text.GlyphFor(u'\uE000')).inked);
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

    // The shadow: black, two pixels right and down, under the text. Edges
    // that fall between pixels are shaded, so each probe keeps a pixel away.
    for (const Rect& ink : {left, centre, right}) {
        EXPECT_TRUE(Near(At(ink.right + 1, ink.top + 10), {0, 0, 0}, 8));
        EXPECT_TRUE(Near(At(ink.left + 10, ink.bottom + 1), {0, 0, 0}, 8));
        EXPECT_TRUE(Near(At(ink.right + 3, ink.bottom + 3), kBackground, 8));
        EXPECT_TRUE(Near(At(ink.left - 2, ink.top + 10), kBackground, 8));
        EXPECT_TRUE(Near(At(ink.left + 10, ink.top - 2), kBackground, 8));
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
    EXPECT_TRUE(Near(At(ink.right + 1, ink.top + 10), {0, 0, 80}, 3));
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

// Mean and largest difference between the drawn cells of `units` (white on
// black, no shadow) and an area-averaged reduction of their full-size
// pictures to the cell size.
struct CellError {
    double mean = 0;
    int max = 0;
};

class SmallTextTest : public TextTest {
protected:
    CellError Compare(std::u16string_view units, int32_t cell) {
        TextRenderer& text = Graphics().Text();
        text.SetShadow(0);
        text.SetTextStyle(cell, cell, 2 * cell, 0);  // cells apart: no overlap
        Graphics().Clear({0, 0, 0, 255});
        const WString line{std::u16string(units).c_str()};
        text.DrawText({10, 10}, line);
        Capture();
        CellError error;
        int64_t sum = 0, count = 0;
        for (const PlacedUnit& p : text.Layout({10, 10}, units, -1)) {
            font::CoverageImage full;
            EXPECT_TRUE(text.GlyphCoverage(p.unit, full));
            const font::CoverageImage want = font::AreaAverage(full, cell);
            for (int y = 0; y < cell; ++y) {
                for (int x = 0; x < cell; ++x) {
                    const int d = std::abs(At(p.x + x, p.y + y).r - want.alpha[size_t(y * cell + x)]);
                    sum += d;
                    ++count;
                    error.max = std::max(error.max, d);
                }
            }
        }
        error.mean = count > 0 ? double(sum) / double(count) : 1e9;
        return error;
    }
};

TEST_F(SmallTextTest, DenseKanjiAtFourteenPixelsMatchAnAreaAverage) {
    TextRenderer& text = Graphics().Text();
    EXPECT_EQ(text.LevelFor(14, 14), 16);
    EXPECT_EQ(text.LevelFor(18, 18), 32);
    EXPECT_EQ(text.LevelFor(32, 32), 32);
    EXPECT_EQ(text.LevelFor(64, 48), 64);
    EXPECT_EQ(text.LevelFor(80, 80), 128);
    const std::u16string_view dense = u"鋼撃魔導";
    const CellError reduced = Compare(dense, 14);
    // Linear filtering from the 16-pixel copy is close to, not the same as,
    // a true average: strokes a pixel wide land within a few levels of it.
    EXPECT_LT(reduced.mean, 16.0);
    EXPECT_LT(reduced.max, 128);
    // Drawn straight from the full-size pictures, most source pixels are
    // skipped and the cells stray far further from the average.
    text.SetReducedLevels(false);
    EXPECT_EQ(text.LevelFor(14, 14), 128);
    const CellError skipped = Compare(dense, 14);
    text.SetReducedLevels(true);
    EXPECT_GT(skipped.mean, 1.6 * reduced.mean);
    // A cell the size of a level is that level, pixel for pixel.
    const CellError exact = Compare(u"魔", 16);
    EXPECT_LT(exact.mean, 2.0);
}

TEST_F(SmallTextTest, AFullAtlasStartsOverAndKeepsDrawingRightly) {
    TextRenderer& text = Graphics().Text();
    text.SetAtlasPageLimit(1);
    // One page holds 10 x 15 glyph blocks; 200 kanji overflow it.
    std::u16string many;
    font::GlyphBitmap bitmap;
    for (char16_t c = u'\u4E00'; many.size() < 200 && c < u'\u9FFF'; ++c)
        if (text.Face().Rasterise(c, bitmap)) many.push_back(c);
    text.SetTextStyle(14, 14, 0, 0);
    text.DrawText({0, 400}, WString(many.c_str()));
    EXPECT_GE(text.AtlasRounds(), 1u);
    EXPECT_EQ(text.AtlasPages(), 1);
    const CellError after = Compare(u"鋼撃", 14);
    EXPECT_LT(after.mean, 16.0);
}

}  // namespace
