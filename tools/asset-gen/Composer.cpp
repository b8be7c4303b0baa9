#include "tools/asset-gen/Composer.h"

#include <algorithm>
#include <cmath>

#include "tools/asset-gen/Dice.h"

namespace assetgen {

namespace {

// Channels of the parts; 9 is the drum channel.
enum Channel { kLead = 0, kCounter = 1, kPad = 2, kAccomp = 3, kBass = 4, kExtra = 5, kDrums = 9 };

// Rhythm cells in sixteenths, by metre and business; endings close a phrase.
const std::vector<std::vector<int>> kCells4[3] = {
    {{8, 8}, {4, 4, 8}, {6, 2, 8}, {4, 4, 4, 4}, {12, 4}, {4, 8, 4}},
    {{4, 4, 4, 4}, {6, 2, 4, 4}, {4, 2, 2, 8}, {2, 2, 4, 4, 4}, {3, 3, 2, 8}, {4, 4, 2, 2, 4}},
    {{2, 2, 2, 2, 4, 4}, {3, 3, 2, 2, 2, 4}, {2, 2, 4, 2, 2, 4}, {4, 2, 2, 2, 2, 4}, {2, 2, 2, 2, 2, 2, 4}, {3, 3, 4, 2, 2, 2}},
};
const std::vector<std::vector<int>> kEndings4[3] = {
    {{16}, {4, 12}, {8, 8}},
    {{4, 4, 8}, {2, 2, 12}, {6, 10}},
    {{2, 2, 4, 8}, {4, 4, 8}, {2, 2, 2, 10}},
};
const std::vector<std::vector<int>> kCells3[3] = {
    {{8, 4}, {4, 4, 4}, {6, 2, 4}, {12}},
    {{4, 4, 4}, {4, 2, 2, 4}, {6, 2, 4}, {2, 2, 4, 4}},
    {{2, 2, 2, 2, 4}, {4, 2, 2, 2, 2}, {3, 3, 2, 4}, {2, 2, 4, 2, 2}},
};
const std::vector<std::vector<int>> kEndings3[3] = {{{12}, {4, 8}}, {{4, 8}, {8, 4}}, {{2, 2, 8}, {4, 8}}};

float Lerp(float a, float b, float t) { return a + (b - a) * t; }

struct Note {
    uint32_t tick, length;
    int degree;  // scale degree from the tonic (any octave)
};

class Writer {
public:
    Writer(const MusicStyle& style, uint64_t seed) : s_(style), dice_(seed) {
        bar_ = uint32_t(style.beats * kTicksPerQuarter);
        step_ = kTicksPerQuarter / 4;
    }

    int Pitch(int degree, int octave) const {
        const int d = ((degree % 7) + 7) % 7;
        const int o = (degree - d) / 7;
        return s_.tonic + octave + s_.scale[size_t(d)] + 12 * o;
    }
    // Chord tones of a root degree, as degrees.
    std::vector<int> ChordTones(int root) const {
        std::vector<int> t = {root, root + 2, root + 4};
        if (s_.sevenths) t.push_back(root + 6);
        return t;
    }
    int Velocity(int base, bool accent) { return std::clamp(base + (accent ? 10 : 0) + dice_.Int(-5, 5), 30, 127); }

