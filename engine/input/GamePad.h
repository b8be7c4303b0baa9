#pragma once
// Game pads. A pad SDL knows a mapping for (most common pads, or any named
// in SDL_GAMECONTROLLERCONFIG or the configuration folder's
// gamecontrollerdb.txt) is read by its standard layout: A decide, B cancel,
// X speed, Y sell-all, the shoulders page up and down, the d-pad and the
// left stick move. A pad without a mapping is read as a plain joystick, with
// the button numbers of the configuration file. Pads may come and go at any
// time; the first one present is used.
#include <SDL.h>

#include <array>
#include <cstdint>
#include <string>

#include "engine/input/Input.h"
#include "platform/SdlHandles.h"

struct PadReading {
    std::array<uint8_t, SDL_CONTROLLER_BUTTON_MAX> buttons{};
    int16_t leftX = 0, leftY = 0;  // -32768 to 32767, up and left negative
};

struct PadBinding {
    SDL_GameControllerButton button;
    LogicalButton logical;
};

// The standard layout, one logical button per pad button.
const std::array<PadBinding, 10>& PadBindings();
// The left stick counts from half way, so diagonals and worn sticks move.
inline constexpr int16_t kStickThreshold = 16384;
ButtonStates PadButtons(const PadReading& reading);

// The one pad in use: a game controller or a plain joystick.
class PadDevice {
public:
    // Opens the first device, a game controller before a plain joystick;
    // false when there is none (or the joystick subsystem is down).
    bool OpenFirst();
    // Device arrivals and removals; true when the pad in use changed.
    bool HandleEvent(const SDL_Event& event);
    void Close();

    bool IsOpen() const { return controller_ || joystick_; }
    bool IsController() const { return controller_ != nullptr; }
    std::string Name() const;

    // False unless a game controller is in use.
    bool ReadController(PadReading& out);
    // False unless a plain joystick is in use.
    bool ReadJoystick(JoystickPosition& out);

private:
    bool Open(int deviceIndex);

    platform::GameControllerHandle controller_;
    platform::JoystickHandle joystick_;
    SDL_JoystickID instance_ = -1;
};

PadDevice& Pad();
