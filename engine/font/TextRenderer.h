#pragma once
// All text on screen: characters rasterised once from the system font at the
// font height (128 pixels at start-up), kept with smaller copies made by
// area averaging (half, quarter and eighth size, like mipmaps) in a few
// shared atlas pages, and drawn as quads scaled to the cell size from the
// nearest copy at or above it, in the device's current corner colours and
// blend mode, with a drop shadow. A line of text is one batch of quads.
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "engine/font/FontSpec.h"
#include "engine/font/GlyphAtlas.h"
#include "engine/font/TextLayout.h"
#include "engine/graphics/Geometry.h"
#include "engine/graphics/QuadGeometry.h"
#include "engine/text/WString.h"

class GraphicsDevice;
namespace font {
class FontFace;
struct CoverageImage;
}

struct Glyph {
    double advanceRatio = 0.5;
    bool inked = false;        // the face drew something for the unit
    font::AtlasBlock reduced;  // the half, quarter and eighth size copies, side by side
    font::AtlasBlock full;     // the full-size picture, made when first drawn that large
    uint32_t generation = 0;   // the atlas round the blocks were placed in
};

class TextRenderer {
public:
    explicit TextRenderer(GraphicsDevice& device);
    ~TextRenderer();
    TextRenderer(const TextRenderer&) = delete;
    TextRenderer& operator=(const TextRenderer&) = delete;

    // Opens the face and starts a fresh glyph cache; false when no font is
    // found (text then lays out but draws nothing).
    bool CreateFont(const FontSpec& font);
    void SetShadow(uint8_t on) { shadowOn_ = on; }
    void SetShadowOffset(Point offset) { shadowOffset_ = offset; }
    void SetTextAlign(int32_t horizontal, int32_t vertical) {
        horizontal_ = horizontal;
        vertical_ = vertical;
    }
    void SetTextStyle(int32_t cellWidth, int32_t cellHeight, int32_t spacing, int32_t lineGap) {
        style_ = {cellWidth, cellHeight, spacing, lineGap};
    }
    const TextStyle& Style() const { return style_; }
    // Off: every size is drawn from the full-size picture (as text was drawn
    // before the smaller copies existed; kept for comparison pictures).
    void SetReducedLevels(bool on) { reducedLevels_ = on; }

    // Draws up to maxUnits units (-1: all): the shadow first, in black with
    // the text's alpha, then the text.
    void DrawText(Point origin, const WString& text, int32_t maxUnits = -1);
    // The cells DrawText fills for the text itself, without drawing.
    std::vector<PlacedUnit> Layout(Point origin, std::u16string_view text, int32_t maxUnits);

    // Glyph number of a code unit, rasterising it on first use.
    int32_t GlyphFor(char16_t unit);
    const Glyph& GlyphAt(int32_t number) const { return glyphs_[size_t(number)]; }
    size_t GlyphCount() const { return glyphs_.size(); }
    // Forgets every glyph (the device went away, or the font changed).
    void ClearGlyphs();

    // The unit's coverage at the font height as the cache rasterises it
    // (white with this alpha); false for a unit the face cannot draw.
    bool GlyphCoverage(char16_t unit, font::CoverageImage& out);
    // Pages the atlas may use before it starts over (at least 1).
    void SetAtlasPageLimit(int32_t pages);

    // The picture size drawn for a cell of that size: the font height or
    // one of its halvings (the smallest at or above the cell).
    int32_t LevelFor(int32_t cellWidth, int32_t cellHeight) const;
    // Atlas pages in use and how often the atlas was started over.
    int32_t AtlasPages() const { return atlas_.PageCount(); }
    uint32_t AtlasRounds() const { return rounds_; }

    int32_t FontHeight() const { return fontHeight_; }
    bool HasFont() const;
    const font::FontFace& Face() const { return *face_; }

private:
    // The unit's coverage at the font height, placed on the shared baseline.
    bool RasteriseCoverage(char16_t unit, Glyph& glyph, font::CoverageImage& out);
    // Puts the copies a level needs into the atlas; false when it cannot.
    bool EnsurePictures(char16_t unit, Glyph& glyph, int32_t level);
    bool PlaceBlocks(Glyph& glyph, const font::CoverageImage& coverage, bool full);
    // Where a glyph's copy of `level` lies on its page (pixels).
    Rect LevelRect(const Glyph& glyph, int32_t level) const;
    void DrawPlaced(const std::vector<PlacedUnit>& placed, Point offset, int32_t level);

    GraphicsDevice& device_;
    std::unique_ptr<font::FontFace> face_;
    int32_t fontHeight_ = 16;
    uint8_t shadowOn_ = 0;
    Point shadowOffset_;
    uint8_t alphaLevels_[65];
    std::vector<Glyph> glyphs_;
    std::vector<int32_t> index_;         // glyph number by code unit, -1 when none
    font::GlyphAtlas atlas_;
    uint32_t generation_ = 1;  // glyphs of another round have no pictures
    uint32_t rounds_ = 0;
    bool reducedLevels_ = true;
    int32_t horizontal_ = kAlignStart;
    int32_t vertical_ = kAlignStart;
    TextStyle style_;
    // Reused from frame to frame, so drawing text allocates nothing.
    std::vector<PlacedUnit> placed_;
    std::vector<QuadVertex> quads_;
    std::vector<uint32_t> blockPixels_;
};
