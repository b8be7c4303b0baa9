#include "flow/battle/BarMath.h"

#include <algorithm>

int32_t BarFill(int32_t width, int32_t value, int32_t full) {
    if (full <= 0 || width <= 0) return 0;
    const int64_t clamped = std::clamp<int64_t>(value, 0, full);
    // 64 bits: an enemy's hp times the bar width may pass the 32-bit range.
    const int64_t missing = (int64_t{full} - clamped) * width / full;
    return static_cast<int32_t>(width - missing);
}

Color PartyNameColor(const BattleUnit& unit, bool highlighted) {
    if (highlighted) return scene_color::kYellow;
    if (unit.state == UnitState::kFallen) return scene_color::kRed;
    return scene_color::kWhite;
}

Color HpValueColor(const BattleUnit& unit) {
    if (unit.state == UnitState::kFallen) return scene_color::kRed;
    if (unit.hp < unit.maxHp / 2) return scene_color::kYellow;
    return scene_color::kWhite;
}

int32_t IconAdvance(int32_t iconSize, int32_t span, int32_t count) {
    if (count <= 0) return iconSize;
    return std::min(iconSize, span / count);
}

uint8_t FadeAlpha(int32_t t, int32_t step) {
    return static_cast<uint8_t>(std::clamp(255 - step * t, 0, 255));
}

int32_t EnemyAlpha(const BattleUnit& unit) {
    if (unit.Standing()) return 255;
    if (unit.state == UnitState::kFallen && unit.fallFrame >= 0 &&
        unit.fallFrame < kUnitAnimationFrames)
        return FadeAlpha(unit.fallFrame, 8);
    return -1;
}
