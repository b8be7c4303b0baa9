#pragma once
// The carried items as battle actions for one expedition.
#include "rules/BattleState.h"

// At departure: each carried slot's item becomes its action in the
// carried-item skill table (an empty slot an inert one) and the slot's use
// count is set from it.
void BuildItemActions(const PartyState& party, BattleState& battle);
