#pragma once
// Owning handles for SDL objects, so every one is released exactly once.
#include <SDL.h>

#include <memory>

namespace platform {

struct SdlDeleter {
    void operator()(SDL_Window* p) const { SDL_DestroyWindow(p); }
    void operator()(SDL_Renderer* p) const { SDL_DestroyRenderer(p); }
    void operator()(SDL_Texture* p) const { SDL_DestroyTexture(p); }
    void operator()(SDL_Surface* p) const { SDL_FreeSurface(p); }
    void operator()(SDL_Joystick* p) const { SDL_JoystickClose(p); }
    void operator()(SDL_GameController* p) const { SDL_GameControllerClose(p); }
};

using WindowHandle = std::unique_ptr<SDL_Window, SdlDeleter>;
using RendererHandle = std::unique_ptr<SDL_Renderer, SdlDeleter>;
using TextureHandle = std::unique_ptr<SDL_Texture, SdlDeleter>;
using SurfaceHandle = std::unique_ptr<SDL_Surface, SdlDeleter>;
using JoystickHandle = std::unique_ptr<SDL_Joystick, SdlDeleter>;
using GameControllerHandle = std::unique_ptr<SDL_GameController, SdlDeleter>;

// Keeps one SDL subsystem initialised for its lifetime.
class SdlSubsystem {
public:
    explicit SdlSubsystem(Uint32 flags) : flags_(flags), ok_(SDL_InitSubSystem(flags) == 0) {}
    ~SdlSubsystem() {
        if (ok_) SDL_QuitSubSystem(flags_);
    }
    SdlSubsystem(const SdlSubsystem&) = delete;
    SdlSubsystem& operator=(const SdlSubsystem&) = delete;
    bool Ok() const { return ok_; }

private:
    Uint32 flags_;
    bool ok_;
};

}  // namespace platform
