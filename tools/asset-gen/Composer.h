#pragma once
// Turns a style into parts: an intro, then a body of sections (A, B, ...)
// with a melody built from repeated and varied motifs over the style's
// chords, a counter line, accompaniment, bass and drums.
#include <cstdint>
#include <string>
#include <vector>

#include "tools/asset-gen/MidiEncoder.h"
#include "tools/asset-gen/MusicStyle.h"

namespace assetgen {

inline constexpr int kTicksPerQuarter = 480;

struct Composition {
    std::vector<MidiTrack> tracks;  // conductor first
    uint32_t loopTick = 0;          // where the loop marker stands
    uint32_t endTick = 0;           // where the body ends and play jumps back
    double bodySeconds = 0;
};

Composition Compose(const MusicStyle& style, uint64_t seed, bool jingleIntro);

}  // namespace assetgen
