#pragma once
// One picture on the graphics device, optionally cut into a grid of cells.
// Pixels are 32-bit ARGB. Loading needs the device; without one every
// operation fails and the record stays empty. The record keeps a CPU copy of
// its pixels for Lock and uploads it again on Unlock.
#include <cstdint>
#include <vector>

#include "engine/graphics/Geometry.h"
#include "engine/text/WString.h"
#include "platform/SdlHandles.h"

class GraphicsDevice;

class Texture {
public:
    Texture() = default;
    ~Texture();
    Texture(Texture&& other) noexcept;
    Texture& operator=(Texture&& other) noexcept;
    Texture(const Texture&) = delete;
    Texture& operator=(const Texture&) = delete;

    // Loads a BMP or PNG; fails (keeping the old picture) if one is loaded.
    bool Load(const WString& path, Size grid = {1, 1});
    bool CreateBlank(Size size);
    // A picture filled with one ARGB value and no CPU copy (Lock fails):
    // for pictures written only through UpdateRegion.
    bool CreateFilled(Size size, uint32_t argb);
    bool CreateSolid(Color color);
    bool ApplyColorKey();
    // Hue in degrees, saturation and value in hundredths.
    bool ShiftHSV(int32_t hue, int32_t saturation, int32_t value);
    bool CopyFrom(const Texture& source);
    void Release();

    bool Empty() const { return handle_ == nullptr; }
    Size ImageSize() const { return imageSize_; }
    void SetImageSize(Size size) { imageSize_ = size; }
    double UExtent() const { return uExtent_; }
    double VExtent() const { return vExtent_; }
    int32_t Columns() const { return columns_; }
    int32_t Rows() const { return rows_; }
    void SetGrid(int32_t columns, int32_t rows) {
        columns_ = columns;
        rows_ = rows;
    }

    // Locks the whole allocated picture for reading and writing ARGB pixels;
    // `pitch` receives the row length in pixels. Null when empty or when
    // the CPU copy was dropped.
    uint32_t* Lock(int32_t* pitch);
    // Sends the CPU copy to the device.
    void Unlock();
    // For pictures that are written once (glyphs): frees the CPU copy, so
    // the picture costs its memory only once. Lock fails afterwards.
    void DropPixelCopy();
    // Sends `where` straight to the device from `pixels` (row length `pitch`
    // pixels), leaving any CPU copy as it was. False outside the picture.
    bool UpdateRegion(const Rect& where, const uint32_t* pixels, int32_t pitch);
    Size AllocatedSize() const { return allocated_; }

    SDL_Texture* Handle() const { return handle_.get(); }
    // Every pixel fully covering (as last sent from the CPU copy): drawn
    // without a colour's alpha, such a picture needs no blending.
    bool Opaque() const { return opaque_; }

private:
    bool Adopt(platform::TextureHandle handle, Size allocated);

    GraphicsDevice* device_ = nullptr;  // the device the handle belongs to
    platform::TextureHandle handle_;
    std::vector<uint32_t> pixels_;  // CPU copy that Lock hands out
    Size imageSize_;
    Size allocated_;
    double uExtent_ = 1.0;
    double vExtent_ = 1.0;
    int32_t columns_ = 1;
    int32_t rows_ = 1;
    bool opaque_ = false;
};
