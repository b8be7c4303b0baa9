#include "engine/input/GamePad.h"

namespace {

uint32_t AxisToRange(Sint16 v) { return static_cast<uint32_t>(static_cast<int32_t>(v) + 32768); }

bool JoystickSubsystemUp() { return SDL_WasInit(SDL_INIT_JOYSTICK) != 0; }

}  // namespace

const std::array<PadBinding, 10>& PadBindings() {
    static const std::array<PadBinding, 10> bindings{{
        {SDL_CONTROLLER_BUTTON_A, kDecide},
        {SDL_CONTROLLER_BUTTON_B, kCancel},
        {SDL_CONTROLLER_BUTTON_X, kSpeed},
        {SDL_CONTROLLER_BUTTON_Y, kSellAll},
        {SDL_CONTROLLER_BUTTON_LEFTSHOULDER, kPageUp},
        {SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, kPageDown},
        {SDL_CONTROLLER_BUTTON_DPAD_UP, kUp},
        {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, kRight},
        {SDL_CONTROLLER_BUTTON_DPAD_DOWN, kDown},
        {SDL_CONTROLLER_BUTTON_DPAD_LEFT, kLeft},
    }};
    return bindings;
}

ButtonStates PadButtons(const PadReading& reading) {
    ButtonStates pressed{};
    for (const PadBinding& b : PadBindings()) {
        if (reading.buttons[static_cast<size_t>(b.button)] != 0) pressed[b.logical] = 1;
    }
    if (reading.leftY <= -kStickThreshold) pressed[kUp] = 1;
    if (reading.leftX >= kStickThreshold) pressed[kRight] = 1;
    if (reading.leftY >= kStickThreshold) pressed[kDown] = 1;
    if (reading.leftX <= -kStickThreshold) pressed[kLeft] = 1;
    return pressed;
}

PadDevice& Pad() {
    static PadDevice pad;
    return pad;
}

bool PadDevice::Open(int deviceIndex) {
    Close();
    if (SDL_IsGameController(deviceIndex)) {
        controller_.reset(SDL_GameControllerOpen(deviceIndex));
        if (controller_) {
            instance_ = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller_.get()));
            return true;
        }
    }
    joystick_.reset(SDL_JoystickOpen(deviceIndex));
    if (!joystick_) return false;
    instance_ = SDL_JoystickInstanceID(joystick_.get());
    return true;
}

void PadDevice::Close() {
    controller_.reset();
    joystick_.reset();
    instance_ = -1;
}

bool PadDevice::OpenFirst() {
    Close();
    if (!JoystickSubsystemUp()) return false;
    const int count = SDL_NumJoysticks();
    for (int i = 0; i < count; ++i) {
        if (SDL_IsGameController(i) && Open(i)) return true;
    }
    for (int i = 0; i < count; ++i) {
        if (Open(i)) return true;
    }
    return false;
}

bool PadDevice::HandleEvent(const SDL_Event& event) {
    if (event.type == SDL_JOYDEVICEADDED) {
        const int index = event.jdevice.which;
        if (SDL_JoystickGetDeviceInstanceID(index) == instance_) return false;
        // A pad with a mapping is better than a plain joystick already open.
        if (IsController() || (IsOpen() && !SDL_IsGameController(index))) return false;
        return Open(index);
    }
    if (event.type == SDL_JOYDEVICEREMOVED) {
        if (event.jdevice.which != instance_) return false;
        OpenFirst();  // another pad may still be there
        return true;
    }
    return false;
}

std::string PadDevice::Name() const {
    const char* name = controller_ ? SDL_GameControllerName(controller_.get())
                       : joystick_ ? SDL_JoystickName(joystick_.get())
                                   : nullptr;
    return name != nullptr ? name : "";
}

bool PadDevice::ReadController(PadReading& out) {
    if (!controller_) return false;
    out = PadReading{};
    SDL_GameController* pad = controller_.get();
    if (!SDL_GameControllerGetAttached(pad)) return true;  // unplugged: nothing pressed
    SDL_GameControllerUpdate();
    for (size_t b = 0; b < out.buttons.size(); ++b) {
        out.buttons[b] = SDL_GameControllerGetButton(pad, static_cast<SDL_GameControllerButton>(b));
    }
    out.leftX = SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_LEFTX);
    out.leftY = SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_LEFTY);
    return true;
}

bool PadDevice::ReadJoystick(JoystickPosition& out) {
    if (!joystick_) return false;
    SDL_Joystick* joy = joystick_.get();
    out = JoystickPosition{};
    if (!SDL_JoystickGetAttached(joy)) return true;  // unplugged: nothing pressed
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
    const int buttons = SDL_JoystickNumButtons(joy);
    for (int b = 0; b < buttons && b < 32; ++b) {
        if (SDL_JoystickGetButton(joy, b)) out.buttons |= 1u << b;
    }
    return true;
}
