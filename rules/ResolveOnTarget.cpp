#include "rules/ResolveOnTarget.h"

#include <algorithm>

#include "engine/random/Random.h"
#include "rules/BattleEffects.h"
#include "rules/BattleMath.h"
#include "rules/BattleState.h"
#include "rules/Layout.h"
#include "rules/StatusEffects.h"
#include "rules/Targeting.h"

namespace {

using namespace AbilityParam;

const WString& MissText() {
    static const WString text("ミス");
    return text;
}
const WString& DeathText() {
    static const WString text("即死");
    return text;
}
const WString& ReflectText() {
    static const WString text("反射");
    return text;
}

double LostShare(const BattleUnit& unit) {
    return unit.maxHp > 0 ? static_cast<double>(unit.maxHp - unit.hp) / unit.maxHp : 0.0;
}

// -1 lowered, +1 raised, 0 neither.
int32_t Shift(const BattleUnit& unit, int32_t kind) {
    return unit.Raised(kind) ? 1 : unit.Afflicted(kind) ? -1 : 0;
}

// A lowered guard lets more through; a raised one less.
int32_t GuardFactor(int32_t d, const BattleUnit& target, int32_t kind) {
    if (target.Afflicted(kind)) return Trunc(d * 1.5);
    if (target.Raised(kind)) return Trunc(d * 0.67);
    return d;
}

int32_t PowerFactor(int32_t d, const BattleUnit& actor, int32_t kind) {
    if (actor.Afflicted(kind)) return Trunc(d * 0.67);
    if (actor.Raised(kind)) return Trunc(d * 1.5);
    return d;
}

int32_t AddCapped(int32_t value, int64_t amount, int32_t cap) {
    return Saturate(std::clamp<int64_t>(int64_t{value} + amount, INT32_MIN, cap));
}

int32_t AddToPool(int32_t value, int64_t amount) {
    return Saturate(std::clamp<int64_t>(int64_t{value} + amount, 0, 100));
}

double SpeedBonus(const BattleUnit& actor, const BattleUnit& target) {
    const int32_t actorSp = actor.Stat(BaseParam::kSp);
    const int32_t targetSp = target.Stat(BaseParam::kSp);
    const int32_t pursuit = actor.Ability(kPursuit);
    if (actorSp <= targetSp || actorSp == 0 || pursuit == 0) return 1.0;
    // A target without speed would divide by zero: the bonus is then at its cap.
    if (targetSp <= 0) return pursuit > 0 ? 2.0 : 1.0;
    return std::min(2.0, pursuit / 100.0 * (static_cast<double>(actorSp) / targetSp) + 1.0);
}

// Halves d once per side that stands in both rows, when the actor (or else
// the target) of that side is in the back row.
int32_t RowFactor(const BattleState& battle, const BattleUnit& actor, const BattleUnit& target,
                  int32_t d) {
    for (int32_t side : {UnitSide::kParty, UnitSide::kEnemy}) {
        bool front = false, back = false;
        for (const BattleUnit& unit : battle.units) {
            if (unit.side != side || !unit.Standing()) continue;
            (unit.row == 0 ? front : back) = true;
        }
        if (!front || !back) continue;
        if ((actor.side == side && actor.row == 1) || (target.side == side && target.row == 1))
            d /= 2;
    }
    return d;
}

void Heal(BattleUnit& target, int32_t amount, int32_t pool) {
    int32_t shown = amount;
    switch (pool) {
        case RecoveryPool::kHp: target.hp = AddCapped(target.hp, amount, target.maxHp); break;
        case RecoveryPool::kEp: target.ep = AddToPool(target.ep, amount); break;
        case RecoveryPool::kMp: target.mp = AddToPool(target.mp, amount); break;
        case RecoveryPool::kEpMp:
            target.ep = AddToPool(target.ep, amount);
            target.mp = AddToPool(target.mp, amount);
            if (amount != 0) AddFloatingNumber(target, TextColor::kCyan, amount);
            break;
        case RecoveryPool::kAll:
            target.ep = AddToPool(target.ep, amount);
            target.mp = AddToPool(target.mp, amount);
            AddFloatingNumber(target, TextColor::kCyan, amount);
            AddFloatingNumber(target, TextColor::kCyan, amount);
            shown = Saturate(int64_t{target.maxHp} * amount / 100);
            target.hp = AddCapped(target.hp, shown, target.maxHp);
            break;
        default: break;
    }
    if (shown != 0) AddFloatingNumber(target, TextColor::kCyan, shown);
}

bool Revive(BattleState& battle, BattleUnit& actor, BattleUnit& target, const SkillData& skill) {
    if (target.state != UnitState::kFallen) {
        AddFloatingText(target, TextColor::kWhite, MissText());
        return true;
    }
    int32_t a = Trunc(actor.Stat(BaseParam::kMag) * static_cast<double>(skill.power) / 100);
    a = Trunc((actor.Ability(kHealUp) + 100) / 100.0 * a);
    target.state = UnitState::kStanding;
    target.fallFrame = -1;
    InitBattleStatus(target, true);
    // A unit standing at 0 hp could never fall again: it gets at least 1.
    target.hp = std::clamp(a, 1, std::max(target.maxHp, 1));
    AddFloatingNumber(target, TextColor::kCyan, target.hp);
    if (target.side == UnitSide::kEnemy) LayoutUnits(battle);
    return true;
}

// EP that a rule grants the unit; a cowardly unit gains none.
void GainEp(BattleUnit& unit, int32_t amount) {
    if (amount > 0 && !unit.Afflicted(StatusKind::kCowardice)) unit.ep = AddToPool(unit.ep, amount);
}

// A unit granted "自動復活" rises again at once instead of falling: the
// state is used up, the unit comes back as a revival would (statuses from
// its lineage, gauge bonus, EP and MP kept) with a quarter of its hp.
bool RiseAgain(BattleUnit& unit) {
    if (!unit.Raised(StatusKind::kAutoRevive)) return false;
    ClearBattleStatus(unit);
    InitBattleStatus(unit, true);
    unit.hp = std::max(unit.maxHp / 4, 1);
    AddFloatingNumber(unit, TextColor::kCyan, unit.hp);
    return true;
}

void FallOrRise(BattleState& battle, BattleUnit& unit) {
    if (!RiseAgain(unit)) FallUnit(battle, unit);
}

bool TurnStart(BattleState& battle, int32_t unitIndex) {
    BattleUnit& unit = battle.units[unitIndex];
    if (unit.Afflicted(StatusKind::kDoom) && Roll(20)) {
        AddFloatingText(unit, TextColor::kRed, DeathText());
        if (!RiseAgain(unit)) {
            FallUnit(battle, unit);
            ClearBattleStatus(unit);
        }
        return true;
    }
    if (unit.Afflicted(StatusKind::kPoison)) {
        int32_t d = unit.maxHp / 5;
        d -= Trunc(d * unit.Ability(kPoisonResist) / 200.0);
        unit.hp = std::max(Saturate(int64_t{unit.hp} - d), 1);
        AddFloatingNumber(unit, TextColor::kBlue, d);
    }
    // "自動回復": a tenth of the maximum hp at the start of every turn.
    if (unit.Raised(StatusKind::kRegen)) {
        const int32_t a = unit.maxHp / 10;
        unit.hp = AddCapped(unit.hp, a, unit.maxHp);
        AddFloatingNumber(unit, TextColor::kCyan, a);
    }
    const int32_t charisma = unit.Ability(kCharisma);
    if (charisma > 0) {
        const int32_t a = Trunc(unit.hp * static_cast<double>(charisma) / 100);
        for (size_t i = 0; i < battle.units.size(); ++i) {
            BattleUnit& other = battle.units[i];
            if (static_cast<int32_t>(i) == unitIndex || other.side != unit.side || !other.Standing())
                continue;
            other.hp = AddCapped(other.hp, a, other.maxHp);
            AddFloatingNumber(other, TextColor::kCyan, a);
        }
    }
    GainEp(unit, unit.Ability(kConfront));
    return true;
}

}  // namespace

