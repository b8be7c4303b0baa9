#pragma once
// The pawn shop ("質屋"): items sell for a quarter of their price.
#include <cstdint>

#include "content/PackedItem.h"
#include "rules/PartyState.h"

// What the pawn shop pays for goods worth `price`: a quarter, cut down.
int32_t PawnValue(int32_t price);
// PawnValue of the goods' GoodsPrice.
int32_t PawnPrice(PackedItem item);

// Sells the inventory entry at `inventoryIndex`. Returns the gold paid, or
// -1 when there is no such entry.
int32_t SellItem(PartyState& party, int32_t inventoryIndex);

// Sells the entry and every following entry of the same item id (the
// inventory being sorted, they are adjacent), each at its own price.
// Returns the gold paid, or -1 when there is no such entry.
int32_t SellAllOfKind(PartyState& party, int32_t inventoryIndex);
