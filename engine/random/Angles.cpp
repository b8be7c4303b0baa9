#include "engine/random/Angles.h"

#include <cmath>
#include <numbers>

namespace {
double g_sine[180];
bool g_filled = false;
}  // namespace

void FillSineTable() {
    for (int d = 0; d < 180; ++d) g_sine[d] = std::sin(d * std::numbers::pi / 180.0);
    g_filled = true;
}

int32_t PosMod(int32_t x, int32_t m) {
    if (m <= 0) return 0;  // no remainder exists; never loop forever
    const int32_t r = x % m;
    return r < 0 ? r + m : r;
}

double SinDeg(int32_t deg) {
    if (!g_filled) FillSineTable();
    const int32_t d = PosMod(deg, 360);
    return d < 180 ? g_sine[d] : -g_sine[d - 180];
}

double CosDeg(int32_t deg) { return SinDeg(deg + 90); }
