// MIDI timing beside FluidSynth's own command-line player: click tracks
// (steady, with 15 tempo changes, and with a loop marker) are rendered
// offline by sxplay-play --render and by `fluidsynth -F` with the same
// SoundFont; the clicks are found in both WAV files and compared with the
// times the files ask for.
//   bench_midi_onsets [--soundfont SF2] [--keep DIR]
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench/BenchGame.h"

extern char** environ;

namespace {

constexpr int kDivision = 480;
constexpr uint8_t kClickNote = 76;  // high wood block: a sharp attack
constexpr double kSampleRate = 44100;

// ---- Writing the click tracks -------------------------------------------

struct Event {
    uint32_t tick;
    int order;  // at equal ticks: tempo, loop marker, note-off, note-on
    std::vector<uint8_t> bytes;
};

void Put32(std::vector<uint8_t>& out, uint32_t v) {
    for (int s = 24; s >= 0; s -= 8) out.push_back(uint8_t(v >> s));
}

void PutDelta(std::vector<uint8_t>& out, uint32_t v) {
    uint8_t groups[5];
    int n = 0;
    do {
        groups[n++] = v & 0x7F;
        v >>= 7;
    } while (v != 0);
    while (n-- > 0) out.push_back(groups[n] | (n > 0 ? 0x80 : 0));
}

struct ClickTrack {
    std::vector<Event> events;
    uint32_t endTick = 0;

    void Tempo(uint32_t tick, uint32_t microsPerQuarter) {
        events.push_back({tick, 0, {0xFF, 0x51, 3, uint8_t(microsPerQuarter >> 16),
                                    uint8_t(microsPerQuarter >> 8), uint8_t(microsPerQuarter)}});
    }
    void LoopMarker(uint32_t tick) { events.push_back({tick, 1, {0xB9, 111, 0}}); }
    void Click(uint32_t tick) {
        events.push_back({tick, 3, {0x99, kClickNote, 127}});
        events.push_back({tick + kDivision / 8, 2, {0x89, kClickNote, 0}});
    }
    std::vector<uint8_t> File() {
        std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
            return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
        });
        std::vector<uint8_t> track;
        uint32_t now = 0;
        for (const Event& e : events) {
            PutDelta(track, e.tick - now);
            now = e.tick;
            track.insert(track.end(), e.bytes.begin(), e.bytes.end());
        }
        PutDelta(track, std::max(endTick, now) - now);
        track.insert(track.end(), {0xFF, 0x2F, 0});
        std::vector<uint8_t> file = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1,
                                     uint8_t(kDivision >> 8), uint8_t(kDivision & 0xFF)};
        file.insert(file.end(), {'M', 'T', 'r', 'k'});
        Put32(file, uint32_t(track.size()));
        file.insert(file.end(), track.begin(), track.end());
        return file;
    }
};

// Milliseconds at `tick` under a tempo map of (tick, microseconds per quarter).
double TickToMs(uint32_t tick, const std::vector<std::pair<uint32_t, uint32_t>>& tempos) {
    double ms = 0;
    uint32_t at = 0, tempo = 500000;
    for (const auto& [t, micros] : tempos) {
        if (t >= tick) break;
        ms += double(t - at) * tempo / kDivision / 1000.0;
        at = t;
        tempo = micros;
    }
    return ms + double(tick - at) * tempo / kDivision / 1000.0;
}

struct Case {
    std::string name;
    std::vector<uint8_t> file;
    std::vector<double> libraryIdeal;  // what the library should play
    std::vector<double> peerIdeal;     // what the peer's way of playing should give
    std::vector<double> librarySeams;  // ideal times of the first click after each loop
    std::vector<double> peerSeams;
    int peerCopies = 1;   // the peer is given the file this many times
    int libraryLoops = 1;
};

