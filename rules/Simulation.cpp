#include "rules/Simulation.h"

#include <algorithm>

#include "content/ContentDatabase.h"
#include "engine/random/Random.h"
#include "rules/BattleEffects.h"
#include "rules/Belongings.h"
#include "rules/BattleTick.h"
#include "rules/CommandInput.h"
#include "rules/Costs.h"
#include "rules/Encounters.h"
#include "rules/Equipment.h"
#include "rules/ItemActions.h"
#include "rules/Levels.h"

namespace {

bool Affordable(const BattleState& battle, const BattleUnit& unit, int32_t command) {
    const SkillData& skill = SkillById(command);
    if (!CanPayCosts(unit, skill)) return false;
    if (command >= kItemCommandBase) return battle.itemUses[command - kItemCommandBase] >= 1;
    return true;
}

// Rough damage of one use against one standing enemy.
double DamageEstimate(const BattleUnit& unit, const SkillData& skill, const BattleUnit& target) {
    const double power = skill.power;
    switch (skill.type) {
        case SkillType::kPhysical: return unit.Stat(BaseParam::kAtk) * power / 100;
        case SkillType::kMagic: return unit.Stat(BaseParam::kMag) * power / 100;
        case SkillType::kBreath:
            return (unit.Stat(BaseParam::kAtk) + unit.Stat(BaseParam::kMag)) * power / 200;
        case SkillType::kFixed:
            if (skill.subtype == FixedDamageBase::kCurrentHp) return target.hp * power / 100;
            if (skill.subtype == FixedDamageBase::kMaxHp) return target.maxHp * power / 100;
            return power;
        default: return 0;
    }
}

double HealEstimate(const BattleUnit& unit, const SkillData& skill) {
    if (skill.subtype == RecoveryPool::kHp)
        return static_cast<double>(unit.Stat(BaseParam::kMag)) * (skill.power / 100);
    if (skill.subtype == RecoveryPool::kAll) return 100.0 * skill.power;
    return 0;
}

template <class Predicate>
int32_t Lowest(const BattleState& battle, Predicate fits, double (*key)(const BattleUnit&)) {
    int32_t best = -1;
    for (size_t i = 0; i < battle.units.size(); ++i) {
        const BattleUnit& u = battle.units[i];
        if (!fits(u)) continue;
        if (best < 0 || key(u) < key(battle.units[best])) best = static_cast<int32_t>(i);
    }
    return best;
}

double HpShare(const BattleUnit& u) { return u.maxHp > 0 ? static_cast<double>(u.hp) / u.maxHp : 1.0; }
double HpLeft(const BattleUnit& u) { return u.hp; }

}  // namespace

PolicyChoice ChooseByPolicy(const BattleState& battle, const PartyState& party, int32_t unitIndex) {
    const BattleUnit& unit = battle.units[unitIndex];
    const std::vector<int32_t> commands = CommandList(battle, party, unitIndex);
    const int32_t fallen = Lowest(battle, [](const BattleUnit& u) {
        return u.side == UnitSide::kParty && u.state == UnitState::kFallen;
    }, HpLeft);
    const int32_t hurt = Lowest(battle, [](const BattleUnit& u) {
        return u.side == UnitSide::kParty && u.Standing() && u.hp * 2 < u.maxHp;
    }, HpShare);
    const int32_t weakest = Lowest(battle, [](const BattleUnit& u) {
        return u.side == UnitSide::kEnemy && u.Standing();
    }, HpLeft);
    int32_t enemies = 0;
    for (const BattleUnit& u : battle.units) enemies += u.side == UnitSide::kEnemy && u.Standing();

    PolicyChoice revive, heal, attack;
    double bestHeal = 0, bestDamage = -1;
    for (int32_t command : commands) {
        if (!Affordable(battle, unit, command)) continue;
        const SkillData& skill = SkillById(command);
        const bool single = skill.targetKind == TargetKind::kOne;
        if (skill.type == SkillType::kRevive && fallen >= 0 && revive.command < 0) {
            revive = {command, single ? fallen : kAutoTarget};
        } else if (skill.type == SkillType::kRecovery && hurt >= 0) {
            const double amount = HealEstimate(unit, skill);
            if (amount > bestHeal) {
                bestHeal = amount;
                heal = {command, single ? hurt : kAutoTarget};
            }
        } else if (skill.type <= SkillType::kFixed && weakest >= 0) {
            // Kinds that also strike the party are left alone.
            int32_t times = std::max(skill.hits, 0);
            if (skill.targetKind == TargetKind::kAll) times *= enemies;
            else if (!single && skill.targetKind != TargetKind::kRandom) continue;
            const double damage = DamageEstimate(unit, skill, battle.units[weakest]) * times;
            if (damage > bestDamage) {
                bestDamage = damage;
                attack = {command, single ? weakest : kAutoTarget};
            }
        }
    }
    if (revive.command >= 0) return revive;
    if (heal.command >= 0) return heal;
    if (attack.command >= 0) return attack;
    return PolicyChoice{commands.empty() ? -1 : commands.front(), weakest};
}

