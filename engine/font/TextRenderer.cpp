#include "engine/font/TextRenderer.h"

#include <algorithm>

#include "engine/font/FontFace.h"
#include "engine/font/GlyphLevels.h"
#include "engine/graphics/GraphicsDevice.h"

namespace {

constexpr uint32_t kTransparentWhite = 0x00FFFFFFu;
constexpr size_t kUnitCount = 0x10000;

// Copies coverage into an ARGB block as white with that alpha.
void PutCoverage(const font::CoverageImage& image, uint32_t* block, int32_t pitch, Point at) {
    for (int32_t y = 0; y < image.size; ++y) {
        const uint8_t* source = &image.alpha[size_t(y) * image.size];
        uint32_t* row = block + size_t(at.y + y) * pitch + at.x;
        for (int32_t x = 0; x < image.size; ++x) row[x] = uint32_t(source[x]) << 24 | 0xFFFFFFu;
    }
}

}  // namespace

TextRenderer::TextRenderer(GraphicsDevice& device)
    : device_(device), face_(std::make_unique<font::FontFace>()), index_(kUnitCount, -1) {
    for (int i = 0; i <= font::kCoverageLevels; ++i) {
        alphaLevels_[i] = uint8_t(i * 255 / font::kCoverageLevels);
    }
}

TextRenderer::~TextRenderer() = default;

bool TextRenderer::CreateFont(const FontSpec& fontSpec) {
    ClearGlyphs();
    fontHeight_ = fontSpec.height > 0 ? fontSpec.height : 16;
    // A page holds at least one full-size picture.
    atlas_.SetPageSize(std::max(font::GlyphAtlas::kPageSize, fontHeight_ + 2));
    return face_->Open(fontSpec);
}

bool TextRenderer::HasFont() const { return face_->IsOpen(); }

void TextRenderer::ClearGlyphs() {
    glyphs_.clear();
    std::fill(index_.begin(), index_.end(), -1);
    atlas_.Release();
    ++generation_;
}

bool TextRenderer::GlyphCoverage(char16_t unit, font::CoverageImage& out) {
    Glyph scratch;
    return RasteriseCoverage(unit, scratch, out);
}

void TextRenderer::SetAtlasPageLimit(int32_t pages) {
    atlas_.Release();
    atlas_.SetPageLimit(pages);
    ++generation_;
}

int32_t TextRenderer::LevelFor(int32_t cellWidth, int32_t cellHeight) const {
    const int32_t need = std::max(cellWidth, cellHeight);
    if (!reducedLevels_ || fontHeight_ < 16) return fontHeight_;
    for (int32_t level = fontHeight_ / 8; level < fontHeight_; level *= 2) {
        if (level >= need) return level;
    }
    return fontHeight_;
}

int32_t TextRenderer::GlyphFor(char16_t unit) {
    const int32_t known = index_[unit];
    if (known >= 0) return known;
    Glyph glyph;
    font::CoverageImage coverage;
    RasteriseCoverage(unit, glyph, coverage);
    // The small copies are what nearly all text is drawn from: make them
    // now, while the coverage is at hand.
    if (glyph.inked && device_.IsCreated() && fontHeight_ >= 16) {
        if (!PlaceBlocks(glyph, coverage, false)) {
            atlas_.Reset();
            ++generation_;
            ++rounds_;
            PlaceBlocks(glyph, coverage, false);
        }
    }
    glyphs_.push_back(glyph);
    const int32_t number = int32_t(glyphs_.size() - 1);
    index_[unit] = number;
    return number;
}

bool TextRenderer::RasteriseCoverage(char16_t unit, Glyph& glyph, font::CoverageImage& out) {
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
    glyph.inked = inked && cw > 0 && ch > 0;
    out.size = size;
    out.alpha.assign(size_t(size) * size, 0);
    if (!glyph.inked) return false;
    // Rows are placed from a shared baseline; what would fall outside the
    // picture (very low or very tall glyphs) is cut off.
    const int32_t firstRow = std::max(face_->Ascent() - bitmap.top, 0);
    for (int32_t y = 0; y < ch && firstRow + y < size; ++y) {
        uint8_t* row = &out.alpha[size_t(firstRow + y) * size];
        const uint8_t* source = &bitmap.levels[size_t(y) * bitmap.width];
        for (int32_t x = std::max(-xOffset, 0); x < cw && xOffset + x < size; ++x) {
            row[xOffset + x] = alphaLevels_[source[x]];
        }
    }
    return true;
}

bool TextRenderer::PlaceBlocks(Glyph& glyph, const font::CoverageImage& coverage, bool full) {
    if (glyph.generation != generation_) {
        glyph.reduced = glyph.full = font::AtlasBlock{};
        glyph.generation = generation_;
    }
    const int32_t f = fontHeight_;
    Size size;
    if (full) {
        size = {f + 2, f + 2};
    } else {
        // [half][quarter over eighth], each with a one-pixel border.
        size = {f / 2 + 2 + f / 4 + 2, f / 2 + 2};
    }
    font::AtlasBlock block;
    if (!atlas_.Place(size, block)) return false;
    blockPixels_.assign(size_t(size.w) * size.h, kTransparentWhite);
    if (full) {
        PutCoverage(coverage, blockPixels_.data(), size.w, {1, 1});
        glyph.full = block;
    } else {
        const font::CoverageImage half = font::HalveCoverage(coverage);
        const font::CoverageImage quarter = font::HalveCoverage(half);
        const font::CoverageImage eighth = font::HalveCoverage(quarter);
        PutCoverage(half, blockPixels_.data(), size.w, {1, 1});
        PutCoverage(quarter, blockPixels_.data(), size.w, {f / 2 + 3, 1});
        PutCoverage(eighth, blockPixels_.data(), size.w, {f / 2 + 3, f / 4 + 3});
        glyph.reduced = block;
    }
    atlas_.Upload(block.page,
                  {block.origin.x, block.origin.y, block.origin.x + size.w, block.origin.y + size.h},
                  blockPixels_.data(), size.w);
    return true;
}

