#pragma once
// Renders a song through the synthesiser as fast as the machine allows, with
// no audio device: the player runs on a simulated clock and each 5 ms tick's
// messages land at their exact frames.
#include <cstdint>
#include <string>
#include <vector>

namespace sx {

struct RenderOptions {
    float speed = 1.0f;
    int32_t transpose = 0;
    uint32_t loops = 1;       // passes through the song (to its end or loop marker)
    uint32_t fadeOutMs = 0;   // 0: stop at the end of the last pass, else fade out then
    uint32_t fadeInMs = 0;
    uint32_t tailMs = 1000;   // release time rendered after the stop
    uint32_t maxMs = 3600000; // safety limit for songs that never reach an end
    double sampleRate = 44100;
};

struct RenderResult {
    int32_t error = 0;            // a library error code
    std::vector<int16_t> stereo;  // interleaved 16-bit samples
    double stopMs = 0;            // when the player was stopped
};

RenderResult RenderSong(const uint8_t* file, size_t size, const RenderOptions& options);
bool WriteWav(const std::string& path, const std::vector<int16_t>& stereo, uint32_t sampleRate);

}  // namespace sx
