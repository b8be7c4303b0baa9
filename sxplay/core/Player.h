#pragma once
// The library's one device and one song: the state machine behind the 22
// exported functions. Clock, output and timer are passed in, so tests drive
// it on a simulated clock with a recording output.
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

#include "sxplay/SxPlay.h"
#include "sxplay/core/Output.h"
#include "sxplay/core/Sequencer.h"
#include "sxplay/core/Settings.h"
#include "sxplay/core/Timer.h"

namespace sx {

struct PlayerDeps {
    std::function<double()> clock;
    // Opens the output for a device number; null when it cannot.
    std::function<std::unique_ptr<Output>(int32_t device)> openOutput;
    std::function<std::unique_ptr<Timer>()> makeTimer;
};

// Real time, the synthesiser or an ALSA port, and a thread timer.
PlayerDeps DefaultDeps();

class Player {
public:
    explicit Player(PlayerDeps deps);
    ~Player();
    Player(const Player&) = delete;
    Player& operator=(const Player&) = delete;

    int32_t OpenDevice(int32_t deviceId, pthread_t* thread);
    int32_t CloseDevice();
    // `narrowPath` is the caller's own bytes for a file opened by the A form.
    int32_t LoadMusic(const char16_t* text, const void* module, uint32_t typeOrSize,
                      const std::string* narrowPath = nullptr);
    int32_t LoadMusicNarrow(const char* text, const void* module, uint32_t typeOrSize);
    int32_t Play();
    int32_t Stop();
    int32_t Pause();
    int32_t Resume();
    int32_t FadeOut(uint32_t ms);
    int32_t FadeIn(uint32_t ms);
    int32_t SendSysEx(const uint8_t* data, int32_t length);
    int32_t SetCaps(int32_t type, intptr_t value);
    int32_t GetCaps(int32_t type, intptr_t* result);
    int32_t GetStatus(void* destination, uint32_t size);

    Settings& State() { return settings_; }
    Sequencer& Seq() { return sequencer_; }
    Output* CurrentOutput() { return output_.get(); }
    // Waits until an open started on its own thread has finished.
    void WaitForOpen();

private:
    static void* OpenThread(void* self);
    int32_t PositionMs() const;

    PlayerDeps deps_;
    Settings settings_;
    Sequencer sequencer_{settings_};
    std::unique_ptr<Output> output_;
    std::unique_ptr<Timer> timer_;
    double startMs_ = 0;
    double accumulatedMs_ = 0;
    std::mutex openMutex_;
    std::condition_variable openDone_;
    bool opening_ = false;
};

int32_t ErrorStringW(int32_t code, char16_t* buffer, uint32_t maximum);
int32_t ErrorStringA(int32_t code, char* buffer, uint32_t maximum);
int32_t VersionA(uint32_t size, void* destination);
int32_t VersionW(uint32_t size, void* destination);
inline constexpr int32_t kLibraryVersion = 0x03010000;
inline constexpr int32_t kIconResource = 101;

}  // namespace sx
