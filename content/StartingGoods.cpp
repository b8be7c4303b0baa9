#include "content/StartingGoods.h"

#include <array>

std::span<const PackedItem> NewGameHoldings() {
    static const std::array<PackedItem, 7> holdings = {
        PackItem(2600, 0), PackItem(2601, 0),  // quest notices
        PackItem(2500, 0),                     // map of the first area
        PackItem(1459, 0), PackItem(1811, 0),  // recipes: 火の書, ブロンズソード,
        PackItem(1901, 0), PackItem(2043, 0),  // ショートボウ, ブレスガードⅣ
    };
    return holdings;
}

PackedItem NewGameCarriedItem() { return PackItem(1, 30); }
