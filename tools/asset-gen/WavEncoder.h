#pragma once
// PCM WAV files: one channel, 16-bit samples.
#include <cstdint>
#include <vector>

namespace assetgen {

// Samples in [-1, 1]; values beyond are clipped.
std::vector<uint8_t> EncodeWav16(const std::vector<float>& mono, uint32_t sampleRate);

}  // namespace assetgen
