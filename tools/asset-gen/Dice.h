#pragma once
// Deterministic randomness for the generator: every asset seeds its own
// generator from its file name, so the same build writes the same bytes no
// matter in which order (or on how many threads) the assets are made.
#include <cstdint>
#include <string_view>

namespace assetgen {

// FNV-1a over the bytes of a name, mixed with an optional salt.
constexpr uint64_t HashName(std::string_view name, uint64_t salt = 0) {
    uint64_t h = 1469598103934665603ull ^ (salt * 0x9E3779B97F4A7C15ull);
    for (char c : name) {
        h ^= static_cast<uint8_t>(c);
        h *= 1099511628211ull;
    }
    return h;
}

// splitmix64: small, fast and good enough for painting and composing.
class Dice {
public:
    explicit Dice(uint64_t seed) : state_(seed) {}
    uint64_t Next() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform in [0, 1).
    double Unit() { return double(Next() >> 11) * (1.0 / 9007199254740992.0); }
    float Range(float lo, float hi) { return lo + float(Unit()) * (hi - lo); }
    // Uniform integer in [lo, hi], both ends included.
    int Int(int lo, int hi) { return lo + int(Next() % uint64_t(hi - lo + 1)); }
    bool Chance(double p) { return Unit() < p; }
    template <typename T, size_t N>
    const T& Pick(const T (&items)[N]) { return items[Next() % N]; }

private:
    uint64_t state_;
};

}  // namespace assetgen
