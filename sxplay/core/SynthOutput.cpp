#include "sxplay/core/SynthOutput.h"

#include <cmath>

#include "sxplay/core/SeqOutput.h"
#include "sxplay/core/Timer.h"

namespace sx {

namespace {

constexpr int kBlockFrames = 512;
// Events are rendered this long after their time, so that a tick that runs
// a little late still finds its events ahead of the audio.
constexpr double kSafetyMs = 10.0;

}  // namespace

std::unique_ptr<SynthOutput> SynthOutput::Open() {
    SilenceAlsa();  // SDL's ALSA backend would print when there is no card
    std::unique_ptr<SynthOutput> output(new SynthOutput());
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return nullptr;
    output->audioStarted_ = true;
    SDL_AudioSpec want{};
    want.freq = 44100;
    want.format = AUDIO_F32SYS;
    want.channels = 2;
    want.samples = kBlockFrames;
    want.callback = Callback;
    want.userdata = output.get();
    SDL_AudioSpec have{};
    // Render at the device's own rate so SDL need not resample.
    const SDL_AudioDeviceID device =
        SDL_OpenAudioDevice(nullptr, 0, &want, &have, SDL_AUDIO_ALLOW_FREQUENCY_CHANGE);
    if (device == 0) return nullptr;
    output->device_ = device;
    output->rate_ = have.freq;
    output->latencyFrames_ = 2.0 * have.samples + kSafetyMs * have.freq / 1000.0;
    output->synth_ = Synth::Create(have.freq);
    if (!output->synth_) return nullptr;  // the destructor closes the device
    output->due_.reserve(256);
    SDL_PauseAudioDevice(device, 0);
    return output;
}

SynthOutput::~SynthOutput() {
    if (device_ != 0) SDL_CloseAudioDevice(device_);  // the callback has stopped after this
    if (audioStarted_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

uint64_t SynthOutput::FrameFor(double timeMs) {
    if (!anchored_) return 0;
    const double frame = baseFrame_ + (timeMs - baseTimeMs_) * rate_ / 1000.0 + latencyFrames_;
    return frame <= 0 ? 0 : static_cast<uint64_t>(frame);
}

void SynthOutput::ShortMessage(uint32_t message, double timeMs) {
    std::lock_guard lock(mutex_);
    queue_.Push({TimedMessage::kShort, FrameFor(timeMs), message, {}});
}

bool SynthOutput::LongMessage(const uint8_t* data, size_t size, double timeMs) {
    std::lock_guard lock(mutex_);
    queue_.Push({TimedMessage::kLong, FrameFor(timeMs), 0, std::vector<uint8_t>(data, data + size)});
    return true;
}

void SynthOutput::Reset(double timeMs) {
    std::lock_guard lock(mutex_);
    queue_.Push({TimedMessage::kReset, FrameFor(timeMs), 0, {}});
}

void SDLCALL SynthOutput::Callback(void* self, Uint8* stream, int length) {
    static_cast<SynthOutput*>(self)->Fill(reinterpret_cast<float*>(stream),
                                          length / static_cast<int>(2 * sizeof(float)));
}

void SynthOutput::Fill(float* stereo, int frames) {
    const double now = NowMs();
    {
        std::lock_guard lock(mutex_);
        // The mapping from clock time to frames follows the callbacks slowly,
        // so their jitter does not move the events; a big jump (an underrun,
        // a suspend) is taken at once.
        if (anchored_) {
            const double predicted = baseFrame_ + (now - baseTimeMs_) * rate_ / 1000.0;
            const double error = static_cast<double>(rendered_) - predicted;
            baseFrame_ = std::abs(error) > rate_ / 5 ? static_cast<double>(rendered_)
                                                     : predicted + error * 0.05;
        } else {
            anchored_ = true;
            baseFrame_ = static_cast<double>(rendered_);
        }
        baseTimeMs_ = now;
        due_.clear();
        queue_.TakeDue(rendered_ + static_cast<uint64_t>(frames), due_);
    }
    RenderBlock(*synth_, stereo, frames, rendered_, due_);
    rendered_ += static_cast<uint64_t>(frames);
}

std::unique_ptr<Output> OpenDeviceOutput(int32_t device) {
    if (device == -1) return SynthOutput::Open();
    if (device >= 0) return SeqOutput::Open(device);
    return nullptr;
}

}  // namespace sx