    // A melody for one 8-bar section over `chords`, starting at `start`.
    std::vector<Note> Melody(const std::array<int, 8>& chords, uint32_t start, bool lift) {
        const int busy = s_.density < 0.4f ? 0 : (s_.density < 0.65f ? 1 : 2);
        const auto& cells = (s_.beats == 3 ? kCells3 : kCells4)[busy];
        const auto& endings = (s_.beats == 3 ? kEndings3 : kEndings4)[busy];
        // Two motifs: the first returns in the third phrase, varied to fit
        // its chords; the second answers; the fourth closes on the tonic.
        const std::vector<int> r1 = cells[dice_.Next() % cells.size()], r2 = endings[dice_.Next() % endings.size()];
        const std::vector<int> r3 = cells[dice_.Next() % cells.size()], r4 = endings[dice_.Next() % endings.size()];
        std::vector<Note> out;
        std::vector<int> motif;  // steps of the first phrase, reused by the third
        int prev = lift ? 7 + 2 : 4;
        int repeats = 0;
        for (int phrase = 0; phrase < 4; ++phrase) {
            const std::vector<int>& a = (phrase % 2 == 0) ? r1 : r3;
            const std::vector<int>& b = phrase == 3 ? r4 : (phrase % 2 == 0 ? r2 : r4);
            std::vector<std::pair<uint32_t, uint32_t>> rhythm;
            uint32_t t = start + uint32_t(phrase * 2) * bar_;
            for (int len : a) rhythm.push_back({t, uint32_t(len) * step_}), t += uint32_t(len) * step_;
            for (int len : b) rhythm.push_back({t, uint32_t(len) * step_}), t += uint32_t(len) * step_;
            // The phrase's goal: rise to a peak, then settle.
            const int peak = (lift ? 9 : 7) + dice_.Int(-1, 1);
            const int last = phrase == 3 ? 7 : (phrase == 1 ? 4 + 7 * 0 : 2 + dice_.Int(0, 2));
            for (size_t i = 0; i < rhythm.size(); ++i) {
                const auto [tick, length] = rhythm[i];
                const int barIndex = int((tick - start) / bar_);
                const int root = chords[size_t(std::clamp(barIndex, 0, 7))];
                const float u = float(i) / float(std::max<size_t>(1, rhythm.size() - 1));
                const float target = u < 0.55f ? Lerp(float(prev), float(peak), u / 0.55f) : Lerp(float(peak), float(last), (u - 0.55f) / 0.45f);
                const bool strong = (tick - start) % bar_ == 0 || ((tick - start) % (bar_ / 2) == 0 && s_.beats == 4) || length >= uint32_t(kTicksPerQuarter);
                int degree;
                if (phrase == 2 && i < motif.size()) {
                    degree = prev + motif[i];
                    if (strong) degree = NearestChordTone(root, degree);
                } else if (i + 1 == rhythm.size()) {
                    degree = phrase == 3 ? NearestOf(prev, {0, 7, 14}) : NearestChordTone(root, int(std::lround(target)));
                } else if (strong) {
                    degree = NearestChordTone(root, int(std::lround(target)));
                } else {
                    const int dir = target > prev + 0.5f ? 1 : (target < prev - 0.5f ? -1 : (dice_.Chance(0.5) ? 1 : -1));
                    degree = prev + dir * (dice_.Chance(0.8) ? 1 : 2);
                }
                // Singable lines: no leap beyond a sixth, no note struck
                // three times running.
                while (degree - prev > 5) degree -= 7;
                while (prev - degree > 5) degree += 7;
                if (degree == prev && repeats >= 1) degree = NearestChordTone(root, prev + (prev > target ? -1 : 1) * 2);
                degree = std::clamp(degree, -2, 12);
                repeats = degree == prev ? repeats + 1 : 0;
                if (phrase == 0) motif.push_back(degree - prev);
                out.push_back({tick, length, degree});
                prev = degree;
            }
        }
        return out;
    }

    int NearestChordTone(int root, int near) const {
        int best = near, bestDistance = 99;
        for (int tone : ChordTones(root))
            for (int octave = -14; octave <= 21; octave += 7) {
                const int d = tone + octave;
                if (std::abs(d - near) < bestDistance) best = d, bestDistance = std::abs(d - near);
            }
        return best;
    }
    static int NearestOf(int near, std::initializer_list<int> options) {
        int best = *options.begin();
        for (int o : options)
            if (std::abs(o - near) < std::abs(best - near)) best = o;
        return best;
    }

