#include "tools/autoplay/BattlePolicy.h"

#include <algorithm>

#include "content/ContentDatabase.h"
#include "engine/input/Input.h"
#include "rules/CommandInput.h"

namespace {

bool Affordable(const BattleState& battle, const BattleUnit& unit, int32_t command) {
    const SkillData& skill = SkillById(command);
    if (skill.name.Empty()) return false;
    if (skill.mpCost > unit.mp || skill.epCost > unit.ep) return false;
    if (command >= kItemCommandBase) {
        const int32_t slot = command - kItemCommandBase;
        return slot < kCarriedSlots && battle.itemUses[size_t(slot)] >= 1;
    }
    return true;
}

double HpShare(const BattleUnit& u) {
    return u.maxHp > 0 ? static_cast<double>(u.hp) / u.maxHp : 1.0;
}

bool Damaging(const SkillData& skill) {
    return skill.type >= SkillType::kPhysical && skill.type <= SkillType::kFixed;
}

// Kinds that can strike the party too are never chosen.
bool AimsAtEnemiesOnly(const SkillData& skill) {
    return skill.targetKind == TargetKind::kOne || skill.targetKind == TargetKind::kAll ||
           skill.targetKind == TargetKind::kRandom;
}

double HealAmount(const BattleUnit& actor, const SkillData& skill) {
    if (skill.subtype == RecoveryPool::kHp)
        return actor.Stat(BaseParam::kMag) * (skill.power / 100.0) *
               (100.0 + actor.Ability(AbilityParam::kHealUp)) / 100.0;
    if (skill.subtype == RecoveryPool::kAll) return 100.0 * skill.power;
    return 0;
}

constexpr int32_t kFirstAilment = StatusKind::kPoison;
constexpr int32_t kLastAilment = StatusKind::kDeath;

bool HasAilment(const BattleUnit& u) {
    for (int32_t kind = kFirstAilment; kind <= kLastAilment; ++kind)
        if (u.Afflicted(kind)) return true;
    return false;
}

// A support skill's raises the unit lacks (ailments it lifts do not count).
bool LacksRaise(const BattleUnit& u, const SkillData& skill) {
    for (int32_t kind = 0; kind < StatusKind::kCount; ++kind) {
        if (skill.statusChance[size_t(kind)] <= 0) continue;
        if (kind >= kFirstAilment && kind <= kLastAilment) continue;
        if (kind == StatusKind::kDoom) continue;
        if (!u.Raised(kind)) return true;
    }
    return false;
}

// Own-side units the support would reach that lack one of its raises: the
// count, and for a skill aimed at one unit, which (the actor first).
int32_t SupportReach(const BattleState& battle, int32_t actorIndex, const SkillData& skill,
                     int32_t& aim) {
    const BattleUnit& actor = battle.units[size_t(actorIndex)];
    aim = kAutoTarget;
    if (skill.targetKind == TargetKind::kSelf) return LacksRaise(actor, skill) ? 1 : 0;
    int32_t count = 0;
    for (size_t i = 0; i < battle.units.size(); ++i) {
        const BattleUnit& u = battle.units[i];
        if (u.side != actor.side || !u.Standing() || !LacksRaise(u, skill)) continue;
        const bool self = static_cast<int32_t>(i) == actorIndex;
        if (skill.targetKind == TargetKind::kOthers && self) continue;
        ++count;
        if (skill.targetKind == TargetKind::kOne && (aim == kAutoTarget || self))
            aim = static_cast<int32_t>(i);
    }
    if (skill.targetKind == TargetKind::kOne) return count > 0 ? 1 : 0;
    return count;
}

}  // namespace

double ExpectedHit(const BattleUnit& actor, const SkillData& skill, const BattleUnit& target) {
    double d = 0;
    switch (skill.type) {
        case SkillType::kPhysical:
            d = actor.Stat(BaseParam::kAtk) * skill.power / 100.0 *
                (100 - target.Ability(AbilityParam::kPhysicalResist)) / 100.0;
            break;
        case SkillType::kMagic:
            d = actor.Stat(BaseParam::kMag) * skill.power / 100.0 *
                (100 - target.Ability(AbilityParam::kMagicResist)) / 100.0;
            break;
        case SkillType::kBreath:
            d = (actor.Stat(BaseParam::kAtk) + actor.Stat(BaseParam::kMag)) * skill.power / 200.0 *
                (100 - target.Ability(AbilityParam::kBreathResist)) / 100.0;
            break;
        case SkillType::kFixed:
            if (skill.subtype == FixedDamageBase::kCurrentHp) d = target.hp * skill.power / 100.0;
            else if (skill.subtype == FixedDamageBase::kMaxHp) d = target.maxHp * skill.power / 100.0;
            else d = skill.power;
            break;
        default:
            return 0;
    }
    const int32_t element = std::clamp(skill.element, 0, Element::kCount - 1);
    // An element the target absorbs heals it: worth nothing, or less.
    if (target.Ability(AbilityParam::kElementAbsorb + element) > 0) return -d;
    d *= (100.0 + actor.Ability(AbilityParam::kElementAttackUp + element)) / 100.0;
    d *= (100.0 - target.Ability(AbilityParam::kElementResist + element)) / 100.0;
    return std::max(d, 0.0);
}

