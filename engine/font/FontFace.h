#pragma once
// The system font behind the glyph cache: found through fontconfig (any
// Japanese Gothic face will do), opened with FreeType, and rasterised one
// UTF-16 code unit at a time into 65-level coverage bitmaps.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/font/FontHandles.h"
#include "engine/font/FontSpec.h"

namespace font {

constexpr int32_t kCoverageLevels = 64;  // levels 0 to 64

struct GlyphBitmap {
    int32_t width = 0, height = 0;   // the black box
    int32_t left = 0, top = 0;       // glyph origin: left bearing, rows above the baseline
    int32_t aWidth = 0, cWidth = 0;  // space before and after the black box
    std::vector<uint8_t> levels;     // width x height, 0 to kCoverageLevels
};

class FontFace {
public:
    // Closes any open face first; false when no face can be found or opened.
    bool Open(const FontSpec& font);
    void Close();
    bool IsOpen() const { return face_ != nullptr; }
    // Rows from the top of the em box to the baseline.
    int32_t Ascent() const { return ascent_; }
    const std::string& File() const { return file_; }
    bool Emboldened() const { return emboldenStrength_ != 0; }
    // Whole pixels that synthetic bold adds to a glyph's width.
    int32_t BoldGrowth() const { return int32_t((emboldenStrength_ + 63) >> 6); }

    // False, leaving an empty bitmap, when the face has no glyph for the unit.
    bool Rasterise(char16_t unit, GlyphBitmap& out) const;

private:
    LibraryHandle library_;
    FaceHandle face_;
    std::string file_;
    long emboldenStrength_ = 0;  // 26.6 pixels
    bool slant_ = false;
    int32_t ascent_ = 0;
};

}  // namespace font
