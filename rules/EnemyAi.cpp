#include "rules/EnemyAi.h"

#include <algorithm>

#include "content/ContentDatabase.h"
#include "engine/random/Random.h"
#include "rules/BattleMath.h"
#include "rules/Costs.h"
#include "rules/Targeting.h"

namespace {

bool IsFallenEnemy(const BattleUnit& unit) {
    return unit.side == UnitSide::kEnemy && unit.state == UnitState::kFallen;
}

bool Fits(const BattleState& battle, const BattleUnit& unit, int32_t skillId) {
    const SkillData& skill = SkillById(skillId);
    if (!CanPayCosts(unit, skill)) return false;
    if (skill.type != SkillType::kRevive) return true;
    return std::any_of(battle.units.begin(), battle.units.end(), IsFallenEnemy);
}

int32_t DrawAction(const std::vector<WeightedId>& actions, int32_t totalWeight) {
    int32_t r = RandomInt(0, totalWeight - 1);
    for (const WeightedId& action : actions) {
        r -= std::max(action.weight, 0);
        if (r < 0) return action.id;
    }
    return actions.back().id;
}

}  // namespace

int32_t ChooseEnemyAction(BattleState& battle, int32_t unitIndex) {
    BattleUnit& unit = battle.units[unitIndex];
    const std::vector<WeightedId>& actions = EnemyById(unit.sourceIndex).actions;
    int64_t total = 0;
    for (const WeightedId& action : actions) total += std::max(action.weight, 0);

    int32_t chosen = kNoAction;
    if (total > 0 && total <= INT32_MAX) {
        for (int32_t draw = 0; draw < kMaxRedraws && chosen == kNoAction; ++draw) {
            const int32_t skillId = DrawAction(actions, static_cast<int32_t>(total));
            if (Fits(battle, unit, skillId)) chosen = skillId;
        }
    }
    if (chosen == kNoAction) {
        for (const WeightedId& action : actions)
            if (action.weight > 0 && Fits(battle, unit, action.id)) {
                chosen = action.id;
                break;
            }
    }

    unit.chosenTarget = kAutoTarget;
    if (chosen != kNoAction && SkillById(chosen).type == SkillType::kRevive)
        unit.chosenTarget = PickUniformUnit(battle, IsFallenEnemy);
    return chosen;
}
