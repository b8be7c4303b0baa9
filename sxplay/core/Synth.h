#pragma once
// The General MIDI software synthesiser (FluidSynth with a Debian SoundFont),
// driven by MIDI messages and rendered into float buffers we own.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace sx {

struct SynthHandles;

class Synth {
public:
    // Null when FluidSynth or every SoundFont fails to load.
    static std::unique_ptr<Synth> Create(double sampleRate);
    ~Synth();

    void ShortMessage(uint32_t message);
    void SysEx(const uint8_t* data, size_t size);  // F0 ... F7
    void Reset();                                  // every note off, sustain released
    // Interleaved stereo floats.
    void Render(float* stereo, int frames);
    const std::string& SoundFontPath() const { return soundFont_; }

private:
    Synth() = default;
    std::unique_ptr<SynthHandles> handles_;
    std::string soundFont_;
};

// SoundFonts tried in order: the chosen one first, then Debian's defaults,
// so a chosen file that will not load still leaves music playing.
std::vector<std::string> SoundFontCandidates();
// The SoundFont the next synthesiser loads first; empty: the defaults only.
void ChooseSoundFont(const std::string& path);

}  // namespace sx
