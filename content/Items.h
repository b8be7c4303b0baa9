#pragma once
// What an item is, computed on demand from (item id, quality): the battle
// action of a consumable, the bonuses of a weapon or accessory, the label
// of a material, and the price of any goods.
#include <cstdint>

#include "content/PackedItem.h"
#include "content/Records.h"

// Ids 1-499: the action a carried item performs, its uses and its price.
// Id 0 and ids without a definition give an inert record (no uses, price 0).
SkillData MakeConsumable(int32_t itemId, int32_t quality);

// Ids 500-749 weapons, 750 and above accessories (kind 8); below 500 the
// record stays all zero.
ItemData MakeItemData(int32_t itemId, int32_t quality);

// Ids 1000-1249: "name[quality]" and the price of the id's grade.
MaterialLabel MakeMaterialLabel(int32_t itemId, int32_t quality);

// Price grade (1-17) of a material id, 0 for an id without one.
int32_t MaterialGrade(int32_t itemId);

// 0 for the empty value and for goods that are not items (recipes, maps,
// cards and certificates have only the fixed price of their shop row).
int32_t GoodsPrice(PackedItem goods);

// Reads the consumable, equipment and material rows into the form that the
// functions above use. Part of building the item tables at start-up.
void BuildItemDefinitions();