int32_t HitChance(const BattleUnit& actor, const BattleUnit& target, const SkillData& skill,
                  double lostA, double lostT) {
    int32_t p = actor.Stat(BaseParam::kHit) + skill.hitBonus - target.Stat(BaseParam::kAvo);
    const int32_t a = Shift(actor, StatusKind::kHit) - Shift(target, StatusKind::kAvo);
    if (a == -2) p = Trunc(p * 0.5);
    if (a == -1) p = Trunc(p * 0.75);
    p = Trunc((100 - target.Ability(kPrayer) * lostT * 0.75) / 100 * p);
    p = std::min(p, 100);
    if (a == 1) p = Trunc((100 - p) * 0.5 + p);
    if (a == 2) p = Trunc((100 - p) * 0.75 + p);
    return Trunc((100 - p) * actor.Ability(kFocus) * lostA / 100 + p);
}

int32_t CriticalChance(const BattleUnit& actor, const BattleUnit& target, const SkillData& skill,
                       double lostA, double lostT) {
    int32_t p = actor.Stat(BaseParam::kCri) + skill.critBonus - target.Stat(BaseParam::kLuck);
    const int32_t a = Shift(actor, StatusKind::kCri) - Shift(target, StatusKind::kLuck);
    if (a == -2) p = Trunc(p * 0.25);
    if (a == -1) p = Trunc(p * 0.5);
    p = Trunc((100 - target.Ability(kInsight) * lostT) / 100 * p);
    p = std::min(p, 100);
    if (a == 1) p = Saturate(int64_t{p} * 2);
    if (a == 2) p = Saturate(int64_t{p} * 4);
    return Trunc((actor.Ability(kDesperation) * lostA + 100) / 100 * p);
}

