#pragma once
// Builds WAV files in memory for the sound tests.
#include <cstdint>
#include <string>
#include <vector>

namespace soundtest {

inline void Put16(std::vector<uint8_t>& v, uint32_t x) {
    v.push_back(uint8_t(x));
    v.push_back(uint8_t(x >> 8));
}
inline void Put32(std::vector<uint8_t>& v, uint32_t x) {
    Put16(v, x & 0xFFFF);
    Put16(v, x >> 16);
}

struct WavSpec {
    uint16_t tag = 1;
    uint16_t channels = 1;
    uint32_t rate = 44100;
    uint16_t bits = 16;
    uint32_t fmtSize = 16;                  // declared size of "fmt "
    std::vector<uint8_t> fmtTail;           // bytes after the first 16
    std::vector<uint8_t> chunksBeforeData;  // e.g. a "LIST" chunk
};

inline std::vector<uint8_t> Wav(const WavSpec& s, const std::vector<uint8_t>& data) {
    std::vector<uint8_t> body = {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '};
    Put32(body, s.fmtSize);
    Put16(body, s.tag);
    Put16(body, s.channels);
    Put32(body, s.rate);
    Put32(body, s.rate * s.channels * s.bits / 8);
    Put16(body, s.channels * s.bits / 8);
    Put16(body, s.bits);
    body.insert(body.end(), s.fmtTail.begin(), s.fmtTail.end());
    body.insert(body.end(), s.chunksBeforeData.begin(), s.chunksBeforeData.end());
    body.insert(body.end(), {'d', 'a', 't', 'a'});
    Put32(body, uint32_t(data.size()));
    body.insert(body.end(), data.begin(), data.end());
    std::vector<uint8_t> file = {'R', 'I', 'F', 'F'};
    Put32(file, uint32_t(body.size()));
    file.insert(file.end(), body.begin(), body.end());
    return file;
}

// 16-bit mono samples.
inline std::vector<uint8_t> Pcm16(const std::vector<int16_t>& samples) {
    std::vector<uint8_t> data;
    for (int16_t s : samples) Put16(data, uint16_t(s));
    return data;
}

}  // namespace soundtest
