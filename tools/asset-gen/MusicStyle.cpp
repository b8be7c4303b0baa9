#include "tools/asset-gen/MusicStyle.h"

#include <algorithm>
#include <cmath>

#include "tools/asset-gen/Dice.h"

namespace assetgen {

namespace {

constexpr std::array<int, 7> kMajor{0, 2, 4, 5, 7, 9, 11};
constexpr std::array<int, 7> kMinor{0, 2, 3, 5, 7, 8, 10};
constexpr std::array<int, 7> kDorian{0, 2, 3, 5, 7, 9, 10};
constexpr std::array<int, 7> kPhrygian{0, 1, 3, 5, 7, 8, 10};
constexpr std::array<int, 7> kLydian{0, 2, 4, 6, 7, 9, 11};
constexpr std::array<int, 7> kMixolydian{0, 2, 4, 5, 7, 9, 10};
constexpr std::array<int, 7> kHarmonicMinor{0, 2, 3, 5, 7, 8, 11};

// Progressions by scale degree, eight bars each.
constexpr std::array<int, 8> kMajorA[] = {{0, 4, 5, 3, 0, 4, 3, 4}, {0, 5, 3, 4, 0, 5, 1, 4}, {0, 3, 4, 0, 5, 3, 1, 4}};
constexpr std::array<int, 8> kMajorB[] = {{5, 3, 0, 4, 5, 3, 1, 4}, {3, 4, 2, 5, 1, 4, 0, 4}, {3, 0, 3, 4, 5, 2, 3, 4}};
constexpr std::array<int, 8> kMinorA[] = {{0, 5, 2, 6, 0, 5, 3, 4}, {0, 3, 6, 2, 5, 3, 4, 4}, {0, 6, 5, 6, 0, 6, 5, 4}};
constexpr std::array<int, 8> kMinorB[] = {{5, 6, 0, 0, 5, 6, 4, 4}, {3, 4, 0, 5, 3, 1, 4, 4}, {5, 3, 6, 2, 5, 3, 4, 6}};

MusicStyle Major(Dice& d) {
    MusicStyle s;
    s.scale = kMajor;
    s.chordsA = d.Pick(kMajorA);
    s.chordsB = d.Pick(kMajorB);
    return s;
}

MusicStyle Minor(Dice& d, const std::array<int, 7>& mode) {
    MusicStyle s;
    s.scale = mode;
    s.chordsA = d.Pick(kMinorA);
    s.chordsB = d.Pick(kMinorB);
    return s;
}

MusicStyle Title(Dice& d) {
    MusicStyle s = Major(d);
    s.tonic = 62;
    s.bpm = 84;
    s.lead = 73, s.counter = 68, s.pad = 48, s.accompaniment = 46, s.bass = 43, s.extra = 52;
    s.accompanimentStyle = Accompaniment::kArpeggio;
    s.bassLine = BassLine::kWhole;
    s.drums = DrumKit::kOrchestral;
    s.density = 0.35f;
    s.introBars = 4;
    s.sevenths = true;
    return s;
}

MusicStyle Town(Dice& d) {
    MusicStyle s = Major(d);
    s.tonic = d.Pick({65, 67, 62});
    s.bpm = 108;
    s.lead = d.Pick({74, 71, 73}), s.counter = 45, s.pad = 48, s.accompaniment = 24, s.bass = 32;
    s.accompanimentStyle = Accompaniment::kArpeggio;
    s.bassLine = BassLine::kRootFifth;
    s.drums = DrumKit::kLight;
    s.density = 0.55f;
    return s;
}

MusicStyle Defeat(Dice& d) {
    MusicStyle s = Minor(d, kMinor);
    s.tonic = 57;
    s.bpm = 66;
    s.lead = 68, s.pad = 49, s.accompaniment = -1, s.bass = 43, s.extra = 52;
    s.accompanimentStyle = Accompaniment::kPad;
    s.bassLine = BassLine::kWhole;
    s.density = 0.2f;
    s.introBars = 4;
    return s;
}

// The fields, from the open grassland to the promised land.
MusicStyle Field(Dice& d, double depth) {
    const int place = int(std::lround(depth * 6));
    MusicStyle s;
    switch (place) {
        case 0:
            s = Major(d), s.tonic = 67, s.bpm = 120, s.lead = 56, s.counter = 60, s.pad = 48, s.accompaniment = 48, s.bass = 33;
            s.accompanimentStyle = Accompaniment::kStrum, s.bassLine = BassLine::kRootFifth, s.drums = DrumKit::kMarch, s.density = 0.55f;
            break;
        case 1:
            s = Minor(d, kDorian), s.tonic = 62, s.bpm = 104, s.lead = 75, s.counter = 71, s.pad = 48, s.accompaniment = 12, s.bass = 32;
            s.accompanimentStyle = Accompaniment::kArpeggio, s.bassLine = BassLine::kRootFifth, s.drums = DrumKit::kTribal, s.density = 0.5f;
            break;
        case 2:
            s = Minor(d, kPhrygian), s.tonic = 64, s.bpm = 80, s.lead = 11, s.pad = 95, s.accompaniment = 8, s.bass = 43, s.extra = 53;
            s.accompanimentStyle = Accompaniment::kPad, s.bassLine = BassLine::kPedal, s.drums = DrumKit::kSparse, s.density = 0.3f;
            s.leadOctave = 12;
            break;
        case 3:
            s = Minor(d, kDorian), s.tonic = 57, s.bpm = 112, s.lead = 60, s.counter = 56, s.pad = 48, s.accompaniment = 48, s.bass = 33;
            s.accompanimentStyle = Accompaniment::kOstinato, s.bassLine = BassLine::kEighths, s.drums = DrumKit::kMarch, s.density = 0.5f, s.timpani = true, s.extra = 47;
            break;
        case 4:
            s = Minor(d, kMinor), s.tonic = 59, s.bpm = 96, s.beats = 3, s.lead = 69, s.counter = 48, s.pad = 53, s.accompaniment = 46, s.bass = 43;
            s.accompanimentStyle = Accompaniment::kArpeggio, s.bassLine = BassLine::kWhole, s.drums = DrumKit::kSparse, s.density = 0.45f;
            break;
        case 5:
            s = Minor(d, kHarmonicMinor), s.tonic = 62, s.bpm = 92, s.lead = 6, s.counter = 48, s.pad = 19, s.accompaniment = 6, s.bass = 58, s.extra = 47;
            s.accompanimentStyle = Accompaniment::kPad, s.bassLine = BassLine::kOctaves, s.drums = DrumKit::kOrchestral, s.density = 0.45f, s.timpani = true;
            break;
        default:
            s = Major(d), s.scale = kLydian, s.tonic = 65, s.bpm = 76, s.lead = 73, s.counter = 52, s.pad = 88, s.accompaniment = 10, s.bass = 32;
            s.accompanimentStyle = Accompaniment::kArpeggio, s.bassLine = BassLine::kWhole, s.drums = DrumKit::kNone, s.density = 0.35f, s.sevenths = true;
            break;
    }
    return s;
}

MusicStyle Battle(Dice& d, double intensity) {
    MusicStyle s = Minor(d, intensity < 0.4 ? kDorian : kMinor);
    s.tonic = d.Pick({57, 62, 64, 59});
    s.bpm = 140 + int(intensity * 30);
    const int place = int(std::lround(intensity * 6));
    const int leads[] = {56, 48, 81, 61, 29, 19, 30};
    s.lead = leads[std::clamp(place, 0, 6)];
    s.counter = place < 3 ? 60 : 81;
    s.pad = -1;
    s.accompaniment = place < 3 ? 48 : 30;
    s.accompanimentStyle = place < 3 ? Accompaniment::kOstinato : Accompaniment::kStabs;
    s.extra = place < 3 ? 61 : 48;
    s.bass = place < 3 ? 33 : 34;
    s.bassLine = BassLine::kEighths;
    s.drums = place < 3 ? DrumKit::kRock : DrumKit::kBattle;
    s.density = 0.75f;
    s.introBars = 2;
    return s;
}

MusicStyle Boss(Dice& d, double intensity) {
    MusicStyle s = Minor(d, intensity > 0.7 ? kPhrygian : kHarmonicMinor);
    s.tonic = d.Pick({57, 60, 62, 55});
    s.bpm = 148 + int(intensity * 28);
    s.lead = intensity > 0.85 ? 52 : (intensity > 0.6 ? 19 : 30);
    s.counter = 61;
    s.pad = intensity > 0.6 ? 52 : 48;
    s.accompaniment = 48;
    s.accompanimentStyle = Accompaniment::kOstinato;
    s.extra = 47;
    s.timpani = true;
    s.bass = 38;
    s.bassLine = BassLine::kOctaves;
    s.drums = DrumKit::kBoss;
    s.density = 0.7f;
    s.introBars = 4;
    return s;
}

}  // namespace

MusicStyle StyleFor(const MusicUse& use) {
    Dice d(HashName(use.name, 11));
    switch (use.role) {
        case MusicRole::kTitle: return Title(d);
        case MusicRole::kTown: return Town(d);
        case MusicRole::kDefeat: return Defeat(d);
        case MusicRole::kField: return Field(d, use.intensity);
        case MusicRole::kBattle: return Battle(d, use.intensity);
        case MusicRole::kBoss: return Boss(d, use.intensity);
    }
    return Town(d);
}

}  // namespace assetgen
