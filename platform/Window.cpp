#include "platform/Window.h"

#include "platform/Utf.h"

namespace platform {

bool Window::Create(const WindowRect& outer, std::u16string_view title, bool fullScreen) {
    Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_RESIZABLE;
    if (fullScreen) flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
    handle_.reset(SDL_CreateWindow(Utf16ToUtf8(title).c_str(), outer.left, outer.top,
                                   outer.right - outer.left, outer.bottom - outer.top, flags));
    if (!handle_) {
        // No GL at all (for example the dummy video driver): a plain window
        // still lets the software renderer draw.
        flags &= ~SDL_WINDOW_OPENGL;
        handle_.reset(SDL_CreateWindow(Utf16ToUtf8(title).c_str(), outer.left, outer.top,
                                       outer.right - outer.left, outer.bottom - outer.top, flags));
    }
    if (!handle_) return false;
    SDL_SetWindowMinimumSize(handle_.get(), kMinimumWidth, kMinimumHeight);
    return true;
}

bool Window::IsFullScreen() const {
    return handle_ && (SDL_GetWindowFlags(handle_.get()) & SDL_WINDOW_FULLSCREEN) != 0;
}

void Window::SetFullScreen(bool on) {
    if (!handle_) return;
    if (SDL_SetWindowFullscreen(handle_.get(), on ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0) != 0) return;
    SDL_ShowCursor(on ? SDL_DISABLE : SDL_ENABLE);
}

void Window::SetTitle(std::u16string_view title) {
    if (handle_) SDL_SetWindowTitle(handle_.get(), Utf16ToUtf8(title).c_str());
}

bool Window::IsActive() const {
    return handle_ && (SDL_GetWindowFlags(handle_.get()) & SDL_WINDOW_INPUT_FOCUS) != 0;
}

WindowRect Window::OuterRect() const {
    WindowRect r;
    if (!handle_) return r;
    int x, y, w, h, top = 0, left = 0, bottom = 0, right = 0;
    SDL_GetWindowPosition(handle_.get(), &x, &y);
    SDL_GetWindowSize(handle_.get(), &w, &h);
    SDL_GetWindowBordersSize(handle_.get(), &top, &left, &bottom, &right);
    r.left = x - left;
    r.top = y - top;
    r.right = x + w + right;
    r.bottom = y + h + bottom;
    return r;
}

void Window::Move(const WindowRect& outer) {
    if (!handle_) return;
    int top = 0, left = 0, bottom = 0, right = 0;
    SDL_GetWindowBordersSize(handle_.get(), &top, &left, &bottom, &right);
    SDL_SetWindowPosition(handle_.get(), outer.left + left, outer.top + top);
    // The configured size is the picture's size on screen; the frame is extra.
    SDL_SetWindowSize(handle_.get(), outer.right - outer.left, outer.bottom - outer.top);
    SDL_RaiseWindow(handle_.get());
}

}  // namespace platform
