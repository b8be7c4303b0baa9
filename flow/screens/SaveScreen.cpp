// The town's "セーブ": the slot list; decide writes the chosen slot.
#include "flow/ListSources.h"
#include "flow/Palette.h"
#include "flow/SaveSlots.h"
#include "flow/screens/ScreenKit.h"
#include "flow/screens/Screens.h"
#include "flow/screens/Town.h"

namespace {

constexpr int32_t kSlotList = 23;

}  // namespace

void UpdateSaveScreen() {
    GameFlow& flow = Flow();
    if (Pressed(kDecide)) {
        SoundDecide();
        const int32_t slot = Widget(kSlotList).EntryAtCursor();
        const bool saved = slot >= 0 && SaveGame(slot);
        // A failed save must not look like one that worked.
        flow.saveMessage = saved ? WString() : WString(kSaveFailedMessage);
        FillList(kSlotList, 40, false);
        Widget(kSlotList).Select(LastUsedSlot());
    } else if (Pressed(kCancel)) {
        flow.saveMessage = WString();
        LeaveFacility(kSlotList);
    }
}

void DrawSaveScreen() {
    DrawWidget(kSlotList, Box(10, 10, 610, 460), 18);
    const WString& message = Flow().saveMessage;
    if (message.Empty()) return;
    DrawPanel(Box(170, 210, 300, 60));
    SetGlyphs(20, 0);
    DrawTextAt({320, 240}, message, palette::kYellow, kAlignCentre, kAlignCentre);
}