bool BothSidesStanding(const BattleState& battle) {
    bool party = false, enemies = false;
    for (const BattleUnit& unit : battle.units) {
        if (!unit.Standing()) continue;
        (unit.side == UnitSide::kParty ? party : enemies) = true;
    }
    return party && enemies;
}

bool ResolveOnTarget(BattleState& battle, int32_t targetIndex, int32_t actorIndex,
                     const SkillData& skill, int32_t phase) {
    if (phase == ResolvePhase::kTurnStart) return TurnStart(battle, actorIndex);

    BattleUnit& actor = battle.units[actorIndex];
    if (skill.type == SkillType::kEscape) {
        battle.units[targetIndex].state = UnitState::kFled;
        return true;
    }

    // Reflection sends the whole action to a unit of the other side.
    {
        BattleUnit& first = battle.units[targetIndex];
        if (skill.reflectable != 0 &&
            (first.Raised(StatusKind::kReflect) || Roll(first.Ability(kReflect)))) {
            AddFloatingText(first, TextColor::kWhite, ReflectText());
            const int32_t side = 1 - first.side;
            targetIndex = PickUniformUnit(
                battle, [side](const BattleUnit& u) { return u.side == side && u.Standing(); });
            if (targetIndex < 0) return BothSidesStanding(battle);
        }
    }
    BattleUnit& target = battle.units[targetIndex];
    const double lostA = LostShare(actor);
    const double lostT = LostShare(target);
    const double m = SpeedBonus(actor, target);
    const int32_t element = std::clamp(skill.element, 0, Element::kCount - 1);

    bool support = false, dispel = false, heal = false, hitCheck = false, critCheck = false;
    int32_t d = 0;
    int32_t amount = 0;
    int32_t pool = RecoveryPool::kHp;
    const double power = skill.power;
    switch (skill.type) {
        case SkillType::kPhysical:
        case SkillType::kMagic: {
            const bool physical = skill.type == SkillType::kPhysical;
            d = Trunc((physical ? actor.Stat(BaseParam::kAtk) : actor.Stat(BaseParam::kMag)) * power / 100);
            d = Trunc(d * m);
            d = Trunc((100 - target.Ability(physical ? kPhysicalResist : kMagicResist)) / 100.0 * d);
            d = GuardFactor(d, target, physical ? StatusKind::kPhysicalGuard : StatusKind::kMagicGuard);
            d = PowerFactor(d, actor, physical ? StatusKind::kAtk : StatusKind::kMag);
            hitCheck = critCheck = true;
            break;
        }
        case SkillType::kBreath:
            d = Trunc((static_cast<double>(actor.Stat(BaseParam::kAtk)) + actor.Stat(BaseParam::kMag)) * power / 200);
            d = Trunc(d * m);
            d = Trunc((100 - target.Ability(kBreathResist)) / 100.0 * d);
            d = GuardFactor(d, target, StatusKind::kBreathGuard);
            hitCheck = critCheck = true;
            break;
        case SkillType::kFixed:
            if (skill.subtype == FixedDamageBase::kCurrentHp) d = Trunc(target.hp * power / 100);
            else if (skill.subtype == FixedDamageBase::kMaxHp) d = Trunc(target.maxHp * power / 100);
            else d = skill.power;
            hitCheck = critCheck = true;
            break;
        case SkillType::kDispel:
            support = dispel = hitCheck = true;
            break;
        case SkillType::kRecovery:
            support = heal = true;
            pool = skill.subtype;
            amount = skill.subtype == RecoveryPool::kHp
                         ? Saturate(int64_t{actor.Stat(BaseParam::kMag)} * (skill.power / 100))
                         : skill.power;
            amount = Trunc((actor.Ability(kHealUp) + 100) / 100.0 * amount);
            break;
        case SkillType::kCure:
            support = true;
            CureAilments(target, skill.subtype);
            break;
        case SkillType::kSupport:
            support = hitCheck = true;  // the hit roll is made but not used
            break;
        case SkillType::kRevive:
            return Revive(battle, actor, target, skill);
        default:
            break;
    }

    if (skill.type <= SkillType::kFixed && skill.type >= 0) {
        const int32_t absorb = target.Ability(kElementAbsorb + element);
        if (Roll(absorb)) {
            amount = Trunc(absorb / 100.0 * d);
            pool = RecoveryPool::kHp;
            support = heal = true;
            hitCheck = critCheck = false;
        } else {
            d = Trunc((actor.Ability(kElementAttackUp + element) + 100) / 100.0 * d);
            d = Trunc((100 - target.Ability(kElementResist + element)) / 100.0 * d);
            d = GuardFactor(d, target, StatusKind::kElement + element);
            d = Trunc((actor.Ability(kRage) * lostA + 100) / 100 * d);
        }
    }

    const bool miss = hitCheck && !Roll(HitChance(actor, target, skill, lostA, lostT));
    const bool critical = critCheck && Roll(CriticalChance(actor, target, skill, lostA, lostT));
    const bool helpless = target.Afflicted(StatusKind::kSleep) || target.Afflicted(StatusKind::kParalysis);

    if (!support) {
        if (skill.ranged == 0) d = RowFactor(battle, actor, target, d);
        if (miss && !helpless) {
            AddFloatingText(target, TextColor::kWhite, MissText());
        } else {
            if (target.pendingAction == kNoAction) {
                for (const WeightedId& counter : target.counters) {
                    if (!Roll(counter.weight)) continue;
                    target.pendingAction = counter.id;
                    target.chosenTarget = kAutoTarget;
                    target.chain = -1;
                }
            }
            Color color = TextColor::kWhite;
            if (critical) {
                d = Trunc((actor.Ability(kCritical) + 200) / 100.0 * d);
                color = TextColor::kRed;
                GainEp(actor, actor.Ability(kCriticalEp));
            }
            if (target.Afflicted(StatusKind::kSleep)) {
                d = Saturate(int64_t{d} * 2);
                target.ClearStatus(StatusKind::kSleep);
            }
            if (skill.type != SkillType::kFixed) {
                const int32_t v = RandomInt(90, 110);
                const int32_t w = RandomInt(0, 1);
                d = Saturate(int64_t{Trunc(v / 100.0 * d)} + w);
            }
            InflictStatuses(actor, target, skill);
            if (target.Afflicted(StatusKind::kDeath)) {
                target.hp = 0;
                AddFloatingText(target, TextColor::kRed, DeathText());
            } else {
                const int32_t before = target.hp;
                target.hp = Saturate(int64_t{target.hp} - d);
                // "根性": a blow that would end a unit above 1 hp may leave it at 1.
                const int32_t guts = target.Ability(kGuts);
                if (target.hp <= 0 && before > 1 && guts > 0 && Roll(guts)) target.hp = 1;
                AddFloatingNumber(target, color, d);
                if (Roll(actor.Ability(kHolyDrain)) && d > 0) {
                    actor.hp = AddCapped(actor.hp, d, actor.maxHp);
                    AddFloatingNumber(actor, TextColor::kCyan, d);
                }
            }
        }
    } else {
        if (dispel) {
            if (miss && !helpless) AddFloatingText(target, TextColor::kWhite, MissText());
            else DispelRaises(target, skill.subtype);
        }
        if (heal) Heal(target, amount, pool);
        if (!dispel) SupportStatuses(actor, target, skill);
    }

    actor.lastPendingAction = actor.pendingAction;
    StartHitEffect(target, skill.effect);
    if (target.hp > 0) target.hp = std::min(target.hp, target.maxHp);
    else FallOrRise(battle, target);
    if (!target.Afflicted(StatusKind::kCowardice) && target.side != actor.side)
        target.ep = AddToPool(target.ep, 10 + target.Ability(kFightingSpirit));
    return BothSidesStanding(battle);
}