void AnswerCommands(BattleState& battle, const PartyState& party, CommandPolicy policy) {
    while (battle.subState >= BattleSubState::kReady && battle.subState <= BattleSubState::kTarget) {
        if (battle.subState != BattleSubState::kReady) CancelTarget(battle);
        if (!OpenCommandMenu(battle, party)) {
            battle.subState = BattleSubState::kRunning;
            break;
        }
        const PolicyChoice choice = (policy ? policy : ChooseByPolicy)(battle, party, CommandingUnit(battle));
        if (!ChooseCommand(battle, choice.command)) {
            SkipCommand(battle);
            continue;
        }
        if (battle.subState != BattleSubState::kTarget) continue;
        auto on = [&](int32_t target) {
            return std::find(battle.candidates.begin(), battle.candidates.end(), target);
        };
        if (on(choice.target) == battle.candidates.end()) SwitchTargetSide(battle);
        const auto found = on(choice.target);
        battle.cursor = found == battle.candidates.end()
                            ? 0
                            : static_cast<int32_t>(found - battle.candidates.begin());
        ConfirmTarget(battle);
    }
}

BattleOutcome RunBattle(BattleState& battle, PartyState& party, const Encounter& encounter,
                        int64_t tickLimit, CommandPolicy policy) {
    StartBattle(battle, party, encounter);
    BattleOutcome outcome;
    while (battle.elapsedTicks < tickLimit) {
        if (battle.subState == BattleSubState::kRunning) {
            // One frame, as the game runs it; nothing plays the requests.
            UpdateBattle(battle, party, kTicksPerFrame);
            StepBattleAnimations(battle);
            battle.soundRequests.clear();
        } else if (battle.subState <= BattleSubState::kTarget) {
            AnswerCommands(battle, party, policy);
        } else {
            break;
        }
    }
    if (battle.subState == BattleSubState::kWon) outcome.result = SimResult::kWon;
    if (battle.subState == BattleSubState::kLost) outcome.result = SimResult::kLost;
    outcome.ticks = battle.elapsedTicks;
    outcome.gold = battle.rewardGold;
    outcome.experience = battle.rewardExp;
    outcome.partyFalls = battle.partyFalls;
    return outcome;
}

PartyState PrepareSimParty(const BattleSimSetup& setup) {
    PartyState party;
    for (const MemberSetup& member : setup.members) {
        if (member.character < 0 || member.character >= kCharacterCapacity) continue;
        party.hired[member.character] = 1;
        party.members.push_back(member.character);
        if (!member.equip) continue;
        for (int32_t slot = 0; slot < CharacterData::kEquipmentSlots; ++slot) {
            const PackedItem item = member.equipment[slot];
            AddItem(party, item);
            const auto found = std::find(party.inventory.begin(), party.inventory.end(), item);
            const int32_t index = item == 0 || found == party.inventory.end()
                                      ? -1
                                      : static_cast<int32_t>(found - party.inventory.begin());
            Equip(party, member.character, slot, index);
        }
    }
    party.inventory.clear();
    party.carried = setup.carried;
    SetPartyLevel(party, setup.level);
    party.pendingLevel = party.level;
    return party;
}

BattleSimSummary SimulateBattles(const BattleSimSetup& setup, int32_t count, uint32_t seed) {
    SeedRandom(seed);
    const PartyState prepared = PrepareSimParty(setup);
    const int32_t perExpedition = std::max(setup.expeditionBattles, 1);
    const bool quest = setup.quest >= 0;
    BattleState battle;
    BattleSimSummary summary;
    double ticks = 0, gold = 0, experience = 0, falls = 0;
    auto count_battle = [&](const BattleOutcome& outcome) {
        ++summary.battles;
        summary.wins += outcome.result == SimResult::kWon;
        summary.losses += outcome.result == SimResult::kLost;
        summary.timeouts += outcome.result == SimResult::kTimedOut;
        ticks += static_cast<double>(outcome.ticks);
        gold += outcome.gold;
        experience += outcome.experience;
        falls += outcome.partyFalls;
    };
    // Quest expeditions all set out; area expeditions until enough battles.
    while (quest ? summary.expeditions < count : summary.battles < count) {
        ++summary.expeditions;
        BuildItemActions(prepared, battle);  // departure
        for (int32_t i = 0; i < perExpedition && (quest || summary.battles < count); ++i) {
            PartyState party = prepared;
            const bool questBattle = quest && i == perExpedition - 1;
            const QuestData& row = QuestById(setup.quest);
            const Encounter encounter = questBattle ? QuestEncounter(setup.quest, setup.area)
                                        : quest     ? RandomEncounter(row.area, row.minLevel)
                                                    : RandomEncounter(setup.area, setup.depth);
            const BattleOutcome outcome = RunBattle(battle, party, encounter, kSimTickLimit, setup.policy);
            if (!quest || questBattle) count_battle(outcome);
            if (outcome.result != SimResult::kLost) continue;
            // A defeat sends the party home before its quest.
            summary.questNotReached += quest && !questBattle;
            break;
        }
    }
    if (summary.battles > 0) {
        summary.meanTicks = ticks / summary.battles;
        summary.meanGold = gold / summary.battles;
        summary.meanExperience = experience / summary.battles;
        summary.fallsPerBattle = falls / summary.battles;
    }
    return summary;
}
