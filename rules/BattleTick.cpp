#include "rules/BattleTick.h"

#include <algorithm>

#include "content/ContentDatabase.h"
#include "engine/random/Random.h"
#include "rules/BattleMath.h"
#include "rules/EnemyAi.h"
#include "rules/PerformAction.h"
#include "rules/ResolveOnTarget.h"
#include "rules/Victory.h"

namespace {

// Every unit, every tick: written without branches so the compiler can do
// all thirty kinds at once (ClearStatus is these two stores).
void CountDownStatuses(BattleUnit& unit) {
    for (int32_t kind = 0; kind < StatusKind::kCount; ++kind) {
        const int32_t left = unit.statusTime[kind] - 1;
        const bool lasts = left >= 1;
        unit.statusTime[kind] = lasts ? left : 0;
        unit.statusMark[kind] = lasts ? unit.statusMark[kind] : StatusMark::kNone;
    }
}

void Act(BattleState& battle, int32_t index) {
    const BattleUnit& before = battle.units[index];
    PerformAction(battle, before.chosenTarget, index, before.pendingAction);
    BattleUnit& unit = battle.units[index];
    unit.pendingAction = kNoAction;
    unit.actFrame = 0;
    // A unit that fell in its own action keeps no gauge.
    if (!unit.Standing()) return;
    if (unit.chain == -1) {
        // A counter-attack is followed at once by the unit's own turn.
        unit.chain = 0;
        unit.gauge = kFullGauge;
    } else if (unit.chain == 0) {
        if (RandomInt(0, 99) < unit.Ability(AbilityParam::kDoubleAction)) {
            unit.chain = 1;
            unit.gauge = kFullGauge;
        }
    } else {
        unit.chain = 0;  // never two extra turns in a row
    }
}

void BeginTurn(BattleState& battle, int32_t index) {
    ResolveOnTarget(battle, index, index, SkillById(0), 1);
    BattleUnit& unit = battle.units[index];
    if (!unit.Standing()) return;
    if (unit.side == UnitSide::kEnemy) {
        unit.pendingAction = ChooseEnemyAction(battle, index);
        return;
    }
    battle.ready.push_back(index);
    unit.gauge = kFullGauge;
    unit.awaitingCommand = true;
}

}  // namespace

int32_t GaugeSpeed(const BattleUnit& unit) {
    int32_t s = unit.Stat(BaseParam::kSp);
    if (unit.Afflicted(StatusKind::kSp)) s = Trunc(s * 0.67);
    else if (unit.Raised(StatusKind::kSp)) s = Trunc(s * 1.5);
    if (unit.pendingAction == kNoAction) return s;
    const SkillData& action = SkillById(unit.pendingAction);
    s = Trunc(action.speed / 100.0 * s);
    if (action.type >= SkillType::kPhysical && action.type <= SkillType::kFixed) {
        const int32_t element = std::clamp(action.element, 0, Element::kCount - 1);
        s = Trunc((unit.Ability(AbilityParam::kElementSpeedUp + element) + 100) / 100.0 * s);
    } else if (action.type == SkillType::kRecovery || action.type == SkillType::kRevive) {
        s = Trunc((unit.Ability(AbilityParam::kHealSpeedUp) + 100) / 100.0 * s);
    }
    return s;
}

void BattleTick(BattleState& battle, PartyState& party) {
    ++battle.elapsedTicks;
    // Reinforcements that arrive now are appended and take part in this tick.
    for (size_t i = 0; i < battle.reinforcements.size(); ++i) {
        Reinforcement& entry = battle.reinforcements[i];
        if (++entry.counter != entry.period) continue;
        entry.counter = 0;
        AddEnemyUnit(battle, entry.enemyId);
    }
    battle.ready.clear();

    for (size_t i = 0; i < battle.units.size(); ++i) {
        const int32_t index = static_cast<int32_t>(i);
        BattleUnit& unit = battle.units[i];
        bool acted = false;
        if (unit.Standing()) {
            CountDownStatuses(unit);
            if (!unit.Afflicted(StatusKind::kSleep) && !unit.Afflicted(StatusKind::kParalysis))
                unit.gauge = Saturate(int64_t{unit.gauge} + GaugeSpeed(unit));
            if (unit.gauge >= kFullGauge) {
                unit.gauge = 0;
                if (!unit.Afflicted(StatusKind::kSeal))
                    unit.mp = std::min(100, unit.mp + 10 + unit.Ability(AbilityParam::kManaCharge));
                if (unit.pendingAction != kNoAction) Act(battle, index);
                else BeginTurn(battle, index);
                acted = true;
            }
        }
        // Only an action (or the start of a turn) makes anyone fall; after
        // the first unit, a unit that did neither leaves the outcome as it was.
        if (!acted && i > 0) continue;
        const int32_t end = CheckBattleEnd(battle);
        if (end == BattleEnd::kDefeat) {
            BeginDefeat(battle);
            return;
        }
        if (end == BattleEnd::kVictory) {
            BeginVictory(battle, party);
            return;
        }
    }

    std::erase_if(battle.ready, [&battle](int32_t i) { return !battle.units[i].Standing(); });
    if (!battle.ready.empty()) {
        battle.subState = BattleSubState::kReady;
        battle.readyPosition = 0;
    }
}

int32_t UpdateBattle(BattleState& battle, PartyState& party, int32_t ticks) {
    int32_t ran = 0;
    while (ran < ticks && battle.subState == BattleSubState::kRunning) {
        BattleTick(battle, party);
        ++ran;
    }
    return ran;
}
