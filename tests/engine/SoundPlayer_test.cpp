// The effect player on SDL's dummy audio driver.
#include <SDL.h>
#include <gtest/gtest.h>

#include <fstream>

#include "SoundWavBuilder.h"
#include "engine/sound/SoundPlayer.h"
#include "sxplay/SxPlay.h"

using namespace soundtest;

namespace {

std::string TempWav(const char* name, const std::vector<uint8_t>& bytes) {
    const std::string path = testing::TempDir() + name;
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), long(bytes.size()));
    return path;
}

}  // namespace

TEST(SoundPlayer, PlaysOnlyWhenEnabledInitialisedAndReadable) {
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    const std::string path = TempWav("sound_player_test.wav", Wav(WavSpec(), Pcm16({1, 2, 3, 4})));
    SoundPlayer player;
    player.SetEnabled(1);
    EXPECT_FALSE(player.Play(WString(path.c_str())));  // not initialised
    ASSERT_TRUE(player.Init(nullptr));
    EXPECT_FALSE(player.Init(nullptr));  // only once
    EXPECT_FALSE(player.Play(WString("sound\\no such effect.wav")));
    EXPECT_FALSE(player.Loaded());
    EXPECT_TRUE(player.Play(WString(path.c_str())));
    EXPECT_TRUE(player.Loaded());
    player.SetEnabled(0);
    EXPECT_FALSE(player.Play(WString(path.c_str())));
}

TEST(SoundPlayer, EffectsAndMusicOpenTheirDevicesTogether) {
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    ASSERT_EQ(SXOpenDevice(-1, nullptr), 0);
    SoundPlayer player;
    const bool opened = player.Init(nullptr);
    const std::string driver = SDL_GetCurrentAudioDriver() != nullptr ? SDL_GetCurrentAudioDriver() : "";
    if (driver == "dummy" || driver == "disk") {
        // SDL lets drivers that only have a default device open one output
        // at a time: the effects then stay silent and the music plays on.
        EXPECT_FALSE(opened);
        SXStatus status{};
        SXGetStatus(&status, sizeof status);
        EXPECT_EQ(status.mainState, 1);
    } else {
        EXPECT_TRUE(opened) << driver;
    }
    EXPECT_EQ(SXCloseDevice(), 0);
}

TEST(SoundPlayer, NoDeviceMeansQuietFailure) {
    // A driver that does not exist stands for a machine without sound.
    const char* old = getenv("SDL_AUDIODRIVER");
    const std::string saved = old != nullptr ? old : "";
    setenv("SDL_AUDIODRIVER", "none-such", 1);
    SoundPlayer player;
    player.SetEnabled(1);
    EXPECT_FALSE(player.Init(nullptr));
    EXPECT_FALSE(player.Play(WString("sound\\cur.wav")));
    setenv("SDL_AUDIODRIVER", saved.empty() ? "dummy" : saved.c_str(), 1);
}
