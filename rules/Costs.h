#pragma once
// What an action costs the unit that performs it: "EP節約" takes its
// percentage off the EP cost (truncated, so a cost never rises).
#include "content/Records.h"
#include "rules/BattleUnit.h"

int32_t EpCostFor(const BattleUnit& unit, const SkillData& skill);

// The unit holds enough EP and MP for the skill.
bool CanPayCosts(const BattleUnit& unit, const SkillData& skill);
