#include "rules/Targeting.h"

#include "content/Labels.h"
#include "engine/random/Random.h"
#include "rules/BattleMath.h"

namespace {

int32_t TargetWeight(const BattleUnit& unit) {
    const int32_t weight = unit.row == 0 ? 10 : 5;
    return unit.Raised(StatusKind::kTaunt) ? weight * 8 : weight;
}

int32_t FirstFit(const BattleState& battle, const UnitFilter& filter) {
    for (size_t i = 0; i < battle.units.size(); ++i)
        if (filter(battle.units[i])) return static_cast<int32_t>(i);
    return -1;
}

int32_t LastIndex(const BattleState& battle) {
    return static_cast<int32_t>(battle.units.size()) - 1;
}

}  // namespace

int32_t DemandedSide(const BattleUnit& actor, const SkillData& skill) {
    const bool ownSide = skill.type >= 0 && skill.type < SkillType::kCount &&
                         EffectTypeSides()[skill.type] != 0;
    return ownSide ? actor.side : 1 - actor.side;
}

bool IsValidTarget(const BattleUnit& unit, const SkillData& skill) {
    return skill.type == SkillType::kRevive || (skill.type < SkillType::kRevive && unit.Standing());
}

int32_t PickRandomTarget(const BattleState& battle, const UnitFilter& filter) {
    if (battle.units.empty()) return -1;
    for (int32_t draw = 0; draw < kMaxRedraws; ++draw) {
        const int32_t index = RandomInt(0, LastIndex(battle));
        const int32_t roll = RandomInt(0, 99);
        const BattleUnit& unit = battle.units[index];
        if (roll < TargetWeight(unit) && filter(unit)) return index;
    }
    return FirstFit(battle, filter);
}

int32_t PickUniformUnit(const BattleState& battle, const UnitFilter& filter) {
    if (battle.units.empty()) return -1;
    for (int32_t draw = 0; draw < kMaxRedraws; ++draw) {
        const int32_t index = RandomInt(0, LastIndex(battle));
        if (filter(battle.units[index])) return index;
    }
    return FirstFit(battle, filter);
}