Case Steady() {
    Case c;
    c.name = "steady";
    ClickTrack track;
    track.Tempo(0, 500000);
    for (int i = 0; i < 64; ++i) {
        track.Click(uint32_t(i) * kDivision);
        c.libraryIdeal.push_back(i * 500.0);
    }
    track.endTick = 64 * kDivision;
    c.file = track.File();
    c.peerIdeal = c.libraryIdeal;
    return c;
}

Case TempoChanges() {
    Case c;
    c.name = "tempo";
    ClickTrack track;
    std::vector<std::pair<uint32_t, uint32_t>> tempos = {{0, 500000}};
    const int bpms[15] = {90, 150, 75, 180, 100, 140, 60, 200, 110, 130, 85, 170, 95, 160, 123};
    for (int k = 0; k < 15; ++k) {
        // Every fourth beat, half of them halfway between two clicks.
        const uint32_t tick = uint32_t(4 * (k + 1)) * kDivision + (k % 2 ? kDivision / 2 : 0);
        tempos.push_back({tick, uint32_t(60000000 / bpms[k])});
    }
    for (const auto& [tick, micros] : tempos) track.Tempo(tick, micros);
    for (int i = 0; i < 68; ++i) {
        track.Click(uint32_t(i) * kDivision);
        c.libraryIdeal.push_back(TickToMs(uint32_t(i) * kDivision, tempos));
    }
    track.endTick = 68 * kDivision;
    c.file = track.File();
    c.peerIdeal = c.libraryIdeal;
    return c;
}

// Sixteen clicks, the loop marker at the fifth: the library plays the
// file and then loops twice to the marker; the peer, which knows no loop
// marker, is given the file three times and so restarts from the top.
Case Loop() {
    Case c;
    c.name = "loop";
    ClickTrack track;
    track.Tempo(0, 500000);
    track.LoopMarker(4 * kDivision);
    for (int i = 0; i < 16; ++i) track.Click(uint32_t(i) * kDivision);
    track.endTick = 16 * kDivision;
    c.file = track.File();
    c.libraryLoops = 3;
    c.peerCopies = 3;
    for (int i = 0; i < 16; ++i) c.libraryIdeal.push_back(i * 500.0);
    for (int pass = 1; pass < 3; ++pass) {
        const double start = 8000.0 + (pass - 1) * 6000.0;  // 16 beats, then 12 per loop
        c.librarySeams.push_back(start);
        for (int i = 4; i < 16; ++i) c.libraryIdeal.push_back(start + (i - 4) * 500.0);
    }
    for (int copy = 0; copy < 3; ++copy) {
        if (copy > 0) c.peerSeams.push_back(copy * 8000.0);
        for (int i = 0; i < 16; ++i) c.peerIdeal.push_back(copy * 8000.0 + i * 500.0);
    }
    return c;
}

// ---- Running the renderers ----------------------------------------------

int Run(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    std::vector<std::string> copy = args;
    for (std::string& a : copy) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return -1;
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// ---- Finding the clicks -------------------------------------------------

// Mono samples of a 16-bit PCM or 32-bit float WAV file; empty on failure.
std::vector<float> ReadWav(const std::string& path, double& rate) {
    std::ifstream in(path, std::ios::binary);
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), {});
    std::vector<float> mono;
    if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0) return mono;
    auto u16 = [&](size_t p) { return uint32_t(bytes[p] | bytes[p + 1] << 8); };
    auto u32 = [&](size_t p) { return u16(p) | u16(p + 2) << 16; };
    int channels = 0, bits = 0, format = 0;
    for (size_t p = 12; p + 8 <= bytes.size();) {
        const uint32_t size = u32(p + 4);
        const size_t body = p + 8;
        if (std::memcmp(&bytes[p], "fmt ", 4) == 0 && body + 16 <= bytes.size()) {
            format = int(u16(body));
            channels = int(u16(body + 2));
            rate = double(u32(body + 4));
            bits = int(u16(body + 14));
        } else if (std::memcmp(&bytes[p], "data", 4) == 0 && channels > 0) {
            const size_t end = std::min(bytes.size(), body + size);
            const size_t frameBytes = size_t(channels) * size_t(bits / 8);
            for (size_t f = body; f + frameBytes <= end; f += frameBytes) {
                float sum = 0;
                for (int ch = 0; ch < channels; ++ch) {
                    const size_t at = f + size_t(ch) * size_t(bits / 8);
                    if (format == 3 && bits == 32) {
                        float v;
                        std::memcpy(&v, &bytes[at], 4);
                        sum += v;
                    } else if (bits == 16) {
                        sum += float(int16_t(u16(at))) / 32768.0f;
                    }
                }
                mono.push_back(sum / float(channels));
            }
            break;
        }
        p = body + size + (size & 1);
    }
    return mono;
}

