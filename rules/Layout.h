#pragma once
// Places the battle units on the 640 x 480 screen, each side in one line.
#include "rules/BattleState.h"

inline constexpr int32_t kPortraitSize = 150;
inline constexpr double kEnemyDrawScale = 1.4;

// The drawn size of a unit: party portraits are square, enemies are drawn
// larger than the size recorded with their picture.
Size UnitDrawSize(const BattleUnit& unit);

// Left to right per side with equal gaps; fallen enemies take no place.
void LayoutUnits(BattleState& battle);
