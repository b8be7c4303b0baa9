#pragma once
// The goods a new game starts with, besides the equipment of the first two
// characters: the notices of quests 0 and 1, the map of area 0, four
// recipes, and one herb in the first carried slot.
#include <span>

#include "content/PackedItem.h"

std::span<const PackedItem> NewGameHoldings();
// The carried item of slot 0 (薬草 of quality 30).
PackedItem NewGameCarriedItem();
