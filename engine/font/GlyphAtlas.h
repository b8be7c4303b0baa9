#pragma once
// Glyph pictures packed into a few large textures (pages), so that a line
// of text is drawn from one texture and batches into one draw call. Blocks
// are placed on shelves of equal height, left to right, top to bottom; each
// picture keeps a one-pixel transparent border so linear filtering never
// reads a neighbour. The page count is bounded: when no page has room the
// atlas says so, and its owner starts it over.
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/graphics/Geometry.h"
#include "engine/graphics/Texture.h"

namespace font {

struct AtlasBlock {
    int32_t page = -1;  // -1: not placed
    Point origin;       // top left of the block on its page
};

class GlyphAtlas {
public:
    static constexpr int32_t kPageSize = 1024;

    explicit GlyphAtlas(int32_t maxPages = 6) : maxPages_(maxPages) {}

    // Room for a block of the size; false when every page allowed is full
    // or no page texture can be made (no device).
    bool Place(Size block, AtlasBlock& out);
    // Copies ARGB pixels (row length `pitch` pixels) into a page.
    void Upload(int32_t page, const Rect& where, const uint32_t* pixels, int32_t pitch);
    // Forgets every placement; the page textures stay for reuse.
    void Reset();
    // Also frees the page textures (the device goes away).
    void Release();

    const Texture& Page(int32_t n) const { return *pages_[size_t(n)]; }
    int32_t PageCount() const { return int32_t(pages_.size()); }
    int32_t PageSize() const { return pageSize_; }
    void SetPageSize(int32_t size) { pageSize_ = size; }
    void SetPageLimit(int32_t pages) { maxPages_ = pages > 0 ? pages : 1; }

private:
    struct Shelf {
        int32_t page = 0;
        int32_t top = 0;
        int32_t height = 0;
        int32_t used = 0;  // width taken from the left
    };
    bool OpenPage();

    int32_t maxPages_;
    int32_t pageSize_ = kPageSize;
    std::vector<std::unique_ptr<Texture>> pages_;
    int32_t openPages_ = 0;   // pages in use since the last reset
    int32_t pageBottom_ = 0;  // rows taken on the last page in use
    std::vector<Shelf> shelves_;
};

}  // namespace font