// A click starts where the signal's level over the last millisecond first
// reaches four times its level over the 20 ms before and a tenth of the
// loudest millisecond, at least 80 ms after the previous click (the tails
// and the reverb of a click never look like a new one).
std::vector<double> FindOnsets(const std::vector<float>& samples, double rate) {
    std::vector<double> onsets;
    const size_t shortLength = size_t(rate * 0.001), longLength = size_t(rate * 0.020);
    if (samples.size() < shortLength) return onsets;
    std::vector<double> energy(samples.size() + 1, 0.0);  // running sum of squares
    for (size_t i = 0; i < samples.size(); ++i) energy[i + 1] = energy[i] + double(samples[i]) * samples[i];
    auto mean = [&](size_t from, size_t to) { return (energy[to] - energy[from]) / double(to - from); };
    double loudest = 0;
    for (size_t i = shortLength; i <= samples.size(); i += shortLength / 2)
        loudest = std::max(loudest, mean(i - shortLength, i));
    const size_t refractory = size_t(rate * 0.080);
    size_t last = 0;
    bool any = false;
    for (size_t i = shortLength; i <= samples.size(); ++i) {
        if (any && i - last < refractory) continue;
        const double now = mean(i - shortLength, i);
        // Before the file starts there is silence.
        const size_t from = i - shortLength;
        const double before = from == 0 ? 0.0
                                         : (energy[from] - energy[from > longLength ? from - longLength : 0]) /
                                               double(longLength);
        if (now >= 0.1 * loudest && now >= 4 * before) {
            // The click starts where its first millisecond window began to
            // rise: step back to the first sample above a tenth of the
            // window's level.
            size_t start = i - shortLength;
            const double floor = 0.1 * std::sqrt(now);
            while (start < i && std::fabs(samples[start]) < floor) ++start;
            onsets.push_back(double(start) * 1000.0 / rate);
            last = i;
            any = true;
        }
    }
    return onsets;
}

struct Errors {
    double median = 0, p99 = 0, max = 0, start = 0;
    double seamMax = 0;  // the largest error of a click right after a loop
    int missed = 0, extra = 0;
    bool ok = false;
};

// Each ideal click against the nearest click found, after the first click
// aligns both (a constant start delay is latency, not timing).
Errors Compare(const std::vector<double>& ideal, const std::vector<double>& seams,
               const std::vector<double>& found) {
    Errors e;
    if (ideal.empty() || found.empty()) return e;
    e.start = found.front() - ideal.front();
    std::vector<double> errors;
    size_t matched = 0;
    for (double t : ideal) {
        const double want = t + e.start;
        const auto it = std::lower_bound(found.begin(), found.end(), want);
        double best = 1e9;
        if (it != found.end()) best = *it - want;
        if (it != found.begin() && std::fabs(*(it - 1) - want) < std::fabs(best)) best = *(it - 1) - want;
        if (std::fabs(best) > 100) {
            ++e.missed;
            continue;
        }
        ++matched;
        errors.push_back(std::fabs(best));
        for (double s : seams)
            if (s == t) e.seamMax = std::max(e.seamMax, std::fabs(best));
    }
    e.extra = int(found.size()) - int(matched);
    if (errors.empty()) return e;
    std::sort(errors.begin(), errors.end());
    e.median = errors[errors.size() / 2];
    e.p99 = errors[std::min(errors.size() - 1, (errors.size() * 99 + 99) / 100 - 1)];
    e.max = errors.back();
    e.ok = true;
    return e;
}

