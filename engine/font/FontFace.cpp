#include "engine/font/FontFace.h"

#include FT_OUTLINE_H

#include <algorithm>
#include <memory>
#include <vector>

#include "engine/notice/Missing.h"

namespace font {

namespace {

struct FontChoice {
    std::string file;
    int index = 0;
    bool embolden = false;
    bool slant = false;
};

// Asks fontconfig for the faces: the named family if installed, else the
// system's Japanese default, then everything else in order of fit; synthetic
// bold and slant where fontconfig says a face lacks them.
bool ChooseFonts(const FontSpec& fontSpec, std::vector<FontChoice>& choices) {
    ConfigHandle config(FcInitLoadConfigAndFonts());
    if (!config) return false;
    PatternHandle pattern(FcNameParse(reinterpret_cast<const FcChar8*>(":lang=ja:spacing=mono")));
    if (!pattern) return false;
    if (!fontSpec.face.Empty()) {
        const std::string family = fontSpec.face.ToUtf8();
        FcPatternAddString(pattern.get(), FC_FAMILY,
                           reinterpret_cast<const FcChar8*>(family.c_str()));
    }
    // Weights past the 1000 of the scale (2400 at start-up) mean the boldest.
    const int weight = std::clamp(fontSpec.weight, 1, 1000);
    FcPatternAddInteger(pattern.get(), FC_WEIGHT, FcWeightFromOpenType(weight));
    if (fontSpec.italic != 0) FcPatternAddInteger(pattern.get(), FC_SLANT, FC_SLANT_ITALIC);
    FcConfigSubstitute(config.get(), pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());

    // Every face fontconfig knows, best first: when the best one cannot be
    // opened (a broken file) the next one stands in, Japanese or not.
    FcResult result = FcResultNoMatch;
    std::unique_ptr<FcFontSet, decltype(&FcFontSetDestroy)> sorted(
        FcFontSort(config.get(), pattern.get(), FcFalse, nullptr, &result), FcFontSetDestroy);
    if (!sorted) return false;
    // A few stand-ins are enough: a broken best file is rare.
    for (int n = 0; n < sorted->nfont && choices.size() < 8; ++n) {
        PatternHandle match(FcFontRenderPrepare(config.get(), pattern.get(), sorted->fonts[n]));
        FcChar8* file = nullptr;
        if (!match || FcPatternGetString(match.get(), FC_FILE, 0, &file) != FcResultMatch) continue;
        FontChoice candidate;
        candidate.file = reinterpret_cast<const char*>(file);
        FcPatternGetInteger(match.get(), FC_INDEX, 0, &candidate.index);
        FcBool embolden = FcFalse;
        FcPatternGetBool(match.get(), FC_EMBOLDEN, 0, &embolden);
        candidate.embolden = embolden != FcFalse;
        int slant = FC_SLANT_ROMAN;
        FcPatternGetInteger(match.get(), FC_SLANT, 0, &slant);
        candidate.slant = fontSpec.italic != 0 && slant == FC_SLANT_ROMAN;
        choices.push_back(std::move(candidate));
    }
    return !choices.empty();
}

}  // namespace

bool FontFace::Open(const FontSpec& fontSpec) {
    Close();
    std::vector<FontChoice> choices;
    if (fontSpec.height <= 0) return false;
    if (!ChooseFonts(fontSpec, choices)) {
        ReportMissing(MissingKind::kFont, "");
        return false;
    }
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0) return false;
    library_.reset(library);
    // The width field is an average character width: for a Japanese face
    // that is half the em, so twice it is the horizontal em size.
    const FT_UInt xSize = fontSpec.width > 0 ? FT_UInt(fontSpec.width) * 2 : 0;
    const FontChoice* opened = nullptr;
    for (const FontChoice& choice : choices) {
        FT_Face face = nullptr;
        if (FT_New_Face(library, choice.file.c_str(), choice.index, &face) != 0) continue;
        face_.reset(face);
        if (FT_Set_Pixel_Sizes(face, xSize, FT_UInt(fontSpec.height)) == 0) {
            opened = &choice;
            break;
        }
        face_.reset();
    }
    if (opened == nullptr) {
        Close();
        ReportMissing(MissingKind::kFont, "");
        return false;
    }
    const FontChoice& choice = *opened;
    FT_Face face = face_.get();
    if (FT_Get_Char_Index(face, u'\u3042') == 0) ReportMissing(MissingKind::kJapaneseFont, choice.file);
    file_ = choice.file;
    ascent_ = int32_t((face->size->metrics.ascender + 32) >> 6);
    // Synthetic bold strong enough to survive scaling the 128-pixel glyphs
    // down to 16-pixel cells.
    emboldenStrength_ = choice.embolden ? long(fontSpec.height) * 64 / 24 : 0;
    slant_ = choice.slant;
    return true;
}

void FontFace::Close() {
    face_.reset();
    library_.reset();
    file_.clear();
    emboldenStrength_ = 0;
    slant_ = false;
    ascent_ = 0;
}

bool FontFace::Rasterise(char16_t unit, GlyphBitmap& out) const {
    out = GlyphBitmap{};
    if (!face_) return false;
    FT_Face face = face_.get();
    const FT_UInt index = FT_Get_Char_Index(face, unit);
    if (index == 0) return false;
    if (FT_Load_Glyph(face, index, FT_LOAD_NO_BITMAP | FT_LOAD_NO_HINTING) != 0) return false;
    FT_GlyphSlot slot = face->glyph;
    if (slot->format != FT_GLYPH_FORMAT_OUTLINE) return false;
    if (slant_) {
        const FT_Matrix shear{0x10000, 0x0366A, 0, 0x10000};  // about 12 degrees
        FT_Outline_Transform(&slot->outline, &shear);
    }
    if (emboldenStrength_ != 0) FT_Outline_Embolden(&slot->outline, emboldenStrength_);
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) return false;

    const FT_Bitmap& bitmap = slot->bitmap;
    out.width = int32_t(bitmap.width);
    out.height = int32_t(bitmap.rows);
    out.left = slot->bitmap_left;
    out.top = slot->bitmap_top;
    const int32_t advance = int32_t((slot->advance.x + emboldenStrength_ + 32) >> 6);
    out.aWidth = out.left;
    out.cWidth = advance - out.left - out.width;
    out.levels.resize(size_t(out.width) * out.height);
    const int grays = bitmap.num_grays > 1 ? bitmap.num_grays - 1 : 255;
    for (int32_t y = 0; y < out.height; ++y) {
        const uint8_t* row = bitmap.buffer + ptrdiff_t(y) * bitmap.pitch;
        for (int32_t x = 0; x < out.width; ++x) {
            out.levels[size_t(y) * out.width + x] =
                uint8_t((row[x] * kCoverageLevels + grays / 2) / grays);
        }
    }
    return true;
}

}  // namespace font
