#include "engine/graphics/GraphicsDevice.h"

GraphicsDevice& Graphics() {
    static GraphicsDevice device;
    return device;
}

bool GraphicsDevice::Create(platform::Window& window, const WString& /*className*/,
                            const Rect& outer, const WString& title, uint32_t /*style*/,
                            uint32_t /*exStyle*/, const PresentParams& present) {
    const platform::WindowRect rect{outer.left, outer.top, outer.right, outer.bottom};
    if (!window.Create(rect, title.View(), !present.windowed)) return false;
    renderer_.reset(SDL_CreateRenderer(window.Handle(), -1, SDL_RENDERER_ACCELERATED |
                                                               SDL_RENDERER_TARGETTEXTURE));
    if (!renderer_) {
        renderer_.reset(SDL_CreateRenderer(window.Handle(), -1, SDL_RENDERER_SOFTWARE |
                                                                   SDL_RENDERER_TARGETTEXTURE));
    }
    if (!renderer_) {
        window.Destroy();
        return false;
    }
    backBuffer_.reset(SDL_CreateTexture(renderer_.get(), SDL_PIXELFORMAT_ARGB8888,
                                        SDL_TEXTUREACCESS_TARGET, kWidth, kHeight));
    if (!backBuffer_) {
        Release();
        window.Destroy();
        return false;
    }
    SDL_RenderSetLogicalSize(renderer_.get(), kWidth, kHeight);
    window_ = &window;
    return true;
}

void GraphicsDevice::Release() {
    backBuffer_.reset();
    renderer_.reset();
    window_ = nullptr;
}

void GraphicsDevice::BeginScene() {
    if (renderer_) SDL_SetRenderTarget(renderer_.get(), backBuffer_.get());
}

void GraphicsDevice::Clear(Color c) {
    if (!renderer_) return;
    SDL_SetRenderDrawColor(renderer_.get(), c.r, c.g, c.b, c.a);
    SDL_RenderClear(renderer_.get());
}

void GraphicsDevice::SetColor(Color c) {
    for (Color& corner : corners_) corner = c;
}

void GraphicsDevice::EndScene() {
    if (!renderer_) return;
    SDL_SetRenderTarget(renderer_.get(), nullptr);
    SDL_SetRenderDrawColor(renderer_.get(), 0, 0, 0, 255);
    SDL_RenderClear(renderer_.get());
    SDL_RenderCopy(renderer_.get(), backBuffer_.get(), nullptr, nullptr);
    SDL_RenderPresent(renderer_.get());
}
