#include "rules/PerformAction.h"

#include <algorithm>

#include "content/ContentDatabase.h"
#include "rules/Costs.h"
#include "rules/ResolveOnTarget.h"
#include "rules/Targeting.h"

namespace {

constexpr int32_t kPlainAttack = 0;

// Pays the action's costs; false when they cannot be paid (the turn is spent).
bool PayCosts(BattleState& battle, BattleUnit& actor, const SkillData& skill) {
    if (!CanPayCosts(actor, skill)) return false;
    if (skill.itemUses > 0) {
        const int32_t slot = actor.itemSlot;
        if (slot < 0 || slot >= kCarriedSlots || battle.itemUses[slot] < 1) return false;
        --battle.itemUses[slot];
    }
    actor.mp -= skill.mpCost;
    actor.ep -= EpCostFor(actor, skill);
    if (!actor.Afflicted(StatusKind::kCowardice))
        actor.ep = std::min(100, actor.ep + 10 + actor.Ability(AbilityParam::kFightingSpirit));
    return true;
}

}  // namespace

std::vector<int32_t> TakeTargets(const BattleState& battle, int32_t targetIndex,
                                 int32_t actorIndex, const SkillData& skill) {
    const BattleUnit& actor = battle.units[actorIndex];
    const int32_t side = DemandedSide(actor, skill);
    auto validOnSide = [&skill, side](const BattleUnit& u) {
        return u.side == side && IsValidTarget(u, skill);
    };
    std::vector<int32_t> targets;
    const int32_t hits = std::max(skill.hits, 0);
    const int32_t count = static_cast<int32_t>(battle.units.size());

    if (targetIndex != kAutoTarget && skill.targetKind == TargetKind::kOne) {
        int32_t index = targetIndex;
        if (index < 0 || index >= count || !IsValidTarget(battle.units[index], skill))
            index = PickRandomTarget(battle, validOnSide);
        if (index >= 0) targets.assign(hits, index);
        return targets;
    }

    for (int32_t hit = 0; hit < hits; ++hit) {
        switch (skill.targetKind) {
            case TargetKind::kOne:
            case TargetKind::kRandom:
                targets.push_back(PickRandomTarget(battle, validOnSide));
                break;
            case TargetKind::kSelf:
                targets.push_back(actorIndex);
                break;
            case TargetKind::kIndiscriminate:
                targets.push_back(PickRandomTarget(battle, [&](const BattleUnit& u) {
                    return &u != &actor && IsValidTarget(u, skill);
                }));
                break;
            default:
                for (int32_t i = 0; i < count; ++i) {
                    const BattleUnit& u = battle.units[i];
                    const bool self = i == actorIndex;
                    const bool own = u.side == actor.side;
                    bool take = false;
                    switch (skill.targetKind) {
                        case TargetKind::kAll: take = validOnSide(u); break;
                        case TargetKind::kEveryone: take = u.Standing(); break;
                        case TargetKind::kOthers: take = u.Standing() && own && !self; break;
                        case TargetKind::kAllies: take = u.Standing() && own; break;
                        case TargetKind::kAllButSelf: take = u.Standing() && !self; break;
                        default: break;
                    }
                    if (take) targets.push_back(i);
                }
                break;
        }
    }
    std::erase(targets, -1);
    return targets;
}

void PerformAction(BattleState& battle, int32_t targetIndex, int32_t actorIndex, int32_t skillId) {
    BattleUnit& actor = battle.units[actorIndex];
    const SkillData* skill = &SkillById(skillId);
    std::vector<int32_t> targets;
    if (actor.Afflicted(StatusKind::kConfusion)) {
        skill = &SkillById(kPlainAttack);
        const int32_t index = PickRandomTarget(battle, [](const BattleUnit& u) { return u.Standing(); });
        if (index >= 0) targets.push_back(index);
    } else {
        targets = TakeTargets(battle, targetIndex, actorIndex, *skill);
    }

    if (PayCosts(battle, actor, *skill)) {
        for (int32_t target : targets) {
            // A unit that fell to an earlier hit of this same action is not
            // struck again (its fall would restart, its ep grow).
            if (skill->type != SkillType::kEscape && !IsValidTarget(battle.units[target], *skill))
                continue;
            if (!ResolveOnTarget(battle, target, actorIndex, *skill, 0)) break;
        }
        const WString& sound = EffectById(skill->effect).sound;
        if (!sound.Empty()) battle.soundRequests.push_back(sound);
    }

    for (BattleUnit& unit : battle.units)
        if (!unit.Standing()) ClearBattleStatus(unit);
}
