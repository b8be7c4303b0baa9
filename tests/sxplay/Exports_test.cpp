// The shared library itself: its exported names and a real device on SDL's
// dummy audio driver.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <condition_variable>
#include <cstdlib>
#include <mutex>
#include <string>

#include "SmfBuilder.h"
#include "sxplay/SxPlay.h"
#include "sxplay/core/Timer.h"

using namespace sxtest;

namespace {

// The library this program was linked with, wherever the build put it.
std::string LibraryPath() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&SXGetDllVersion), &info) == 0 || info.dli_fname == nullptr)
        return "libsxplay.so";
    return info.dli_fname;
}

}  // namespace

TEST(Exports, AllTwentyTwoFunctionsAreExported) {
    void* library = dlopen(LibraryPath().c_str(), RTLD_NOW);
    ASSERT_NE(library, nullptr) << dlerror();
    const char* names[] = {"SXGetDllVersion", "SXOpenDevice", "SXCloseDevice", "SXLoadMusicA",
                           "SXLoadMusicW", "SXLoadMusicExA", "SXLoadMusicExW", "SXPlayMusic",
                           "SXStopMusic", "SXWaitMusic", "SXRestartMusic", "SXFadeOut", "SXFadeIn",
                           "SXSendSysEx", "SXSetCaps", "SXGetCaps", "SXGetStatus",
                           "SXGetErrorStringA", "SXGetErrorStringW", "SXGetDllVersionExA",
                           "SXGetDllVersionExW", "SXGetIcon"};
    for (const char* name : names) EXPECT_NE(dlsym(library, name), nullptr) << name;
    // The engine stays private.
    EXPECT_EQ(dlsym(library, "_ZN2sx6Player4PlayEv"), nullptr);
    dlclose(library);
}

TEST(Exports, PlaysOnTheDummyAudioDevice) {
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    SXStatus status{};
    ASSERT_EQ(SXGetStatus(&status, sizeof status), 0);
    EXPECT_EQ(status.mainState, 0);  // as loaded
    EXPECT_EQ(status.playState, 1);
    EXPECT_EQ(status.deviceId, -1);
    EXPECT_EQ(SXGetDllVersion(), 0x03010000);
    EXPECT_EQ(SXGetIcon(), 101);
    EXPECT_EQ(SXPlayMusic(), 3);
    ASSERT_EQ(SXOpenDevice(-1, nullptr), 0);
    const std::vector<uint8_t> song = Smf(0, 96, {Track().On(0, 0, 60).Off(96, 0, 60).End()});
    ASSERT_EQ(SXLoadMusicExW(reinterpret_cast<const char16_t*>(song.data()), nullptr,
                             uint32_t(song.size()), 0), 0);
    EXPECT_EQ(SXLoadMusicW(u"/nonexistent.mid"), 20);
    ASSERT_EQ(SXLoadMusicExA(reinterpret_cast<const char*>(song.data()), nullptr,
                             uint32_t(song.size()), 0), 0);
    ASSERT_EQ(SXPlayMusic(), 0);
    EXPECT_EQ(SXWaitMusic(), 0);
    EXPECT_EQ(SXRestartMusic(), 0);
    EXPECT_EQ(SXFadeOut(500), 0);
    EXPECT_EQ(SXSendSysEx(nullptr, -1), 4);
    const uint8_t gmOn[] = {0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7};
    EXPECT_EQ(SXSendSysEx(gmOn, sizeof gmOn), 0);
    EXPECT_EQ(SXStopMusic(), 0);
    EXPECT_EQ(SXCloseDevice(), 0);
    EXPECT_EQ(SXCloseDevice(), 3);
}

TEST(Exports, NoDeviceFailsWithCodeTen) {
    EXPECT_EQ(SXOpenDevice(-2, nullptr), 10);
    EXPECT_EQ(SXOpenDevice(100000, nullptr), 10);  // no such sequencer port
    SXStatus status{};
    SXGetStatus(&status, sizeof status);
    EXPECT_EQ(status.mainState, 0);
}

TEST(ThreadTimer, KeepsAnExactScheduleAndStopsCleanly) {
    std::mutex mutex;
    std::condition_variable cv;
    std::vector<double> ticks;
    bool inTick = false;
    bool overlap = false;
    sx::ThreadTimer timer;
    ASSERT_TRUE(timer.Start([&](double t) {
        std::lock_guard lock(mutex);
        overlap |= inTick;
        ticks.push_back(t);
        cv.notify_all();
    }));
    {
        std::unique_lock lock(mutex);
        ASSERT_TRUE(cv.wait_for(lock, std::chrono::seconds(5), [&] { return ticks.size() >= 4; }));
    }
    timer.Stop();
    const size_t count = ticks.size();
    for (size_t i = 1; i < count; ++i) EXPECT_DOUBLE_EQ(ticks[i] - ticks[i - 1], 5.0);
    EXPECT_FALSE(overlap);
    // Stopped means stopped: restarting begins a new schedule.
    ASSERT_TRUE(timer.Start([](double) {}));
    timer.Stop();
    EXPECT_EQ(ticks.size(), count);
}
