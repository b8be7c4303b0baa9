#pragma once
// Gold and goods: the purse, the sorted inventory and storage, the
// one-of-a-kind holdings and the items carried into a dungeon.
#include <cstdint>

#include "rules/PartyState.h"

// Adds to the purse; gold above the cap is lost.
void AddGold(PartyState& party, int32_t amount);

// Ordinary items are always taken (and the inventory kept sorted); a
// one-of-a-kind thing only when it is not held yet. False when nothing was
// taken, also for an empty value or an id outside every range.
bool AddItem(PartyState& party, PackedItem item);

// False for a one-of-a-kind thing that is held (carried or stored) or
// already offered in the shop.
bool CanObtain(const PartyState& party, PackedItem item);

// Ordinary items join the storage list; a carried one-of-a-kind thing is
// stored by its flag. False when there was nothing to store.
bool AddToStorage(PartyState& party, PackedItem item);

// Camp storage transfers by list position. False for a position outside
// the list.
bool MoveToStorage(PartyState& party, int32_t inventoryIndex);
bool MoveFromStorage(PartyState& party, int32_t storageIndex);
// One-of-a-kind things move by their flag: carried to stored and back.
bool StoreThing(PartyState& party, int32_t goodsId);
bool CarryThing(PartyState& party, int32_t goodsId);

// Removes and returns the entry at `index`, or 0 when there is none.
PackedItem TakeFromInventory(PartyState& party, int32_t index);

// Puts the inventory entry at `inventoryIndex` (-1: nothing) into carried
// slot `slot`; the slot's previous item goes back to the inventory. Only
// usable items can be carried.
bool SetCarriedItem(PartyState& party, int32_t slot, int32_t inventoryIndex);
