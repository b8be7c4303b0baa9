// Parse-and-merge throughput of the MIDI song loader on a large generated
// file (16 tracks, about 12 MiB).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "sxplay/core/Song.h"

namespace {

void Delta(std::vector<uint8_t>& out, uint32_t ticks) {
    uint8_t groups[5];
    int n = 0;
    do {
        groups[n++] = ticks & 0x7F;
        ticks >>= 7;
    } while (ticks != 0);
    while (n-- > 0) out.push_back(groups[n] | (n > 0 ? 0x80 : 0));
}

std::vector<uint8_t> LargeFile() {
    std::vector<uint8_t> file = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1, 0, 16, 0x01, 0xE0};
    for (uint8_t track = 0; track < 16; ++track) {
        std::vector<uint8_t> events;
        const uint8_t ch = track;
        for (uint32_t i = 0; i < 100000; ++i) {
            const uint8_t note = uint8_t(36 + (i * 7 + track * 5) % 60);
            Delta(events, (i + track) % 3 == 0 ? 0 : 60 + (i % 4) * 30);
            events.insert(events.end(), {uint8_t(0x90 | ch), note, 90});
            Delta(events, 55);
            events.insert(events.end(), {uint8_t(0x80 | ch), note, 0});
            if (i % 64 == 0) {
                Delta(events, 0);
                events.insert(events.end(), {uint8_t(0xB0 | ch), 7, uint8_t(80 + i % 40)});
            }
        }
        events.insert(events.end(), {0, 0xFF, 0x2F, 0});
        file.insert(file.end(), {'M', 'T', 'r', 'k'});
        const uint32_t n = uint32_t(events.size());
        file.insert(file.end(), {uint8_t(n >> 24), uint8_t(n >> 16), uint8_t(n >> 8), uint8_t(n)});
        file.insert(file.end(), events.begin(), events.end());
    }
    return file;
}

void ParseAndMerge(benchmark::State& state) {
    const std::vector<uint8_t> file = LargeFile();
    sx::Song song;
    for (auto _ : state) {
        if (sx::ParseSong(file.data(), file.size(), song) != 0) state.SkipWithError("parse failed");
        benchmark::DoNotOptimize(song.events.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(file.size()));
    state.counters["file_MiB"] = double(file.size()) / (1 << 20);
    state.counters["events"] = double(song.events.size());
    state.counters["steps"] = double(song.StepCount());
}
BENCHMARK(ParseAndMerge)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
