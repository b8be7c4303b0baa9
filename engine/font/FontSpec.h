#pragma once
// The one font the text renderer draws with, described by the classic
// font-creation fields, and the cell style of the text drawn with it.
#include <cstdint>

#include "engine/text/WString.h"

struct FontSpec {
    int32_t height = 16;  // pixels per em; also the size of every glyph picture
    int32_t width = 0;    // average character width; 0 or height / 2 is natural
    int32_t escapement = 0;
    int32_t orientation = 0;
    int32_t weight = 400;  // 100 to 1000 scale; larger asks for the boldest face
    int32_t italic = 0;
    int32_t underline = 0;  // glyph pictures carry no lines: not drawn
    int32_t strikeOut = 0;
    int32_t charSet = 128;
    int32_t outputPrecision = 0;
    int32_t clipPrecision = 0;
    int32_t quality = 0;
    int32_t pitchAndFamily = 18;
    // A font family name for fontconfig; empty asks for the system's
    // Japanese Gothic face.
    WString face;
};

// Pixels: cell width and height that each glyph is scaled to, the extra
// space after every character, and the extra space between lines.
struct TextStyle {
    int32_t cellWidth = 16;
    int32_t cellHeight = 16;
    int32_t spacing = 0;
    int32_t lineGap = 0;
};