void Print(const std::string& key, const Errors& e) {
    if (!e.ok) {
        std::printf("%s.failed 1\n", key.c_str());
        return;
    }
    std::printf("%s.median_ms %.3f\n%s.p99_ms %.3f\n%s.max_ms %.3f\n", key.c_str(), e.median,
                key.c_str(), e.p99, key.c_str(), e.max);
    std::printf("%s.start_ms %.3f\n%s.missed %d\n%s.extra %d\n", key.c_str(), e.start, key.c_str(),
                e.missed, key.c_str(), e.extra);
    std::printf("%s.seam_ms %.3f\n", key.c_str(), e.seamMax);
}

std::string DefaultSoundFont() {
    for (const char* path : {"/usr/share/sounds/sf2/default-GM.sf2", "/usr/share/sounds/sf2/FluidR3_GM.sf2",
                             "/usr/share/sounds/sf2/TimGM6mb.sf2"}) {
        if (std::filesystem::exists(path)) return path;
    }
    return "";
}

}  // namespace

int main(int argc, char** argv) {
    std::string soundFont = DefaultSoundFont();
    std::string keep;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--soundfont") == 0) soundFont = argv[i + 1];
        else if (std::strcmp(argv[i], "--keep") == 0) keep = argv[i + 1];
        else return 2;
    }
    if (soundFont.empty()) {
        std::fprintf(stderr, "no SoundFont\n");
        return 1;
    }
    const std::string player = bench::ToolPath("sxplay-play").string();
    std::filesystem::path folder;
    if (keep.empty()) {
        std::string pattern = (std::filesystem::path(player).parent_path() / "onsets.XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) return 1;
        folder = pattern;
    } else {
        folder = keep;
        std::filesystem::create_directories(folder);
    }
    const bool peer = Run({"fluidsynth", "--version"}) == 0;
    std::printf("midi_soundfont %s\n", std::filesystem::path(soundFont).filename().c_str());
    for (const Case& c : {Steady(), TempoChanges(), Loop()}) {
        const std::string mid = (folder / (c.name + ".mid")).string();
        std::ofstream(mid, std::ios::binary)
            .write(reinterpret_cast<const char*>(c.file.data()), std::streamsize(c.file.size()));
        const std::string libWav = (folder / (c.name + "-library.wav")).string();
        const std::string peerWav = (folder / (c.name + "-peer.wav")).string();
        double rate = kSampleRate;
        if (Run({player, mid, "--soundfont", soundFont, "--loops", std::to_string(c.libraryLoops),
                 "--render", libWav}) == 0) {
            const std::vector<double> found = FindOnsets(ReadWav(libWav, rate), rate);
            Print("midi." + c.name + ".library", Compare(c.libraryIdeal, c.librarySeams, found));
        } else {
            std::printf("midi.%s.library.failed 1\n", c.name.c_str());
        }
        if (!peer) {
            std::printf("midi.%s.peer.missing 1\n", c.name.c_str());
            continue;
        }
        std::vector<std::string> args = {"fluidsynth", "-ni", "-q", "-F", peerWav, "-r", "44100", soundFont};
        for (int n = 0; n < c.peerCopies; ++n) args.push_back(mid);
        if (Run(args) == 0) {
            const std::vector<double> found = FindOnsets(ReadWav(peerWav, rate), rate);
            Print("midi." + c.name + ".peer", Compare(c.peerIdeal, c.peerSeams, found));
        } else {
            std::printf("midi.%s.peer.failed 1\n", c.name.c_str());
        }
    }
    if (keep.empty()) std::filesystem::remove_all(folder);
    return 0;
}
