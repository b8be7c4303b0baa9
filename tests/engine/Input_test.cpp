#include "engine/input/Input.h"

#include <gtest/gtest.h>

#include <set>

#include "engine/input/Tween.h"
#include "platform/VirtualKeys.h"

namespace {

// Drives the process-wide input with scripted keys and joystick positions.
class InputTest : public ::testing::Test {
protected:
    void SetUp() override {
        Input() = InputState{};
        Input().keyboard.SetSource([this](uint32_t code) { return down_.count(code) > 0; });
        Input().joystick.SetSource([this](uint32_t id, JoystickPosition& out) {
            if (!joystickPlugged_ || id != 1) return false;  // only the second answers
            out = joystick_;
            return true;
        });
        const uint32_t keys[11] = {platform::vk::kZ, platform::vk::kX, platform::vk::kC};
        const uint32_t buttons[11] = {3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
        SetUpInput(keys, buttons, 11);
    }
    // One frame as the main loop runs it: input first, tweens near the end.
    ButtonStates Frame() {
        UpdateInput();
        const ButtonStates seen = PressedButtons();
        UpdateTweens();
        return seen;
    }

    std::set<uint32_t> down_;
    bool joystickPlugged_ = true;
    JoystickPosition joystick_;
};

TEST_F(InputTest, HeldButtonRepeatsEveryEighthFrame) {
    down_.insert(platform::vk::kZ);
    std::vector<int> reported;
    for (int frame = 1; frame <= 20; ++frame) {
        if (Frame()[kDecide]) reported.push_back(frame);
    }
    EXPECT_EQ(reported, (std::vector<int>{1, 9, 17}));
}

TEST_F(InputTest, TheBlockCoversEveryButton) {
    down_.insert(platform::vk::kZ);
    EXPECT_EQ(Frame()[kDecide], 1);
    down_.clear();
    down_.insert(platform::vk::kX);
    for (int frame = 2; frame <= 8; ++frame) EXPECT_EQ(Frame()[kCancel], 0) << frame;
    EXPECT_EQ(Frame()[kCancel], 1);
}

TEST_F(InputTest, ArrowKeysAreFixedAndUnassignedSlotsNeverFire) {
    down_.insert(platform::vk::kLeft);
    down_.insert(0);  // code 0 would match an empty slot if it were polled
    const ButtonStates s = Frame();
    EXPECT_EQ(s[kLeft], 1);
    for (int b = 3; b <= 10; ++b) EXPECT_EQ(s[static_cast<size_t>(b)], 0);
}

TEST_F(InputTest, JoystickOnlyFullDeflectionAndMappedButtonsCount) {
    ASSERT_TRUE(Input().joystick.Present());
    joystick_.x = 60000;
    joystick_.y = 1;
    EXPECT_EQ(Frame(), ButtonStates{});
    joystick_.x = 60001;
    joystick_.y = 0;
    ButtonStates s = Frame();
    EXPECT_EQ(s[kRight], 1);
    EXPECT_EQ(s[kUp], 1);
    for (int i = 0; i < 7; ++i) Frame();
    joystick_ = JoystickPosition{};
    joystick_.buttons = 1u << 2;  // button 3 was configured for decide
    s = Frame();
    EXPECT_EQ(s[kDecide], 1);
    EXPECT_EQ(s[kCancel], 0);
}

TEST_F(InputTest, NoJoystickMeansKeyboardOnly) {
    joystickPlugged_ = false;
    SetUp();
    Input().joystick.SetSource([](uint32_t, JoystickPosition&) { return false; });
    ASSERT_FALSE(Input().joystick.Detect());
    down_.insert(platform::vk::kC);
    EXPECT_EQ(Frame()[kSpeed], 1);
}

TEST(JoystickMapping, LaterLogicalButtonWinsASharedJoystickButton) {
    JoystickInput joy;
    joy.ResetMapping(0);
    const uint32_t table[3] = {4, 0, 4};
    joy.SetButtons(table, 3);
    EXPECT_EQ(joy.Mapping()[4], 2);
    EXPECT_EQ(joy.Mapping()[11], kUp);
    joy.ResetMapping(1);
    EXPECT_EQ(joy.Mapping()[11], -1);
}

TEST(TweenModes, UntilLimitStopsAtTheLimitBothWays) {
    TweenList list;
    int32_t value = 0;
    uint8_t flag = 0;
    list.Start(&flag, &value, 5, 12, 1, Tween::kUntilLimit);
    std::vector<int32_t> seen;
    while (flag) {
        list.Update();
        seen.push_back(value);
    }
    EXPECT_EQ(seen, (std::vector<int32_t>{5, 10, 12}));

    value = 12;
    seen.clear();
    list.Start(&flag, &value, -5, 0, 1, Tween::kUntilLimit);
    while (flag) {
        list.Update();
        seen.push_back(value);
    }
    EXPECT_EQ(seen, (std::vector<int32_t>{7, 2, 0}));
}

TEST(TweenModes, LoopReturnsToItsStartAndPingPongTurns) {
    TweenList list;
    int32_t value = 0;
    uint8_t flag = 0;
    list.Start(&flag, &value, 1, 4, 1, Tween::kLoop);
    std::vector<int32_t> seen;
    for (int i = 0; i < 8; ++i) {
        list.Update();
        seen.push_back(value);
    }
    EXPECT_EQ(seen, (std::vector<int32_t>{1, 2, 3, 0, 1, 2, 3, 0}));
    flag = 0;  // the owner stops it

    int32_t pong = 0;
    uint8_t pongFlag = 0;
    list.Start(&pongFlag, &pong, 1, 3, 1, Tween::kPingPong);
    seen.clear();
    for (int i = 0; i < 6; ++i) {
        list.Update();
        seen.push_back(pong);
    }
    EXPECT_EQ(seen, (std::vector<int32_t>{1, 2, 1, 0, 1, 2}));
}

TEST(TweenModes, IntervalsRunningFlagsAndRecordReuse) {
    TweenList list;
    int32_t value = 0;
    uint8_t flag = 0;
    list.Start(&flag, &value, 2, 2, 3, Tween::kOnce);
    list.Start(&flag, &value, 100, 1, 1, Tween::kOnce);  // already running: ignored
    std::vector<int32_t> seen;
    for (int i = 0; i < 7; ++i) {
        list.Update();
        seen.push_back(value);
    }
    EXPECT_EQ(seen, (std::vector<int32_t>{0, 0, 2, 2, 2, 4, 4}));
    EXPECT_EQ(flag, 0);

    // A tween without a flag of its own uses the record's; ended records are reused.
    int32_t other = 0;
    list.Start(nullptr, &other, 1, 1, 1, Tween::kOnce);
    list.Update();
    EXPECT_EQ(other, 1);
    EXPECT_EQ(list.Records().size(), 1u);
}

}  // namespace
