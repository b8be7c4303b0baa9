#pragma once
// The guild ("ギルド"): the hunt switch of each held quest notice.
#include <cstdint>

#include "rules/Expedition.h"
#include "rules/PartyState.h"

// Flips the quest between "討伐" and "無視". Only a carried notice can be
// switched; false (and nothing changes) otherwise.
bool ToggleHunt(ExpeditionState& expedition, const PartyState& party, int32_t quest);
