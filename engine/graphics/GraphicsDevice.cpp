#include "engine/graphics/GraphicsDevice.h"

#include <SDL_image.h>
#include <dlfcn.h>
#include <link.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "engine/font/TextRenderer.h"
#include "engine/graphics/QuadGeometry.h"
#include "engine/graphics/Texture.h"
#include "platform/NativePath.h"

namespace {

int DriverIndex(const char* name) {
    const int count = SDL_GetNumRenderDrivers();
    for (int i = 0; i < count; ++i) {
        SDL_RendererInfo info;
        if (SDL_GetRenderDriverInfo(i, &info) == 0 && std::strcmp(info.name, name) == 0) return i;
    }
    return -1;
}

SDL_BlendMode Compose(SDL_BlendFactor source, SDL_BlendFactor destination) {
    // The same factors for colour and alpha, as a single blend state gives.
    return SDL_ComposeCustomBlendMode(source, destination, SDL_BLENDOPERATION_ADD, source,
                                      destination, SDL_BLENDOPERATION_ADD);
}

// True when the renderer accepts all three exact blend modes.
bool AcceptsBlendModes(SDL_Renderer* renderer, const std::array<SDL_BlendMode, 3>& modes) {
    platform::TextureHandle probe(
        SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC, 1, 1));
    if (!probe) return false;
    for (SDL_BlendMode mode : modes) {
        if (SDL_SetTextureBlendMode(probe.get(), mode) != 0) return false;
    }
    return true;
}

int CollectLibrary(dl_phdr_info* info, size_t, void* data) {
    if (info->dlpi_name != nullptr && info->dlpi_name[0] != '\0') {
        static_cast<std::vector<std::string>*>(data)->push_back(info->dlpi_name);
    }
    return 0;
}

// SDL unloads the GL driver with the device; keep it (and what it loaded)
// resident instead, so a new device does not load it again and the driver's
// own allocations stay reachable for leak checkers.
void KeepDriverResident() {
    static bool done = false;
    if (done) return;
    done = true;
    std::vector<std::string> libraries;
    dl_iterate_phdr(CollectLibrary, &libraries);
    for (const std::string& library : libraries) {
        dlopen(library.c_str(), RTLD_LAZY | RTLD_NOLOAD | RTLD_NODELETE);
    }
}

}  // namespace

GraphicsDevice& Graphics() {
    static GraphicsDevice device;
    return device;
}

GraphicsDevice::GraphicsDevice() : text_(std::make_unique<TextRenderer>(*this)) {
    corners_.fill({255, 255, 255, 255});
}

GraphicsDevice::~GraphicsDevice() { Release(); }

bool GraphicsDevice::Create(platform::Window& window, const WString& /*className*/,
                            const Rect& outer, const WString& title, uint32_t /*style*/,
                            uint32_t /*exStyle*/, const PresentParams& present) {
    Release();
    const platform::WindowRect rect{outer.left, outer.top, outer.right, outer.bottom};
    if (!window.Create(rect, title.View(), !present.windowed)) return false;
    if (!CreateRenderer(window.Handle(), present.allowGpu)) {
        window.Destroy();
        return false;
    }
    KeepDriverResident();
    backBuffer_.reset(SDL_CreateTexture(renderer_.get(), SDL_PIXELFORMAT_ARGB8888,
                                        SDL_TEXTUREACCESS_TARGET, kWidth, kHeight));
    if (!backBuffer_) {
        Release();
        window.Destroy();
        return false;
    }
    // The back buffer replaces what is under it; EndScene sets its filter.
    SDL_SetTextureBlendMode(backBuffer_.get(), SDL_BLENDMODE_NONE);
    window_ = &window;
    corners_.fill({255, 255, 255, 255});
    flip_ = 0;
    blend_ = kBlendNormal;
    // Glyphs made before there was a device have no pictures: start over.
    text_->ClearGlyphs();
    BeginScene();
    Clear({0, 0, 0, 255});
    return true;
}

