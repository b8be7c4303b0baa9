#include "engine/graphics/Texture.h"

// Placeholder until the device draws textures: nothing loads yet.
bool Texture::Load(const WString&, Size) { return false; }
bool Texture::CreateBlank(Size) { return false; }
bool Texture::CreateSolid(Color) { return false; }
bool Texture::ApplyColorKey() { return false; }
bool Texture::ShiftHSV(int32_t, int32_t, int32_t) { return false; }
bool Texture::CopyFrom(const Texture&) { return false; }
void Texture::Release() {
    handle_.reset();
    pixels_.reset();
    uExtent_ = vExtent_ = 1.0;
    columns_ = rows_ = 1;
}
uint32_t* Texture::Lock(int32_t*) { return nullptr; }
void Texture::Unlock() {}
