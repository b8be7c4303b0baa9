#pragma once
// Builds Standard MIDI Files byte by byte for the tests.
#include <cstdint>
#include <initializer_list>
#include <vector>

namespace sxtest {

class Track {
public:
    Track& Delta(uint32_t ticks) {
        uint8_t groups[5];
        int n = 0;
        do {
            groups[n++] = ticks & 0x7F;
            ticks >>= 7;
        } while (ticks != 0);
        while (n-- > 0) bytes.push_back(groups[n] | (n > 0 ? 0x80 : 0));
        return *this;
    }
    // A delta, then the raw bytes of the event.
    Track& Ev(uint32_t delta, std::initializer_list<uint8_t> data) {
        Delta(delta);
        bytes.insert(bytes.end(), data);
        return *this;
    }
    Track& Tempo(uint32_t delta, uint32_t micros) {
        return Ev(delta, {0xFF, 0x51, 3, uint8_t(micros >> 16), uint8_t(micros >> 8), uint8_t(micros)});
    }
    Track& On(uint32_t delta, uint8_t channel, uint8_t note, uint8_t velocity = 100) {
        return Ev(delta, {uint8_t(0x90 | channel), note, velocity});
    }
    Track& Off(uint32_t delta, uint8_t channel, uint8_t note) {
        return Ev(delta, {uint8_t(0x80 | channel), note, 0});
    }
    Track& Cc(uint32_t delta, uint8_t channel, uint8_t control, uint8_t value) {
        return Ev(delta, {uint8_t(0xB0 | channel), control, value});
    }
    Track& End(uint32_t delta = 0) { return Ev(delta, {0xFF, 0x2F, 0}); }

    std::vector<uint8_t> bytes;
};

inline void Put32(std::vector<uint8_t>& out, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(uint8_t(v >> shift));
}

inline std::vector<uint8_t> Smf(uint16_t format, uint16_t division, const std::vector<Track>& tracks,
                                int trackCount = -1) {
    std::vector<uint8_t> out = {'M', 'T', 'h', 'd', 0, 0, 0, 6};
    const uint16_t count = trackCount < 0 ? uint16_t(tracks.size()) : uint16_t(trackCount);
    for (uint16_t v : {format, count, division}) {
        out.push_back(uint8_t(v >> 8));
        out.push_back(uint8_t(v));
    }
    for (const Track& t : tracks) {
        out.insert(out.end(), {'M', 'T', 'r', 'k'});
        Put32(out, uint32_t(t.bytes.size()));
        out.insert(out.end(), t.bytes.begin(), t.bytes.end());
    }
    return out;
}

}  // namespace sxtest