bool GraphicsDevice::CreateRenderer(SDL_Window* window, bool allowGpu) {
    const std::array<SDL_BlendMode, 3> exact = {
        Compose(SDL_BLENDFACTOR_SRC_ALPHA, SDL_BLENDFACTOR_ONE_MINUS_SRC_ALPHA),
        Compose(SDL_BLENDFACTOR_ONE, SDL_BLENDFACTOR_ONE_MINUS_SRC_ALPHA),
        Compose(SDL_BLENDFACTOR_ONE, SDL_BLENDFACTOR_ONE),
    };
    // Quads are drawn in call order either way; batching only saves calls.
    SDL_SetHint(SDL_HINT_RENDER_BATCHING, "1");
    if (allowGpu) {
        for (const char* name : {"opengl", "opengles2"}) {
            const int index = DriverIndex(name);
            if (index < 0) continue;
            renderer_.reset(SDL_CreateRenderer(
                window, index, SDL_RENDERER_ACCELERATED | SDL_RENDERER_TARGETTEXTURE));
            if (renderer_ && AcceptsBlendModes(renderer_.get(), exact)) {
                blendModes_ = exact;
                exactBlending_ = true;
                return true;
            }
            renderer_.reset();
        }
    }
    renderer_.reset(SDL_CreateRenderer(window, DriverIndex("software"),
                                       SDL_RENDERER_SOFTWARE | SDL_RENDERER_TARGETTEXTURE));
    if (!renderer_) return false;
    static bool announced = false;
    if (!announced) {
        announced = true;
        std::fprintf(stderr,
                     "graphics: no OpenGL renderer; drawing in software, where premultiplied "
                     "and additive blending are approximated\n");
    }
    // The nearest built-in modes: blend keeps the inverse-source-alpha
    // destination of mode 1; add keeps the one-one destination of mode 2.
    blendModes_ = {SDL_BLENDMODE_BLEND, SDL_BLENDMODE_BLEND, SDL_BLENDMODE_ADD};
    exactBlending_ = false;
    return true;
}

void GraphicsDevice::Release() {
    if (text_) text_->ClearGlyphs();
    // Empty every texture first: destroying the renderer frees them in SDL.
    std::unordered_set<Texture*> doomed;
    doomed.swap(textures_);
    for (Texture* texture : doomed) texture->Release();
    backBuffer_.reset();
    renderer_.reset();
    window_ = nullptr;
    exactBlending_ = false;
}

void GraphicsDevice::BeginScene() {
    if (!renderer_) return;
    SDL_SetRenderTarget(renderer_.get(), backBuffer_.get());
    blend_ = kBlendNormal;
}

void GraphicsDevice::Clear(Color c) {
    if (!renderer_) return;
    SDL_SetRenderDrawColor(renderer_.get(), c.r, c.g, c.b, c.a);
    SDL_RenderClear(renderer_.get());
}

void GraphicsDevice::SetColor(Color c) { corners_.fill(c); }

void GraphicsDevice::SetBlendMode(int32_t mode) {
    if (mode >= kBlendNormal && mode <= kBlendAdditive) blend_ = mode;
}

SDL_BlendMode GraphicsDevice::BlendFor(int32_t mode) const { return blendModes_[mode]; }

bool GraphicsDevice::DrawQuad(const std::array<Point, 4>& corners, const Texture& texture,
                              int32_t cell) {
    if (!renderer_ || texture.Empty()) return false;
    const CellGrid grid{texture.UExtent(), texture.VExtent(), texture.Columns(), texture.Rows()};
    const std::array<QuadVertex, 4> quad = BuildQuad(corners, corners_, grid, cell, flip_);
    SDL_Vertex vertices[4];
    for (int i = 0; i < 4; ++i) {
        const QuadVertex& q = quad[i];
        vertices[i].position = {q.x, q.y};
        vertices[i].color = {q.color.r, q.color.g, q.color.b, q.color.a};
        vertices[i].tex_coord = {q.u, q.v};
    }
    static const int kFan[6] = {0, 1, 2, 0, 2, 3};
    SDL_BlendMode mode = BlendFor(blend_);
    // An opaque picture at full alpha looks the same unblended, and the
    // software rasteriser fills it at a fraction of the cost.
    if (mode == SDL_BLENDMODE_BLEND && texture.Opaque() &&
        std::all_of(vertices, vertices + 4, [](const SDL_Vertex& v) { return v.color.a == 255; }))
        mode = SDL_BLENDMODE_NONE;
    SDL_SetTextureBlendMode(texture.Handle(), mode);
    return SDL_RenderGeometry(renderer_.get(), texture.Handle(), vertices, 4, kFan, 6) == 0;
}

