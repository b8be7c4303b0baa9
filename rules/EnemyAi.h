#pragma once
// How an enemy picks its action: a weighted lot over its row's actions.
#include "rules/BattleState.h"

// Returns the chosen skill id and sets the unit's chosenTarget (a fallen
// enemy for a revive, else automatic). A revive while no enemy has fallen,
// or an action the unit cannot pay, is drawn again; after kMaxRedraws
// draws the first fitting action in list order is taken, and kNoAction
// when none fits (the enemy then lets its turn pass).
int32_t ChooseEnemyAction(BattleState& battle, int32_t unitIndex);
