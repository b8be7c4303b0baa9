#pragma once
// Floating texts and hit effects as data for the battle screen, and the
// per-frame stepping of every presentation timer.
#include "rules/BattleState.h"

namespace TextColor {
inline constexpr Color kWhite{255, 255, 255, 255};  // damage, misses
inline constexpr Color kRed{255, 0, 0, 255};        // criticals, instant death
inline constexpr Color kCyan{0, 255, 255, 255};     // healing
inline constexpr Color kBlue{0, 0, 255, 255};       // poison
}  // namespace TextColor

// Adds a text over the unit (a finished entry is reused before the list
// grows). Draws its motion angle from the generator.
void AddFloatingText(BattleUnit& unit, Color color, const WString& text);
void AddFloatingNumber(BattleUnit& unit, Color color, int32_t value);

// Starts the skill's hit animation on the unit at a random small offset.
void StartHitEffect(BattleUnit& unit, int32_t effectId);

// The unit falls: hp 0 and the fall fade starts.
void FallUnit(BattleState& battle, BattleUnit& unit);

// Advances act animations, fall fades, texts, hit effects and the end fade
// by one frame.
void StepBattleAnimations(BattleState& battle);
