#include "engine/graphics/Texture.h"

#include <SDL_image.h>

#include <algorithm>
#include <cstring>
#include <utility>

#include "engine/graphics/GraphicsDevice.h"
#include "engine/graphics/HsvShift.h"
#include "engine/graphics/PictureHeader.h"
#include "platform/NativePath.h"

namespace {

platform::TextureHandle NewDeviceTexture(Size size) {
    SDL_Renderer* renderer = Graphics().Renderer();
    if (renderer == nullptr || size.w <= 0 || size.h <= 0) return nullptr;
    platform::TextureHandle texture(SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888,
                                                      SDL_TEXTUREACCESS_STATIC, size.w, size.h));
    if (texture) SDL_SetTextureScaleMode(texture.get(), SDL_ScaleModeLinear);
    return texture;
}

}  // namespace

Texture::~Texture() { Release(); }

Texture::Texture(Texture&& other) noexcept { *this = std::move(other); }

Texture& Texture::operator=(Texture&& other) noexcept {
    if (this == &other) return *this;
    Release();
    if (other.handle_) {
        device_ = other.device_;
        device_->Dismiss(&other);
        handle_ = std::move(other.handle_);
        device_->Enlist(this);
    }
    pixels_ = std::move(other.pixels_);
    imageSize_ = other.imageSize_;
    allocated_ = other.allocated_;
    uExtent_ = other.uExtent_;
    vExtent_ = other.vExtent_;
    columns_ = other.columns_;
    rows_ = other.rows_;
    opaque_ = other.opaque_;
    other.Release();
    return *this;
}

bool Texture::Adopt(platform::TextureHandle handle, Size allocated) {
    if (!handle) return false;
    handle_ = std::move(handle);
    allocated_ = allocated;
    device_ = &Graphics();
    device_->Enlist(this);
    return true;
}

void Texture::Release() {
    if (handle_) {
        device_->Dismiss(this);
        handle_.reset();
    }
    device_ = nullptr;
    pixels_ = {};
    allocated_ = {};
    uExtent_ = vExtent_ = 1.0;
    columns_ = rows_ = 1;
    opaque_ = false;
}

bool Texture::Load(const WString& path, Size grid) {
    if (!Graphics().IsCreated() || !Empty()) return false;
    const std::string native = platform::NativePath(path.View());
    if (!PictureSizeAcceptable(native)) return false;
    platform::SurfaceHandle loaded(IMG_Load(native.c_str()));
    if (!loaded) return false;
    // Palettes, 24-bit pixels and PNG transparency all become 32-bit ARGB.
    platform::SurfaceHandle argb(
        SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_ARGB8888, 0));
    if (!argb) return false;
    const Size size{argb->w, argb->h};
    if (!Adopt(NewDeviceTexture(size), size)) return false;
    pixels_.resize(size_t(size.w) * size.h);
    for (int32_t y = 0; y < size.h; ++y) {
        std::memcpy(&pixels_[size_t(y) * size.w],
                    static_cast<const uint8_t*>(argb->pixels) + size_t(y) * argb->pitch,
                    size_t(size.w) * 4);
    }
    Unlock();
    imageSize_ = size;
    // The picture fills its texture exactly, so the extents stay 1.0.
    uExtent_ = double(imageSize_.w) / allocated_.w;
    vExtent_ = double(imageSize_.h) / allocated_.h;
    columns_ = grid.w;
    rows_ = grid.h;
    return true;
}

bool Texture::CreateBlank(Size size) {
    if (!Graphics().IsCreated()) return false;
    Release();
    if (!Adopt(NewDeviceTexture(size), size)) return false;
    pixels_.assign(size_t(size.w) * size.h, 0);
    Unlock();
    imageSize_ = size;
    return true;
}

bool Texture::CreateFilled(Size size, uint32_t argb) {
    if (!Graphics().IsCreated()) return false;
    Release();
    if (!Adopt(NewDeviceTexture(size), size)) return false;
    const std::vector<uint32_t> fill(size_t(size.w) * size.h, argb);
    SDL_UpdateTexture(handle_.get(), nullptr, fill.data(), size.w * 4);
    imageSize_ = size;
    return true;
}

bool Texture::CreateSolid(Color color) {
    if (!CreateBlank({32, 32})) return false;
    std::fill(pixels_.begin(), pixels_.end(), color.Argb());
    Unlock();
    return true;
}

bool Texture::ApplyColorKey() {
    int32_t pitch = 0;
    uint32_t* pixels = Lock(&pitch);
    if (pixels == nullptr) return false;
    const uint32_t key = pixels[0];
    std::replace(pixels_.begin(), pixels_.end(), key, 0u);
    Unlock();
    return true;
}

bool Texture::ShiftHSV(int32_t hue, int32_t saturation, int32_t value) {
    int32_t pitch = 0;
    if (Lock(&pitch) == nullptr) return false;
    if (hue == 0 && saturation == 0 && value == 0) return true;
    for (uint32_t& p : pixels_) {
        if (p != 0) p = ShiftHsvPixel(p, hue, saturation, value);
    }
    Unlock();
    return true;
}

bool Texture::CopyFrom(const Texture& source) {
    if (&source == this) return !Empty();
    if (source.Empty() || source.pixels_.empty()) return false;
    if (!CreateBlank(source.allocated_)) return false;
    pixels_ = source.pixels_;
    Unlock();
    columns_ = source.columns_;
    rows_ = source.rows_;
    imageSize_ = source.imageSize_;
    // The copy shows the same part of its texture as the source does.
    uExtent_ = source.uExtent_;
    vExtent_ = source.vExtent_;
    return true;
}

uint32_t* Texture::Lock(int32_t* pitch) {
    if (Empty() || pixels_.empty()) return nullptr;
    if (pitch != nullptr) *pitch = allocated_.w;
    return pixels_.data();
}

void Texture::Unlock() {
    if (!handle_ || pixels_.empty()) return;
    SDL_UpdateTexture(handle_.get(), nullptr, pixels_.data(), allocated_.w * 4);
    opaque_ = std::all_of(pixels_.begin(), pixels_.end(), [](uint32_t p) { return p >> 24 == 0xFF; });
}

void Texture::DropPixelCopy() { pixels_ = {}; }

bool Texture::UpdateRegion(const Rect& where, const uint32_t* pixels, int32_t pitch) {
    if (!handle_ || pixels == nullptr || where.left < 0 || where.top < 0 ||
        where.right > allocated_.w || where.bottom > allocated_.h || where.Width() <= 0 ||
        where.Height() <= 0)
        return false;
    const SDL_Rect rect{where.left, where.top, where.Width(), where.Height()};
    opaque_ = false;  // not looked at
    return SDL_UpdateTexture(handle_.get(), &rect, pixels, pitch * 4) == 0;
}