bool GraphicsDevice::DrawQuads(const Texture& texture, const QuadVertex* vertices,
                               size_t quadCount) {
    if (!renderer_ || texture.Empty() || quadCount == 0) return false;
    batchVertices_.resize(quadCount * 4);
    for (size_t i = 0; i < quadCount * 4; ++i) {
        const QuadVertex& q = vertices[i];
        batchVertices_[i].position = {q.x, q.y};
        batchVertices_[i].color = {q.color.r, q.color.g, q.color.b, q.color.a};
        batchVertices_[i].tex_coord = {q.u, q.v};
    }
    while (batchIndices_.size() < quadCount * 6) {
        const int base = int(batchIndices_.size() / 6 * 4);
        for (int k : {0, 1, 2, 0, 2, 3}) batchIndices_.push_back(base + k);
    }
    SDL_SetTextureBlendMode(texture.Handle(), BlendFor(blend_));
    return SDL_RenderGeometry(renderer_.get(), texture.Handle(), batchVertices_.data(),
                              int(quadCount * 4), batchIndices_.data(),
                              int(quadCount * 6)) == 0;
}

bool GraphicsDevice::DrawRect(const Rect& r, const Texture& texture, int32_t cell) {
    return DrawQuad({Point{r.left, r.top}, Point{r.right, r.top}, Point{r.right, r.bottom},
                     Point{r.left, r.bottom}},
                    texture, cell);
}

bool GraphicsDevice::DrawCell(Point topLeft, const Texture& texture, int32_t cell) {
    const int32_t columns = texture.Columns() > 0 ? texture.Columns() : 1;
    const int32_t rows = texture.Rows() > 0 ? texture.Rows() : 1;
    const Size size = texture.ImageSize();
    return DrawRect({topLeft.x, topLeft.y, topLeft.x + size.w / columns, topLeft.y + size.h / rows},
                    texture, cell);
}

void GraphicsDevice::EndScene() {
    if (!renderer_) return;
    SDL_Renderer* r = renderer_.get();
    SDL_SetRenderTarget(r, nullptr);
    SDL_SetRenderDrawColor(r, 0, 0, 0, 255);
    SDL_RenderClear(r);
    int w = 0, h = 0;
    if (SDL_GetRendererOutputSize(r, &w, &h) != 0) w = kWidth, h = kHeight;
    const PicturePlacement place = PlacePicture({w, h}, {kWidth, kHeight}, scaleMode_);
    SDL_SetTextureScaleMode(backBuffer_.get(), place.sharp ? SDL_ScaleModeNearest : SDL_ScaleModeLinear);
    const Rect& fit = place.rect;
    const SDL_Rect target{fit.left, fit.top, fit.Width(), fit.Height()};
    SDL_RenderCopy(r, backBuffer_.get(), nullptr, &target);
    // SDL restores its GL state itself; a lost frame is simply lost.
    SDL_RenderPresent(r);
}

bool GraphicsDevice::CaptureFrame(std::vector<uint32_t>& pixels) {
    if (!renderer_) return false;
    SDL_Renderer* r = renderer_.get();
    SDL_Texture* previous = SDL_GetRenderTarget(r);
    SDL_SetRenderTarget(r, backBuffer_.get());
    pixels.assign(size_t{kWidth} * kHeight, 0);
    const bool ok =
        SDL_RenderReadPixels(r, nullptr, SDL_PIXELFORMAT_ARGB8888, pixels.data(), kWidth * 4) == 0;
    SDL_SetRenderTarget(r, previous);
    // The back buffer's alpha is a by-product of blending; the window shows
    // the picture opaque.
    for (uint32_t& p : pixels) p |= 0xFF000000u;
    return ok;
}

bool GraphicsDevice::SaveFrame(const WString& path) {
    std::vector<uint32_t> pixels;
    if (!CaptureFrame(pixels)) return false;
    platform::SurfaceHandle surface(SDL_CreateRGBSurfaceWithFormatFrom(
        pixels.data(), kWidth, kHeight, 32, kWidth * 4, SDL_PIXELFORMAT_ARGB8888));
    if (!surface) return false;
    return IMG_SavePNG(surface.get(), platform::NativePath(path.View()).c_str()) == 0;
}
