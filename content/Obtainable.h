#pragma once
// Which goods a player can come to hold, as far as the tables show: what a
// new game holds, what the shop sells, what the enemies of reachable areas
// and quests drop, what reachable areas hold, what quests reward, what
// hired characters carry, and every product of a held recipe whose
// ingredients can all be had. Used to prove every recipe can be made.
#include <cstdint>
#include <vector>

// Indexed by goods id (0-2999).
std::vector<bool> ObtainableGoods();

// Ingredients of recipes that ObtainableGoods does not reach, each once,
// in ascending order.
std::vector<int32_t> UnobtainableIngredients();
