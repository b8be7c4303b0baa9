#pragma once
// Short WAV effects on SDL's audio device through our own mixer. Without a
// sound device Init fails quietly and every Play returns false.
#include <SDL.h>

#include <cstdint>
#include <memory>

#include "engine/sound/Mixer.h"
#include "engine/text/WString.h"
#include "platform/SdlHandles.h"

class SoundPlayer {
public:
    SoundPlayer() = default;
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    // The window is not needed on this platform; the device is the default.
    bool Init(SDL_Window* window);
    void SetEnabled(uint8_t enabled) { enabled_ = enabled; }
    // A game path ("sound\\cur.wav"); true if the effect started.
    bool Play(const WString& path);

    bool Initialised() const { return initialised_; }
    bool Loaded() const { return loaded_; }
    Mixer* GetMixer() { return mixer_.get(); }

private:
    static void SDLCALL Callback(void* self, Uint8* stream, int length);

    std::unique_ptr<platform::SdlSubsystem> audio_;
    SDL_AudioDeviceID device_ = 0;
    std::unique_ptr<Mixer> mixer_;
    bool initialised_ = false;
    bool loaded_ = false;
    uint8_t enabled_ = 0;
};

// The process-wide sound-effect player.
SoundPlayer& Sound();
