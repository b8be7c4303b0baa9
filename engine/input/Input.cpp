#include "engine/input/Input.h"

#include <SDL.h>

#include "engine/input/Tween.h"
#include "platform/VirtualKeys.h"

namespace {

// Mouse buttons by their virtual-key codes (1, 2, 4, 5, 6).
bool MouseButtonDown(uint32_t code) {
    const Uint32 state = SDL_GetMouseState(nullptr, nullptr);
    switch (code) {
        case 1: return (state & SDL_BUTTON_LMASK) != 0;
        case 2: return (state & SDL_BUTTON_RMASK) != 0;
        case 4: return (state & SDL_BUTTON_MMASK) != 0;
        case 5: return (state & SDL_BUTTON_X1MASK) != 0;
        case 6: return (state & SDL_BUTTON_X2MASK) != 0;
        default: return false;
    }
}

bool SdlKeyDown(uint32_t code) {
    if (code >= 1 && code <= 6) return MouseButtonDown(code);
    const SDL_Scancode scancode = platform::ScancodeForVirtualKey(code);
    if (scancode == SDL_SCANCODE_UNKNOWN) return false;
    int count = 0;
    const Uint8* keys = SDL_GetKeyboardState(&count);
    return keys != nullptr && scancode < count && keys[scancode] != 0;
}

// The joystick opened at start-up, kept open for polling.
platform::JoystickHandle& OpenJoystick() {
    static platform::JoystickHandle handle;
    return handle;
}

uint32_t AxisToRange(Sint16 v) { return static_cast<uint32_t>(static_cast<int32_t>(v) + 32768); }

bool SdlJoystickPosition(uint32_t id, JoystickPosition& out) {
    platform::JoystickHandle& handle = OpenJoystick();
    if (!handle) {
        if (SDL_WasInit(SDL_INIT_JOYSTICK) == 0) return false;
        if (static_cast<int>(id) >= SDL_NumJoysticks()) return false;
        handle.reset(SDL_JoystickOpen(static_cast<int>(id)));
        if (!handle) return false;
    }
    SDL_Joystick* joy = handle.get();
    if (!SDL_JoystickGetAttached(joy)) {
        out = JoystickPosition{};  // unplugged: nothing is pressed
        return true;
    }
    SDL_JoystickUpdate();
    out.x = SDL_JoystickNumAxes(joy) > 0 ? AxisToRange(SDL_JoystickGetAxis(joy, 0)) : 32767;
    out.y = SDL_JoystickNumAxes(joy) > 1 ? AxisToRange(SDL_JoystickGetAxis(joy, 1)) : 32767;
    // A hat counts as full deflection of the stick.
    if (SDL_JoystickNumHats(joy) > 0) {
        const Uint8 hat = SDL_JoystickGetHat(joy, 0);
        if (hat & SDL_HAT_UP) out.y = 0;
        if (hat & SDL_HAT_DOWN) out.y = 65535;
        if (hat & SDL_HAT_LEFT) out.x = 0;
        if (hat & SDL_HAT_RIGHT) out.x = 65535;
    }
    out.buttons = 0;
    const int buttons = SDL_JoystickNumButtons(joy);
    for (int b = 0; b < buttons && b < 32; ++b) {
        if (SDL_JoystickGetButton(joy, b)) out.buttons |= 1u << b;
    }
    return true;
}

}  // namespace

KeyboardInput::KeyboardInput() : source_(SdlKeyDown) { Reset(1); }

void KeyboardInput::Reset(int mode) {
    codes_.fill(0);
    if (mode == 1) {
        static constexpr int32_t kMouse[] = {1, 2, 4, 5, 6};
        for (int i = 0; i < 5; ++i) codes_[static_cast<size_t>(i)] = kMouse[i];
    } else if (mode == 2) {
        codes_[kUp] = platform::vk::kUp;
        codes_[kRight] = platform::vk::kRight;
        codes_[kDown] = platform::vk::kDown;
        codes_[kLeft] = platform::vk::kLeft;
    }
}

void KeyboardInput::SetKeys(const uint32_t* codes, int n) {
    for (int i = 0; i < n && i < kButtonCount; ++i) {
        codes_[static_cast<size_t>(i)] = static_cast<int32_t>(codes[i]);
    }
}

bool KeyboardInput::Poll() {
    for (size_t i = 0; i < codes_.size(); ++i) {
        pressed_[i] = codes_[i] != 0 && source_(static_cast<uint32_t>(codes_[i])) ? 1 : 0;
    }
    return true;
}

JoystickInput::JoystickInput() : source_(SdlJoystickPosition) { ResetMapping(0); }

bool JoystickInput::Detect() {
    JoystickPosition probe;
    present_ = 0;
    for (uint32_t id = 0; id < 2; ++id) {
        if (source_(id, probe)) {
            id_ = id;
            present_ = 1;
            break;
        }
    }
    return present_ != 0;
}

void JoystickInput::ResetMapping(int mode) {
    mapping_.fill(-1);
    if (mode == 0) {
        for (int n = kUp; n <= kLeft; ++n) mapping_[static_cast<size_t>(n)] = n;
    }
}

void JoystickInput::SetButtons(const uint32_t* table, int n) {
    for (int i = 0; i < n; ++i) {
        if (table[i] != 0 && table[i] < static_cast<uint32_t>(kButtonCount)) {
            mapping_[table[i]] = i;
        }
    }
}

bool JoystickInput::Poll() {
    if (!present_) return false;
    pressed_.fill(0);
    source_(id_, position_);  // a failed read keeps the last position
    bool any = false;
    const auto press = [&](int input) {
        const int32_t logical = mapping_[static_cast<size_t>(input)];
        if (logical >= 0 && logical < kButtonCount) {
            pressed_[static_cast<size_t>(logical)] = 1;
            any = true;
        }
    };
    if (position_.y == 0) press(kUp);
    if (position_.x > 60000) press(kRight);
    if (position_.y > 60000) press(kDown);
    if (position_.x == 0) press(kLeft);
    for (int n = 1; n <= 10; ++n) {
        if (position_.buttons & (1u << (n - 1))) press(n);
    }
    return any;
}

InputState& Input() {
    static InputState state;
    return state;
}

void SetUpInput(const uint32_t* keys, const uint32_t* joystickButtons, int n) {
    InputState& in = Input();
    in.keyboard.Reset(2);
    in.keyboard.SetKeys(keys, n);
    if (in.joystick.Detect()) {
        in.joystick.ResetMapping(0);
        in.joystick.SetButtons(joystickButtons, n);
    }
}

void UpdateInput() {
    InputState& in = Input();
    in.merged.fill(0);
    in.joystick.Poll();
    in.keyboard.Poll();
    if (in.repeatBlock != 0) return;
    bool any = false;
    for (size_t i = 0; i < in.merged.size(); ++i) {
        const bool joystickPressed = in.joystick.Present() && in.joystick.Pressed()[i];
        in.merged[i] = (joystickPressed || in.keyboard.Pressed()[i]) ? 1 : 0;
        any = any || in.merged[i];
    }
    if (any) {
        in.repeatCounter = 0;
        StartTween(&in.repeatBlock, &in.repeatCounter, 1, 8, 1, Tween::kOnce);
    }
}
