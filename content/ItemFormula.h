#pragma once
// Item values are linear in the quality: trunc(a * q + b) with q = quality
// / 100 as a double. A result outside int32 becomes INT32_MIN.
#include <cmath>
#include <cstdint>

struct Linear {
    double a = 0;
    double b = 0;
};

inline int32_t TruncToInt(double v) {
    if (!(v >= -2147483648.0 && v < 2147483648.0)) return INT32_MIN;
    return static_cast<int32_t>(v);  // toward zero
}

inline int32_t Eval(const Linear& f, double q) { return TruncToInt(f.a * q + f.b); }

// Quality outside 0-100 (only a caller's mistake gives one) counts as the
// nearest end.
inline double QualityFactor(int32_t quality) {
    if (quality < 0) quality = 0;
    if (quality > 100) quality = 100;
    return quality / 100.0;
}
