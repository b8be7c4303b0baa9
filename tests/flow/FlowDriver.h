#pragma once
// Plays the game's update as a player would: one frame per call, with the
// logical buttons of that frame, in a scratch working folder (saves land
// there). Every test starts at the title of a fresh game state.
#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <optional>
#include <string>

#include "FlowFixture.h"
#include "engine/input/Input.h"
#include "flow/GameFlow.h"

class FlowDriverTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // One frame with these buttons down (an empty list: none).
    void Frame(std::initializer_list<int32_t> buttons = {});
    void Press(int32_t button, int32_t times = 1);
    void Frames(int32_t count);

    int32_t Mode() const { return CurrentMode(); }
    const GameFlow& State() const { return Flow(); }
    // The sound this frame's update asked for ("" for none).
    std::string Sound() const;
    std::string Music() const;

    // Title "はじめから": a new game in the town menu.
    void StartNewGame();
    // From the town menu, the facility at this menu position.
    void EnterTownEntry(int32_t entry);

    std::filesystem::path folder_;

private:
    std::optional<flowtest::FlowStateGuard> guard_;
    std::filesystem::path previous_;
};
