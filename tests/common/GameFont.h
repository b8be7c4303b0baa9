#pragma once
// The font the game creates at start-up, for tests that draw or measure text
// as the game does.
#include "engine/font/TextRenderer.h"

inline FontSpec GameFont() {
    FontSpec font;
    font.height = 128;
    font.width = 64;
    font.weight = 2400;
    return font;
}
