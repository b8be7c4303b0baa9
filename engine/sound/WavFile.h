#pragma once
// WAV files as the game reads them: a RIFF "WAVE" form with a "fmt " chunk
// of at least 16 bytes and a "data" chunk.
#include <cstdint>
#include <string>
#include <vector>

// The 18-byte extended wave-format record, plus the extra bytes that
// formats other than PCM carry.
struct WaveFormat {
    uint16_t formatTag = 0;  // 1 = PCM
    uint16_t channels = 0;
    uint32_t samplesPerSec = 0;
    uint32_t avgBytesPerSec = 0;
    uint16_t blockAlign = 0;
    uint16_t bitsPerSample = 0;
    uint16_t extraSize = 0;  // 0 for PCM
    std::vector<uint8_t> extra;
};

struct WavSound {
    WaveFormat format;
    std::vector<uint8_t> data;
};

// False for anything that is not such a file; `out` is then unspecified.
bool ParseWav(const uint8_t* bytes, size_t size, WavSound& out);
bool ReadWavFile(const std::string& nativePath, WavSound& out);
