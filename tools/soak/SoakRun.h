#pragma once
// The soak: the real game, started and drawn headless, played frame after
// frame by a random player, with a save and a load every few thousand
// frames. It judges what a long run shows: screens never reached, slow or
// hung frames, a load that does not give back what was saved, and memory
// that keeps growing once everything has been seen.
#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <map>
#include <string>
#include <vector>

struct SoakOptions {
    uint64_t frames = 1'000'000;
    uint32_t seed = 1;
    uint64_t saveEvery = 3000;    // frames between save-and-load rounds, done at the town menu
    uint64_t restartEvery = 0;    // frames between restarts of the game (0: never)
    double frameLimitMs = 1000;   // a frame slower than this is a failure
    double hangLimitMs = 30000;   // a frame still running after this stops the run
    bool requireAllScreens = true;  // else only the six modes
    bool checkMemory = true;
    size_t memoryLimitBytes = size_t(24) << 20;
    uint64_t progressEvery = 100'000;  // frames between progress lines (0: none)
    double minutes = 0;  // stop after this long even if frames remain (0: no limit)
};

struct ScreenCount {
    uint64_t frames = 0;  // frames spent on the screen
    uint64_t visits = 0;  // times the game came to it from another screen
};

struct MemorySample {
    uint64_t frame = 0;
    size_t heap = 0;
    size_t resident = 0;
};

struct SoakResult {
    uint64_t frames = 0;
    double seconds = 0;
    std::map<std::string, ScreenCount> screens;
    double slowestMs = 0;
    uint64_t slowestFrame = 0;
    std::string slowestScreen;
    uint64_t slowFrames = 0;
    uint64_t saveRounds = 0;
    uint64_t restarts = 0;
    std::vector<MemorySample> memory;  // at the town menu after each save round
    size_t glyphs = 0;
    std::vector<std::string> failures;
};

// Runs on a started game (StartGame) in a working folder whose saves may be
// written and loaded freely.
SoakResult RunSoak(const SoakOptions& options, std::ostream& progress);

// Heap growth between the second quarter of the run and the last, each
// taken at its lowest sample (transient use does not count, a leak raises
// the floor). False when either quarter has no sample.
bool MemoryGrowth(const std::vector<MemorySample>& samples, uint64_t frames, long long& growth);

void PrintSoakReport(const SoakResult& result, std::ostream& out);
