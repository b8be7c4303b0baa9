#pragma once
// All text on screen: characters rasterised once from the system font at the
// font height (128 pixels at start-up) into white glyph pictures with coverage
// in alpha, then drawn as quads scaled to the cell size, in the device's
// current corner colours and blend mode, with a drop shadow.
#include <cstdint>
#include <map>
#include <memory>
#include <string_view>
#include <vector>

#include "engine/font/FontSpec.h"
#include "engine/font/TextLayout.h"
#include "engine/graphics/Geometry.h"
#include "engine/graphics/Texture.h"
#include "engine/text/WString.h"

class GraphicsDevice;
namespace font {
class FontFace;
}

struct Glyph {
    Texture texture;  // font height x font height; empty without a device
    double advanceRatio = 0.5;
};

class TextRenderer {
public:
    explicit TextRenderer(GraphicsDevice& device);
    ~TextRenderer();
    TextRenderer(const TextRenderer&) = delete;
    TextRenderer& operator=(const TextRenderer&) = delete;

    // Opens the face and starts a fresh glyph cache; false when no font is
    // found (text then lays out but draws nothing).
    bool CreateFont(const FontSpec& spec);
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

    // Draws up to maxUnits units (-1: all): the shadow first, in black with
    // the text's alpha, then the text.
    void DrawText(Point origin, const WString& text, int32_t maxUnits = -1);
    // The cells DrawText fills for the text itself, without drawing.
    std::vector<PlacedUnit> Layout(Point origin, std::u16string_view text, int32_t maxUnits);

    // Glyph number of a code unit, rasterising it on first use.
    int32_t GlyphFor(char16_t unit);
    const Glyph& GlyphAt(int32_t number) const { return *glyphs_[size_t(number)]; }
    size_t GlyphCount() const { return glyphs_.size(); }
    // Forgets every glyph (the device went away, or the font changed).
    void ClearGlyphs();

    int32_t FontHeight() const { return fontHeight_; }
    bool HasFont() const;
    const font::FontFace& Face() const { return *face_; }

private:
    void Rasterise(char16_t unit, Glyph& glyph);
    void DrawPlaced(Point origin, std::u16string_view text, int32_t maxUnits);

    GraphicsDevice& device_;
    std::unique_ptr<font::FontFace> face_;
    int32_t fontHeight_ = 16;
    uint8_t shadowOn_ = 0;
    Point shadowOffset_;
    uint8_t alphaLevels_[65];
    // Glyphs stay at fixed addresses: growing the list never moves a texture.
    std::vector<std::unique_ptr<Glyph>> glyphs_;
    std::map<char16_t, int32_t> index_;
    int32_t horizontal_ = kAlignStart;
    int32_t vertical_ = kAlignStart;
    TextStyle style_;
};
