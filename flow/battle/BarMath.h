#pragma once
// The arithmetic of the battle screen that needs no device: bar fills,
// the colours that a unit's state chooses and the packing of status icons.
#include <cstdint>

#include "engine/graphics/Geometry.h"
#include "rules/BattleUnit.h"

namespace scene_color {
inline constexpr Color kBarBack{0, 0, 0, 150};
inline constexpr Color kBlue{0, 0, 255, 255};
inline constexpr Color kCyan{0, 255, 255, 255};
inline constexpr Color kYellow{255, 255, 0, 255};
inline constexpr Color kWhite{255, 255, 255, 255};
inline constexpr Color kRed{255, 0, 0, 255};
}  // namespace scene_color

inline constexpr int32_t kPartyBarWidth = 90;
inline constexpr int32_t kEnemyBarWidth = 70;
inline constexpr int32_t kBarHeight = 10;

// Filled pixels of a bar of `width` showing `value` out of `full`:
// width - (full - value) x width / full, in integers. Values outside
// 0..full give an empty or a full bar; a full of 0 or less gives an empty one.
int32_t BarFill(int32_t width, int32_t value, int32_t full);
inline int32_t HpFill(int32_t width, int32_t hp, int32_t maxHp) {
    return BarFill(width, hp, maxHp);
}
// ep and mp run from 0 to 100.
inline int32_t PercentFill(int32_t width, int32_t value) { return BarFill(width, value, 100); }
inline int32_t GaugeFill(int32_t width, int32_t gauge) { return BarFill(width, gauge, kFullGauge); }

// A party member's name: yellow when highlighted, red when fallen, else white.
Color PartyNameColor(const BattleUnit& unit, bool highlighted);
// A party member's hp value: red when fallen, yellow below half its
// maximum, else white.
Color HpValueColor(const BattleUnit& unit);

// The distance between status icons: the icon size, or less so that
// `count` icons fit into `span` pixels.
int32_t IconAdvance(int32_t iconSize, int32_t span, int32_t count);

// Alpha of a timed fade that loses `step` per frame: 255 - step x t, never
// below 0.
uint8_t FadeAlpha(int32_t t, int32_t step);
// The alpha an enemy is drawn with: 255 while standing, the fall fade while
// it runs; -1 when it is not drawn (fled, or the fade is over).
int32_t EnemyAlpha(const BattleUnit& unit);
