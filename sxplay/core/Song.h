#pragma once
// A Standard MIDI File compiled into one list of time steps.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace sx {

// Event words: channel messages are status | data1 << 8 | data2 << 16; meta
// and system-exclusive events carry their kind in the top byte.
inline constexpr uint32_t kIgnoredMeta = 0xFF000000u;
inline constexpr uint32_t kEndOfTrack = 0x2F000000u;
inline constexpr uint32_t kTempo = 0x51000000u;
inline constexpr uint32_t kSysEx = 0xF0000000u;
inline constexpr uint32_t kChannelLimit = 0x01000000u;

struct Event {
    uint32_t word = 0;
    float tempo = 0;     // tempo events: milliseconds per tick
    uint32_t block = 0;  // text events: index into texts; sysex: into sysex
};

struct TextBlock {
    std::u16string wide;
    std::string narrow;
};

struct Song {
    std::vector<double> stepDelay;  // ticks before the step, from the previous one
    std::vector<uint32_t> stepSize;
    std::vector<uint32_t> stepFirst;  // index of each step's first event
    std::vector<Event> events;
    std::vector<TextBlock> texts;
    std::vector<std::vector<uint8_t>> sysex;  // F0 and the data bytes
    uint32_t loopStep = 0;
    uint32_t loopEvent = 0;
    double loopTempo = 0;
    // Milliseconds per tick before the first tempo event.
    double initialTempo = 1.0;
    // Time-code division: ticks have a fixed length and tempo events are ignored.
    bool timeCode = false;
    std::vector<uint32_t> restore;

    size_t StepCount() const { return stepDelay.size(); }
    bool Empty() const { return stepDelay.empty(); }
};

// Parses a whole file image. Returns 0 or an error code (22, 24, 2).
int32_t ParseSong(const uint8_t* data, size_t size, Song& song);

}  // namespace sx
