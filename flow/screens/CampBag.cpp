// The camp's bag ("アイテム") and storage ("倉庫"): eight tabs each, and
// decide moves the highlighted thing from one to the other.
#include "flow/ListSources.h"
#include "flow/Palette.h"
#include "flow/RowFormats.h"
#include "flow/panels/Panels.h"
#include "flow/screens/Camp.h"
#include "flow/screens/ScreenKit.h"
#include "rules/Belongings.h"
#include "rules/Camp.h"

namespace {

constexpr int32_t kTabs = 8;
constexpr int32_t kGoodsTabs = 4;  // then the records: recipes, maps, cards, bounties
constexpr const char* kTabNames[kTabs] = {"アイテム", "武器", "アクセサリ", "素材",
                                          "レシピ",   "地図", "名刺",       "賞金首"};

void StepTab(int32_t first, int32_t step) {
    GameFlow& flow = Flow();
    flow.selection = first + ((flow.selection - first + step) % kTabs + kTabs) % kTabs;
    FillList(kCampGoodsWidget, flow.selection, false);
}

void CloseList() {
    SoundCancel();
    SetWidgetState(kCampGoodsWidget, WidgetState::kHidden);
    ReturnToCampMenu();
}

// The handler both lists share: `move` takes the highlighted row across.
template <typename Move>
void UpdateTabbedList(int32_t first, Move move) {
    if (Pressed(kDecide)) {
        int32_t entry = 0, second = 0;
        if (!RowAtCursor(kCampGoodsWidget, entry, second)) return;
        SoundDecide();
        const bool record = Flow().selection - first >= kGoodsTabs;
        move(record, entry, PackedGoodsId(second));
        FillList(kCampGoodsWidget, Flow().selection, true);
    } else if (Pressed(kCancel)) {
        CloseList();
    } else if (Pressed(kLeft)) {
        SoundCursor();
        StepTab(first, -1);
    } else if (Pressed(kRight)) {
        SoundCursor();
        StepTab(first, +1);
    }
}

}  // namespace

void UpdateBag() {
    UpdateTabbedList(ListSource::kBagFirst, [](bool record, int32_t position, int32_t goodsId) {
        if (record) StoreThing(GameParty(), goodsId);
        else MoveToStorage(GameParty(), position);
    });
}

void UpdateStorage() {
    UpdateTabbedList(ListSource::kStorageFirst, [](bool record, int32_t position, int32_t goodsId) {
        if (record) CarryThing(GameParty(), goodsId);
        else MoveFromStorage(GameParty(), position);
    });
}

void DrawBagAndStorage() {
    const int32_t first =
        Flow().subState == CampState::kBag ? ListSource::kBagFirst : ListSource::kStorageFirst;
    const int32_t tab = Flow().selection - first;
    const Rect list = Box(10, 60, 240, 400);
    if (tab >= 0 && tab < kTabs) DrawTabName(list, WString(kTabNames[tab]));
    // Bag and storage look alike otherwise: name the one on screen.
    SetGlyphs(20, 0);
    const int32_t entry = first == ListSource::kBagFirst ? CampEntry::kItems : CampEntry::kStorage;
    DrawTextAt({630, 20}, MenuText(RowFormat::kCampMenu, entry), palette::kPaleYellow, kAlignEnd);
    DrawWidget(kCampGoodsWidget, list, 18);
    int32_t position = 0, item = 0;
    if (RowAtCursor(kCampGoodsWidget, position, item)) DrawGoodsDetail(item, {270, 60});
}