bool TextRenderer::EnsurePictures(char16_t unit, Glyph& glyph, int32_t level) {
    if (!glyph.inked || !device_.IsCreated()) return false;
    const bool full = level == fontHeight_;
    if (glyph.generation == generation_ && (full ? glyph.full : glyph.reduced).page >= 0)
        return true;
    font::CoverageImage coverage;
    Glyph scratch;
    RasteriseCoverage(unit, scratch, coverage);
    if (PlaceBlocks(glyph, coverage, full)) return true;
    // Every page is full: start the atlas over. Whatever was queued from the
    // old pictures is drawn before a page is written again.
    atlas_.Reset();
    ++generation_;
    ++rounds_;
    return PlaceBlocks(glyph, coverage, full);
}

Rect TextRenderer::LevelRect(const Glyph& glyph, int32_t level) const {
    const int32_t f = fontHeight_;
    if (level == f) {
        const Point o = glyph.full.origin;
        return {o.x + 1, o.y + 1, o.x + 1 + f, o.y + 1 + f};
    }
    const Point o = glyph.reduced.origin;
    Point at{o.x + 1, o.y + 1};
    if (level == f / 4) at = {o.x + f / 2 + 3, o.y + 1};
    if (level == f / 8) at = {o.x + f / 2 + 3, o.y + f / 4 + 3};
    return {at.x, at.y, at.x + level, at.y + level};
}

std::vector<PlacedUnit> TextRenderer::Layout(Point origin, std::u16string_view text,
                                             int32_t maxUnits) {
    std::vector<PlacedUnit> placed;
    LayoutTextInto(placed, origin, text, maxUnits, style_, horizontal_, vertical_,
                   [this](char16_t unit) { return GlyphAt(GlyphFor(unit)).advanceRatio; });
    return placed;
}

void TextRenderer::DrawPlaced(const std::vector<PlacedUnit>& placed, Point offset, int32_t level) {
    const std::array<Color, 4>& colors = device_.CornerColors();
    const int32_t flip = device_.Flip();
    const float scale = 1.0f / float(atlas_.PageSize());
    int32_t page = -1;
    quads_.clear();
    for (const PlacedUnit& p : placed) {
        const Glyph& glyph = glyphs_[size_t(index_[p.unit])];
        if (!glyph.inked) continue;
        const font::AtlasBlock& block = level == fontHeight_ ? glyph.full : glyph.reduced;
        if (glyph.generation != generation_ || block.page < 0) continue;
        if (block.page != page && !quads_.empty()) {
            device_.DrawQuads(atlas_.Page(page), quads_.data(), quads_.size() / 4);
            quads_.clear();
        }
        page = block.page;
        const Rect r = LevelRect(glyph, level);
        float uL = float(r.left) * scale, uR = float(r.right) * scale;
        float vT = float(r.top) * scale, vB = float(r.bottom) * scale;
        float us[4] = {uL, uR, uR, uL};
        float vs[4] = {vT, vT, vB, vB};
        if (flip & kFlipHorizontal) std::swap(us[0], us[1]), std::swap(us[3], us[2]);
        if (flip & kFlipVertical) std::swap(vs[0], vs[3]), std::swap(vs[1], vs[2]);
        const float left = float(p.x + offset.x), top = float(p.y + offset.y);
        const float right = left + float(style_.cellWidth), bottom = top + float(style_.cellHeight);
        const float xs[4] = {left, right, right, left};
        const float ys[4] = {top, top, bottom, bottom};
        for (int i = 0; i < 4; ++i) quads_.push_back({xs[i], ys[i], colors[size_t(i)], us[i], vs[i]});
    }
    if (!quads_.empty()) device_.DrawQuads(atlas_.Page(page), quads_.data(), quads_.size() / 4);
}

void TextRenderer::DrawText(Point origin, const WString& text, int32_t maxUnits) {
    LayoutTextInto(placed_, origin, text.View(), maxUnits, style_, horizontal_, vertical_,
                   [this](char16_t unit) { return GlyphAt(GlyphFor(unit)).advanceRatio; });
    if (placed_.empty() || !device_.IsCreated()) return;
    const int32_t level = LevelFor(style_.cellWidth, style_.cellHeight);
    // Every picture of the line is placed before any is drawn; should the
    // atlas start over meanwhile, the line's pictures are placed again.
    for (int attempt = 0; attempt < 2; ++attempt) {
        const uint32_t round = generation_;
        for (const PlacedUnit& p : placed_) {
            const int32_t number = index_[p.unit];
            EnsurePictures(p.unit, glyphs_[size_t(number)], level);
        }
        if (round == generation_) break;
    }
    if (shadowOn_ != 0) {
        const std::array<Color, 4> saved = device_.CornerColors();
        std::array<Color, 4> black = saved;
        for (Color& c : black) c.r = c.g = c.b = 0;
        device_.SetCornerColors(black);
        DrawPlaced(placed_, shadowOffset_, level);
        device_.SetCornerColors(saved);
    }
    DrawPlaced(placed_, {0, 0}, level);
}
