#pragma once
// The pictures every screen shares: backgrounds, status icons with their
// rise and fall marks, and the white panel texture drawn tinted.
#include <array>

#include "engine/graphics/Texture.h"

struct SharedPictures {
    std::array<Texture, 20> backgrounds;
    std::array<Texture, 30> statusIcons;
    Texture up;
    Texture down;
    Texture panel;
};

SharedPictures& Pictures();
// Loads what it can; a missing file leaves its texture empty.
void LoadSharedPictures();
// Gives the textures back before the device goes away.
void ReleaseSharedPictures();
