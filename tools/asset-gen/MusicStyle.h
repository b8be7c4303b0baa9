#pragma once
// What a tune sounds like: key and mode, tempo and metre, the chords of its
// sections, its instruments (General MIDI programs) and how each part plays.
#include <array>
#include <string>

#include "tools/asset-gen/AssetNames.h"

namespace assetgen {

enum class Accompaniment { kPad, kArpeggio, kStrum, kWaltz, kOstinato, kStabs };
enum class BassLine { kWhole, kRootFifth, kWalking, kEighths, kOctaves, kPedal };
enum class DrumKit { kNone, kLight, kMarch, kRock, kBattle, kBoss, kOrchestral, kTribal, kSparse };

struct MusicStyle {
    int bpm = 100;
    int beats = 4;            // per bar, quarter notes (3 or 4)
    int tonic = 60;           // MIDI note of the key's tonic
    std::array<int, 7> scale{0, 2, 4, 5, 7, 9, 11};
    // Chord roots as scale degrees (0 = tonic), one per bar, per section.
    std::array<int, 8> chordsA{}, chordsB{};
    int introBars = 2;
    // Programs (General MIDI, 0-based); -1 leaves the part out.
    int lead = 73, counter = -1, pad = 48, accompaniment = 46, bass = 32, extra = -1;
    Accompaniment accompanimentStyle = Accompaniment::kArpeggio;
    BassLine bassLine = BassLine::kRootFifth;
    DrumKit drums = DrumKit::kNone;
    float density = 0.5f;     // how busy the melody is, 0..1
    int leadOctave = 12;      // lead register above the tonic
    bool timpani = false;     // rolls and hits on the extra part
    bool sevenths = false;    // chords with sevenths
};

// The style of a tune from how the game uses it and its name (which seeds
// the choices left open, so tunes of the same role differ).
MusicStyle StyleFor(const MusicUse& use);

}  // namespace assetgen
