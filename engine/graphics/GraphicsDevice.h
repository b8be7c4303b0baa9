#pragma once
// The process-wide graphics device: a fixed 640 x 480 back buffer drawn with
// SDL's OpenGL renderer and presented into the main window, scaled to fit
// with black bars. Every picture is a textured quad with a colour per corner.
#include <SDL.h>

#include <array>
#include <cstdint>
#include <memory>
#include <unordered_set>
#include <vector>

#include "engine/graphics/Geometry.h"
#include "engine/graphics/QuadGeometry.h"
#include "engine/graphics/Scaling.h"
#include "engine/text/WString.h"
#include "platform/SdlHandles.h"
#include "platform/Window.h"

class Texture;
class TextRenderer;

struct PresentParams {
    bool windowed = true;
    // False skips the GPU renderers and takes the software one (tests of
    // the fallback).
    bool allowGpu = true;
};

// 0 normal alpha blending; 1 premultiplied (one, inverse source alpha);
// 2 additive (one, one).
enum BlendMode : int32_t { kBlendNormal = 0, kBlendPremultiplied = 1, kBlendAdditive = 2 };

class GraphicsDevice {
public:
    static constexpr int32_t kWidth = 640;
    static constexpr int32_t kHeight = 480;

    GraphicsDevice();
    ~GraphicsDevice();
    GraphicsDevice(const GraphicsDevice&) = delete;
    GraphicsDevice& operator=(const GraphicsDevice&) = delete;

    // Creates the main window and the device; false when neither a GPU nor
    // a software renderer can be had. Class name and styles are accepted
    // for the callers' sake; SDL windows need neither.
    bool Create(platform::Window& window, const WString& className, const Rect& outer,
                const WString& title, uint32_t style, uint32_t exStyle,
                const PresentParams& present);
    // Releases the device and with it every texture (they become empty).
    void Release();
    bool IsCreated() const { return renderer_ != nullptr; }
    // False on the software fallback, where blend modes 1 and 2 are only
    // approximated by SDL's built-in modes.
    bool ExactBlending() const { return exactBlending_; }

    void BeginScene();
    void Clear(Color color);
    void SetColor(Color color);
    void SetCornerColors(const std::array<Color, 4>& colors) { corners_ = colors; }
    // Top left, top right, bottom right, bottom left.
    const std::array<Color, 4>& CornerColors() const { return corners_; }
    void SetFlip(int32_t flags) { flip_ = flags; }
    int32_t Flip() const { return flip_; }
    // Other values than 0, 1, 2 change nothing.
    void SetBlendMode(int32_t mode);
    int32_t CurrentBlendMode() const { return blend_; }

    // False (nothing drawn) without a device or for an empty texture.
    bool DrawQuad(const std::array<Point, 4>& corners, const Texture& texture, int32_t cell);
    bool DrawRect(const Rect& rect, const Texture& texture, int32_t cell);
    bool DrawCell(Point topLeft, const Texture& texture, int32_t cell);
    // Many quads of one texture in one call, four vertices each (top left,
    // top right, bottom right, bottom left) with their own colours and
    // texture coordinates, drawn in order in the current blend mode.
    bool DrawQuads(const Texture& texture, const QuadVertex* vertices, size_t quadCount);
    void EndScene();
    // How EndScene fits the picture into the window (smooth by default).
    void SetScaleMode(ScaleMode mode) { scaleMode_ = mode; }
    ScaleMode CurrentScaleMode() const { return scaleMode_; }

    // The back buffer as 640 x 480 ARGB pixels, row by row, opaque as the
    // window shows it.
    bool CaptureFrame(std::vector<uint32_t>& pixels);
    // The back buffer as a PNG file (game path).
    bool SaveFrame(const WString& path);

    // Text drawing shares the device (and its corner colours and blend mode).
    TextRenderer& Text() { return *text_; }

    SDL_Renderer* Renderer() const { return renderer_.get(); }
    platform::Window* MainWindow() const { return window_; }

    // Textures enlist while they hold a device texture, so that releasing
    // the device can empty them before SDL frees what they point to.
    void Enlist(Texture* texture) { textures_.insert(texture); }
    void Dismiss(Texture* texture) { textures_.erase(texture); }

private:
    bool CreateRenderer(SDL_Window* window, bool allowGpu);
    SDL_BlendMode BlendFor(int32_t mode) const;

    platform::Window* window_ = nullptr;
    platform::RendererHandle renderer_;
    platform::TextureHandle backBuffer_;
    bool exactBlending_ = false;
    std::array<SDL_BlendMode, 3> blendModes_{};
    std::array<Color, 4> corners_;
    int32_t flip_ = 0;
    int32_t blend_ = kBlendNormal;
    ScaleMode scaleMode_ = ScaleMode::kSmooth;
    std::unordered_set<Texture*> textures_;
    std::unique_ptr<TextRenderer> text_;
    // Reused by DrawQuads, so batches allocate only when they outgrow them.
    std::vector<SDL_Vertex> batchVertices_;
    std::vector<int> batchIndices_;
};

GraphicsDevice& Graphics();
