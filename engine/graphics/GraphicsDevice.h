#pragma once
// The process-wide graphics device: a fixed 640 x 480 back buffer drawn with
// SDL's GPU renderer and presented into the main window, scaled to fit.
#include <SDL.h>

#include <cstdint>

#include "engine/graphics/Geometry.h"
#include "engine/text/WString.h"
#include "platform/SdlHandles.h"
#include "platform/Window.h"

struct PresentParams {
    bool windowed = true;
};

class GraphicsDevice {
public:
    static constexpr int32_t kWidth = 640;
    static constexpr int32_t kHeight = 480;

    // Creates the main window and the device; false when neither a GPU nor
    // a software renderer can be had.
    bool Create(platform::Window& window, const WString& className, const Rect& outer,
                const WString& title, uint32_t style, uint32_t exStyle,
                const PresentParams& present);
    void Release();
    bool IsCreated() const { return renderer_ != nullptr; }

    void BeginScene();
    void Clear(Color color);
    void SetColor(Color color);
    void EndScene();

    SDL_Renderer* Renderer() const { return renderer_.get(); }
    platform::Window* MainWindow() const { return window_; }

private:
    platform::Window* window_ = nullptr;
    platform::RendererHandle renderer_;
    platform::TextureHandle backBuffer_;
    Color corners_[4];
};

GraphicsDevice& Graphics();
