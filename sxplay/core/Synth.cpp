#include "sxplay/core/Synth.h"

#include <fluidsynth.h>
#include <unistd.h>

#include <mutex>

namespace sx {

namespace {

void Quiet(int, const char*, void*) {}

// FluidSynth prints to the terminal by default; the library stays silent.
void SilenceFluidLog() {
    for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level)
        fluid_set_log_function(level, Quiet, nullptr);
}

struct SettingsDeleter {
    void operator()(fluid_settings_t* p) const { delete_fluid_settings(p); }
};
struct SynthDeleter {
    void operator()(fluid_synth_t* p) const { delete_fluid_synth(p); }
};

}  // namespace

struct SynthHandles {
    // Declared first so it is destroyed last: the synth refers to it.
    std::unique_ptr<fluid_settings_t, SettingsDeleter> settings;
    std::unique_ptr<fluid_synth_t, SynthDeleter> synth;
};

namespace {

std::mutex g_choiceMutex;
std::string g_chosenSoundFont;

}  // namespace

void ChooseSoundFont(const std::string& path) {
    const std::lock_guard<std::mutex> lock(g_choiceMutex);
    g_chosenSoundFont = path;
}

std::vector<std::string> SoundFontCandidates() {
    std::vector<std::string> candidates;
    {
        const std::lock_guard<std::mutex> lock(g_choiceMutex);
        if (!g_chosenSoundFont.empty()) candidates.push_back(g_chosenSoundFont);
    }
    candidates.push_back("/usr/share/sounds/sf2/default-GM.sf2");
    candidates.push_back("/usr/share/sounds/sf2/TimGM6mb.sf2");
    return candidates;
}

std::unique_ptr<Synth> Synth::Create(double sampleRate) {
    SilenceFluidLog();
    auto handles = std::make_unique<SynthHandles>();
    handles->settings.reset(new_fluid_settings());
    if (!handles->settings) return nullptr;
    fluid_settings_setnum(handles->settings.get(), "synth.sample-rate", sampleRate);
    fluid_settings_setnum(handles->settings.get(), "synth.gain", 0.5);
    fluid_settings_setint(handles->settings.get(), "synth.cpu-cores", 1);
    // Sample data is read when a program selects it, not the whole SoundFont
    // at load: a General MIDI font is well over 100 MiB, a song uses a few.
    fluid_settings_setint(handles->settings.get(), "synth.dynamic-sample-loading", 1);
    handles->synth.reset(new_fluid_synth(handles->settings.get()));
    if (!handles->synth) return nullptr;
    for (const std::string& path : SoundFontCandidates()) {
        if (access(path.c_str(), R_OK) != 0) continue;
        if (fluid_synth_sfload(handles->synth.get(), path.c_str(), 1) == FLUID_FAILED) continue;
        std::unique_ptr<Synth> synth(new Synth());
        synth->handles_ = std::move(handles);
        synth->soundFont_ = path;
        return synth;
    }
    return nullptr;
}

Synth::~Synth() = default;

void Synth::ShortMessage(uint32_t message) {
    fluid_synth_t* s = handles_->synth.get();
    const int channel = message & 0x0F;
    const int data1 = (message >> 8) & 0x7F;
    const int data2 = (message >> 16) & 0x7F;
    switch (message & 0xF0) {
        case 0x80: fluid_synth_noteoff(s, channel, data1); break;
        case 0x90:
            if (data2 == 0) {
                fluid_synth_noteoff(s, channel, data1);
            } else {
                fluid_synth_noteon(s, channel, data1, data2);
            }
            break;
        case 0xA0: fluid_synth_key_pressure(s, channel, data1, data2); break;
        case 0xB0: fluid_synth_cc(s, channel, data1, data2); break;
        case 0xC0: fluid_synth_program_change(s, channel, data1); break;
        case 0xD0: fluid_synth_channel_pressure(s, channel, data1); break;
        case 0xE0: fluid_synth_pitch_bend(s, channel, data1 | (data2 << 7)); break;
        default: break;
    }
}

void Synth::SysEx(const uint8_t* data, size_t size) {
    // FluidSynth takes the message without its F0 and F7 frame.
    if (size > 0 && data[0] == 0xF0) ++data, --size;
    if (size > 0 && data[size - 1] == 0xF7) --size;
    if (size == 0) return;
    fluid_synth_sysex(handles_->synth.get(), reinterpret_cast<const char*>(data),
                      static_cast<int>(size), nullptr, nullptr, nullptr, 0);
}

void Synth::Reset() {
    for (int channel = 0; channel < 16; ++channel) {
        fluid_synth_cc(handles_->synth.get(), channel, 64, 0);
        fluid_synth_all_notes_off(handles_->synth.get(), channel);
    }
}

void Synth::Render(float* stereo, int frames) {
    fluid_synth_write_float(handles_->synth.get(), frames, stereo, 0, 2, stereo, 1, 2);
}

}  // namespace sx
