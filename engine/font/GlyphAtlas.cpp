#include "engine/font/GlyphAtlas.h"

namespace font {

bool GlyphAtlas::OpenPage() {
    if (openPages_ >= maxPages_) return false;
    if (openPages_ == PageCount()) {
        auto page = std::make_unique<Texture>();
        // Transparent white, so filtering at a picture's border fades its
        // coverage without darkening the colour.
        if (!page->CreateFilled({pageSize_, pageSize_}, 0x00FFFFFFu)) return false;
        pages_.push_back(std::move(page));
    }
    ++openPages_;
    pageBottom_ = 0;
    return true;
}

bool GlyphAtlas::Place(Size block, AtlasBlock& out) {
    out = AtlasBlock{};
    if (block.w <= 0 || block.h <= 0 || block.w > pageSize_ || block.h > pageSize_) return false;
    for (Shelf& shelf : shelves_) {
        if (shelf.height == block.h && shelf.used + block.w <= pageSize_) {
            out = {shelf.page, {shelf.used, shelf.top}};
            shelf.used += block.w;
            return true;
        }
    }
    if (openPages_ == 0 || pageBottom_ + block.h > pageSize_) {
        if (!OpenPage()) return false;
    }
    Shelf shelf{openPages_ - 1, pageBottom_, block.h, block.w};
    pageBottom_ += block.h;
    shelves_.push_back(shelf);
    out = {shelf.page, {0, shelf.top}};
    return true;
}

void GlyphAtlas::Upload(int32_t page, const Rect& where, const uint32_t* pixels, int32_t pitch) {
    if (page < 0 || page >= PageCount()) return;
    pages_[size_t(page)]->UpdateRegion(where, pixels, pitch);
}

void GlyphAtlas::Reset() {
    shelves_.clear();
    openPages_ = 0;
    pageBottom_ = 0;
}

void GlyphAtlas::Release() {
    Reset();
    pages_.clear();
}

}  // namespace font
