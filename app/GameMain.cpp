#include "app/GameMain.h"

#include <unistd.h>

#include <cstdio>
#include <ctime>
#include <string>

#include "app/FrameStopwatch.h"
#include "app/ExtraSettings.h"
#include "app/GameConfig.h"
#include "engine/graphics/GraphicsDevice.h"
#include "engine/graphics/Screenshot.h"
#include "engine/input/Input.h"
#include "engine/input/Tween.h"
#include "engine/sound/MusicPlayer.h"
#include "engine/sound/SoundPlayer.h"
#include "flow/GameFlow.h"
#include "flow/SharedPictures.h"
#include "platform/Clock.h"
#include "platform/NativePath.h"
#include "platform/SdlHandles.h"

namespace {

platform::Window g_window;
SDL_Event g_lastMessage{};

struct SdlSession {
    platform::SdlSubsystem video{SDL_INIT_VIDEO};
    platform::SdlSubsystem pads{SDL_INIT_GAMECONTROLLER};
};

// Alt+Enter and F11 switch between a window and full screen, at any time.
bool IsFullScreenToggle(const SDL_KeyboardEvent& key) {
    if (key.repeat != 0) return false;
    if (key.keysym.sym == SDLK_F11) return true;
    const bool enter = key.keysym.sym == SDLK_RETURN || key.keysym.sym == SDLK_KP_ENTER;
    return enter && (key.keysym.mod & KMOD_ALT) != 0;
}

// Mappings for pads SDL does not know, kept with the configuration.
void AddPadMappings() {
    const std::string file = platform::NativePath(WString("Config\\gamecontrollerdb.txt").View());
    if (access(file.c_str(), R_OK) != 0) return;
    if (SDL_GameControllerAddMappingsFromFile(file.c_str()) < 0) {
        std::fprintf(stderr, "%s: %s\n", file.c_str(), SDL_GetError());
    }
}

void PostQuit() {
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
}

}  // namespace

bool HandleEvent(const SDL_Event& event) {
    g_lastMessage = event;
    switch (event.type) {
        case SDL_QUIT:
            return true;
        case SDL_WINDOWEVENT:
            // Closing the window destroys it, and that posts the quit message.
            if (event.window.event == SDL_WINDOWEVENT_CLOSE) PostQuit();
            break;
        case SDL_KEYDOWN:
            if (event.key.keysym.sym == SDLK_ESCAPE) PostQuit();
            if (IsFullScreenToggle(event.key)) g_window.ToggleFullScreen();
            // F12: the players' screenshot, saved into "screenshot".
            if (event.key.keysym.sym == SDLK_F12 && event.key.repeat == 0) {
                SaveScreenshot(std::time(nullptr));
            }
            break;
        case SDL_JOYDEVICEADDED:
        case SDL_JOYDEVICEREMOVED:
            HandleInputDeviceEvent(event);
            break;
        default:
            break;
    }
    return false;
}

bool StartGame() {
    static SdlSession session;
    if (!session.video.Ok()) {
        std::fprintf(stderr, "SDL: %s\n", SDL_GetError());
        return false;
    }

    LoadGameConfig();
    LoadExtraSettings();
    const GameConfig& config = Config();
    if (config.musicEnabled) ChooseMusicOutput(Extras().midiOut, Extras().soundFont);
    Music().SetEnabled(config.musicEnabled);
    Sound().SetEnabled(config.soundEnabled);

    if (config.fullScreen) SDL_ShowCursor(SDL_DISABLE);
    PresentParams present;
    present.windowed = config.fullScreen == 0;
    const Rect outer{100, 100, 100 + GraphicsDevice::kWidth, 100 + GraphicsDevice::kHeight};
    if (!Graphics().Create(g_window, WString("DLG0"), outer, WString(), 0x10CF0000u, 0,
                           present)) {
        std::printf("NG\n");
        std::fflush(stdout);
        return false;
    }
    const platform::WindowRect now = g_window.OuterRect();
    g_window.Move({now.left, now.top, now.left + static_cast<int32_t>(config.windowWidth),
                   now.top + static_cast<int32_t>(config.windowHeight)});

    Graphics().SetScaleMode(Extras().scaling);

    AddPadMappings();
    SetUpInput(config.keys.data(), config.joystickButtons.data(), 11);
    Sound().Init(g_window.Handle());
    UpdateWindowTitle();
    InitGame();
    return true;
}

uint32_t RunFrame(uint32_t (*now)()) {
    FrameStopwatch stopwatch;
    stopwatch.Reset();
    stopwatch.Start(now());
    UpdateInput();
    UpdateGame();
    GraphicsDevice& device = Graphics();
    device.BeginScene();
    device.Clear({0, 0, 0, 255});
    device.SetColor({255, 255, 255, 255});
    DrawGame();
    UpdateTweens();
    device.EndScene();
    const uint32_t period = Config().framePeriod[SpeedSetting() & 1];
    stopwatch.Stop(now());
    return FramePadding(period, stopwatch.Elapsed(0));  // stopped: the clock is not read
}

uint32_t UseIdleTime(uint32_t pause, uint32_t (*now)()) {
    // A hit effect strip takes a few ms to decode and upload.
    constexpr uint32_t kRoomForOnePicture = 8;
    const uint32_t start = now();
    uint32_t used = 0;
    while (used + kRoomForOnePicture <= pause && LoadQueuedPicture()) used = now() - start;
    return used < pause ? pause - used : 0;
}

void ShutdownGame() {
    ShutdownFlow();
    Graphics().Release();
    g_window.Destroy();
}

int GameMain(const PositionalArgs& /*args*/, const OptionValues& /*options*/) {
    if (!StartGame()) {
        ShutdownGame();
        return -1;
    }
    for (;;) {
        SDL_Event event;
        if (SDL_PollEvent(&event)) {
            if (HandleEvent(event)) break;
            continue;
        }
        if (!g_window.IsActive()) {
            // Frozen while another window is active: wait for the next event
            // instead of spinning.
            if (SDL_WaitEventTimeout(&event, 100) && HandleEvent(event)) break;
            continue;
        }
        const uint32_t pause = RunFrame(platform::NowMs);
        if (pause > 0) platform::SleepMs(UseIdleTime(pause, platform::NowMs));
    }
    ShutdownGame();
    return 0;
}
