// The music player over a counting double of the MIDI library, and over
// the real library on SDL's dummy audio driver.
#include <gtest/gtest.h>

#include <cstdlib>

#include "engine/sound/MusicPlayer.h"

namespace {

struct Calls {
    int open = 0, close = 0, load = 0, play = 0, pause = 0;
    int32_t loadResult = 0;
    std::u16string lastPath;
} g_calls;

const MusicLibrary kCounting{
    [](int32_t device, pthread_t* thread) {
        EXPECT_EQ(device, -1);
        EXPECT_EQ(thread, nullptr);
        ++g_calls.open;
        return int32_t(0);
    },
    [] { return ++g_calls.close, int32_t(0); },
    [](const char16_t* path) {
        ++g_calls.load;
        g_calls.lastPath = path;
        return g_calls.loadResult;
    },
    [] { return ++g_calls.play, int32_t(0); },
    [] { return ++g_calls.pause, int32_t(0); }};

}  // namespace

TEST(MusicPlayer, DisabledPlayerMakesNoLibraryCall) {
    g_calls = {};
    {
        MusicPlayer music(kCounting);
        EXPECT_EQ(g_calls.open, 1);
        EXPECT_FALSE(music.Play(WString("music\\town3.mid")));
        music.Stop();
        EXPECT_EQ(g_calls.load + g_calls.play + g_calls.pause, 0);
    }
    EXPECT_EQ(g_calls.close, 1);  // the device opened at construction is closed
    EXPECT_EQ(g_calls.pause, 0);
}

TEST(MusicPlayer, PlayPausesTheOldTuneThenLoadsAndPlays) {
    g_calls = {};
    MusicPlayer music(kCounting);
    music.SetEnabled(1);
    ASSERT_TRUE(music.Play(WString("music\\town3.mid")));
    EXPECT_EQ(g_calls.lastPath, u"music/town3.mid");
    EXPECT_EQ(g_calls.pause, 0);
    ASSERT_TRUE(music.Play(WString("music\\dungeon.mid")));
    EXPECT_EQ(g_calls.pause, 1);
    // A load error: false, and the old tune stays stopped.
    g_calls.loadResult = 20;
    EXPECT_FALSE(music.Play(WString("music\\missing.mid")));
    EXPECT_EQ(g_calls.pause, 2);
    EXPECT_FALSE(music.Playing());
    music.Stop();
    EXPECT_EQ(g_calls.pause, 2);
}

TEST(MusicPlayer, RealLibraryOnTheDummyDevice) {
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    MusicPlayer music;
    ASSERT_TRUE(music.Open());
    music.SetEnabled(1);
    EXPECT_FALSE(music.Play(WString("music\\no such tune.mid")));
}
