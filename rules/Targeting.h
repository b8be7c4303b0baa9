#pragma once
// Which units an action may take and the random draws that pick them.
#include <functional>

#include "rules/BattleState.h"

// Types 0-4 act on the other side, 5-9 on the actor's own.
int32_t DemandedSide(const BattleUnit& actor, const SkillData& skill);

// Standing units for every type but revive, which may take any unit.
bool IsValidTarget(const BattleUnit& unit, const SkillData& skill);

using UnitFilter = std::function<bool(const BattleUnit&)>;

// Weighted random pick among the units that pass `filter`: an index and a
// percent draw per try, accepted below 10 (front row) or 5 (back row),
// eight times that while taunting. After kMaxRedraws tries without a fit,
// the first fitting unit in list order, or -1 when none fits.
int32_t PickRandomTarget(const BattleState& battle, const UnitFilter& filter);

// Uniform random pick among the units that pass `filter`, with the same
// bound and fallback.
int32_t PickUniformUnit(const BattleState& battle, const UnitFilter& filter);
