// The town's "ギルド": the held bounty notices; decide switches a hunt.
#include "flow/ListSources.h"
#include "flow/panels/Panels.h"
#include "flow/screens/ScreenKit.h"
#include "flow/screens/Screens.h"
#include "flow/screens/Town.h"
#include "rules/Guild.h"

namespace {

constexpr int32_t kNotices = 16;

}  // namespace

void UpdateGuild() {
    const ListWidget& list = Widget(kNotices);
    if (Pressed(kDecide)) {
        if (!list.HasEntries()) return;
        SoundDecide();
        ToggleHunt(GameExpedition(), GameParty(), list.EntryAtCursor());
    } else if (Pressed(kCancel)) {
        LeaveFacility(kNotices);
    }
}

void DrawGuild() {
    DrawWidget(kNotices, Box(10, 10, 610, 270), 16);
    const ListWidget& list = Widget(kNotices);
    if (list.EntryAtCursor() >= 0) DrawQuestNoticeDetail(list.EntryAtCursor(), {10, 290});
}
