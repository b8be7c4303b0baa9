// Feeds arbitrary bytes to the WAV reader, and whatever it accepts to the
// mixer as a sound effect would go: converted, started and mixed to its end.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/sound/Mixer.h"
#include "engine/sound/WavFile.h"

namespace {

void Require(bool condition) {
    if (!condition) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    WavSound sound;
    if (!ParseWav(data, size, sound)) return 0;
    Require(sound.data.size() <= size);
    Require(sound.format.extra.size() == sound.format.extraSize);
    Require(sound.format.formatTag != 1 || sound.format.extraSize == 0);

    // The device's rate as the player opens it, and one other.
    for (int rate : {44100, 22050}) {
        Mixer mixer(rate);
        const bool started = mixer.Start(sound);
        Require(!started || IsPlayable(sound.format));
        std::vector<float> block(2 * 512);
        for (int n = 0; n < 4096 && mixer.ActiveCount() > 0; ++n) {
            mixer.Mix(block.data(), 512);
            for (float v : block) Require(v >= -1.0f && v <= 1.0f);
        }
    }
    return 0;
}
