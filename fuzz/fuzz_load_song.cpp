// Feeds arbitrary bytes to the song loader, then plays what loaded for a
// while so the sequencer meets every odd song the parser accepts.
#include <cstddef>
#include <cstdint>

#include "sxplay/core/Errors.h"
#include "sxplay/core/Sequencer.h"
#include "sxplay/core/SongLoader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    sx::Settings settings;
    sx::Sequencer sequencer(settings);
    const int32_t result = sx::LoadSongFromMemory(data, size, sequencer.CurrentSong());
    if (result != sx::kOk) {
        if (result != sx::kBadFormat && result != sx::kUnsupported && result != sx::kNoMemory)
            __builtin_trap();
        return 0;
    }
    settings.mainState = sx::kPlaying;
    settings.options = sx::kSkipSilence | sx::kReportText;
    settings.transpose = static_cast<int32_t>(size % 24) - 12;
    sequencer.SendReset(0, 0);
    sequencer.StartPlay(0);
    for (int tick = 1; tick <= 400; ++tick) sequencer.Tick(tick * 5.0);
    sequencer.Seek(static_cast<double>(size * 7), 0, true);
    return 0;
}
