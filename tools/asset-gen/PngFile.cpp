#include "tools/asset-gen/PngFile.h"

#include <SDL.h>
#include <SDL_image.h>

#include <algorithm>
#include <filesystem>

#include "platform/SdlHandles.h"

namespace assetgen {

bool SavePng(const Canvas& picture, const std::string& path) {
    const int w = picture.Width(), h = picture.Height();
    // Opaque pictures are written without an alpha channel: smaller files.
    const bool alpha = std::any_of(picture.Pixels().begin(), picture.Pixels().end(), [](const Rgba& p) { return p.a < 1.0f; });
    const int bytes = alpha ? 4 : 3;
    platform::SurfaceHandle surface(
        SDL_CreateRGBSurfaceWithFormat(0, w, h, bytes * 8, alpha ? SDL_PIXELFORMAT_ABGR8888 : SDL_PIXELFORMAT_RGB24));
    if (!surface) return false;
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<uint8_t*>(surface->pixels) + size_t(y) * surface->pitch;
        for (int x = 0; x < w; ++x) {
            const Rgba& p = picture.At(x, y);
            uint8_t* out = row + x * bytes;
            out[0] = uint8_t(Clamp01(p.r) * 255 + 0.5f);
            out[1] = uint8_t(Clamp01(p.g) * 255 + 0.5f);
            out[2] = uint8_t(Clamp01(p.b) * 255 + 0.5f);
            if (alpha) out[3] = uint8_t(Clamp01(p.a) * 255 + 0.5f);
        }
    }
    std::error_code ec;
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    if (!parent.empty()) std::filesystem::create_directories(parent, ec);
    return IMG_SavePNG(surface.get(), path.c_str()) == 0;
}

}  // namespace assetgen
