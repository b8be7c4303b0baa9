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
    EXPECT_EQ(Widget(kCampMenuWidget).Cursor(), 0);
    EXPECT_EQ(Widget(1).State(), WidgetState::kHidden);
    // Two members, nobody else hired: nobody to add, somebody may stand by.
    EXPECT_EQ(State().menuEnabled[CampEntry::kAdd], 0);
    EXPECT_EQ(State().menuEnabled[CampEntry::kStandBy], 1);

    Press(kCancel);
    EXPECT_EQ(Sound(), "cancel");
    EXPECT_EQ(State().modeStack, (std::vector<int32_t>{0, 1}));
    EXPECT_EQ(State().menuState, 0);
    EXPECT_EQ(Widget(1).State(), WidgetState::kActive);
    EXPECT_NE(Widget(kCampMenuWidget).State(), WidgetState::kActive);
    EXPECT_EQ(Music(), "music\\town3.mid");
}

TEST_F(CampMenu, EveryScreenIsEnteredAndLeft) {
    EnterCamp();
    HireAll({5});
    Press(kCancel);
    EnterTownEntry(1);  // the menu is recomputed on entry: "加える" now open
    ASSERT_EQ(State().menuEnabled[CampEntry::kAdd], 1);

    const struct {
        int32_t entry, subState, widget;
    } lists[] = {{CampEntry::kItems, CampState::kBag, kCampGoodsWidget},
                 {CampEntry::kStorage, CampState::kStorage, kCampGoodsWidget},
                 {CampEntry::kCarried, CampState::kItemSlots, kCampSlotsWidget},
                 {CampEntry::kAdd, CampState::kAddMember, kCampAddWidget}};
    for (const auto& list : lists) {
        SCOPED_TRACE(list.entry);
        ChooseEntry(list.entry);
        EXPECT_EQ(Sound(), "decide");
        EXPECT_EQ(State().subState, list.subState);
        EXPECT_EQ(Widget(list.widget).State(), WidgetState::kActive);
        EXPECT_EQ(Widget(kCampMenuWidget).State(), WidgetState::kShown);
        Press(kCancel);
        EXPECT_EQ(Sound(), "cancel");
        EXPECT_EQ(Widget(list.widget).State(), WidgetState::kHidden);
        ExpectCampMenu();
    }
    EXPECT_EQ(Widget(kCampGoodsWidget).Rows(), 12);  // the carried items' list size

    const struct {
        int32_t entry, purpose;
    } choices[] = {{CampEntry::kEquipment, MemberPurpose::kStatus},
                   {CampEntry::kStandBy, MemberPurpose::kStandBy},
                   {CampEntry::kRow, MemberPurpose::kRow}};
    for (const auto& choice : choices) {
        SCOPED_TRACE(choice.entry);
        ChooseEntry(choice.entry);
        EXPECT_EQ(State().subState, CampState::kMemberChoice);
        EXPECT_EQ(State().menuState, 0);
        EXPECT_EQ(State().tab, choice.purpose);
        EXPECT_EQ(Widget(kCampMenuWidget).State(), WidgetState::kShown);
        Press(kCancel);
        EXPECT_EQ(Sound(), "cancel");
        ExpectCampMenu();
    }
}

TEST_F(CampMenu, AddsMembersUpToFourThenTheEntryCloses) {
    EnterCamp();
    HireAll({3, 7, 9});
    Press(kCancel);
    EnterTownEntry(1);
    ChooseEntry(CampEntry::kAdd);
    const std::vector<std::pair<int32_t, int32_t>> outside{{3, 3}, {7, 7}, {9, 9}};
    EXPECT_EQ(flowtest::Pairs(kCampAddWidget), outside);

    Widget(kCampAddWidget).Select(1);
    Press(kDecide);
    EXPECT_EQ(GameParty().members, (std::vector<int32_t>{0, 1, 7}));
    EXPECT_EQ(State().subState, CampState::kAddMember);  // room for one more
    EXPECT_EQ(Widget(kCampAddWidget).Cursor(), 0);

    Press(kDecide);
    EXPECT_EQ(Sound(), "decide");
    EXPECT_EQ(GameParty().members, (std::vector<int32_t>{0, 1, 7, 3}));
    EXPECT_EQ(Widget(kCampAddWidget).State(), WidgetState::kHidden);
    ExpectCampMenu();
    EXPECT_EQ(State().menuEnabled[CampEntry::kAdd], 0);

    // A closed entry only answers with the sound.
    ChooseEntry(CampEntry::kAdd);
    EXPECT_EQ(Sound(), "decide");
    ExpectCampMenu();
    EXPECT_EQ(Widget(kCampAddWidget).State(), WidgetState::kHidden);
}

TEST_F(CampMenu, AddingTheLastHiredCharacterEndsTheList) {
    EnterCamp();
    HireAll({4});
    Press(kCancel);
    EnterTownEntry(1);
    ChooseEntry(CampEntry::kAdd);
    Press(kDecide);
    EXPECT_EQ(GameParty().members, (std::vector<int32_t>{0, 1, 4}));
    ExpectCampMenu();
    EXPECT_EQ(State().menuEnabled[CampEntry::kAdd], 0);
}

TEST_F(CampMenu, StandByWithTwoMembersReturnsToTheMenu) {
    EnterCamp();
    ChooseEntry(CampEntry::kStandBy);
    Press(kDown);
    EXPECT_EQ(Sound(), "cur");
    EXPECT_EQ(State().menuState, 1);
    Press(kDecide);
    EXPECT_EQ(Sound(), "decide");
    EXPECT_EQ(GameParty().members, (std::vector<int32_t>{0}));
    ExpectCampMenu();
    EXPECT_EQ(State().menuEnabled[CampEntry::kStandBy], 0);
    EXPECT_EQ(State().menuEnabled[CampEntry::kAdd], 1);  // the one who left may come back

    ChooseEntry(CampEntry::kStandBy);
    ExpectCampMenu();
    EXPECT_EQ(GameParty().members, (std::vector<int32_t>{0}));
}

TEST_F(CampMenu, StandByOfTheLastMemberKeepsTheCursorOnTheParty) {
    EnterCamp();
    GameParty().members.push_back(2);
    GameParty().hired[2] = 1;
    ChooseEntry(CampEntry::kStandBy);
    Press(kUp);  // wraps to the last member
    EXPECT_EQ(State().menuState, 2);
    Press(kDecide);
    EXPECT_EQ(GameParty().members, (std::vector<int32_t>{0, 1}));
    EXPECT_EQ(State().subState, CampState::kMemberChoice);
    EXPECT_EQ(State().menuState, 1);
}

TEST_F(CampMenu, FormationTogglesTheChosenMembersRow) {
    EnterCamp();
    const int32_t before0 = CharacterTable()[0].ranged;
    const int32_t before1 = CharacterTable()[1].ranged;
    ChooseEntry(CampEntry::kRow);
    Press(kDecide);
    EXPECT_EQ(Sound(), "decide");
    EXPECT_EQ(CharacterTable()[0].ranged, 1 - before0);
    EXPECT_EQ(State().subState, CampState::kMemberChoice);
    Press(kDown);
    Press(kDown);  // wraps back to the first member
    EXPECT_EQ(State().menuState, 0);
    Press(kDecide);
    EXPECT_EQ(CharacterTable()[0].ranged, before0);
    EXPECT_EQ(CharacterTable()[1].ranged, before1);
}

}  // namespace
