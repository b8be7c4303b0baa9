#pragma once
// Our own effect mixer: any number of effects at once, each from its start,
// centred at full volume, in stereo float at the device's rate. Effects are
// converted when they start and released when they have finished.
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "engine/sound/WavFile.h"

// 8- or 16-bit PCM with whole frames, any rate and channel count; nothing
// else is played (it would only be noise).
bool IsPlayable(const WaveFormat& format);
// The sound as interleaved stereo floats at `rate`; false if not playable.
bool ConvertToStereo(const WavSound& sound, int rate, std::vector<float>& out);

class Mixer {
public:
    explicit Mixer(int rate) : rate_(rate) {}

    bool Start(const WavSound& sound);
    // Writes `frames` stereo frames (overwriting `out`); the audio thread
    // calls it.
    void Mix(float* out, int frames);
    size_t ActiveCount() const;
    int Rate() const { return rate_; }

private:
    struct Voice {
        std::vector<float> samples;
        size_t position = 0;
    };

    int rate_;
    mutable std::mutex mutex_;
    std::vector<std::unique_ptr<Voice>> voices_;
};
