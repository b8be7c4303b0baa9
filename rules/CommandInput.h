#pragma once
// Command input for party members whose turn came (sub-states 1 to 3), as
// operations that the battle screens call on the player's buttons.
#include <vector>

#include "rules/BattleState.h"

// Command numbers below this are skill ids; from it, carried-item slots.
inline constexpr int32_t kItemCommandBase = 700;

// The member's commands: its skills of its basic attack's weapon kind or
// of no kind, in skill-list order, then 700 + k for every carried slot k
// that holds an item (even when its uses are spent).
std::vector<int32_t> CommandList(const BattleState& battle, const PartyState& party,
                                 int32_t unitIndex);

// The member choosing now, or -1 outside sub-states 1 to 3.
int32_t CommandingUnit(const BattleState& battle);

// Sub-state 1: opens the menu of the next ready member (sub-state 2).
// False when no member is left to choose.
bool OpenCommandMenu(BattleState& battle, const PartyState& party);

// Sub-state 2, decide: an action that needs no target choice is set at
// once and the next member comes; otherwise target choice begins on the
// side the action aims at (sub-state 3). False for a command that is not
// in the member's list.
bool ChooseCommand(BattleState& battle, int32_t command);

// The member lets its turn pass: the way out of a menu that offers
// nothing to choose, which would otherwise hold the battle forever.
void SkipCommand(BattleState& battle);

// Sub-state 3.
void SwitchTargetSide(BattleState& battle);
void MoveTargetCursor(BattleState& battle, int32_t delta);
void ConfirmTarget(BattleState& battle);
void CancelTarget(BattleState& battle);  // the same member chooses again
