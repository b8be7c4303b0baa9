#pragma once
// The game's music: one tune at a time through the MIDI library's five
// functions. Disabled, it makes no library call at all.
#include <pthread.h>

#include <cstdint>
#include <string>

#include "engine/text/WString.h"

// The library functions the player uses; tests pass counting doubles.
struct MusicLibrary {
    int32_t (*openDevice)(int32_t deviceId, pthread_t* thread);
    int32_t (*closeDevice)();
    int32_t (*load)(const char16_t* path);
    int32_t (*play)();
    int32_t (*pause)();
};
const MusicLibrary& SxPlayLibrary();

class MusicPlayer {
public:
    // Opens the library's default device.
    explicit MusicPlayer(const MusicLibrary& library = SxPlayLibrary());
    // Stops and closes the device.
    ~MusicPlayer();
    MusicPlayer(const MusicPlayer&) = delete;
    MusicPlayer& operator=(const MusicPlayer&) = delete;

    void SetEnabled(uint8_t enabled) { enabled_ = enabled; }
    // Stops and closes the device, then opens `deviceId`; true if it opened.
    bool Reopen(int32_t deviceId);
    // A game path ("music\\town3.mid"); true if the tune started.
    bool Play(const WString& path);
    void Stop();

    bool Open() const { return open_; }
    bool Playing() const { return playing_; }

private:
    const MusicLibrary& library_;
    bool open_ = false;
    bool playing_ = false;
    uint8_t enabled_ = 0;
};

// The process-wide music player, built before the game starts and
// destroyed (closing the device) when the process ends.
MusicPlayer& Music();
// The player's choice of output and SoundFont (empty: the library's own):
// the process-wide player reopens on it, or on the built-in synthesiser
// when the chosen output cannot be had (saying so on standard error).
void ChooseMusicOutput(int32_t deviceId, const std::string& soundFont);
