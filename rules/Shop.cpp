#include "rules/Shop.h"

#include "rules/Belongings.h"

int32_t BuyFromStock(PartyState& party, int32_t stockIndex) {
    std::vector<ShopOffer>& stock = party.shopStock;
    if (stockIndex < 0 || static_cast<size_t>(stockIndex) >= stock.size()) return BuyResult::kNoSuchOffer;
    const ShopOffer offer = stock[stockIndex];
    // Only a damaged save holds a negative price: buying must never pay.
    if (offer.price < 0) return BuyResult::kNoSuchOffer;
    if (party.gold < offer.price) return BuyResult::kNotEnoughGold;
    // Paying for goods that AddItem then refuses would lose the gold.
    const int32_t* flag = HoldingFlag(party, PackedGoodsId(offer.item));
    if (flag != nullptr && *flag != Holding::kNone) {
        stock.erase(stock.begin() + stockIndex);
        return BuyResult::kAlreadyHeld;
    }
    AddGold(party, -offer.price);
    AddItem(party, offer.item);
    stock.erase(stock.begin() + stockIndex);
    return BuyResult::kBought;
}
