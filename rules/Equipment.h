#pragma once
// A character's values with its equipment applied, and equipping.
#include <vector>

#include "content/ParamBlock.h"
#include "rules/PartyState.h"

struct BattleParams {
    ParamBlock params;
    std::vector<int32_t> skills;  // skill ids 1-699, ascending, each once
};

// The character's parameters, abilities and skills with its five equipment
// slots applied; with `overrideSlot` 0-4 that slot is taken to hold
// `overrideItem` instead (previews of a candidate).
BattleParams ComputeBattleParams(int32_t character, int32_t overrideSlot = -1,
                                 PackedItem overrideItem = 0);

// An ability bonus closes its share of the remaining gap to 100.
int32_t CombineAbility(int32_t value, int32_t bonus);

// Accessories fit everyone; weapons only characters who use their kind.
bool CanEquip(int32_t character, PackedItem item);
// Whether the item may go into equipment slot `slot` (0 weapon, 1-4 accessories).
bool FitsSlot(int32_t character, int32_t slot, PackedItem item);

// The basic attack (skill slot 0) a weapon slot gives: its weapon kind's
// attack, or the unarmed attack when the slot holds no weapon.
int32_t BasicAttackOf(PackedItem weapon);

// Moves the inventory entry at `inventoryIndex` (-1: nothing) into the
// slot; the slot's previous item goes back to the inventory. The weapon
// slot also sets the character's basic attack. False (nothing changes)
// for an entry that does not fit the slot.
bool Equip(PartyState& party, int32_t character, int32_t slot, int32_t inventoryIndex);
