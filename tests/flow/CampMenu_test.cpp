// The camp menu and the choice of a member: entering and leaving every
// camp screen, adding members, standing by and switching rows.
#include "CampDriver.h"
#include "content/ContentDatabase.h"
#include "rules/Camp.h"

namespace {

class CampMenu : public CampDriverTest {};

TEST_F(CampMenu, OpensFromTownAndCancelGoesBack) {
    EnterCamp();
    EXPECT_EQ(State().modeStack, (std::vector<int32_t>{0, 1, 10}));
    ExpectCampMenu();
    // Two members, nobody else hired.
    EXPECT_EQ(State().menuEnabled[CampEntry::kAdd], 0);
    EXPECT_EQ(State().menuEnabled[CampEntry::kStandBy], 1);
    Press(kCancel);
    EXPECT_EQ(Sound(), "cancel");
    EXPECT_EQ(State().modeStack, (std::vector<int32_t>{0, 1}));
    EXPECT_EQ(State().menuState, 0);
    EXPECT_EQ(Widget(1).State(), WidgetState::kActive);
    EXPECT_NE(Widget(kCampMenuWidget).State(), WidgetState::kActive);
}

TEST_F(CampMenu, EveryScreenIsEnteredAndLeft) {
    EnterCamp();
    HireAll({5});
    Press(kCancel);
    EnterTownEntry(1);  // recomputed on entry: "加える" now open
    const struct {
        int32_t entry, subState, widget;
    } lists[] = {{CampEntry::kItems, CampState::kBag, kCampGoodsWidget},
                 {CampEntry::kStorage, CampState::kStorage, kCampGoodsWidget},
                 {CampEntry::kCarried, CampState::kItemSlots, kCampSlotsWidget},
                 {CampEntry::kAdd, CampState::kAddMember, kCampAddWidget}};
    for (const auto& list : lists) {
        SCOPED_TRACE(list.entry);
        ChooseEntry(list.entry);
        EXPECT_EQ(State().subState, list.subState);
        EXPECT_EQ(Widget(list.widget).State(), WidgetState::kActive);
        EXPECT_EQ(Widget(kCampMenuWidget).State(), WidgetState::kShown);
        Press(kCancel);
        EXPECT_EQ(Sound(), "cancel");
        EXPECT_EQ(Widget(list.widget).State(), WidgetState::kHidden);
        ExpectCampMenu();
    }
    const int32_t purposes[][2] = {{CampEntry::kEquipment, MemberPurpose::kStatus},
                                   {CampEntry::kStandBy, MemberPurpose::kStandBy},
                                   {CampEntry::kRow, MemberPurpose::kRow}};
    for (const auto& [entry, purpose] : purposes) {
        ChooseEntry(entry);
        EXPECT_EQ(State().subState, CampState::kMemberChoice);
        EXPECT_EQ(State().menuState, 0);
        EXPECT_EQ(State().tab, purpose);
        Press(kCancel);
        ExpectCampMenu();
    }
}

TEST_F(CampMenu, AddsMembersUntilFullOrNobodyIsLeft) {
    EnterCamp();
    HireAll({3, 7, 9});
    Press(kCancel);
    EnterTownEntry(1);
    ChooseEntry(CampEntry::kAdd);
    Widget(kCampAddWidget).Select(1);
    Press(kDecide);
    EXPECT_EQ(GameParty().members, (std::vector<int32_t>{0, 1, 7}));
    EXPECT_EQ(State().subState, CampState::kAddMember);  // room for one more
    Press(kDecide);
    EXPECT_EQ(GameParty().members, (std::vector<int32_t>{0, 1, 7, 3}));
    ExpectCampMenu();
    EXPECT_EQ(Widget(kCampAddWidget).State(), WidgetState::kHidden);
    EXPECT_EQ(State().menuEnabled[CampEntry::kAdd], 0);
    // A closed entry only answers with the sound.
    ChooseEntry(CampEntry::kAdd);
    EXPECT_EQ(Sound(), "decide");
    ExpectCampMenu();

    // Three members and the last hired character joins: the list is done.
    GameParty().members = {0, 1, 3};
    GameParty().hired[9] = 0;
    Press(kCancel);
    EnterTownEntry(1);
    ChooseEntry(CampEntry::kAdd);
    Press(kDecide);
    EXPECT_EQ(GameParty().members, (std::vector<int32_t>{0, 1, 3, 7}));
    ExpectCampMenu();
}

TEST_F(CampMenu, StandByUntilOneMemberIsLeft) {
    EnterCamp();
    HireAll({2});
    GameParty().members = {0, 1, 2};
    ChooseEntry(CampEntry::kStandBy);
    Press(kUp);  // wraps to the last member
    Press(kDecide);
    EXPECT_EQ(GameParty().members, (std::vector<int32_t>{0, 1}));
    EXPECT_EQ(State().subState, CampState::kMemberChoice);
    EXPECT_EQ(State().menuState, 1);  // back on the party
    Press(kDecide);
    EXPECT_EQ(Sound(), "decide");
    EXPECT_EQ(GameParty().members, (std::vector<int32_t>{0}));
    ExpectCampMenu();
    EXPECT_EQ(State().menuEnabled[CampEntry::kStandBy], 0);
    EXPECT_EQ(State().menuEnabled[CampEntry::kAdd], 1);
}

TEST_F(CampMenu, FormationTogglesTheChosenMembersRow) {
    EnterCamp();
    const int32_t before0 = CharacterTable()[0].ranged;
    const int32_t before1 = CharacterTable()[1].ranged;
    ChooseEntry(CampEntry::kRow);
    Press(kDecide);
    EXPECT_EQ(CharacterTable()[0].ranged, 1 - before0);
    EXPECT_EQ(State().subState, CampState::kMemberChoice);
    Press(kDown, 2);  // wraps back to the first member
    Press(kDecide);
    EXPECT_EQ(CharacterTable()[0].ranged, before0);
    EXPECT_EQ(CharacterTable()[1].ranged, before1);
}

}  // namespace
