#pragma once
// The one process-wide random generator behind every random decision.
// MT19937 seeded with the multiplier 69069 (the original seeding).
#include <array>
#include <cstddef>
#include <cstdint>

struct RandomRange {
    int32_t a = 0, b = 0;  // both inclusive, either order
};

class Mt19937 {
public:
    void Seed(uint32_t seed);
    uint32_t Next();  // one tempered word

private:
    std::array<uint32_t, 624> state_{};
    uint32_t index_ = 625;  // unseeded: seeds itself like SeedRandom(4357)
};

// The generator itself, for code that saves and restores its state.
Mt19937& RandomGenerator();

void SeedRandom(uint32_t seed);
float Random01();
int32_t RandomInt(RandomRange range);
inline int32_t RandomInt(int32_t a, int32_t b) { return RandomInt(RandomRange{a, b}); }
