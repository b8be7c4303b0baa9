#include "engine/font/FontFace.h"

#include FT_OUTLINE_H

#include <algorithm>

namespace font {

namespace {

struct FontChoice {
    std::string file;
    int index = 0;
    bool embolden = false;
    bool slant = false;
};

// Asks fontconfig for the face: the named family if installed, else the
// system's Japanese default; synthetic bold and slant where fontconfig
// says the chosen face lacks them.
bool ChooseFont(const FontSpec& fontSpec, FontChoice& choice) {
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

    FcResult result = FcResultNoMatch;
    PatternHandle match(FcFontMatch(config.get(), pattern.get(), &result));
    if (!match) return false;
    FcChar8* file = nullptr;
    if (FcPatternGetString(match.get(), FC_FILE, 0, &file) != FcResultMatch) return false;
    choice.file = reinterpret_cast<const char*>(file);
    FcPatternGetInteger(match.get(), FC_INDEX, 0, &choice.index);
    FcBool embolden = FcFalse;
    FcPatternGetBool(match.get(), FC_EMBOLDEN, 0, &embolden);
    choice.embolden = embolden != FcFalse;
    int slant = FC_SLANT_ROMAN;
    FcPatternGetInteger(match.get(), FC_SLANT, 0, &slant);
    choice.slant = fontSpec.italic != 0 && slant == FC_SLANT_ROMAN;
    return true;
}

}  // namespace

bool FontFace::Open(const FontSpec& fontSpec) {
    Close();
    FontChoice choice;
    if (fontSpec.height <= 0 || !ChooseFont(fontSpec, choice)) return false;
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0) return false;
    library_.reset(library);
    FT_Face face = nullptr;
    if (FT_New_Face(library, choice.file.c_str(), choice.index, &face) != 0) {
        Close();
        return false;
    }
    face_.reset(face);
    // The width field is an average character width: for a Japanese face
    // that is half the em, so twice it is the horizontal em size.
    const FT_UInt xSize = fontSpec.width > 0 ? FT_UInt(fontSpec.width) * 2 : 0;
    if (FT_Set_Pixel_Sizes(face, xSize, FT_UInt(fontSpec.height)) != 0) {
        Close();
        return false;
    }
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
