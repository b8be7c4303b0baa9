#include "engine/sound/SoundPlayer.h"

#include "engine/notice/Missing.h"
#include "platform/NativePath.h"

SoundPlayer::~SoundPlayer() {
    if (device_ != 0) SDL_CloseAudioDevice(device_);  // stops the callback before the mixer goes
}

bool SoundPlayer::Init(SDL_Window*) {
    if (initialised_) return false;
    auto audio = std::make_unique<platform::SdlSubsystem>(SDL_INIT_AUDIO);
    if (!audio->Ok()) {
        ReportMissing(MissingKind::kSoundDevice, SDL_GetError());
        return false;
    }
    SDL_AudioSpec want{};
    want.freq = 44100;
    want.format = AUDIO_F32SYS;
    want.channels = 2;
    want.samples = 512;
    want.callback = Callback;
    want.userdata = this;
    SDL_AudioSpec have{};
    // The mixer works at the device's rate; SDL converts to its sample format.
    const SDL_AudioDeviceID device =
        SDL_OpenAudioDevice(nullptr, 0, &want, &have, SDL_AUDIO_ALLOW_FREQUENCY_CHANGE);
    if (device == 0) {
        ReportMissing(MissingKind::kSoundDevice, SDL_GetError());
        return false;
    }
    mixer_ = std::make_unique<Mixer>(have.freq);
    audio_ = std::move(audio);
    device_ = device;
    initialised_ = true;
    SDL_PauseAudioDevice(device_, 0);
    return true;
}

void SDLCALL SoundPlayer::Callback(void* self, Uint8* stream, int length) {
    static_cast<SoundPlayer*>(self)->mixer_->Mix(reinterpret_cast<float*>(stream),
                                                 length / static_cast<int>(2 * sizeof(float)));
}

bool SoundPlayer::Play(const WString& path) {
    if (!enabled_ || !initialised_) return false;
    WavSound sound;
    const std::string file = platform::NativePath(path.View());
    // A missing, broken or unplayable file is left silent.
    if (!ReadWavFile(file, sound) || !mixer_->Start(sound)) {
        ReportMissing(MissingKind::kSound, file);
        return false;
    }
    loaded_ = true;
    return true;
}

SoundPlayer& Sound() {
    static SoundPlayer player;
    return player;
}
