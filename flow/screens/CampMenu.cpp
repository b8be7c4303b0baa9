// The camp: its menu, the choice of a member, and the dispatch to every
// camp screen by SubState.
#include "flow/ListSources.h"
#include "flow/panels/Panels.h"
#include "flow/screens/Camp.h"
#include "flow/screens/ScreenKit.h"
#include "flow/screens/Screens.h"
#include "flow/screens/Town.h"
#include "rules/Camp.h"

namespace {

// A goods list shown with this many rows, active, the menu left shown.
void OpenGoodsList(int32_t rows, int32_t source, int32_t state) {
    ListWidget& goods = Widget(kCampGoodsWidget);
    goods.SetLayout(1, rows);
    FillList(kCampGoodsWidget, source, false);
    SetWidgetState(kCampGoodsWidget, WidgetState::kActive);
    SetWidgetState(kCampMenuWidget, WidgetState::kShown);
    Flow().subState = state;
}

void ChooseMember(int32_t purpose) {
    GameFlow& flow = Flow();
    flow.menuState = 0;
    flow.subState = CampState::kMemberChoice;
    flow.tab = purpose;
    SetWidgetState(kCampMenuWidget, WidgetState::kShown);
}

void LeaveCamp() {
    SoundCancel();
    PopMode();
    // The town reads only its own menu; the camp menu waits hidden.
    SetWidgetState(kCampMenuWidget, WidgetState::kHidden);
    SetWidgetState(kTownMenuWidget, WidgetState::kActive);
    Flow().menuState = 0;
}

int32_t PartySize() { return static_cast<int32_t>(GameParty().members.size()); }

// Up and down walk over the party with wrap.
int32_t Wrapped(int32_t position, int32_t step) {
    const int32_t size = PartySize();
    if (size == 0) return 0;
    return ((position + step) % size + size) % size;
}

}  // namespace

int32_t ChosenMember() {
    const PartyState& party = GameParty();
    const int32_t position = Flow().menuState;
    if (position < 0 || position >= static_cast<int32_t>(party.members.size())) return -1;
    return party.members[static_cast<size_t>(position)];
}

void ReturnToCampMenu() {
    GameFlow& flow = Flow();
    flow.menuState = -1;
    flow.subState = CampState::kMenu;
    SetWidgetState(kCampMenuWidget, WidgetState::kActive);
    flow.menuEnabled = CampMenuEnabled(GameParty());
}

bool RowAtCursor(int32_t widget, int32_t& entry, int32_t& second) {
    const ListWidget& list = Widget(widget);
    const int32_t cursor = list.Cursor();
    if (cursor < 0 || cursor >= list.Count()) return false;
    entry = list.EntryAt(cursor);
    second = list.SecondAt(cursor);
    return true;
}

void UpdateCampMenu() {
    if (Pressed(kDecide)) {
        SoundDecide();
        const int32_t entry = Widget(kCampMenuWidget).EntryAtCursor();
        if (entry < 0 || entry >= CampEntry::kCount) return;
        if (Flow().menuEnabled[static_cast<size_t>(entry)] == 0) return;
        switch (entry) {
            case CampEntry::kItems:
                Flow().selection = ListSource::kBagFirst;
                OpenGoodsList(18, ListSource::kBagFirst, CampState::kBag);
                break;
            case CampEntry::kStorage:
                Flow().selection = ListSource::kStorageFirst;
                OpenGoodsList(18, ListSource::kStorageFirst, CampState::kStorage);
                break;
            case CampEntry::kCarried:
                // The usable items wait beside the slots until a slot is chosen.
                OpenGoodsList(12, ListSource::kEquipFirst, CampState::kItemSlots);
                SetWidgetState(kCampGoodsWidget, WidgetState::kNoHighlight);
                FillList(kCampSlotsWidget, ListSource::kCarriedSlots, false);
                SetWidgetState(kCampSlotsWidget, WidgetState::kActive);
                break;
            case CampEntry::kEquipment: ChooseMember(MemberPurpose::kStatus); break;
            case CampEntry::kStandBy: ChooseMember(MemberPurpose::kStandBy); break;
            case CampEntry::kRow: ChooseMember(MemberPurpose::kRow); break;
            case CampEntry::kAdd:
                FillList(kCampAddWidget, ListSource::kAddMember, false);
                SetWidgetState(kCampAddWidget, WidgetState::kActive);
                SetWidgetState(kCampMenuWidget, WidgetState::kShown);
                Flow().subState = CampState::kAddMember;
                break;
            default: break;
        }
    } else if (Pressed(kCancel)) {
        LeaveCamp();
    }
}

void UpdateMemberChoice() {
    GameFlow& flow = Flow();
    if (Pressed(kDecide)) {
        SoundDecide();
        PartyState& party = GameParty();
        switch (flow.tab) {
            case MemberPurpose::kStatus: flow.subState = CampState::kStatus; break;
            case MemberPurpose::kStandBy:
                // The last member never leaves; with one left the choice is over.
                if (!StandBy(party, flow.menuState) || PartySize() <= 1) {
                    ReturnToCampMenu();
                } else if (flow.menuState >= PartySize()) {
                    flow.menuState = PartySize() - 1;
                }
                break;
            case MemberPurpose::kRow: ToggleRow(ChosenMember()); break;
            default: break;
        }
    } else if (Pressed(kCancel)) {
        SoundCancel();
        ReturnToCampMenu();
    } else if (Pressed(kUp)) {
        SoundCursor();
        flow.menuState = Wrapped(flow.menuState, -1);
    } else if (Pressed(kDown)) {
        SoundCursor();
        flow.menuState = Wrapped(flow.menuState, +1);
    }
}

void UpdateCamp() {
    switch (Flow().subState) {
        case CampState::kMenu: UpdateCampMenu(); break;
        case CampState::kMemberChoice: UpdateMemberChoice(); break;
        case CampState::kStatus: UpdateCampStatus(); break;
        case CampState::kStatusRows: UpdateStatusRows(); break;
        case CampState::kEquip: UpdateEquipChoice(); break;
        case CampState::kItemSlots: UpdateItemSlots(); break;
        case CampState::kItemForSlot: UpdateItemForSlot(); break;
        case CampState::kBag: UpdateBag(); break;
        case CampState::kStorage: UpdateStorage(); break;
        case CampState::kAddMember: UpdateAddMember(); break;
        default: break;
    }
}

void DrawCampMenu() {
    const GameFlow& flow = Flow();
    const std::vector<int32_t>& members = GameParty().members;
    const bool choosing = flow.subState == CampState::kMemberChoice;
    for (size_t i = 0; i < members.size(); ++i) {
        const int32_t top = 5 + kPartyCardStep * static_cast<int32_t>(i);
        DrawPartyCard(members[i], {5, top}, choosing && flow.menuState == static_cast<int32_t>(i));
    }
    DrawPartySummary({445, 125});
    SetGlyphs(20, 4);
    Widget(kCampMenuWidget).Draw(Box(420, 245, 200, 160));
}

void DrawCamp() {
    DrawBackground(3);
    switch (Flow().subState) {
        case CampState::kMenu:
        case CampState::kMemberChoice: DrawCampMenu(); break;
        case CampState::kStatus:
        case CampState::kStatusRows:
        case CampState::kEquip: DrawCampStatus(); break;
        case CampState::kItemSlots:
        case CampState::kItemForSlot: DrawItemSlots(); break;
        case CampState::kBag:
        case CampState::kStorage: DrawBagAndStorage(); break;
        case CampState::kAddMember: DrawAddMember(); break;
        default: break;
    }
}
