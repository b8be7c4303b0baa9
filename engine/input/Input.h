#pragma once
// Fifteen logical buttons read once per frame from the keyboard and one pad
// (a game controller by its standard layout, or a plain joystick by the
// configured button numbers; see GamePad.h). A press is reported on one
// frame, then every button is blocked for the next seven, so a held button
// repeats every eight frames.
#include <SDL.h>

#include <array>
#include <cstdint>
#include <functional>

#include "platform/SdlHandles.h"

constexpr int kButtonCount = 15;
enum LogicalButton : int {
    kDecide = 0, kCancel = 1, kSpeed = 2, kPageUp = 3, kPageDown = 4, kSellAll = 5,
    kUp = 11, kRight = 12, kDown = 13, kLeft = 14,
};
using ButtonStates = std::array<uint8_t, kButtonCount>;

class KeyboardInput {
public:
    // Answers whether the key with that virtual-key code is down now.
    using KeySource = std::function<bool(uint32_t code)>;

    KeyboardInput();
    void Reset(int mode);
    void SetKeys(const uint32_t* codes, int n);
    bool Poll();
    void SetSource(KeySource source) { source_ = std::move(source); }

    const ButtonStates& Pressed() const { return pressed_; }
    const std::array<int32_t, kButtonCount>& Codes() const { return codes_; }

private:
    ButtonStates pressed_{};
    std::array<int32_t, kButtonCount> codes_{};
    KeySource source_;
};

// Axes in 0 to 65535 (centre 32767), buttons as bits (bit 0 = button 1).
struct JoystickPosition {
    uint32_t x = 32767, y = 32767;
    uint32_t buttons = 0;
};

class JoystickInput {
public:
    // Reads joystick `id`; false when it does not answer.
    using PositionSource = std::function<bool(uint32_t id, JoystickPosition& out)>;

    JoystickInput();
    bool Detect();
    void ResetMapping(int mode);
    void SetButtons(const uint32_t* table, int n);
    bool Poll();
    void SetSource(PositionSource source) { source_ = std::move(source); }

    bool Present() const { return present_ != 0; }
    const ButtonStates& Pressed() const { return pressed_; }
    const std::array<int32_t, kButtonCount>& Mapping() const { return mapping_; }

private:
    uint8_t present_ = 0;
    uint32_t id_ = 0;
    JoystickPosition position_;
    std::array<int32_t, kButtonCount> mapping_{};
    ButtonStates pressed_{};
    PositionSource source_;
};

// A pad with a game controller mapping, already in logical buttons.
class GamePadInput {
public:
    // Fills the logical buttons of the pad; false when no such pad is in use.
    using PadSource = std::function<bool(ButtonStates& out)>;

    GamePadInput();
    bool Poll();
    void SetSource(PadSource source) { source_ = std::move(source); }
    const ButtonStates& Pressed() const { return pressed_; }

private:
    ButtonStates pressed_{};
    PadSource source_;
};

struct InputState {
    KeyboardInput keyboard;
    JoystickInput joystick;
    GamePadInput pad;
    ButtonStates merged{};
    uint8_t repeatBlock = 0;
    int32_t repeatCounter = 0;
};

InputState& Input();
// The merged buttons of this frame, as every game mode reads them.
inline const ButtonStates& PressedButtons() { return Input().merged; }

// Start-up: arrow keys plus the configured keys, then the pad. The joystick
// buttons are mapped even with no pad present, for one plugged in later.
void SetUpInput(const uint32_t* keys, const uint32_t* joystickButtons, int n);
// Pads plugged in or out (SDL device events); other events are ignored.
void HandleInputDeviceEvent(const SDL_Event& event);
void UpdateInput();
