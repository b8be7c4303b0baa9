#include "rules/Belongings.h"

#include <algorithm>

namespace {

void InsertSorted(std::vector<PackedItem>& list, PackedItem item) {
    list.insert(std::upper_bound(list.begin(), list.end(), item), item);
}

bool ValidIndex(const std::vector<PackedItem>& list, int32_t index) {
    return index >= 0 && static_cast<size_t>(index) < list.size();
}

bool IsOrdinaryItem(PackedItem item) {
    const int32_t id = PackedGoodsId(item);
    return id > 0 && IsItem(id);
}

bool MoveFlag(PartyState& party, int32_t goodsId, int32_t from, int32_t to) {
    int32_t* flag = HoldingFlag(party, goodsId);
    if (flag == nullptr || *flag != from) return false;
    *flag = to;
    return true;
}

}  // namespace

void AddGold(PartyState& party, int32_t amount) {
    const int64_t sum = int64_t{party.gold} + amount;
    party.gold = static_cast<int32_t>(std::clamp<int64_t>(sum, 0, kGoldCap));
}

bool AddItem(PartyState& party, PackedItem item) {
    if (int32_t* flag = HoldingFlag(party, PackedGoodsId(item))) {
        if (*flag != Holding::kNone) return false;
        *flag = Holding::kCarried;
        return true;
    }
    if (!IsOrdinaryItem(item)) return false;
    InsertSorted(party.inventory, item);
    return true;
}

bool CanObtain(const PartyState& party, PackedItem item) {
    const int32_t id = PackedGoodsId(item);
    const int32_t* flag = HoldingFlag(party, id);
    if (flag == nullptr) return true;
    if (*flag != Holding::kNone) return false;
    return std::none_of(party.shopStock.begin(), party.shopStock.end(),
                        [id](const ShopOffer& offer) { return PackedGoodsId(offer.item) == id; });
}

bool AddToStorage(PartyState& party, PackedItem item) {
    const int32_t id = PackedGoodsId(item);
    if (HoldingFlag(party, id) != nullptr) return StoreThing(party, id);
    if (!IsOrdinaryItem(item)) return false;
    InsertSorted(party.storage, item);
    return true;
}

bool MoveToStorage(PartyState& party, int32_t inventoryIndex) {
    if (!ValidIndex(party.inventory, inventoryIndex)) return false;
    const PackedItem item = party.inventory[inventoryIndex];
    party.inventory.erase(party.inventory.begin() + inventoryIndex);
    return AddToStorage(party, item);
}

bool MoveFromStorage(PartyState& party, int32_t storageIndex) {
    if (!ValidIndex(party.storage, storageIndex)) return false;
    const PackedItem item = party.storage[storageIndex];
    party.storage.erase(party.storage.begin() + storageIndex);
    return AddItem(party, item);
}

bool StoreThing(PartyState& party, int32_t goodsId) {
    return MoveFlag(party, goodsId, Holding::kCarried, Holding::kStored);
}

bool CarryThing(PartyState& party, int32_t goodsId) {
    return MoveFlag(party, goodsId, Holding::kStored, Holding::kCarried);
}

PackedItem TakeFromInventory(PartyState& party, int32_t index) {
    if (!ValidIndex(party.inventory, index)) return 0;
    const PackedItem item = party.inventory[index];
    party.inventory.erase(party.inventory.begin() + index);
    return item;
}

bool SetCarriedItem(PartyState& party, int32_t slot, int32_t inventoryIndex) {
    if (slot < 0 || slot >= kCarriedSlots) return false;
    PackedItem chosen = 0;
    if (inventoryIndex >= 0) {
        if (!ValidIndex(party.inventory, inventoryIndex)) return false;
        if (ClassifyGoods(PackedGoodsId(party.inventory[inventoryIndex])) != GoodsKind::kConsumable)
            return false;
        chosen = TakeFromInventory(party, inventoryIndex);
    }
    const PackedItem previous = party.carried[slot];
    party.carried[slot] = chosen;
    if (previous != 0) AddItem(party, previous);
    return true;
}
