// The automatic player at camp: who goes, what they wear, what is carried.
#include <algorithm>

#include "engine/input/Input.h"
#include "flow/GameFlow.h"
#include "flow/screens/Camp.h"
#include "flow/screens/Town.h"
#include "rules/Camp.h"
#include "tools/autoplay/AutoPlayer.h"
#include "tools/autoplay/CursorPath.h"
#include "tools/autoplay/TownPlan.h"

namespace {

constexpr int32_t kMaxEquips = 40;
constexpr int32_t kMaxPartyChanges = 12;

bool InCampMenu() {
    return CurrentMode() == GameMode::kCamp && Flow().subState == CampState::kMenu;
}

}  // namespace

bool AutoPlayer::EnterCamp() {
    if (!EnterFacility(1)) return false;
    return Expect(InCampMenu(), "the camp menu");
}

bool AutoPlayer::LeaveCamp() {
    if (!Expect(InCampMenu(), "the camp menu before leaving")) return false;
    driver_.Press(kCancel);
    return Expect(CurrentMode() == GameMode::kTown && Flow().menuState == TownState::kMenu,
                  "the town after the camp");
}

bool AutoPlayer::ChooseCampEntry(int32_t entry) {
    if (!Expect(InCampMenu(), "the camp menu") ||
        !Expect(Flow().menuEnabled[size_t(entry)] != 0, "camp entry " + std::to_string(entry) + " open") ||
        !MoveTo(kCampMenuWidget, entry, false))
        return false;
    driver_.Press(kDecide);
    return true;
}

bool AutoPlayer::ArrangeParty() {
    PartyState& party = GameParty();
    const std::vector<int32_t> wanted = ChooseParty(party);
    auto isWanted = [&](int32_t c) { return std::find(wanted.begin(), wanted.end(), c) != wanted.end(); };
    for (int32_t n = 0; n < kMaxPartyChanges; ++n) {
        int32_t missing = -1, unwanted = -1;
        for (int32_t c : wanted)
            if (!IsInParty(party, c) && missing < 0) missing = c;
        for (size_t p = 0; p < party.members.size(); ++p)
            if (!isWanted(party.members[p]) && unwanted < 0) unwanted = static_cast<int32_t>(p);
        if (missing < 0) break;
        if (party.members.size() < size_t(kMaxPartySize)) {
            // "加える": the character joins at the end.
            if (!ChooseCampEntry(CampEntry::kAdd)) return false;
            const int32_t row = RowWithEntry(Widget(kCampAddWidget), missing);
            if (!Expect(row >= 0, "character on the add list") || !MoveTo(kCampAddWidget, row, false))
                return false;
            driver_.Press(kDecide);
            if (!Expect(IsInParty(party, missing), "a member added")) return false;
            if (Flow().subState == CampState::kAddMember) driver_.Press(kCancel);
        } else if (unwanted >= 0) {
            // "待機": choose the member with up and down, then decide.
            if (!ChooseCampEntry(CampEntry::kStandBy)) return false;
            for (int32_t k = 0; k < kMaxPartySize && Flow().menuState != unwanted; ++k) driver_.Press(kDown);
            if (!Expect(Flow().menuState == unwanted, "member chosen")) return false;
            const size_t before = party.members.size();
            driver_.Press(kDecide);
            if (!Expect(party.members.size() + 1 == before, "a member standing by")) return false;
            if (Flow().subState == CampState::kMemberChoice) driver_.Press(kCancel);
        } else {
            break;
        }
        if (!Expect(InCampMenu(), "the camp menu after a party change")) return false;
    }
    return true;
}

bool AutoPlayer::EquipBest() {
    GameFlow& flow = Flow();
    for (int32_t n = 0; n < kMaxEquips; ++n) {
        const std::optional<EquipMove> move = BestEquipMove(GameParty());
        if (!move) break;
        // "装備": the member, the status sheet, the slot row, the item.
        if (!ChooseCampEntry(CampEntry::kEquipment)) return false;
        for (int32_t k = 0; k < kMaxPartySize && flow.menuState != move->position; ++k) driver_.Press(kDown);
        if (!Expect(flow.menuState == move->position, "member for equipping")) return false;
        driver_.Press(kDecide);
        driver_.Press(kDecide);
        if (!Expect(flow.subState == CampState::kStatusRows, "the status rows")) return false;
        for (int32_t k = 0; k < 8 && !(flow.selection == 0 && flow.selection2 == move->slot); ++k)
            driver_.Press(kDown);
        if (!Expect(flow.selection == 0 && flow.selection2 == move->slot, "the equipment slot row"))
            return false;
        driver_.Press(kDecide);
        const int32_t row = RowWithSecond(Widget(kCampGoodsWidget), move->item);
        if (!Expect(flow.subState == CampState::kEquip && row >= 0, "the item among the choices") ||
            !MoveTo(kCampGoodsWidget, row, false))
            return false;
        const int32_t character = GameParty().members[size_t(move->position)];
        driver_.Press(kDecide);
        if (!Expect(CharacterById(character).equipment[size_t(move->slot)] == move->item, "the item worn"))
            return false;
        ++record_.equips;
        driver_.Press(kCancel);  // rows -> sheet
        driver_.Press(kCancel);  // sheet -> member choice
        driver_.Press(kCancel);  // member choice -> menu
        if (!Expect(InCampMenu(), "the camp menu after equipping")) return false;
    }
    NoteHoldings(record_, GameParty());
    return true;
}

bool AutoPlayer::FillCarriedSlots() {
    GameFlow& flow = Flow();
    for (int32_t n = 0; n < 2 * kCarriedSlots; ++n) {
        const std::optional<CarryMove> move = BestCarryMove(GameParty());
        if (!move) break;
        if (flow.subState != CampState::kItemSlots && !ChooseCampEntry(CampEntry::kCarried)) return false;
        if (!Expect(flow.subState == CampState::kItemSlots, "the carried slots") ||
            !MoveTo(kCampSlotsWidget, move->slot, false))
            return false;
        driver_.Press(kDecide);
        const int32_t row = RowWithSecond(Widget(kCampGoodsWidget), move->item);
        if (!Expect(flow.subState == CampState::kItemForSlot && row >= 0, "the usable item to carry") ||
            !MoveTo(kCampGoodsWidget, row, false))
            return false;
        driver_.Press(kDecide);
        if (!Expect(GameParty().carried[size_t(move->slot)] == move->item, "the item carried")) return false;
        ++record_.carriedChanges;
    }
    if (flow.subState == CampState::kItemSlots) driver_.Press(kCancel);
    return Expect(InCampMenu(), "the camp menu after the carried slots");
}
