#include "app/GameMain.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "app/GameConfig.h"
#include "content/ContentDatabase.h"
#include "flow/SharedPictures.h"
#include "engine/graphics/GraphicsDevice.h"
#include "engine/input/Input.h"
#include "flow/GameFlow.h"
#include "platform/VirtualKeys.h"

namespace {

uint32_t g_clock = 0;
uint32_t FakeClock() { return g_clock += 2; }

// The whole start-up and frame loop body, headless on the offscreen driver.
TEST(GameMain, StartsHeadlessRunsFramesAndQuitsOnEscape) {
    // Start in the game folder, as players do, so the generated pictures load.
    const std::filesystem::path game = std::getenv("GAME_DIR");
    ASSERT_TRUE(std::filesystem::exists(game / "image" / "back" / "0.bmp"));
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(game);
    ASSERT_TRUE(StartGame());
    std::filesystem::current_path(previous);
    EXPECT_TRUE(Graphics().IsCreated());
    EXPECT_FALSE(Pictures().backgrounds[0].Empty());
    EXPECT_FALSE(Pictures().statusIcons[29].Empty());
    EXPECT_FALSE(ItemName(1).Empty());
    EXPECT_FALSE(EffectById(0).sprite.Empty() && EnemyById(0).sprite.Empty());
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