    // A close voicing of the chord near the previous one (smooth voice leading).
    std::vector<int> Voicing(int root, int around) {
        std::vector<int> notes;
        for (int tone : ChordTones(root)) {
            int p = Pitch(tone, 0);
            while (p < around - 6) p += 12;
            while (p > around + 6) p -= 12;
            notes.push_back(p);
        }
        std::sort(notes.begin(), notes.end());
        return notes;
    }

    const MusicStyle& s_;
    Dice dice_;
    uint32_t bar_, step_;
};

void Setup(MidiTrack& t, int channel, int program, int volume, int pan, int reverb, int chorus = 0) {
    if (channel != kDrums) t.Program(0, channel, program);
    t.Control(0, channel, 7, volume);
    t.Control(0, channel, 10, pan);
    t.Control(0, channel, 11, 127);
    t.Control(0, channel, 91, reverb);
    t.Control(0, channel, 93, chorus);
}

// One bar of drums from 16-step patterns ("x" loud, "o" soft, "." rest).
void DrumBar(MidiTrack& t, Writer& w, uint32_t at, int key, const char* pattern, int loud) {
    const int steps = int(std::string(pattern).size());
    const uint32_t step = w.bar_ / uint32_t(steps);
    for (int i = 0; i < steps; ++i) {
        if (pattern[i] == '.') continue;
        const int v = pattern[i] == 'x' ? loud : loud * 6 / 10;
        t.Note(at + uint32_t(i) * step, kDrums, key, w.Velocity(v, i == 0), step);
    }
}

void Drums(MidiTrack& t, Writer& w, const MusicStyle& s, uint32_t at, bool sectionStart, bool fill, bool intro) {
    const bool three = s.beats == 3;
    switch (s.drums) {
        case DrumKit::kNone: return;
        case DrumKit::kLight:
            DrumBar(t, w, at, 36, three ? "x.....o....." : "x.......o.......", 70);
            DrumBar(t, w, at, 37, three ? "....x...x..." : "....x.......x...", 60);
            DrumBar(t, w, at, 70, three ? "o.o.o.o.o.o." : "o.o.o.o.o.o.o.o.", 55);
            if (sectionStart) t.Note(at, kDrums, 81, 60, w.step_);
            break;
        case DrumKit::kMarch:
            DrumBar(t, w, at, 36, three ? "x...x...x..." : "x.......x.......", 90);
            DrumBar(t, w, at, 38, fill ? (three ? "x.xoxoxoxxxx" : "x.xoxoxox.xoxxxx") : (three ? "x..ox.o.x..." : "x..ox.o.x..oxoxo"), 80);
            if (sectionStart) t.Note(at, kDrums, 49, 90, w.bar_);
            break;
        case DrumKit::kRock:
        case DrumKit::kBattle:
            DrumBar(t, w, at, 36, s.drums == DrumKit::kBattle ? "x..x..x.x.x..x.." : "x.....x.x.......", 105);
            DrumBar(t, w, at, 38, fill ? "....x..xx.xxxxxx" : "....x.......x..o", 100);
            DrumBar(t, w, at, 42, s.drums == DrumKit::kBattle ? "xoxoxoxoxoxoxoxo" : "x.x.x.x.x.x.x.x.", 70);
            if (fill) DrumBar(t, w, at, 45, "........x.x.x...", 90), DrumBar(t, w, at, 41, "..............xx", 95);
            if (sectionStart && !intro) t.Note(at, kDrums, 49, 110, w.bar_);
            break;
        case DrumKit::kBoss:
            DrumBar(t, w, at, 36, "xoxox.xoxoxox.xo", 110);
            DrumBar(t, w, at, 38, fill ? "....x..x.xxxxxxx" : "....x.......x...", 105);
            DrumBar(t, w, at, 51, "x.x.x.x.x.x.x.x.", 70);
            if (fill) DrumBar(t, w, at, 43, "........x.x.xx..", 100), DrumBar(t, w, at, 41, "..............xx", 105);
            if (sectionStart) t.Note(at, kDrums, 49, 115, w.bar_), t.Note(at, kDrums, 57, 100, w.bar_);
            break;
        case DrumKit::kOrchestral:
            DrumBar(t, w, at, 35, three ? "x..........." : "x.......o.......", 70);
            if (sectionStart) t.Note(at, kDrums, 49, 70, w.bar_ * 2);
            if (fill) DrumBar(t, w, at, 38, three ? "......oooxxx" : "........oooooxxx", 60);
            break;
        case DrumKit::kTribal:
            DrumBar(t, w, at, 63, three ? "x..o..x.o..." : "x..o..x...o.x.o.", 80);
            DrumBar(t, w, at, 61, three ? "..x..o...x.o" : "..x.o...x.o...xo", 70);
            DrumBar(t, w, at, 70, three ? "oooooooooooo" : "o.o.o.o.o.o.o.o.", 50);
            break;
        case DrumKit::kSparse:
            DrumBar(t, w, at, 41, three ? "x..........." : "x.........o.....", 60);
            if (sectionStart) t.Note(at, kDrums, 52, 55, w.bar_ * 2);
            if (fill) DrumBar(t, w, at, 45, three ? "......o..o.o" : "........o..o.o.o", 55);
            break;
    }
}

}  // namespace

Composition Compose(const MusicStyle& style, uint64_t seed, bool jingleIntro) {
    Writer w(style, seed);
    const double barSeconds = 60.0 * style.beats / style.bpm;
    // The body is at least 32 seconds, in whole 8-bar sections.
    int sections = 2;
    while (sections * 8 * barSeconds < 32.0) ++sections;
    const uint32_t loop = uint32_t(style.introBars) * w.bar_;
    const uint32_t end = loop + uint32_t(sections * 8) * w.bar_;

    MidiTrack conductor("conductor");
    conductor.Tempo(0, style.bpm);
    conductor.TimeSignature(0, style.beats, 4);
    conductor.Control(loop, 0, 111, 0);  // the loop marker
    conductor.EndAt(end);

    MidiTrack lead("lead"), counter("counter"), pad("pad"), accomp("accompaniment"), bass("bass"), extra("extra"), drums("drums");
    Setup(lead, kLead, style.lead, 104, 64, 50);
    if (style.counter >= 0) Setup(counter, kCounter, style.counter, 78, 84, 60);
    if (style.pad >= 0) Setup(pad, kPad, style.pad, 66, 40, 80, 30);
    if (style.accompaniment >= 0) Setup(accomp, kAccomp, style.accompaniment, 80, 88, 60);
    Setup(bass, kBass, style.bass, 100, 64, 30);
    if (style.extra >= 0) Setup(extra, kExtra, style.extra, 82, 52, 70);
    Setup(drums, kDrums, 0, 100, 64, 40);

    // Which chords each bar of the tune plays: intro, then the sections
    // A B A' B' ... with the last bar of each turning back to the start.
    std::vector<int> barChords;
    for (int i = 0; i < style.introBars; ++i) barChords.push_back(i + 1 == style.introBars ? 4 : style.chordsA[size_t(i % 2 == 0 ? 0 : 5)]);
    for (int sct = 0; sct < sections; ++sct) {
        const auto& chords = sct % 2 == 0 ? style.chordsA : style.chordsB;
        for (int b = 0; b < 8; ++b) barChords.push_back(chords[size_t(b)]);
    }

    // The melody, section by section; A returns as it was (a tune is
    // remembered by what repeats), B lifts higher.
    std::vector<Note> melodyA, melodyB;
    const int level = style.leadOctave;
    for (int sct = 0; sct < sections; ++sct) {
        const uint32_t at = loop + uint32_t(sct * 8) * w.bar_;
        const bool isB = sct % 2 == 1;
        std::vector<Note>& source = isB ? melodyB : melodyA;
        if (source.empty()) {
            const std::vector<Note> made = w.Melody(isB ? style.chordsB : style.chordsA, at, isB);
            for (Note n : made) source.push_back({n.tick - at, n.length, n.degree});
        }
        for (const Note& n : source) {
            const uint32_t tick = at + n.tick;
            const bool down = n.tick % w.bar_ == 0;
            const uint32_t length = std::min<uint32_t>(n.length * 9 / 10, end - tick);
            lead.Note(tick, kLead, w.Pitch(n.degree, level), w.Velocity(sct >= 2 ? 96 : 90, down), length);
            // The counter part doubles a third below in the second half.
            if (style.counter >= 0 && sct >= sections / 2 && n.length >= w.step_ * 4)
                counter.Note(tick, kCounter, w.Pitch(n.degree - 2, level), w.Velocity(70, down), length);
        }
    }
    if (jingleIntro) {
        // A falling phrase over the intro: the defeat's sigh.
        const int fall[] = {4, 3, 2, 1, 0, -1, -3, 0};
        for (int i = 0; i < 8; ++i) {
            const uint32_t len = (i == 7 ? 4 : 2) * uint32_t(kTicksPerQuarter);
            const uint32_t tick = uint32_t(i) * 2 * kTicksPerQuarter;
            if (tick >= loop) break;
            lead.Note(tick, kLead, w.Pitch(fall[i], 12), 92 - i * 3, std::min(len, loop - tick));
        }
    }

    // Harmony, bass, drums, bar by bar.
    int around = style.tonic + 7;
    for (size_t b = 0; b < barChords.size(); ++b) {
        const uint32_t at = uint32_t(b) * w.bar_;
        const int root = barChords[b];
        const bool intro = at < loop;
        const int sectionBar = intro ? -1 : int((at - loop) / w.bar_) % 8;
        const bool sectionStart = sectionBar == 0 || at == 0;
        const bool fill = intro ? b + 1 == size_t(style.introBars) : sectionBar == 7;
        const std::vector<int> chord = w.Voicing(root, around);
        around = chord[chord.size() / 2];
        if (style.pad >= 0)
            for (int p : chord) pad.Note(at, kPad, p, w.Velocity(62, false), w.bar_ - 10);
        if (style.accompaniment >= 0) {
            const uint32_t quarter = kTicksPerQuarter, eighth = quarter / 2, sixteenth = quarter / 4;
            switch (style.accompanimentStyle) {
                case Accompaniment::kArpeggio: {
                    const uint32_t unit = style.bpm < 90 ? sixteenth * 2 : eighth;
                    const int up[] = {0, 1, 2, 3, 2, 1};
                    std::vector<int> tones = chord;
                    tones.push_back(chord.front() + 12);
                    for (uint32_t t = 0, i = 0; t < w.bar_; t += unit, ++i)
                        accomp.Note(at + t, kAccomp, tones[size_t(up[i % 6]) % tones.size()] + (style.accompaniment == 46 || style.accompaniment == 10 ? 12 : 0), w.Velocity(68, t == 0), unit * 2);
                    break;
                }
                case Accompaniment::kStrum:
                case Accompaniment::kWaltz: {
                    const std::vector<uint32_t> hits = style.beats == 3 ? std::vector<uint32_t>{quarter, 2 * quarter} : std::vector<uint32_t>{0, quarter + eighth, 3 * quarter};
                    for (uint32_t h : hits)
                        for (int p : chord) accomp.Note(at + h, kAccomp, p, w.Velocity(70, h == 0), eighth + sixteenth);
                    break;
                }
                case Accompaniment::kOstinato: {
                    const int pattern[] = {0, 0, 2, 0, 0, 1, 0, 2};
                    for (uint32_t t = 0, i = 0; t < w.bar_; t += sixteenth, ++i) {
                        const int pick = pattern[i % 8];
                        const int p = chord[size_t(pick) % chord.size()] + (pick == 2 ? 0 : 0);
                        accomp.Note(at + t, kAccomp, p, w.Velocity(i % 4 == 0 ? 82 : 66, false), sixteenth - 10);
                    }
                    break;
                }
                case Accompaniment::kStabs: {
                    // Power chords: root and fifth, chugging with accents.
                    const int r = w.Pitch(root, -12);
                    for (uint32_t t = 0, i = 0; t < w.bar_; t += eighth, ++i) {
                        const bool accent = i == 0 || i == 3 || i == 6;
                        accomp.Note(at + t, kAccomp, r, w.Velocity(accent ? 92 : 70, accent), accent ? eighth : eighth / 2);
                        accomp.Note(at + t, kAccomp, r + 7, w.Velocity(accent ? 88 : 66, accent), accent ? eighth : eighth / 2);
                    }
                    break;
                }
                case Accompaniment::kPad:
                    // Sustained, an octave up, entering on the second beat.
                    for (int p : chord) accomp.Note(at + quarter, kAccomp, p + 12, w.Velocity(56, false), w.bar_ - quarter - 10);
                    break;
            }
        }
        // The extra part: brass or choir swells, or timpani.
        if (style.extra >= 0) {
            if (style.timpani || style.extra == 47) {
                const int r = w.Pitch(root, -24);
                extra.Note(at, kExtra, r, w.Velocity(90, true), kTicksPerQuarter);
                if (fill)
                    for (uint32_t t = w.bar_ / 2; t < w.bar_; t += kTicksPerQuarter / 4) extra.Note(at + t, kExtra, r + 7, w.Velocity(60 + int(t * 40 / w.bar_), false), kTicksPerQuarter / 4);
            } else if (!intro || sectionStart) {
                for (int p : chord) extra.Note(at, kExtra, p, w.Velocity(58, false), w.bar_ - 10);
            }
        }
        // Bass.
        const int r = w.Pitch(root, -24) < 28 ? w.Pitch(root, -12) : w.Pitch(root, -24);
        const int fifth = r + 7;
        const uint32_t q = kTicksPerQuarter;
        switch (style.bassLine) {
            case BassLine::kWhole: bass.Note(at, kBass, r, w.Velocity(88, true), w.bar_ - 20); break;
            case BassLine::kPedal: bass.Note(at, kBass, w.Pitch(0, -24), w.Velocity(80, true), w.bar_ - 20); break;
            case BassLine::kRootFifth:
                bass.Note(at, kBass, r, w.Velocity(92, true), q * 3 / 2);
                if (style.beats == 4) bass.Note(at + 2 * q, kBass, fifth, w.Velocity(84, false), q * 3 / 2);
                else bass.Note(at + 2 * q, kBass, fifth, w.Velocity(80, false), q);
                break;
            case BassLine::kWalking:
                for (int i = 0; i < style.beats; ++i) bass.Note(at + uint32_t(i) * q, kBass, w.Pitch(root + i, -24), w.Velocity(86, i == 0), q - 20);
                break;
            case BassLine::kEighths:
                for (uint32_t t = 0, i = 0; t < w.bar_; t += q / 2, ++i) bass.Note(at + t, kBass, (fill && i >= 6) ? fifth : r, w.Velocity(i % 2 == 0 ? 96 : 80, i == 0), q / 2 - 20);
                break;
            case BassLine::kOctaves:
                for (uint32_t t = 0, i = 0; t < w.bar_; t += q / 2, ++i) bass.Note(at + t, kBass, i % 2 == 0 ? r : r + 12, w.Velocity(i % 2 == 0 ? 96 : 78, i == 0), q / 2 - 20);
                break;
        }
        Drums(drums, w, style, at, sectionStart, fill, intro);
    }

    Composition c;
    c.loopTick = loop;
    c.endTick = end;
    c.bodySeconds = sections * 8 * barSeconds;
    c.tracks.push_back(std::move(conductor));
    for (MidiTrack* t : {&lead, &counter, &pad, &accomp, &bass, &extra, &drums}) {
        if (t->NoteCount() == 0) continue;
        t->EndAt(end);
        c.tracks.push_back(std::move(*t));
    }
    return c;
}

}  // namespace assetgen
