#include "rules/StatusEffects.h"

#include "content/Labels.h"
#include "engine/random/Random.h"
#include "rules/BattleMath.h"

namespace {

// The target's resistance to a lowering or an ailment of `kind` (0-22).
int32_t Resistance(const BattleUnit& target, int32_t kind) {
    if (kind < StatusKind::kElement) return target.Ability(AbilityParam::kParamLowerResist);
    if (kind < StatusKind::kPoison) return target.Ability(AbilityParam::kElementLowerResist);
    return target.Ability(AbilityParam::kPoisonResist + kind - StatusKind::kPoison);
}

// The strength g of an infliction that succeeded, 0 when it failed.
int32_t InflictionStrength(const BattleUnit& actor, const BattleUnit& target, int32_t kind,
                           int32_t chance) {
    if (kind == StatusKind::kDeath) {
        int32_t p = Trunc(chance / 100.0 * (100 - target.Ability(AbilityParam::kDeathResist)));
        p = Trunc((actor.Ability(AbilityParam::kDeathChanceUp) + 100) / 100.0 * p);
        return Roll(p) ? p : 0;
    }
    if (kind == StatusKind::kDoom) {
        const int32_t p = Trunc(chance / 100.0 * 100);
        return Roll(p) ? p : 0;
    }
    const int32_t p = Trunc(chance / 100.0 * (100 - Resistance(target, kind)));
    const int32_t odds = Trunc(p * (actor.Ability(AbilityParam::kLowerChanceUp) + 100) / 100.0);
    const int32_t g = Roll(odds) ? p : 0;
    return Trunc((actor.Ability(AbilityParam::kLowerEffectUp) + 100) / 100.0 * g);
}

// Clears `count` random entries of `kinds` (all when there are fewer).
void ClearRandom(BattleUnit& target, std::vector<int32_t> kinds, int32_t count) {
    if (static_cast<int32_t>(kinds.size()) < count) {
        for (int32_t kind : kinds) target.ClearStatus(kind);
        return;
    }
    for (int32_t i = 0; i < count; ++i) {
        const int32_t pick = RandomInt(0, static_cast<int32_t>(kinds.size()) - 1);
        target.ClearStatus(kinds[pick]);
        kinds.erase(kinds.begin() + pick);
    }
}

std::vector<int32_t> KindsMarked(const BattleUnit& target, int32_t mark) {
    std::vector<int32_t> kinds;
    for (int32_t kind = 0; kind < StatusKind::kCount; ++kind)
        if (kind != StatusKind::kDoom && target.statusMark[kind] == mark) kinds.push_back(kind);
    return kinds;
}

}  // namespace

void InflictStatuses(const BattleUnit& actor, BattleUnit& target, const SkillData& skill) {
    const auto& categories = StatusCategories();
    for (int32_t kind = 0; kind < StatusKind::kCount; ++kind) {
        const int32_t chance = skill.statusChance[kind];
        if (chance <= 0 || categories[kind] == StatusCategory::kBeneficial) continue;
        // "予防" keeps every ailment off while it lasts.
        if (categories[kind] == StatusCategory::kAilment && target.Raised(StatusKind::kPrevention)) continue;
        const int32_t g = InflictionStrength(actor, target, kind, chance);
        if (g <= 0) continue;
        if (target.Raised(kind)) {
            target.ClearStatus(kind);
            continue;
        }
        const int32_t time = Trunc(StatusBaseDuration(kind) * g / 100.0);
        if (time > target.statusTime[kind]) target.statusTime[kind] = time;
        target.statusMark[kind] = StatusMark::kAfflicted;
    }
}

void SupportStatuses(const BattleUnit& actor, BattleUnit& target, const SkillData& skill) {
    const auto& categories = StatusCategories();
    const int32_t supportUp = actor.Ability(AbilityParam::kSupportUp);
    for (int32_t kind = 0; kind < StatusKind::kCount; ++kind) {
        const int32_t chance = skill.statusChance[kind];
        if (chance <= 0) continue;
        const bool ailment = categories[kind] == StatusCategory::kAilment;
        if (Roll(chance) && !ailment) {
            if (target.Afflicted(kind)) {
                target.ClearStatus(kind);
            } else {
                target.statusMark[kind] = StatusMark::kRaised;
                target.statusTime[kind] = Trunc(StatusBaseDuration(kind) * (supportUp + 100) / 100.0);
            }
        } else if (Roll(chance) && ailment) {
            target.ClearStatus(kind);
        }
    }
}

void CureAilments(BattleUnit& target, int32_t count) {
    ClearRandom(target, KindsMarked(target, StatusMark::kAfflicted), count);
}

void DispelRaises(BattleUnit& target, int32_t count) {
    ClearRandom(target, KindsMarked(target, StatusMark::kRaised), count);
}
