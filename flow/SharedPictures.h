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
    // Backgrounds not loaded yet: they load when first drawn or in the
    // time between frames.
    std::array<bool, 20> backgroundWaiting{};
};

SharedPictures& Pictures();
// Loads what it can; a missing file leaves its texture empty.
void LoadSharedPictures();
// The game's start: everything but the backgrounds past the title's, which
// wait (see backgroundWaiting).
void LoadStartPictures();
// Loads one waiting picture: a background, else an enemy or a hit effect.
// False when nothing is left waiting.
bool LoadQueuedPicture();
// A background, loaded now if it was still waiting.
const Texture& Background(size_t number);
// Gives the textures back before the device goes away.
void ReleaseSharedPictures();
