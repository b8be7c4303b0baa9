#include "rules/PawnShop.h"

#include <algorithm>

#include "content/Items.h"
#include "rules/Belongings.h"

namespace {

bool ValidIndex(const PartyState& party, int32_t index) {
    return index >= 0 && static_cast<size_t>(index) < party.inventory.size();
}

}  // namespace

int32_t PawnValue(int32_t price) {
    // A damaged price must not take gold away.
    return price > 0 ? price / 4 : 0;
}

int32_t PawnPrice(PackedItem item) { return PawnValue(GoodsPrice(item)); }

int32_t SellItem(PartyState& party, int32_t inventoryIndex) {
    if (!ValidIndex(party, inventoryIndex)) return -1;
    const int32_t paid = PawnPrice(TakeFromInventory(party, inventoryIndex));
    AddGold(party, paid);
    return paid;
}

int32_t SellAllOfKind(PartyState& party, int32_t inventoryIndex) {
    if (!ValidIndex(party, inventoryIndex)) return -1;
    const int32_t id = PackedGoodsId(party.inventory[inventoryIndex]);
    int64_t paid = 0;
    while (ValidIndex(party, inventoryIndex) && PackedGoodsId(party.inventory[inventoryIndex]) == id) {
        const int32_t price = PawnPrice(TakeFromInventory(party, inventoryIndex));
        AddGold(party, price);
        paid += price;
    }
    return static_cast<int32_t>(std::min<int64_t>(paid, kGoldCap));
}
