#include "app/GameMain.h"

#include <gtest/gtest.h>

#include "app/GameConfig.h"
#include "engine/graphics/GraphicsDevice.h"
#include "engine/input/Input.h"
#include "flow/GameFlow.h"
#include "platform/VirtualKeys.h"

namespace {

uint32_t g_clock = 0;
uint32_t FakeClock() { return g_clock += 2; }

// The whole start-up and frame loop body, headless on the offscreen driver.
TEST(GameMain, StartsHeadlessRunsFramesAndQuitsOnEscape) {
    ASSERT_TRUE(StartGame());
    EXPECT_TRUE(Graphics().IsCreated());
    EXPECT_EQ(WindowTitle().ToUtf8(), "ハルモア2");

    // The fake clock moves 2 ms between the frame's start and its end.
    Config().framePeriod = {16, 8};
    EXPECT_EQ(RunFrame(FakeClock), 14u);

    // The speed button toggles the caption and the period.
    bool speedDown = true;
    Input().keyboard.SetSource([&](uint32_t code) { return speedDown && code == Config().keys[2]; });
    RunFrame(FakeClock);
    EXPECT_EQ(SpeedSetting(), 1u);
    EXPECT_EQ(WindowTitle().ToUtf8(), "ハルモア2( ダーボ )");
    speedDown = false;
    EXPECT_EQ(RunFrame(FakeClock), 6u);

    SDL_Event key{};
    key.type = SDL_KEYDOWN;
    key.key.keysym.sym = SDLK_ESCAPE;
    EXPECT_FALSE(HandleEvent(key));
    SDL_Event next{};
    bool quit = false;
    while (SDL_PollEvent(&next)) quit = quit || HandleEvent(next);
    EXPECT_TRUE(quit);
    ShutdownGame();
    EXPECT_FALSE(Graphics().IsCreated());
}

}  // namespace
