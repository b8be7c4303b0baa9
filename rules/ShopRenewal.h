#pragma once
// The town shop's stock changes as the party explores: every tenth step
// one offer is drawn from the shop's rows and, once the stock has grown,
// one offer leaves again.
#include <cstdint>

#include "rules/PartyState.h"

// Draws one row the stock level (quests defeated) allows and whose chance
// succeeds, with a quality on the row's ramp; goods that cannot be
// obtained (a one-of-a-kind thing held or already offered) are drawn
// again. With n offers before the new one: at 16 or more one random offer
// is removed, from 4 on half the time (the new one may be the one that
// goes). The stock stays sorted by packed value.
// After kMaxRedraws draws without a row that can be taken the stock is left
// as it was. Returns whether an offer was added.
bool RenewShopStock(PartyState& party, int32_t stockLevel);
