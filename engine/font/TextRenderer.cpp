#include "engine/font/TextRenderer.h"

#include <algorithm>

#include "engine/font/FontFace.h"
#include "engine/graphics/GraphicsDevice.h"

TextRenderer::TextRenderer(GraphicsDevice& device)
    : device_(device), face_(std::make_unique<font::FontFace>()) {
    for (int i = 0; i <= font::kCoverageLevels; ++i) {
        alphaLevels_[i] = uint8_t(i * 255 / font::kCoverageLevels);
    }
}

TextRenderer::~TextRenderer() = default;

bool TextRenderer::CreateFont(const FontSpec& fontSpec) {
    ClearGlyphs();
    fontHeight_ = fontSpec.height > 0 ? fontSpec.height : 16;
    return face_->Open(fontSpec);
}

bool TextRenderer::HasFont() const { return face_->IsOpen(); }

void TextRenderer::ClearGlyphs() {
    glyphs_.clear();
    index_.clear();
}

int32_t TextRenderer::GlyphFor(char16_t unit) {
    const auto found = index_.find(unit);
    if (found != index_.end()) return found->second;
    auto glyph = std::make_unique<Glyph>();
    Rasterise(unit, *glyph);
    glyphs_.push_back(std::move(glyph));
    const int32_t number = int32_t(glyphs_.size() - 1);
    index_.emplace(unit, number);
    return number;
}

void TextRenderer::Rasterise(char16_t unit, Glyph& glyph) {
    const int32_t size = fontHeight_;
    font::GlyphBitmap bitmap;
    const bool inked = face_->Rasterise(unit, bitmap);
    const int32_t cw = std::min(bitmap.width, size);
    const int32_t ch = std::min(bitmap.height, size);
    int32_t xOffset = 0;
    if (unit <= 0xFF) {
        // Single-byte-range characters sit centred in a half-width box;
        // synthetic bold may widen them a little past it without making them
        // wide characters (the overhang is cut off below).
        glyph.advanceRatio = 0.5;
        const int32_t box = cw > size / 2 + face_->BoldGrowth() ? size : size / 2;
        xOffset = (box - cw) / 2;
    } else if (!face_->IsOpen()) {
        glyph.advanceRatio = 1.0;  // no font: keep wide text in full cells
    } else {
        const int32_t pa = bitmap.aWidth > 0 ? 2 : 0;
        const int32_t pc = bitmap.cWidth > 0 ? 2 : 0;
        glyph.advanceRatio = double(bitmap.width + pa + pc) / size;
    }

    if (!glyph.texture.CreateBlank({size, size})) return;
    int32_t pitch = 0;
    uint32_t* pixels = glyph.texture.Lock(&pitch);
    if (pixels == nullptr) return;
    // White everywhere, so linear filtering at the edges blends towards
    // white rather than darkening the outline.
    std::fill(pixels, pixels + size_t(pitch) * size, 0x00FFFFFFu);
    if (inked) {
        // Rows are placed from a shared baseline; what would fall outside
        // the picture (very low or very tall glyphs) is cut off.
        const int32_t firstRow = std::max(face_->Ascent() - bitmap.top, 0);
        for (int32_t y = 0; y < ch && firstRow + y < size; ++y) {
            uint32_t* row = pixels + size_t(firstRow + y) * pitch;
            const uint8_t* source = &bitmap.levels[size_t(y) * bitmap.width];
            for (int32_t x = std::max(-xOffset, 0); x < cw && xOffset + x < size; ++x) {
                row[xOffset + x] = uint32_t(alphaLevels_[source[x]]) << 24 | 0xFFFFFFu;
            }
        }
    }
    glyph.texture.Unlock();
    glyph.texture.DropPixelCopy();
}

std::vector<PlacedUnit> TextRenderer::Layout(Point origin, std::u16string_view text,
                                             int32_t maxUnits) {
    return LayoutText(origin, text, maxUnits, style_, horizontal_, vertical_,
                      [this](char16_t unit) { return GlyphAt(GlyphFor(unit)).advanceRatio; });
}

void TextRenderer::DrawPlaced(Point origin, std::u16string_view text, int32_t maxUnits) {
    for (const PlacedUnit& p : Layout(origin, text, maxUnits)) {
        const Glyph& glyph = GlyphAt(GlyphFor(p.unit));
        device_.DrawRect({p.x, p.y, p.x + style_.cellWidth, p.y + style_.cellHeight}, glyph.texture,
                         0);
    }
}

void TextRenderer::DrawText(Point origin, const WString& text, int32_t maxUnits) {
    if (shadowOn_ != 0) {
        const std::array<Color, 4> saved = device_.CornerColors();
        std::array<Color, 4> black = saved;
        for (Color& c : black) c.r = c.g = c.b = 0;
        device_.SetCornerColors(black);
        DrawPlaced({origin.x + shadowOffset_.x, origin.y + shadowOffset_.y}, text.View(), maxUnits);
        device_.SetCornerColors(saved);
    }
    DrawPlaced(origin, text.View(), maxUnits);
}
