// The town's "質屋": four tabs over the inventory; decide sells the chosen
// item, the sell-all button every following one of the same kind.
#include "flow/ListSources.h"
#include "flow/panels/Panels.h"
#include "flow/screens/ScreenKit.h"
#include "flow/screens/Screens.h"
#include "flow/screens/Town.h"
#include "rules/PawnShop.h"

namespace {

constexpr int32_t kGoods = 15;
constexpr int32_t kFirstTab = ListSource::kBagFirst;  // 20 items ... 23 materials
constexpr int32_t kTabCount = 4;
const char* const kTabNames[kTabCount] = {"アイテム", "武器", "アクセサリ", "素材"};

void SwitchTab(int32_t step) {
    GameFlow& flow = Flow();
    SoundCursor();
    flow.selection = kFirstTab + (flow.selection - kFirstTab + step + kTabCount) % kTabCount;
    FillList(kGoods, flow.selection, false);
}

}  // namespace

void UpdatePawnShop() {
    GameFlow& flow = Flow();
    ListWidget& list = Widget(kGoods);
    if (Pressed(kDecide)) {
        if (!list.HasEntries()) return;
        SoundDecide();
        SellItem(GameParty(), list.EntryAtCursor());
        FillList(kGoods, flow.selection, true);
    } else if (Pressed(kCancel)) {
        LeaveFacility(kGoods);
    } else if (Pressed(kSellAll)) {
        if (!list.HasEntries()) return;
        SoundDecide();
        SellAllOfKind(GameParty(), list.EntryAtCursor());
        FillList(kGoods, flow.selection, true);
    } else if (Pressed(kLeft)) {
        SwitchTab(-1);
    } else if (Pressed(kRight)) {
        SwitchTab(+1);
    }
}

void DrawPawnShop() {
    DrawFacilityHeader(WString("質屋"));
    const Rect list = Box(10, 100, 240, 360);
    const int32_t tab = Flow().selection - kFirstTab;
    if (tab >= 0 && tab < kTabCount) DrawTabName(list, WString(kTabNames[tab]));
    DrawWidget(kGoods, list, 18);
    const ListWidget& widget = Widget(kGoods);
    if (widget.EntryAtCursor() >= 0) DrawGoodsDetail(widget.SecondAtCursor(), {270, 100});
}
