#pragma once
// Advancing the battle: reinforcements, status timers, gauges, turns,
// actions, extra turns and counters, and the end test.
#include "rules/BattleState.h"

inline constexpr int32_t kTicksPerFrame = 5;

// The gauge a unit gains in one tick, from its speed, its Sp status and
// the pending action's speed.
int32_t GaugeSpeed(const BattleUnit& unit);

// One tick of sub-state 0. Leaves sub-state 1 when party members became
// ready, 4 or 5 when the battle was decided.
void BattleTick(BattleState& battle, PartyState& party);

// Runs up to `ticks` ticks while the battle stays in sub-state 0; returns
// how many ran. Does nothing in the other sub-states.
int32_t UpdateBattle(BattleState& battle, PartyState& party, int32_t ticks = kTicksPerFrame);