BattleChoice ChooseBattleCommand(const BattleState& battle, const std::vector<int32_t>& commands,
                                 int32_t unitIndex, bool quest) {
    BattleChoice none;
    if (unitIndex < 0 || unitIndex >= static_cast<int32_t>(battle.units.size()) || commands.empty())
        return none;
    const BattleUnit& actor = battle.units[size_t(unitIndex)];
    int32_t fallen = -1, hurt = -1, hurtCount = 0;
    std::vector<int32_t> enemies;
    for (size_t i = 0; i < battle.units.size(); ++i) {
        const BattleUnit& u = battle.units[i];
        if (u.side == UnitSide::kEnemy) {
            if (u.Standing()) enemies.push_back(static_cast<int32_t>(i));
            continue;
        }
        if (u.state == UnitState::kFallen && fallen < 0) fallen = static_cast<int32_t>(i);
        if (u.Standing() && HpShare(u) < kHealBelow) {
            ++hurtCount;
            if (hurt < 0 || HpShare(u) < HpShare(battle.units[size_t(hurt)]))
                hurt = static_cast<int32_t>(i);
        }
    }

    int32_t ailing = -1;
    for (size_t i = 0; i < battle.units.size(); ++i)
        if (battle.units[i].side == UnitSide::kParty && battle.units[i].Standing() &&
            HasAilment(battle.units[i]) && ailing < 0)
            ailing = static_cast<int32_t>(i);

    BattleChoice revive, heal, cure, support, attack;
    double bestHeal = 0, bestAttack = 0;
    int32_t bestReach = 0;
    for (int32_t command : commands) {
        if (!Affordable(battle, actor, command)) continue;
        const SkillData& skill = SkillById(command);
        const bool single = skill.targetKind == TargetKind::kOne;
        const bool item = command >= kItemCommandBase;
        if (skill.type == SkillType::kRevive && fallen >= 0) {
            if (revive.command < 0 || (!item && revive.command >= kItemCommandBase))
                revive = {command, single ? fallen : kAutoTarget};
        } else if (skill.type == SkillType::kRecovery && hurt >= 0) {
            double amount = HealAmount(actor, skill);
            if (!single) amount *= std::max(hurtCount, 1);
            if (item) amount *= 0.8;  // uses are few: skills first
            if (amount > bestHeal) {
                bestHeal = amount;
                heal = {command, single ? hurt : kAutoTarget};
            }
        } else if (skill.type == SkillType::kCure && ailing >= 0 && cure.command < 0) {
            cure = {command, single ? ailing : kAutoTarget};
        } else if (skill.type == SkillType::kSupport && quest && !item) {
            // Raises are worth a turn in a long fight: a bounty's.
            int32_t aim = kAutoTarget;
            const int32_t reach = SupportReach(battle, unitIndex, skill, aim);
            if (reach > bestReach) {
                bestReach = reach;
                support = {command, single ? aim : kAutoTarget};
            }
        } else if (Damaging(skill) && AimsAtEnemiesOnly(skill) && !enemies.empty()) {
            const int32_t hits = std::max(skill.hits, 1);
            double value = 0;
            int32_t aim = kAutoTarget;
            if (single) {
                // Damage that lands, with a bonus for a unit it fells.
                for (int32_t e : enemies) {
                    const BattleUnit& enemy = battle.units[size_t(e)];
                    const double dealt = ExpectedHit(actor, skill, enemy) * hits;
                    double worth = std::min(dealt, static_cast<double>(enemy.hp));
                    if (dealt >= enemy.hp) worth *= 1.5;
                    if (worth > value) {
                        value = worth;
                        aim = e;
                    }
                }
            } else {
                for (int32_t e : enemies) {
                    const BattleUnit& enemy = battle.units[size_t(e)];
                    value += std::min(ExpectedHit(actor, skill, enemy) * hits,
                                      static_cast<double>(enemy.hp));
                }
                if (skill.targetKind == TargetKind::kRandom) value /= enemies.size();
            }
            if (skill.mpCost > 0 || skill.epCost > 0) value *= 0.9;
            if (item) value *= quest ? 0.9 : 0.3;
            if (value > bestAttack) {
                bestAttack = value;
                attack = {command, single ? aim : kAutoTarget};
            }
        }
    }
    if (revive.command >= 0) return revive;
    if (heal.command >= 0) return heal;
    if (cure.command >= 0) return cure;
    if (support.command >= 0) return support;
    if (attack.command >= 0) return attack;
    // Nothing sensible: the first command (the basic attack) on any enemy.
    return {commands.front(), enemies.empty() ? kAutoTarget : enemies.front()};
}

int32_t TargetButton(const BattleState& battle, int32_t wanted) {
    if (wanted < 0 || wanted >= static_cast<int32_t>(battle.units.size())) return kDecide;
    if (battle.targetSide != battle.units[size_t(wanted)].side) return kUp;
    const auto at = std::find(battle.candidates.begin(), battle.candidates.end(), wanted);
    if (at == battle.candidates.end()) return kDecide;
    const int32_t n = static_cast<int32_t>(battle.candidates.size());
    const int32_t index = static_cast<int32_t>(at - battle.candidates.begin());
    if (index == battle.cursor) return kDecide;
    const int32_t forward = ((index - battle.cursor) % n + n) % n;
    return forward <= n - forward ? kRight : kLeft;
}

PolicyChoice AutoplayCommandPolicy(const BattleState& battle, const PartyState&, int32_t unitIndex) {
    const BattleChoice choice = ChooseBattleCommand(battle, battle.commands, unitIndex, battle.quest >= 0);
    return PolicyChoice{choice.command, choice.target};
}
