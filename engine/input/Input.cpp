#include "engine/input/Input.h"

#include <SDL.h>

#include "engine/input/GamePad.h"
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

// The pad in use, when it is a plain joystick; it answers as joystick 0.
bool SdlJoystickPosition(uint32_t id, JoystickPosition& out) {
    return id == 0 && Pad().ReadJoystick(out);
}

bool SdlPadButtons(ButtonStates& out) {
    PadReading reading;
    if (!Pad().ReadController(reading)) return false;
    out = PadButtons(reading);
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

GamePadInput::GamePadInput() : source_(SdlPadButtons) {}

bool GamePadInput::Poll() {
    pressed_.fill(0);
    if (!source_(pressed_)) {
        pressed_.fill(0);
        return false;
    }
    for (uint8_t b : pressed_) {
        if (b) return true;
    }
    return false;
}

InputState& Input() {
    static InputState state;
    return state;
}

void SetUpInput(const uint32_t* keys, const uint32_t* joystickButtons, int n) {
    InputState& in = Input();
    in.keyboard.Reset(2);
    in.keyboard.SetKeys(keys, n);
    Pad().OpenFirst();
    in.joystick.Detect();
    in.joystick.ResetMapping(0);
    in.joystick.SetButtons(joystickButtons, n);
}

void HandleInputDeviceEvent(const SDL_Event& event) {
    if (Pad().HandleEvent(event)) Input().joystick.Detect();
}

void UpdateInput() {
    InputState& in = Input();
    in.merged.fill(0);
    in.joystick.Poll();
    in.pad.Poll();
    in.keyboard.Poll();
    if (in.repeatBlock != 0) return;
    bool any = false;
    for (size_t i = 0; i < in.merged.size(); ++i) {
        const bool joystickPressed = in.joystick.Present() && in.joystick.Pressed()[i];
        const bool padPressed = in.pad.Pressed()[i] != 0;
        in.merged[i] = (joystickPressed || padPressed || in.keyboard.Pressed()[i]) ? 1 : 0;
        any = any || in.merged[i];
    }
    if (any) {
        in.repeatCounter = 0;
        StartTween(&in.repeatBlock, &in.repeatCounter, 1, 8, 1, Tween::kOnce);
    }
}
