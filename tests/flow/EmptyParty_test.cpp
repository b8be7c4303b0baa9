// A save with no party members is accepted ("加える" refills the party), so
// every camp screen that wraps its cursor by the party size must bear a
// size of 0.
#include "CampDriver.h"
#include "rules/Camp.h"

namespace {

class EmptyParty : public CampDriverTest {};

TEST_F(EmptyParty, CampScreensWrapNothingAndEquipNobody) {
    StartNewGame();
    GameParty().members.clear();
    const std::array<PackedItem, 5> equipment = CharacterTable()[0].equipment;
    EnterTownEntry(1);
    ASSERT_EQ(Mode(), GameMode::kCamp);

    ChooseEntry(CampEntry::kEquipment);
    ASSERT_EQ(State().subState, CampState::kMemberChoice);
    Press(kDown);
    Press(kUp);
    EXPECT_EQ(State().menuState, 0);

    Press(kDecide);
    ASSERT_EQ(State().subState, CampState::kStatus);
    Press(kLeft);
    Press(kRight);
    EXPECT_EQ(State().menuState, 0);

    // The rows walk the five slots alone; equipping has nobody to change.
    Press(kDecide);
    ASSERT_EQ(State().subState, CampState::kStatusRows);
    Press(kUp);
    EXPECT_EQ(State().selection, 0);
    EXPECT_EQ(State().selection2, 4);
    Press(kDecide);
    ASSERT_EQ(State().subState, CampState::kEquip);
    Press(kDecide);
    EXPECT_EQ(State().subState, CampState::kStatusRows);
    EXPECT_EQ(CharacterTable()[0].equipment, equipment);
    EXPECT_TRUE(GameParty().members.empty());

    Press(kCancel);
    Press(kCancel);
    Press(kCancel);
    ExpectCampMenu();
}

}  // namespace
