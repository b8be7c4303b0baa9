#pragma once
// The main window: an SDL window standing in for the game's one top-level
// window. Geometry is the outer rectangle in screen coordinates.
#include <SDL.h>

#include <string_view>

#include "platform/SdlHandles.h"

namespace platform {

struct WindowRect {
    int left = 0, top = 0, right = 0, bottom = 0;
};

class Window {
public:
    bool Create(const WindowRect& outer, std::u16string_view title, bool fullScreen);
    void Destroy() { handle_.reset(); }

    SDL_Window* Handle() const { return handle_.get(); }
    bool IsCreated() const { return handle_ != nullptr; }
    Uint32 Id() const { return handle_ ? SDL_GetWindowID(handle_.get()) : 0; }

    void SetTitle(std::u16string_view title);
    // True while the window has keyboard focus: frames run only then.
    bool IsActive() const;
    WindowRect OuterRect() const;
    void Move(const WindowRect& outer);

    // Full screen at the desktop's resolution, mouse cursor hidden; back in
    // a window, the window has its earlier size and the cursor shows.
    bool IsFullScreen() const;
    void SetFullScreen(bool on);
    void ToggleFullScreen() { SetFullScreen(!IsFullScreen()); }

    // A window dragged smaller stops here, so the picture stays readable.
    static constexpr int kMinimumWidth = 320;
    static constexpr int kMinimumHeight = 240;

private:
    WindowHandle handle_;
};

}  // namespace platform
