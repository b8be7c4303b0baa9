#pragma once
// Owning handles for FreeType and fontconfig objects.
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <memory>
#include <type_traits>

namespace font {

struct FontDeleter {
    void operator()(FT_Library p) const { FT_Done_FreeType(p); }
    void operator()(FT_Face p) const { FT_Done_Face(p); }
    void operator()(FcConfig* p) const { FcConfigDestroy(p); }
    void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};

using LibraryHandle = std::unique_ptr<std::remove_pointer_t<FT_Library>, FontDeleter>;
using FaceHandle = std::unique_ptr<std::remove_pointer_t<FT_Face>, FontDeleter>;
using ConfigHandle = std::unique_ptr<FcConfig, FontDeleter>;
using PatternHandle = std::unique_ptr<FcPattern, FontDeleter>;

}  // namespace font
