#pragma once
// Device -1: the synthesiser rendered in our own SDL audio callback, each
// message placed at the sample where its time falls.
#include <SDL.h>

#include <memory>
#include <mutex>

#include "sxplay/core/Output.h"
#include "sxplay/core/TimedMessages.h"

namespace sx {

class SynthOutput : public Output {
public:
    // Null (quietly) without an audio device or a SoundFont.
    static std::unique_ptr<SynthOutput> Open();
    ~SynthOutput() override;

    void ShortMessage(uint32_t message, double timeMs) override;
    bool LongMessage(const uint8_t* data, size_t size, double timeMs) override;
    void Reset(double timeMs) override;

private:
    SynthOutput() = default;
    static void SDLCALL Callback(void* self, Uint8* stream, int length);
    void Fill(float* stereo, int frames);
    uint64_t FrameFor(double timeMs);

    std::unique_ptr<Synth> synth_;
    bool audioStarted_ = false;
    SDL_AudioDeviceID device_ = 0;
    double rate_ = 44100;
    double latencyFrames_ = 0;

    std::mutex mutex_;  // the queue and the clock mapping
    TimedMessages queue_;
    bool anchored_ = false;
    double baseTimeMs_ = 0;
    double baseFrame_ = 0;
    uint64_t rendered_ = 0;  // frames handed to the device so far

    std::vector<TimedMessage> due_;  // callback only
};

// Device -1 plays through the synthesiser; 0 and up are ALSA sequencer ports.
std::unique_ptr<Output> OpenDeviceOutput(int32_t device);

}  // namespace sx
