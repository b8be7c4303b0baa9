// The pad layout, and pads that come and go while the game reads input:
// SDL's virtual joysticks stand in for a mapped pad and for a plain one.
#include "engine/input/GamePad.h"

#include <gtest/gtest.h>

#include "engine/input/Tween.h"
#include "platform/SdlHandles.h"

namespace {

TEST(PadLayout, EachButtonOfTheLayoutPressesItsLogicalButton) {
    const std::pair<SDL_GameControllerButton, LogicalButton> expected[] = {
        {SDL_CONTROLLER_BUTTON_A, kDecide},          {SDL_CONTROLLER_BUTTON_B, kCancel},
        {SDL_CONTROLLER_BUTTON_X, kSpeed},           {SDL_CONTROLLER_BUTTON_Y, kSellAll},
        {SDL_CONTROLLER_BUTTON_LEFTSHOULDER, kPageUp}, {SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, kPageDown},
        {SDL_CONTROLLER_BUTTON_DPAD_UP, kUp},        {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, kRight},
        {SDL_CONTROLLER_BUTTON_DPAD_DOWN, kDown},    {SDL_CONTROLLER_BUTTON_DPAD_LEFT, kLeft},
    };
    for (const auto& [button, logical] : expected) {
        PadReading reading;
        reading.buttons[button] = 1;
        ButtonStates want{};
        want[logical] = 1;
        EXPECT_EQ(PadButtons(reading), want) << SDL_GameControllerGetStringForButton(button);
    }
    // Start, back, the stick clicks and the guide button stay unassigned.
    PadReading others;
    for (auto b : {SDL_CONTROLLER_BUTTON_START, SDL_CONTROLLER_BUTTON_BACK, SDL_CONTROLLER_BUTTON_GUIDE,
                   SDL_CONTROLLER_BUTTON_LEFTSTICK}) {
        others.buttons[b] = 1;
    }
    EXPECT_EQ(PadButtons(others), ButtonStates{});
}

TEST(PadLayout, TheLeftStickMovesFromHalfWayIncludingDiagonals) {
    PadReading r;
    r.leftX = kStickThreshold - 1;
    r.leftY = -(kStickThreshold - 1);
    EXPECT_EQ(PadButtons(r), ButtonStates{});
    r.leftX = kStickThreshold;
    r.leftY = -kStickThreshold;
    ButtonStates upRight{};
    upRight[kUp] = upRight[kRight] = 1;
    EXPECT_EQ(PadButtons(r), upRight);
    r.leftX = -32768;
    r.leftY = 32767;
    ButtonStates downLeft{};
    downLeft[kDown] = downLeft[kLeft] = 1;
    EXPECT_EQ(PadButtons(r), downLeft);
}

// The process-wide input with the real pad sources and no keyboard.
class PadPlugTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(pads_.Ok()) << SDL_GetError();
        Input() = InputState{};
        Input().keyboard.SetSource([this](uint32_t code) { return code == heldKey_; });
        const uint32_t keys[11] = {'Z', 'X'};
        const uint32_t buttons[11] = {3, 4};  // joystick button 3 decides, 4 cancels
        SetUpInput(keys, buttons, 11);
    }
    void TearDown() override {
        Pad().Close();
        for (int i = SDL_NumJoysticks() - 1; i >= 0; --i) {
            if (SDL_JoystickIsVirtual(i)) SDL_JoystickDetachVirtual(i);
        }
        Input() = InputState{};
    }

    // Attaches a virtual pad and delivers the arrival as the game would.
    platform::JoystickHandle Plug(SDL_JoystickType type) {
        const int index = SDL_JoystickAttachVirtual(type, SDL_CONTROLLER_AXIS_MAX,
                                                    SDL_CONTROLLER_BUTTON_MAX, 0);
        EXPECT_GE(index, 0) << SDL_GetError();
        Deliver();
        return platform::JoystickHandle(SDL_JoystickOpen(index));
    }
    void Unplug(platform::JoystickHandle& handle) {
        const SDL_JoystickID id = SDL_JoystickInstanceID(handle.get());
        handle.reset();
        for (int i = 0; i < SDL_NumJoysticks(); ++i) {
            if (SDL_JoystickGetDeviceInstanceID(i) == id) SDL_JoystickDetachVirtual(i);
        }
        Deliver();
    }
    static void Deliver() {
        SDL_PumpEvents();
        SDL_Event event;
        while (SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_JOYDEVICEADDED, SDL_JOYDEVICEREMOVED) > 0) {
            HandleInputDeviceEvent(event);
        }
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    }
    // One frame as the main loop runs it, after the repeat block ran out.
    static ButtonStates Frame() {
        for (int i = 0; i < 8; ++i) UpdateTweens();
        UpdateInput();
        return PressedButtons();
    }

    platform::SdlSubsystem pads_{SDL_INIT_GAMECONTROLLER};
    uint32_t heldKey_ = 0;
};

