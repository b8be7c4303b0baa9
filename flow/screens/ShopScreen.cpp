// The town's "ショップ": buying from the stock that exploration renews.
#include "flow/ListSources.h"
#include "flow/panels/Panels.h"
#include "flow/screens/ScreenKit.h"
#include "flow/screens/Screens.h"
#include "flow/screens/Town.h"
#include "rules/Shop.h"

namespace {

constexpr int32_t kStock = 14;

}  // namespace

void UpdateShop() {
    if (Pressed(kDecide)) {
        ListWidget& list = Widget(kStock);
        PartyState& party = GameParty();
        const int32_t row = list.EntryAtCursor();
        if (row < 0 || row >= static_cast<int32_t>(party.shopStock.size())) return;
        if (party.gold < party.shopStock[size_t(row)].price) return;  // silently refused
        SoundDecide();
        BuyFromStock(party, row);
        FillList(kStock, ListSource::kShopStock, false);
        list.Select(row);
    } else if (Pressed(kCancel)) {
        LeaveFacility(kStock);
    }
}

void DrawShop() {
    DrawFacilityHeader(WString("ショップ"));
    const Rect list = Box(10, 100, 240, 360);
    DrawWidget(kStock, list, 18);
    const ListWidget& widget = Widget(kStock);
    const std::vector<ShopOffer>& stock = GameParty().shopStock;
    const int32_t row = widget.EntryAtCursor();
    if (row < 0 || row >= static_cast<int32_t>(stock.size())) return;
    const PackedItem item = stock[size_t(row)].item;
    DrawGoodsDetail(item, {270, 100});
    if (IsItem(PackedGoodsId(item))) DrawShopComparison(item, {270, 290});
}
