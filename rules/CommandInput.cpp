#include "rules/CommandInput.h"

#include <algorithm>

#include "content/ContentDatabase.h"
#include "content/Labels.h"

namespace {

BattleUnit* Commanding(BattleState& battle) {
    const int32_t index = CommandingUnit(battle);
    return index < 0 ? nullptr : &battle.units[index];
}

void NextMember(BattleState& battle) {
    ++battle.readyPosition;
    battle.subState = battle.readyPosition < static_cast<int32_t>(battle.ready.size())
                          ? BattleSubState::kReady
                          : BattleSubState::kRunning;
    battle.chosenCommand = -1;
}

void SetAction(BattleState& battle, BattleUnit& unit, int32_t target) {
    // Carried-item actions are addressed as skill ids from 700 as well.
    unit.pendingAction = battle.chosenCommand;
    unit.itemSlot = battle.chosenCommand >= kItemCommandBase ? battle.chosenCommand - kItemCommandBase : -1;
    unit.chosenTarget = target;
    unit.gauge = 0;
    unit.awaitingCommand = false;
    NextMember(battle);
}

void BuildCandidates(BattleState& battle) {
    battle.candidates.clear();
    for (size_t i = 0; i < battle.units.size(); ++i) {
        const BattleUnit& unit = battle.units[i];
        if (unit.side != battle.targetSide) continue;
        // Fallen party members stay choosable: revives aim at them.
        if (battle.targetSide == UnitSide::kEnemy && !unit.Standing()) continue;
        battle.candidates.push_back(static_cast<int32_t>(i));
    }
    battle.cursor = 0;
}

}  // namespace

std::vector<int32_t> CommandList(const BattleState& battle, const PartyState& party,
                                 int32_t unitIndex) {
    std::vector<int32_t> commands;
    const BattleUnit& unit = battle.units[unitIndex];
    const int32_t weaponKind =
        unit.skills.empty() ? WeaponKind::kNone : SkillById(unit.skills.front()).weaponKind;
    for (int32_t skillId : unit.skills) {
        const SkillData& skill = SkillById(skillId);
        if (skill.name.Empty()) continue;
        if (skill.weaponKind == weaponKind || skill.weaponKind == WeaponKind::kNone)
            commands.push_back(skillId);
    }
    for (int32_t slot = 0; slot < kCarriedSlots; ++slot)
        if (party.carried[slot] != 0) commands.push_back(kItemCommandBase + slot);
    return commands;
}

int32_t CommandingUnit(const BattleState& battle) {
    if (battle.subState < BattleSubState::kReady || battle.subState > BattleSubState::kTarget)
        return -1;
    if (battle.readyPosition < 0 || battle.readyPosition >= static_cast<int32_t>(battle.ready.size()))
        return -1;
    return battle.ready[battle.readyPosition];
}

bool OpenCommandMenu(BattleState& battle, const PartyState& party) {
    const int32_t index = CommandingUnit(battle);
    if (index < 0) return false;
    battle.commands = CommandList(battle, party, index);
    battle.subState = BattleSubState::kCommand;
    return true;
}

bool ChooseCommand(BattleState& battle, int32_t command) {
    BattleUnit* unit = Commanding(battle);
    if (unit == nullptr || battle.subState != BattleSubState::kCommand) return false;
    if (std::find(battle.commands.begin(), battle.commands.end(), command) == battle.commands.end())
        return false;
    battle.chosenCommand = command;
    const SkillData& skill = SkillById(command);
    if (skill.targetKind != TargetKind::kOne) {
        SetAction(battle, *unit, kAutoTarget);
        return true;
    }
    const bool ownSide = skill.type >= 0 && skill.type < SkillType::kCount &&
                         EffectTypeSides()[skill.type] != 0;
    battle.targetSide = ownSide ? UnitSide::kParty : UnitSide::kEnemy;
    BuildCandidates(battle);
    const auto last = std::find(battle.candidates.begin(), battle.candidates.end(), battle.lastTarget);
    if (last != battle.candidates.end())
        battle.cursor = static_cast<int32_t>(last - battle.candidates.begin());
    battle.subState = BattleSubState::kTarget;
    return true;
}

void SkipCommand(BattleState& battle) {
    BattleUnit* unit = Commanding(battle);
    if (unit == nullptr) return;
    unit->awaitingCommand = false;
    unit->gauge = 0;
    NextMember(battle);
}

void SwitchTargetSide(BattleState& battle) {
    if (battle.subState != BattleSubState::kTarget) return;
    battle.targetSide = 1 - battle.targetSide;
    BuildCandidates(battle);
}

void MoveTargetCursor(BattleState& battle, int32_t delta) {
    const int32_t count = static_cast<int32_t>(battle.candidates.size());
    if (battle.subState != BattleSubState::kTarget || count == 0) return;
    battle.cursor = ((battle.cursor + delta) % count + count) % count;
}

void ConfirmTarget(BattleState& battle) {
    BattleUnit* unit = Commanding(battle);
    if (unit == nullptr || battle.subState != BattleSubState::kTarget) return;
    if (battle.cursor < 0 || battle.cursor >= static_cast<int32_t>(battle.candidates.size())) return;
    const int32_t target = battle.candidates[battle.cursor];
    battle.lastTarget = target;
    SetAction(battle, *unit, target);
}

void CancelTarget(BattleState& battle) {
    if (battle.subState != BattleSubState::kTarget) return;
    battle.chosenCommand = -1;
    battle.subState = BattleSubState::kReady;
}
