#pragma once
// The arithmetic every battle rule shares: real-valued steps are computed in
// double precision and cut toward zero before the next step, and chance
// tests draw from the one process-wide generator.
#include <cmath>
#include <cstdint>
#include <limits>

// Cuts toward zero. Values beyond the int32 range saturate rather than
// wrap, so a huge hit never turns into healing.
inline int32_t Trunc(double value) {
    if (std::isnan(value)) return 0;
    if (value >= 2147483647.0) return std::numeric_limits<int32_t>::max();
    if (value <= -2147483648.0) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(value);
}

inline int32_t Saturate(int64_t value) {
    if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (value < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(value);
}

// True when p is greater than a draw from 0 to n - 1: p <= 0 never
// succeeds, p >= n always does. The draw is made either way, so the
// sequence of draws does not depend on the odds.
bool Roll(int32_t p, int32_t n = 100);

// How many draws a "draw again until it fits" loop may make before it falls
// back to a deterministic scan.
inline constexpr int32_t kMaxRedraws = 10000;
