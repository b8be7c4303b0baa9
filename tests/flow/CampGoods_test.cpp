// The camp's goods: the carried-item slots, the bag and the storage.
#include "CampDriver.h"
#include "rules/Camp.h"

namespace {

using Pairs = std::vector<std::pair<int32_t, int32_t>>;

class CampGoods : public CampDriverTest {};

TEST_F(CampGoods, ItemSlotsAreSetAndCleared) {
    EnterCamp();
    PartyState& party = GameParty();
    const PackedItem starter = party.carried[0];
    ASSERT_NE(starter, 0);
    const PackedItem potion = PackItem(2, 80);
    party.inventory = {potion, PackItem(600, 50)};
    ChooseEntry(CampEntry::kCarried);
    EXPECT_EQ(Widget(kCampGoodsWidget).State(), WidgetState::kNoHighlight);
    EXPECT_EQ(flowtest::Pairs(kCampGoodsWidget), (Pairs{{-1, 0}, {0, potion}}));

    Press(kDown);  // slot 1
    Press(kDecide);
    EXPECT_EQ(State().subState, CampState::kItemForSlot);
    EXPECT_EQ(Widget(kCampGoodsWidget).State(), WidgetState::kActive);
    EXPECT_EQ(Widget(kCampSlotsWidget).State(), WidgetState::kShown);
    Press(kDown);
    Press(kDecide);
    EXPECT_EQ(Sound(), "decide");
    EXPECT_EQ(party.carried[1], potion);
    EXPECT_EQ(party.inventory, (std::vector<PackedItem>{PackItem(600, 50)}));
    EXPECT_EQ(State().subState, CampState::kItemSlots);
    EXPECT_EQ(Widget(kCampSlotsWidget).State(), WidgetState::kActive);
    EXPECT_EQ(Widget(kCampSlotsWidget).Cursor(), 1);
    EXPECT_EQ(Widget(kCampSlotsWidget).SecondAt(1), potion);
    EXPECT_EQ(Widget(kCampGoodsWidget).State(), WidgetState::kNoHighlight);

    // "なし" on slot 0 sends its item back to the inventory.
    Press(kUp);
    Press(kDecide);
    Press(kDecide);
    EXPECT_EQ(party.carried[0], 0);
    EXPECT_EQ(party.inventory, (std::vector<PackedItem>{starter, PackItem(600, 50)}));

    // Cancel while choosing keeps the slot.
    Press(kDecide);
    Press(kCancel);
    EXPECT_EQ(Sound(), "cancel");
    EXPECT_EQ(State().subState, CampState::kItemSlots);
    EXPECT_EQ(Widget(kCampSlotsWidget).State(), WidgetState::kActive);
    EXPECT_EQ(party.carried[0], 0);
}

TEST_F(CampGoods, ItemForSlotWithTheCursorOffTheListKeepsTheSlot) {
    EnterCamp();
    const PackedItem starter = GameParty().carried[0];
    ChooseEntry(CampEntry::kCarried);
    Press(kDecide);
    Widget(kCampGoodsWidget).Clear();  // no row: not the same as "なし"
    Press(kDecide);
    EXPECT_EQ(GameParty().carried[0], starter);
    EXPECT_EQ(State().subState, CampState::kItemSlots);
}

TEST_F(CampGoods, ItemsGoToStorageAndBack) {
    EnterCamp();
    PartyState& party = GameParty();
    const PackedItem herb = PackItem(3, 40);
    const PackedItem sword = PackItem(510, 60);
    party.inventory = {herb, sword};
    ChooseEntry(CampEntry::kItems);
    EXPECT_EQ(State().selection, 20);
    EXPECT_EQ(Widget(kCampGoodsWidget).Rows(), 18);
    EXPECT_EQ(flowtest::Pairs(kCampGoodsWidget), (Pairs{{0, herb}}));
    Press(kDecide);
    EXPECT_EQ(Sound(), "decide");
    EXPECT_EQ(party.inventory, (std::vector<PackedItem>{sword}));
    EXPECT_EQ(party.storage, (std::vector<PackedItem>{herb}));
    EXPECT_FALSE(Widget(kCampGoodsWidget).HasEntries());
    EXPECT_EQ(Widget(kCampGoodsWidget).Cursor(), 0);

    // Decide on the empty tab does nothing, not even a sound.
    Press(kDecide);
    EXPECT_EQ(Sound(), "");
    Press(kRight);
    EXPECT_EQ(Sound(), "cur");
    EXPECT_EQ(State().selection, 21);
    EXPECT_EQ(flowtest::Pairs(kCampGoodsWidget), (Pairs{{0, sword}}));

    Press(kCancel);
    ExpectCampMenu();
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
    ASSERT_GE(Widget(kCampGoodsWidget).Count(), 2);
    const int32_t product = Widget(kCampGoodsWidget).EntryAt(1);
    const int32_t count = Widget(kCampGoodsWidget).Count();
    Press(kDown);
    Press(kDecide);
    EXPECT_EQ(party.recipes[static_cast<size_t>(product)], Holding::kStored);
    EXPECT_EQ(Widget(kCampGoodsWidget).Count(), count - 1);
    EXPECT_EQ(Widget(kCampGoodsWidget).Cursor(), 1);  // kept on the list

    Press(kCancel);
    ChooseEntry(CampEntry::kStorage);
    Press(kLeft, 4);  // 30 wraps to 37, then back to 34
    ASSERT_EQ(State().selection, 34);
    EXPECT_EQ(flowtest::Pairs(kCampGoodsWidget),
              (Pairs{{product, PackItem(GoodsRange::kRecipeFirst + product, 0)}}));
    Press(kDecide);
    EXPECT_EQ(party.recipes[static_cast<size_t>(product)], Holding::kCarried);
    EXPECT_FALSE(Widget(kCampGoodsWidget).HasEntries());
}

TEST_F(CampGoods, TabsWrapAtBothEnds) {
    EnterCamp();
    ChooseEntry(CampEntry::kItems);
    Press(kLeft);
    EXPECT_EQ(State().selection, 27);
    Press(kRight);
    EXPECT_EQ(State().selection, 20);
    Press(kCancel);
    ChooseEntry(CampEntry::kStorage);
    Press(kLeft);
    EXPECT_EQ(State().selection, 37);
    Press(kRight, 2);
    EXPECT_EQ(State().selection, 31);
}

}  // namespace
