#include "rules/Belongings.h"

#include <gtest/gtest.h>

#include "content/ContentDatabase.h"

namespace {

TEST(Belongings, InventoryStaysSortedLowerIdThenHigherQualityFirst) {
    PartyState party;
    for (PackedItem item : {PackItem(561, 40), PackItem(5, 0), PackItem(561, 100), PackItem(1000, 3)})
        EXPECT_TRUE(AddItem(party, item));
    EXPECT_EQ(party.inventory, (std::vector<PackedItem>{PackItem(5, 0), PackItem(561, 100),
                                                        PackItem(561, 40), PackItem(1000, 3)}));
    EXPECT_FALSE(AddItem(party, 0));
    EXPECT_FALSE(AddItem(party, PackItem(GoodsRange::kEnd, 0)));
    EXPECT_EQ(party.inventory.size(), 4u);
}

TEST(Belongings, OneOfAKindThingsAreHeldOnce) {
    PartyState party;
    const PackedItem card = PackItem(GoodsRange::kCardFirst + 4, 0);
    EXPECT_TRUE(CanObtain(party, card));
    EXPECT_TRUE(AddItem(party, card));
    EXPECT_FALSE(AddItem(party, card));
    EXPECT_FALSE(CanObtain(party, card));
    EXPECT_TRUE(party.inventory.empty());

    // Stored things are still held; shop offers count as well.
    const PackedItem map = PackItem(GoodsRange::kMapFirst + 2, 0);
    AddItem(party, map);
    EXPECT_TRUE(AddToStorage(party, map));
    EXPECT_EQ(party.maps[2], Holding::kStored);
    EXPECT_FALSE(AddItem(party, map));
    EXPECT_TRUE(CarryThing(party, GoodsRange::kMapFirst + 2));
    EXPECT_EQ(party.maps[2], Holding::kCarried);
    const PackedItem notice = PackItem(GoodsRange::kCertificateFirst + 9, 0);
    party.shopStock.push_back({notice, 500});
    EXPECT_FALSE(CanObtain(party, notice));
    EXPECT_TRUE(CanObtain(party, PackItem(1, 0)));
}

TEST(Belongings, StorageTransfersAndCarriedSlotsMoveItemsWithoutLoss) {
    PartyState party;
    AddItem(party, PackItem(3, 10));
    AddItem(party, PackItem(1, 10));
    AddItem(party, PackItem(700, 10));
    EXPECT_TRUE(MoveToStorage(party, 0));
    EXPECT_TRUE(MoveToStorage(party, 1));
    EXPECT_EQ(party.storage, (std::vector<PackedItem>{PackItem(1, 10), PackItem(700, 10)}));
    EXPECT_TRUE(MoveFromStorage(party, 1));
    EXPECT_FALSE(MoveFromStorage(party, 1));
    EXPECT_EQ(party.inventory, (std::vector<PackedItem>{PackItem(3, 10), PackItem(700, 10)}));

    EXPECT_FALSE(SetCarriedItem(party, 0, 1));  // a weapon cannot be carried
    EXPECT_TRUE(SetCarriedItem(party, 0, 0));
    EXPECT_EQ(party.carried[0], PackItem(3, 10));
    AddItem(party, PackItem(2, 0));
    EXPECT_TRUE(SetCarriedItem(party, 0, 0));  // swaps: the old item comes back
    EXPECT_EQ(party.carried[0], PackItem(2, 0));
    EXPECT_EQ(party.inventory, (std::vector<PackedItem>{PackItem(3, 10), PackItem(700, 10)}));
    EXPECT_TRUE(SetCarriedItem(party, 0, -1));
    EXPECT_EQ(party.carried[0], 0);
    EXPECT_EQ(party.inventory.size(), 3u);
}

TEST(Belongings, GoldAboveTheCapIsLost) {
    PartyState party;
    AddGold(party, kGoldCap - 5);
    AddGold(party, 100);
    EXPECT_EQ(party.gold, kGoldCap);
}

}  // namespace
