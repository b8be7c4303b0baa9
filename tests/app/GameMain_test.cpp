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
    EXPECT_TRUE(Graphics().IsCreated());
    EXPECT_FALSE(Pictures().backgrounds[0].Empty());
    EXPECT_FALSE(Pictures().statusIcons[29].Empty());
    EXPECT_FALSE(ItemName(1).Empty());
    // Faces load at once; enemies and hit effects wait for the time left
    // between frames, a few in each pause, never past it.
    EXPECT_FALSE(CharacterById(0).face.Empty());
    EXPECT_TRUE(EnemyById(1).sprite.Empty());
    EXPECT_TRUE(EffectById(0).sprite.Empty());
    EXPECT_TRUE(Pictures().backgrounds[3].Empty());
    int32_t busyPauses = 0;
    for (int32_t frame = 0; frame < 1000; ++frame) {
        const uint32_t left = UseIdleTime(14, FakeClock);
        EXPECT_LE(left, 14u);
        if (left < 14) ++busyPauses;
        EXPECT_EQ(UseIdleTime(7, FakeClock), 7u);  // no room for a picture
    }
    EXPECT_GT(busyPauses, 50);
    EXPECT_LT(busyPauses, 1000);
    EXPECT_FALSE(EnemyById(1).sprite.Empty());
    EXPECT_FALSE(EffectById(0).sprite.Empty());
    EXPECT_FALSE(Pictures().backgrounds[3].Empty());
    std::filesystem::current_path(previous);
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
