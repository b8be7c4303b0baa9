// The camp's goods: the carried-item slots, the bag and the storage.
#include "CampDriver.h"
#include "content/ContentDatabase.h"
#include "rules/Camp.h"

namespace {

using Pairs = std::vector<std::pair<int32_t, int32_t>>;

class CampGoods : public CampDriverTest {};

TEST_F(CampGoods, ItemSlotsAreSetAndCleared) {
    EnterCamp();
    PartyState& party = GameParty();
    const PackedItem starter = party.carried[0];
    const PackedItem potion = PackItem(2, 80);
    const PackedItem sword = PackItem(600, 50);
    party.inventory = {potion, sword};
    ChooseEntry(CampEntry::kCarried);
    EXPECT_EQ(Widget(kCampGoodsWidget).State(), WidgetState::kNoHighlight);
    EXPECT_EQ(flowtest::Pairs(kCampGoodsWidget), (Pairs{{-1, 0}, {0, potion}}));
    Press(kDown);  // slot 1
    Press(kDecide);
    EXPECT_EQ(State().subState, CampState::kItemForSlot);
    EXPECT_EQ(Widget(kCampGoodsWidget).State(), WidgetState::kActive);
    Press(kDown);
    Press(kDecide);
    EXPECT_EQ(party.carried[1], potion);
    EXPECT_EQ(party.inventory, (std::vector<PackedItem>{sword}));
    EXPECT_EQ(State().subState, CampState::kItemSlots);
    EXPECT_EQ(Widget(kCampSlotsWidget).Cursor(), 1);
    EXPECT_EQ(Widget(kCampSlotsWidget).SecondAt(1), potion);

    // "なし" on slot 0 sends its item back.
    Press(kUp);
    Press(kDecide);
    Press(kDecide);
    EXPECT_EQ(party.carried[0], 0);
    EXPECT_EQ(party.inventory, (std::vector<PackedItem>{starter, sword}));
    Press(kDecide);
    Press(kCancel);
    EXPECT_EQ(State().subState, CampState::kItemSlots);
    EXPECT_EQ(Widget(kCampSlotsWidget).State(), WidgetState::kActive);
}

// The "なし" row has entry -1, and so does a cursor on no row at all.
TEST_F(CampGoods, ACursorOffItsListIsNotNothing) {
    EnterCamp();
    const PackedItem starter = GameParty().carried[0];
    ChooseEntry(CampEntry::kCarried);
    Press(kDecide);
    Widget(kCampGoodsWidget).Clear();
    Press(kDecide);
    EXPECT_EQ(GameParty().carried[0], starter);
    Press(kCancel);

    const PackedItem weapon = CharacterTable()[0].equipment[0];
    ASSERT_NE(weapon, 0);
    ChooseEntry(CampEntry::kEquipment);
    Press(kDecide, 3);
    ASSERT_EQ(State().subState, CampState::kEquip);
    Widget(kCampGoodsWidget).Clear();
    Press(kDecide);
    EXPECT_EQ(CharacterTable()[0].equipment[0], weapon);
    EXPECT_EQ(State().subState, CampState::kStatusRows);
}

TEST_F(CampGoods, ItemsGoToStorageAndBack) {
    EnterCamp();
    PartyState& party = GameParty();
    const PackedItem herb = PackItem(3, 40);
    const PackedItem sword = PackItem(510, 60);
    party.inventory = {herb, sword};
    ChooseEntry(CampEntry::kItems);
    EXPECT_EQ(State().selection, 20);
    EXPECT_EQ(flowtest::Pairs(kCampGoodsWidget), (Pairs{{0, herb}}));
    Press(kDecide);
    EXPECT_EQ(party.inventory, (std::vector<PackedItem>{sword}));
    EXPECT_EQ(party.storage, (std::vector<PackedItem>{herb}));
    EXPECT_FALSE(Widget(kCampGoodsWidget).HasEntries());
    Press(kDecide);  // an empty tab: nothing, not even a sound
    EXPECT_EQ(Sound(), "");
    Press(kLeft);
    EXPECT_EQ(State().selection, 27);
    Press(kRight, 2);
    EXPECT_EQ(flowtest::Pairs(kCampGoodsWidget), (Pairs{{0, sword}}));

    Press(kCancel);
    ChooseEntry(CampEntry::kStorage);
    EXPECT_EQ(State().selection, 30);
    Press(kDecide);
    EXPECT_EQ(party.inventory, (std::vector<PackedItem>{herb, sword}));
    EXPECT_TRUE(party.storage.empty());
}

TEST_F(CampGoods, ARecipeIsStoredAndCarriedAgain) {
    EnterCamp();
    PartyState& party = GameParty();
    ChooseEntry(CampEntry::kItems);
    Press(kRight, 4);
    ASSERT_EQ(State().selection, 24);
    const int32_t count = Widget(kCampGoodsWidget).Count();
    ASSERT_GE(count, 2);
    const int32_t product = Widget(kCampGoodsWidget).EntryAt(1);
    Press(kDown);
    Press(kDecide);
    EXPECT_EQ(party.recipes[size_t(product)], Holding::kStored);
    EXPECT_EQ(Widget(kCampGoodsWidget).Count(), count - 1);
    EXPECT_EQ(Widget(kCampGoodsWidget).Cursor(), 1);

    Press(kCancel);
    ChooseEntry(CampEntry::kStorage);
    Press(kLeft, 4);  // 30 wraps to 37, then back to 34
    ASSERT_EQ(State().selection, 34);
    EXPECT_EQ(flowtest::Pairs(kCampGoodsWidget),
              (Pairs{{product, PackItem(GoodsRange::kRecipeFirst + product, 0)}}));
    Press(kDecide);
    EXPECT_EQ(party.recipes[size_t(product)], Holding::kCarried);
}

}  // namespace
