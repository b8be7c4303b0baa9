#include "rules/ShopRenewal.h"

#include <algorithm>
#include <optional>

#include "content/ContentDatabase.h"
#include "content/Items.h"
#include "engine/random/Random.h"
#include "rules/BattleMath.h"
#include "rules/Belongings.h"
#include "rules/QualityRamp.h"

namespace {

constexpr size_t kAlwaysRemoveFrom = 16;
constexpr size_t kMayRemoveFrom = 4;

// The offer of one draw, if the drawn row gives one.
std::optional<ShopOffer> DrawOffer(const PartyState& party, const ShopRow& row, int32_t stockLevel) {
    if (row.minProgress > stockLevel || !Roll(row.chance, 10000)) return std::nullopt;
    const int32_t reached = std::min(row.maxProgress, stockLevel);
    const int32_t quality =
        RampQuality(row.baseQuality, row.qualitySpread, reached, row.minProgress, row.maxProgress);
    const PackedItem item = PackItem(row.goodsId, quality);
    if (!CanObtain(party, item)) return std::nullopt;
    return ShopOffer{item, row.price == -1 ? GoodsPrice(item) : row.price};
}

}  // namespace

bool RenewShopStock(PartyState& party, int32_t stockLevel) {
    const std::vector<ShopRow>& rows = ShopStockTable();
    if (rows.empty()) return false;
    const int32_t last = static_cast<int32_t>(rows.size()) - 1;
    std::optional<ShopOffer> offer;
    for (int32_t draw = 0; draw < kMaxRedraws && !offer; ++draw)
        offer = DrawOffer(party, rows[RandomInt(0, last)], stockLevel);
    // Nothing the rows allow can be taken: no new offer this time.
    if (!offer) return false;

    std::vector<ShopOffer>& stock = party.shopStock;
    const size_t before = stock.size();
    stock.push_back(*offer);
    const bool remove = before >= kAlwaysRemoveFrom || (before >= kMayRemoveFrom && RandomInt(0, 1) == 0);
    if (remove) stock.erase(stock.begin() + RandomInt(0, static_cast<int32_t>(before)));
    std::stable_sort(stock.begin(), stock.end(),
                     [](const ShopOffer& a, const ShopOffer& b) { return a.item < b.item; });
    return true;
}
