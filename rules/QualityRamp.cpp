#include "rules/QualityRamp.h"

#include <algorithm>

#include "engine/random/Random.h"
#include "rules/BattleMath.h"

int32_t RampQuality(int32_t base, int32_t spread, int32_t position, int32_t low, int32_t high) {
    int32_t t = 0;
    if (high > low) {
        const int64_t ramp = (int64_t{position} - low) * 70 / (int64_t{high} - low);
        // Callers keep the position inside the window; clamping keeps a
        // damaged row from overflowing the draw below.
        t = static_cast<int32_t>(std::clamp<int64_t>(ramp, 0, 70));
    }
    const int32_t u = RandomInt(t, t + 30);
    return Trunc(base + static_cast<double>(spread) * u / 100);
}
