#include "rules/Costs.h"

#include <algorithm>

#include "rules/BattleMath.h"

int32_t EpCostFor(const BattleUnit& unit, const SkillData& skill) {
    const int32_t saving = std::clamp(unit.Ability(AbilityParam::kEpSaver), 0, 100);
    return skill.epCost - Trunc(skill.epCost * saving / 100.0);
}

bool CanPayCosts(const BattleUnit& unit, const SkillData& skill) {
    return unit.mp >= skill.mpCost && unit.ep >= EpCostFor(unit, skill);
}
