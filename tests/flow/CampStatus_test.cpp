// The camp's status screen: walking the party, the row cursor over the
// three groups of the sheet, and equipping from a slot.
#include <algorithm>

#include "CampDriver.h"
#include "content/ContentDatabase.h"
#include "flow/panels/Panels.h"
#include "rules/Camp.h"
#include "rules/Equipment.h"

namespace {

using flowtest::kTestCharacter;

class CampStatus : public CampDriverTest {
protected:
    // From the menu through "装備" to the status rows of the first member.
    void OpenStatusRows() {
        ChooseEntry(CampEntry::kEquipment);
        Press(kDecide);
        ASSERT_EQ(State().subState, CampState::kStatus);
        Press(kDecide);
        ASSERT_EQ(State().subState, CampState::kStatusRows);
    }
    std::pair<int32_t, int32_t> Row() const { return {State().selection, State().selection2}; }
    // A member of our own making: `abilities` abilities of 10, `skills` skills.
    void PartyOfTestCharacter(int32_t abilities, int32_t skills) {
        CharacterData& row = CharacterTable()[kTestCharacter];
        row = CharacterData{};
        row.name = WString("テスト");
        for (int32_t k = 0; k < abilities; ++k) row.params.Ability(k) = 10;
        for (int32_t s = 0; s < skills; ++s) row.skills[static_cast<size_t>(s)] = 2 + s;
        GameParty().hired[kTestCharacter] = 1;
        GameParty().members = {kTestCharacter};
    }
    // Weapons of the table that this character can wield.
    static std::vector<PackedItem> Weapons(int32_t character, size_t count) {
        std::vector<PackedItem> found;
        for (int32_t id = GoodsRange::kWeaponFirst; id < GoodsRange::kAccessoryFirst && found.size() < count; ++id) {
            const PackedItem item = PackItem(id, 50);
            if (!ItemName(id).Empty() && CanEquip(character, item)) found.push_back(item);
        }
        return found;
    }
};

TEST_F(CampStatus, LeftAndRightWalkThePartyAndCancelStepsBack) {
    EnterCamp();
    ChooseEntry(CampEntry::kEquipment);
    Press(kDecide);
    EXPECT_EQ(State().subState, CampState::kStatus);
    Press(kLeft);
    EXPECT_EQ(Sound(), "cur");
    EXPECT_EQ(State().menuState, 1);
    Press(kRight);
    EXPECT_EQ(State().menuState, 0);
    Press(kDecide);
    EXPECT_EQ(State().subState, CampState::kStatusRows);
    EXPECT_EQ(Row(), std::make_pair(0, 0));
    Press(kCancel);
    EXPECT_EQ(Sound(), "cancel");
    EXPECT_EQ(State().subState, CampState::kStatus);
    Press(kCancel);
    EXPECT_EQ(State().subState, CampState::kMemberChoice);
    Press(kCancel);
    ExpectCampMenu();
}

TEST_F(CampStatus, RowCursorWalksTheGroupsBothWays) {
    EnterCamp();
    PartyOfTestCharacter(2, 3);
    ASSERT_EQ(StatusGroupSizes(kTestCharacter), (std::array<int32_t, 3>{5, 2, 3}));
    OpenStatusRows();
    const std::vector<std::pair<int32_t, int32_t>> walk{
        {0, 1}, {0, 2}, {0, 3}, {0, 4}, {1, 0}, {1, 1}, {2, 0}, {2, 1}, {2, 2}, {0, 0}};
    for (const auto& expected : walk) {
        Press(kDown);
        EXPECT_EQ(Sound(), "cur");
        EXPECT_EQ(Row(), expected);
    }
    std::vector<std::pair<int32_t, int32_t>> back(walk.rbegin() + 1, walk.rend());
    back.push_back({0, 0});
    for (const auto& expected : back) {
        Press(kUp);
        EXPECT_EQ(Row(), expected);
    }
    // Abilities and skills have no list to open.
    Press(kUp);
    ASSERT_EQ(Row(), std::make_pair(2, 2));
    Press(kDecide);
    EXPECT_EQ(Sound(), "decide");
    EXPECT_EQ(State().subState, CampState::kStatusRows);
    EXPECT_EQ(Widget(kCampGoodsWidget).State(), WidgetState::kHidden);
}

TEST_F(CampStatus, RowCursorPassesOverEmptyGroups) {
    EnterCamp();
    PartyOfTestCharacter(2, 0);
    OpenStatusRows();
    // Up from the first slot: no skills, so the last ability.
    Press(kUp);
    EXPECT_EQ(Row(), std::make_pair(1, 1));
    Press(kDown);
    EXPECT_EQ(Row(), std::make_pair(0, 0));

    PartyOfTestCharacter(0, 0);
    Press(kUp);
    EXPECT_EQ(Row(), std::make_pair(0, 4));
    Press(kDown);
    EXPECT_EQ(Row(), std::make_pair(0, 0));

    PartyOfTestCharacter(0, 2);
    Press(kUp, 2);
    EXPECT_EQ(Row(), std::make_pair(2, 0));
    Press(kUp);
    EXPECT_EQ(Row(), std::make_pair(0, 4));
    Press(kDown);
    EXPECT_EQ(Row(), std::make_pair(2, 0));
}

TEST_F(CampStatus, EquippingAWeaponSwapsItWithTheInventory) {
    EnterCamp();
    const std::vector<PackedItem> weapons = Weapons(0, 2);
    ASSERT_EQ(weapons.size(), 2u);
    PartyState& party = GameParty();
    CharacterData& member = CharacterTable()[0];
    member.equipment[0] = 0;
    party.inventory = {weapons[0], weapons[1]};
    OpenStatusRows();

    Press(kDecide);
    EXPECT_EQ(State().subState, CampState::kEquip);
    EXPECT_EQ(Widget(kCampGoodsWidget).State(), WidgetState::kActive);
    EXPECT_EQ(Widget(kCampGoodsWidget).Rows(), 6);
    const std::vector<std::pair<int32_t, int32_t>> choice{{-1, 0}, {0, weapons[0]}, {1, weapons[1]}};
    EXPECT_EQ(flowtest::Pairs(kCampGoodsWidget), choice);

    Press(kDown);
    Press(kDecide);
    EXPECT_EQ(Sound(), "decide");
    EXPECT_EQ(State().subState, CampState::kStatusRows);
    EXPECT_EQ(Widget(kCampGoodsWidget).State(), WidgetState::kHidden);
    EXPECT_EQ(member.equipment[0], weapons[0]);
    EXPECT_EQ(member.skills[0], BasicAttackOf(weapons[0]));
    EXPECT_EQ(party.inventory, (std::vector<PackedItem>{weapons[1]}));

    // The second weapon takes the slot; the first goes back.
    Press(kDecide);
    Press(kDown);
    Press(kDecide);
    EXPECT_EQ(member.equipment[0], weapons[1]);
    EXPECT_EQ(member.skills[0], BasicAttackOf(weapons[1]));
    EXPECT_EQ(party.inventory, (std::vector<PackedItem>{weapons[0]}));

    // "なし" empties the slot: bare hands.
    Press(kDecide);
    Press(kDecide);
    EXPECT_EQ(member.equipment[0], 0);
    EXPECT_EQ(member.skills[0], BasicAttackOf(0));
    EXPECT_EQ(party.inventory, (std::vector<PackedItem>{weapons[0], weapons[1]}));

    // Cancel leaves the slot as it is.
    Press(kDecide);
    Press(kDown);
    Press(kCancel);
    EXPECT_EQ(Sound(), "cancel");
    EXPECT_EQ(State().subState, CampState::kStatusRows);
    EXPECT_EQ(Widget(kCampGoodsWidget).State(), WidgetState::kHidden);
    EXPECT_EQ(member.equipment[0], 0);
}

TEST_F(CampStatus, AccessorySlotsListAccessoriesOnly) {
    EnterCamp();
    const PackedItem weapon = Weapons(0, 1).at(0);
    PackedItem accessory = 0;
    for (int32_t id = GoodsRange::kAccessoryFirst; id < GoodsRange::kMaterialFirst && accessory == 0; ++id)
        if (!ItemName(id).Empty()) accessory = PackItem(id, 70);
    ASSERT_NE(accessory, 0);
    CharacterData& member = CharacterTable()[0];
    member.equipment[2] = 0;
    GameParty().inventory = {weapon, accessory};
    OpenStatusRows();
    Press(kDown, 2);
    Press(kDecide);
    const std::vector<std::pair<int32_t, int32_t>> choice{{-1, 0}, {1, accessory}};
    EXPECT_EQ(flowtest::Pairs(kCampGoodsWidget), choice);
    Press(kDown);
    Press(kDecide);
    EXPECT_EQ(member.equipment[2], accessory);
    EXPECT_EQ(GameParty().inventory, (std::vector<PackedItem>{weapon}));
}

TEST_F(CampStatus, EquipChoiceWithTheCursorOffTheListChangesNothing) {
    EnterCamp();
    const PackedItem weapon = Weapons(0, 1).at(0);
    CharacterData& member = CharacterTable()[0];
    member.equipment[0] = weapon;
    OpenStatusRows();
    Press(kDecide);
    Widget(kCampGoodsWidget).Clear();  // as if the list had come back empty
    Press(kDecide);
    EXPECT_EQ(member.equipment[0], weapon);
    EXPECT_EQ(State().subState, CampState::kStatusRows);
}

}  // namespace
