#include "tools/asset-gen/WavEncoder.h"

#include <algorithm>
#include <cmath>

#include "tools/asset-gen/ByteWriter.h"

namespace assetgen {

std::vector<uint8_t> EncodeWav16(const std::vector<float>& mono, uint32_t sampleRate) {
    const uint32_t dataSize = uint32_t(mono.size()) * 2;
    ByteWriter out;
    out.Text("RIFF");
    out.U32(36 + dataSize);
    out.Text("WAVE");
    out.Text("fmt ");
    out.U32(16);
    out.U16(1);  // PCM
    out.U16(1);  // mono
    out.U32(sampleRate);
    out.U32(sampleRate * 2);
    out.U16(2);
    out.U16(16);
    out.Text("data");
    out.U32(dataSize);
    for (float s : mono) {
        const float v = std::clamp(s, -1.0f, 1.0f) * 32767.0f;
        out.U16(uint16_t(int16_t(std::lround(v))));
    }
    return out.Take();
}

}  // namespace assetgen
