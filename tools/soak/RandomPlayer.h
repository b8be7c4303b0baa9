#pragma once
// A player who presses random logical buttons, weighted by the screen so
// that the game really moves: exploring mostly steps deeper, battles mostly
// decide, facilities are left again before long.
#include <cstdint>
#include <random>
#include <string>

inline constexpr int32_t kNoPress = -1;

class RandomPlayer {
public:
    explicit RandomPlayer(uint32_t seed) : rng_(seed) {}
    // The logical button to press on this screen, or kNoPress to let a
    // press's worth of frames pass untouched.
    int32_t Choose(const std::string& screen);

private:
    std::mt19937 rng_;
};
