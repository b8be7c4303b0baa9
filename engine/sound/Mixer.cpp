#include "engine/sound/Mixer.h"

#include <SDL.h>

#include <algorithm>

bool IsPlayable(const WaveFormat& f) {
    if (f.formatTag != 1 || (f.bitsPerSample != 8 && f.bitsPerSample != 16)) return false;
    if (f.channels == 0 || f.samplesPerSec < 1000 || f.samplesPerSec > 768000) return false;
    return f.blockAlign == f.channels * f.bitsPerSample / 8;
}

namespace {

float Sample(const uint8_t* p, int bits) {
    if (bits == 8) return (static_cast<int>(p[0]) - 128) / 128.0f;  // 8-bit PCM is unsigned
    return static_cast<int16_t>(p[0] | (p[1] << 8)) / 32768.0f;
}

}  // namespace

bool ConvertToStereo(const WavSound& sound, int rate, std::vector<float>& out) {
    const WaveFormat& f = sound.format;
    if (!IsPlayable(f)) return false;
    const size_t frames = sound.data.size() / f.blockAlign;
    if (frames == 0) return false;
    const int bytes = f.bitsPerSample / 8;
    // Channels first: mono goes to both sides; with more than two, the even
    // channels make the left side and the odd ones the right.
    std::vector<float> stereo(frames * 2);
    for (size_t i = 0; i < frames; ++i) {
        const uint8_t* frame = sound.data.data() + i * f.blockAlign;
        float left = 0, right = 0;
        int nl = 0, nr = 0;
        for (int c = 0; c < f.channels; ++c) {
            const float v = Sample(frame + c * bytes, f.bitsPerSample);
            (c % 2 == 0 ? left : right) += v;
            ++(c % 2 == 0 ? nl : nr);
        }
        left /= nl;
        right = nr > 0 ? right / nr : left;
        stereo[2 * i] = left;
        stereo[2 * i + 1] = right;
    }
    if (static_cast<int>(f.samplesPerSec) == rate) {
        out = std::move(stereo);
        return true;
    }
    // SDL converts the whole buffer at once (its streaming interface drops
    // the last block when it resamples a short sound).
    SDL_AudioCVT cvt;
    if (SDL_BuildAudioCVT(&cvt, AUDIO_F32SYS, 2, static_cast<int>(f.samplesPerSec), AUDIO_F32SYS,
                          2, rate) < 0)
        return false;
    cvt.len = static_cast<int>(stereo.size() * sizeof(float));
    std::vector<float> buffer((static_cast<size_t>(cvt.len) * cvt.len_mult + 3) / 4 + 2);
    std::copy(stereo.begin(), stereo.end(), buffer.begin());
    cvt.buf = reinterpret_cast<Uint8*>(buffer.data());
    if (SDL_ConvertAudio(&cvt) != 0) return false;
    buffer.resize(static_cast<size_t>(cvt.len_cvt) / sizeof(float) / 2 * 2);
    out = std::move(buffer);
    return !out.empty();
}

bool Mixer::Start(const WavSound& sound) {
    auto voice = std::make_unique<Voice>();
    if (!ConvertToStereo(sound, rate_, voice->samples)) return false;
    std::lock_guard lock(mutex_);
    voices_.push_back(std::move(voice));
    return true;
}

void Mixer::Mix(float* out, int frames) {
    const size_t count = static_cast<size_t>(frames) * 2;
    std::fill(out, out + count, 0.0f);
    std::lock_guard lock(mutex_);
    for (auto& voice : voices_) {
        const size_t n = std::min(count, voice->samples.size() - voice->position);
        const float* from = voice->samples.data() + voice->position;
        for (size_t i = 0; i < n; ++i) out[i] += from[i];
        voice->position += n;
    }
    for (size_t i = 0; i < count; ++i) out[i] = std::clamp(out[i], -1.0f, 1.0f);
    std::erase_if(voices_, [](const auto& v) { return v->position >= v->samples.size(); });
}

size_t Mixer::ActiveCount() const {
    std::lock_guard lock(mutex_);
    return voices_.size();
}
