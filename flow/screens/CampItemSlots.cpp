// The camp's "アイテム装備": the 12 slots of items carried into a dungeon,
// each filled from the usable items of the inventory.
#include "flow/ListSources.h"
#include "flow/panels/Panels.h"
#include "flow/screens/Camp.h"
#include "flow/screens/ScreenKit.h"
#include "rules/Belongings.h"

namespace {

constexpr int32_t kUsableItems = ListSource::kEquipFirst;

// The slots active again, the usable items beside them without a cursor.
void BackToSlots() {
    SetWidgetState(kCampGoodsWidget, WidgetState::kNoHighlight);
    SetWidgetState(kCampSlotsWidget, WidgetState::kActive);
    Flow().subState = CampState::kItemSlots;
}

}  // namespace

void UpdateItemSlots() {
    if (Pressed(kDecide)) {
        SoundDecide();
        Flow().subState = CampState::kItemForSlot;
        SetWidgetState(kCampGoodsWidget, WidgetState::kActive);
        SetWidgetState(kCampSlotsWidget, WidgetState::kShown);
    } else if (Pressed(kCancel)) {
        SoundCancel();
        SetWidgetState(kCampGoodsWidget, WidgetState::kHidden);
        SetWidgetState(kCampSlotsWidget, WidgetState::kHidden);
        ReturnToCampMenu();
    }
}

void UpdateItemForSlot() {
    if (Pressed(kDecide)) {
        SoundDecide();
        const int32_t slot = Widget(kCampSlotsWidget).Cursor();
        int32_t position = 0, item = 0;
        // "なし" (position -1) empties the slot.
        if (RowAtCursor(kCampGoodsWidget, position, item))
            SetCarriedItem(GameParty(), slot, position);
        FillList(kCampGoodsWidget, kUsableItems, false);
        FillList(kCampSlotsWidget, ListSource::kCarriedSlots, false);
        Widget(kCampSlotsWidget).Select(slot);
        BackToSlots();
    } else if (Pressed(kCancel)) {
        SoundCancel();
        BackToSlots();
    }
}

void DrawItemSlots() {
    DrawWidget(kCampSlotsWidget, Box(80, 15, 210, 280), 18);
    DrawWidget(kCampGoodsWidget, Box(350, 15, 210, 280), 18);
    int32_t entry = 0, item = 0;
    if (RowAtCursor(kCampSlotsWidget, entry, item) && item != 0) DrawGoodsDetail(item, {80, 310});
    // The list's cursor means something only while an item is being chosen.
    if (Flow().subState == CampState::kItemForSlot && RowAtCursor(kCampGoodsWidget, entry, item) &&
        item != 0)
        DrawGoodsDetail(item, {350, 310});
}
