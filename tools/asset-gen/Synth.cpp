#include "tools/asset-gen/Synth.h"

#include <algorithm>

namespace assetgen {

void MixInto(Samples& dst, const Samples& src, float offset, float gain) {
    const size_t start = size_t(std::max(0, SampleCount(offset)));
    if (dst.size() < start + src.size()) dst.resize(start + src.size(), 0.0f);
    for (size_t i = 0; i < src.size(); ++i) dst[start + i] += src[i] * gain;
}

void AddReverb(Samples& s, float wet, float size) {
    const int combDelays[] = {1116, 1188, 1277, 1356};
    const int allDelays[] = {556, 441};
    const size_t tail = size_t(SampleCount(0.6f * size));
    Samples in = s;
    in.resize(s.size() + tail, 0.0f);
    Samples out(in.size(), 0.0f);
    for (int d : combDelays) {
        const size_t delay = size_t(d * size);
        std::vector<float> line(delay, 0.0f);
        float damp = 0;
        for (size_t i = 0; i < in.size(); ++i) {
            const float y = line[i % delay];
            damp = y * 0.6f + damp * 0.4f;
            line[i % delay] = in[i] + damp * 0.78f;
            out[i] += y * 0.25f;
        }
    }
    for (int d : allDelays) {
        const size_t delay = size_t(d * size);
        std::vector<float> line(delay, 0.0f);
        for (size_t i = 0; i < out.size(); ++i) {
            const float buffered = line[i % delay];
            const float x = out[i];
            line[i % delay] = x + buffered * 0.5f;
            out[i] = buffered - x;
        }
    }
    s.resize(in.size(), 0.0f);
    for (size_t i = 0; i < s.size(); ++i) s[i] += out[i] * wet;
}

void Drive(Samples& s, float amount) {
    for (float& v : s) v = std::tanh(v * amount) / std::tanh(amount);
}

void Finish(Samples& s, float peak) {
    // Trim trailing near-silence, keeping a short tail.
    size_t end = s.size();
    while (end > 0 && std::fabs(s[end - 1]) < 1e-4f) --end;
    s.resize(std::min(s.size(), end + size_t(SampleCount(0.01f))));
    float top = 0;
    for (float v : s) top = std::max(top, std::fabs(v));
    if (top > 0)
        for (float& v : s) v *= peak / top;
    const size_t fade = std::min(s.size() / 2, size_t(SampleCount(0.004f)));
    for (size_t i = 0; i < fade; ++i) {
        const float k = float(i) / float(fade);
        s[i] *= k;
        s[s.size() - 1 - i] *= k;
    }
}

}  // namespace assetgen