TEST_F(PadPlugTest, MappedPadPlaysByItsLayoutAndSurvivesBeingPulledAndReplugged) {
    EXPECT_FALSE(Pad().IsOpen());
    platform::JoystickHandle pad = Plug(SDL_JOYSTICK_TYPE_GAMECONTROLLER);
    ASSERT_TRUE(pad);
    ASSERT_TRUE(Pad().IsController()) << "SDL gave the virtual pad no mapping";
    SDL_JoystickSetVirtualButton(pad.get(), SDL_CONTROLLER_BUTTON_A, 1);
    EXPECT_EQ(Frame()[kDecide], 1);
    SDL_JoystickSetVirtualButton(pad.get(), SDL_CONTROLLER_BUTTON_A, 0);
    SDL_JoystickSetVirtualButton(pad.get(), SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, 1);
    SDL_JoystickSetVirtualAxis(pad.get(), SDL_CONTROLLER_AXIS_LEFTY, -32768);
    ButtonStates seen = Frame();
    EXPECT_EQ(seen[kPageDown], 1);
    EXPECT_EQ(seen[kUp], 1);
    EXPECT_EQ(seen[kDecide], 0);

    // Pulled out while held: nothing sticks, the keyboard still plays.
    Unplug(pad);
    EXPECT_FALSE(Pad().IsOpen());
    EXPECT_EQ(Frame(), ButtonStates{});
    heldKey_ = 'X';
    EXPECT_EQ(Frame()[kCancel], 1);
    heldKey_ = 0;

    pad = Plug(SDL_JOYSTICK_TYPE_GAMECONTROLLER);
    ASSERT_TRUE(Pad().IsController());
    SDL_JoystickSetVirtualButton(pad.get(), SDL_CONTROLLER_BUTTON_B, 1);
    EXPECT_EQ(Frame()[kCancel], 1);
    Unplug(pad);
}

TEST_F(PadPlugTest, PadWithoutMappingUsesTheConfiguredButtonsEvenWhenPluggedInLate) {
    platform::JoystickHandle stick = Plug(SDL_JOYSTICK_TYPE_ARCADE_STICK);
    ASSERT_TRUE(stick);
    ASSERT_TRUE(Pad().IsOpen());
    ASSERT_FALSE(Pad().IsController());
    EXPECT_TRUE(Input().joystick.Present());
    SDL_JoystickSetVirtualButton(stick.get(), 2, 1);  // button 3 of the configuration
    EXPECT_EQ(Frame()[kDecide], 1);
    SDL_JoystickSetVirtualButton(stick.get(), 2, 0);
    SDL_JoystickSetVirtualAxis(stick.get(), 0, 32767);  // full right
    EXPECT_EQ(Frame()[kRight], 1);

    // A mapped pad arriving later is preferred; pulling it falls back.
    platform::JoystickHandle pad = Plug(SDL_JOYSTICK_TYPE_GAMECONTROLLER);
    EXPECT_TRUE(Pad().IsController());
    EXPECT_FALSE(Input().joystick.Present());
    Unplug(pad);
    EXPECT_TRUE(Pad().IsOpen());
    EXPECT_FALSE(Pad().IsController());
    EXPECT_TRUE(Input().joystick.Present());
    Unplug(stick);
    EXPECT_FALSE(Input().joystick.Present());
    EXPECT_EQ(Frame(), ButtonStates{});
}

}  // namespace
