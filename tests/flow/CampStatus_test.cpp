// The camp's status screen: walking the party, the row cursor over the
// three groups of the sheet, and equipping from a slot.
#include "CampDriver.h"
#include "content/ContentDatabase.h"
#include "flow/panels/Panels.h"
#include "rules/Camp.h"
#include "rules/Equipment.h"

namespace {

using flowtest::kTestCharacter;
using Row = std::pair<int32_t, int32_t>;

class CampStatus : public CampDriverTest {
protected:
    // From the menu through "装備" to the status rows of the first member.
    void OpenStatusRows() {
        ChooseEntry(CampEntry::kEquipment);
        Press(kDecide);
        Press(kDecide);
        ASSERT_EQ(State().subState, CampState::kStatusRows);
    }
    Row At() const { return {State().selection, State().selection2}; }
    // The only member: a character with this many abilities and skills.
    void Member(int32_t abilities, int32_t skills) {
        CharacterData& row = CharacterTable()[kTestCharacter];
        row = CharacterData{};
        for (int32_t k = 0; k < abilities; ++k) row.params.Ability(k) = 10;
        for (int32_t s = 0; s < skills; ++s) row.skills[size_t(s)] = 2 + s;
        GameParty().hired[kTestCharacter] = 1;
        GameParty().members = {kTestCharacter};
    }
    void ExpectWalk(int32_t button, const std::vector<Row>& rows) {
        for (const Row& row : rows) {
            Press(button);
            EXPECT_EQ(At(), row);
        }
    }
    static PackedItem First(int32_t from, int32_t to, int32_t skip = 0) {
        for (int32_t id = from; id < to; ++id)
            if (!ItemName(id).Empty() && (from != GoodsRange::kWeaponFirst || CanEquip(0, PackItem(id, 50))) &&
                skip-- == 0)
                return PackItem(id, 50);
        return 0;
    }
};

TEST_F(CampStatus, LeftAndRightWalkThePartyAndCancelStepsBack) {
    EnterCamp();
    ChooseEntry(CampEntry::kEquipment);
    Press(kDecide);
    EXPECT_EQ(State().subState, CampState::kStatus);
    Press(kLeft);
    EXPECT_EQ(State().menuState, 1);
    Press(kRight);
    EXPECT_EQ(State().menuState, 0);
    Press(kDecide);
    EXPECT_EQ(At(), Row(0, 0));
    Press(kCancel);
    EXPECT_EQ(State().subState, CampState::kStatus);
    Press(kCancel);
    EXPECT_EQ(State().subState, CampState::kMemberChoice);
}

TEST_F(CampStatus, RowCursorWalksTheGroupsBothWaysPassingEmptyOnes) {
    EnterCamp();
    Member(2, 3);
    ASSERT_EQ(StatusGroupSizes(kTestCharacter), (std::array<int32_t, 3>{5, 2, 3}));
    OpenStatusRows();
    ExpectWalk(kDown, {{0, 1}, {0, 2}, {0, 3}, {0, 4}, {1, 0}, {1, 1}, {2, 0}, {2, 1}, {2, 2}, {0, 0}});
    ExpectWalk(kUp, {{2, 2}, {2, 1}, {2, 0}, {1, 1}, {1, 0}, {0, 4}});
    // Abilities and skills open no list.
    Press(kDown);
    Press(kDecide);
    EXPECT_EQ(Sound(), "decide");
    EXPECT_EQ(State().subState, CampState::kStatusRows);

    Press(kCancel);
    Member(2, 0);  // no skills: up from the first slot lands on the last ability
    Press(kDecide);
    ExpectWalk(kUp, {{1, 1}});
    ExpectWalk(kDown, {{0, 0}});
    Member(0, 0);
    ExpectWalk(kUp, {{0, 4}});
    ExpectWalk(kDown, {{0, 0}});
    Member(0, 2);
    ExpectWalk(kUp, {{2, 1}, {2, 0}, {0, 4}});
    ExpectWalk(kDown, {{2, 0}});
}

TEST_F(CampStatus, EquippingSwapsWithTheInventory) {
    EnterCamp();
    const PackedItem first = First(GoodsRange::kWeaponFirst, GoodsRange::kAccessoryFirst);
    const PackedItem second = First(GoodsRange::kWeaponFirst, GoodsRange::kAccessoryFirst, 1);
    const PackedItem ring = First(GoodsRange::kAccessoryFirst, GoodsRange::kMaterialFirst);
    ASSERT_NE(second, 0);
    PartyState& party = GameParty();
    CharacterData& member = CharacterTable()[0];
    member.equipment = {};
    party.inventory = {first, second, ring};
    OpenStatusRows();
    Press(kDecide);
    EXPECT_EQ(State().subState, CampState::kEquip);
    EXPECT_EQ(flowtest::Pairs(kCampGoodsWidget),
              (std::vector<Row>{{-1, 0}, {0, first}, {1, second}}));
    Press(kDown);
    Press(kDecide);
    EXPECT_EQ(State().subState, CampState::kStatusRows);
    EXPECT_EQ(Widget(kCampGoodsWidget).State(), WidgetState::kHidden);
    EXPECT_EQ(member.equipment[0], first);
    EXPECT_EQ(member.skills[0], BasicAttackOf(first));
    EXPECT_EQ(party.inventory, (std::vector<PackedItem>{second, ring}));

    // The second weapon takes the slot, the first goes back; "なし" empties it.
    Press(kDecide);
    Press(kDown);
    Press(kDecide);
    EXPECT_EQ(member.equipment[0], second);
    EXPECT_EQ(party.inventory, (std::vector<PackedItem>{first, ring}));
    Press(kDecide);
    Press(kDecide);
    EXPECT_EQ(member.equipment[0], 0);
    EXPECT_EQ(member.skills[0], BasicAttackOf(0));
    EXPECT_EQ(party.inventory, (std::vector<PackedItem>{first, second, ring}));

    // An accessory slot lists accessories only.
    Press(kDown, 2);
    Press(kDecide);
    EXPECT_EQ(flowtest::Pairs(kCampGoodsWidget), (std::vector<Row>{{-1, 0}, {2, ring}}));
    Press(kDown);
    Press(kCancel);
    EXPECT_EQ(member.equipment[2], 0);
}

}  // namespace
