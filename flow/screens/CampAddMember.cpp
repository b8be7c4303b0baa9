// The camp's "加える": a hired character outside the party joins its end.
#include "flow/ListSources.h"
#include "flow/panels/Panels.h"
#include "flow/screens/Camp.h"
#include "flow/screens/ScreenKit.h"
#include "rules/Camp.h"

namespace {

void CloseList() {
    SetWidgetState(kCampAddWidget, WidgetState::kHidden);
    ReturnToCampMenu();
}

}  // namespace

void UpdateAddMember() {
    if (Pressed(kDecide)) {
        int32_t character = 0, second = 0;
        if (!RowAtCursor(kCampAddWidget, character, second)) return;
        SoundDecide();
        PartyState& party = GameParty();
        AddMember(party, character);
        FillList(kCampAddWidget, ListSource::kAddMember, false);
        if (party.members.size() >= static_cast<size_t>(kMaxPartySize) ||
            !Widget(kCampAddWidget).HasEntries())
            CloseList();
    } else if (Pressed(kCancel)) {
        SoundCancel();
        CloseList();
    }
}

void DrawAddMember() {
    int32_t character = 0, second = 0;
    if (RowAtCursor(kCampAddWidget, character, second)) DrawStatusSheet(character);
    DrawWidget(kCampAddWidget, Box(460, 320, 140, 140), 18);
}
