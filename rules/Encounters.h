#pragma once
// The enemies that a random encounter or a quest puts into a battle.
#include "rules/BattleState.h"

// Draws an area's random encounter at `depth`: rows are drawn uniformly
// and taken when the depth lies in their window and their chance succeeds,
// until their costs use up the budget. After kMaxRedraws draws without
// filling the budget, the rows that fit the depth are taken in list order
// until it is used up; an area with no row for the depth gives no enemy.
Encounter RandomEncounter(int32_t area, int32_t depth);

// The quest's battle, with its rows, music and reinforcements.
Encounter QuestEncounter(int32_t quest, int32_t area);
