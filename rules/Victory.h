#pragma once
// The end of a battle: rewards on victory, the records after the result
// screen, and what defeat leaves behind.
#include "rules/BattleState.h"

// Fixed game-wide multipliers of the rewards.
inline constexpr double kGoldRate = 1.0;
inline constexpr double kExpRate = 1.0;
inline constexpr double kDropRate = 1.0;

// Sub-state 5: gold, experience and drops of every fallen enemy are paid
// into the party; the result screen reads them from the battle state.
void BeginVictory(BattleState& battle, PartyState& party);
// Sub-state 4.
void BeginDefeat(BattleState& battle);

// True once the end fade has run out (the result may be confirmed).
bool ResultReady(const BattleState& battle);

// After the result screen: the records, then the levels reached. Returns
// the quest whose battle was won (-1 for an ordinary encounter) so that
// exploration can mark it defeated.
int32_t ConfirmVictory(BattleState& battle, PartyState& party);
void ConfirmDefeat(BattleState& battle, PartyState& party);
