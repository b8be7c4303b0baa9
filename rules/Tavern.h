#pragma once
// The tavern ("酒場"): characters whose business cards are carried can be
// hired for their fee.
#include <cstdint>

#include "rules/PartyState.h"

// True when the character was hired: its card is carried, it is not hired
// yet and the purse pays its fee. Otherwise nothing changes.
bool Hire(PartyState& party, int32_t character);
