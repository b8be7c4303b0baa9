#include "engine/random/Random.h"

void Mt19937::Seed(uint32_t seed) {
    state_[0] = seed;
    for (size_t i = 1; i < state_.size(); ++i) state_[i] = state_[i - 1] * 69069u;
    index_ = 624;
}

uint32_t Mt19937::Next() {
    constexpr uint32_t kUpper = 0x80000000u, kLower = 0x7FFFFFFFu, kMatrix = 0x9908B0DFu;
    if (index_ > 624) Seed(4357);
    if (index_ >= 624) {
        for (size_t i = 0; i < 624; ++i) {
            const uint32_t y = (state_[i] & kUpper) | (state_[(i + 1) % 624] & kLower);
            state_[i] = state_[(i + 397) % 624] ^ (y >> 1) ^ ((y & 1u) ? kMatrix : 0u);
        }
        index_ = 0;
    }
    uint32_t y = state_[index_++];
    y ^= y >> 11;
    y ^= (y << 7) & 0x9D2C5680u;
    y ^= (y << 15) & 0xEFC60000u;
    y ^= y >> 18;
    return y;
}

Mt19937& RandomGenerator() {
    static Mt19937 generator;
    return generator;
}

void SeedRandom(uint32_t seed) { RandomGenerator().Seed(seed); }

float Random01() {
    return static_cast<float>(static_cast<double>(RandomGenerator().Next()) / 4294967296.0);
}

int32_t RandomInt(RandomRange range) {
    const int64_t lo = range.a < range.b ? range.a : range.b;
    const int64_t hi = range.a < range.b ? range.b : range.a;
    const auto r = static_cast<int64_t>(static_cast<double>(Random01()) *
                                        static_cast<double>(hi - lo + 1));
    const int64_t v = lo + r;
    return static_cast<int32_t>(v > hi ? hi : v);
}
