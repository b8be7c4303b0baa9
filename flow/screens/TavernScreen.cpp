// The town's "酒場": characters whose cards are carried can be hired.
#include "content/ContentDatabase.h"
#include "flow/ListSources.h"
#include "flow/panels/Panels.h"
#include "flow/screens/ScreenKit.h"
#include "flow/screens/Screens.h"
#include "flow/screens/Town.h"
#include "rules/Tavern.h"

namespace {

constexpr int32_t kCandidates = 17;

}  // namespace

void UpdateTavern() {
    const ListWidget& list = Widget(kCandidates);
    if (Pressed(kDecide)) {
        const int32_t character = list.EntryAtCursor();
        if (character < 0 || GameParty().gold < CharacterById(character).hireFee) return;
        SoundDecide();
        Hire(GameParty(), character);
        FillList(kCandidates, ListSource::kTavern, false);
    } else if (Pressed(kCancel)) {
        LeaveFacility(kCandidates);
    }
}

void DrawTavern() {
    const ListWidget& list = Widget(kCandidates);
    if (list.EntryAtCursor() >= 0) DrawStatusSheet(list.EntryAtCursor());
    DrawFacilityHeader(WString("酒場"), 410);
    DrawWidget(kCandidates, Box(410, 320, 210, 140), 18);
}
