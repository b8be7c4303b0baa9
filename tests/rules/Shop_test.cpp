#include "rules/Shop.h"

#include "BattleFixture.h"
#include "rules/Belongings.h"
#include "rules/PawnShop.h"
#include "rules/Tavern.h"

namespace {

TEST(Shop, BuyingPaysTheOfferAndTakesItOutOfTheStock) {
    PartyState party;
    party.shopStock = {{PackItem(1100, 50), 120}, {PackItem(561, 100), 20000}};
    party.gold = 19999;
    EXPECT_EQ(BuyFromStock(party, 1), BuyResult::kNotEnoughGold);
    EXPECT_EQ(party.gold, 19999);
    EXPECT_EQ(party.shopStock.size(), 2u);

    EXPECT_EQ(BuyFromStock(party, 0), BuyResult::kBought);
    EXPECT_EQ(party.gold, 19879);
    EXPECT_EQ(party.inventory, std::vector<PackedItem>{PackItem(1100, 50)});
    EXPECT_EQ(party.shopStock, (std::vector<ShopOffer>{{PackItem(561, 100), 20000}}));
    EXPECT_EQ(BuyFromStock(party, 1), BuyResult::kNoSuchOffer);
    EXPECT_EQ(BuyFromStock(party, -1), BuyResult::kNoSuchOffer);
}

TEST(Shop, ANegativePriceFromADamagedSaveNeverPaysTheBuyer) {
    PartyState party;
    party.shopStock = {{PackItem(1100, 50), -500}, {PackItem(1100, 40), INT32_MIN}};
    party.gold = 100;
    EXPECT_EQ(BuyFromStock(party, 0), BuyResult::kNoSuchOffer);
    EXPECT_EQ(BuyFromStock(party, 1), BuyResult::kNoSuchOffer);
    EXPECT_EQ(party.gold, 100);
    EXPECT_TRUE(party.inventory.empty());
}

TEST(Shop, AThingFoundWhileOfferedIsNotPaidForAgain) {
    PartyState party;
    const PackedItem card = PackItem(GoodsRange::kCardFirst + 5, 0);
    party.shopStock = {{card, 5000}};
    party.gold = 9000;
    AddItem(party, card);  // found during an expedition
    EXPECT_EQ(BuyFromStock(party, 0), BuyResult::kAlreadyHeld);
    EXPECT_EQ(party.gold, 9000);
    EXPECT_TRUE(party.shopStock.empty());
}

TEST(PawnShop, ItemsSellForAQuarterCutDown) {
    EnsureContentBuilt();
    PartyState party;
    // No goods of the tables is worth 3 G; the rule is the price's quarter.
    EXPECT_EQ(PawnValue(3), 0);
    EXPECT_EQ(PawnValue(-40), 0);
    AddItem(party, PackItem(1000, 0));  // a grade 1 stone at quality 0: 5 G
    EXPECT_EQ(SellItem(party, 0), 1);
    EXPECT_EQ(party.gold, 1);
    EXPECT_TRUE(party.inventory.empty());
    EXPECT_EQ(SellItem(party, 0), -1);
}

TEST(PawnShop, SellingAllOfAKindSellsTheFollowingEntriesEachAtItsPrice) {
    EnsureContentBuilt();
    PartyState party;
    for (int32_t q : {100, 50, 0, 0}) AddItem(party, PackItem(1000, q));
    AddItem(party, PackItem(1, 0));
    AddItem(party, PackItem(1001, 100));
    // 1000 at quality 50: 202 G, at 0: 5 G twice.
    const int32_t expected = 202 / 4 + 5 / 4 + 5 / 4;
    EXPECT_EQ(SellAllOfKind(party, 2), expected);
    EXPECT_EQ(party.gold, expected);
    EXPECT_EQ(party.inventory,
              (std::vector<PackedItem>{PackItem(1, 0), PackItem(1000, 100), PackItem(1001, 100)}));
    EXPECT_EQ(SellAllOfKind(party, 3), -1);
}

TEST(Tavern, HiringNeedsTheCardAndTheFee) {
    EnsureContentBuilt();
    PartyState party;
    const int32_t character = 5;
    const int32_t fee = CharacterById(character).hireFee;
    ASSERT_GT(fee, 0);
    party.gold = fee;
    EXPECT_FALSE(Hire(party, character));  // no card
    party.cards[character] = Holding::kStored;
    EXPECT_FALSE(Hire(party, character));  // the card is in storage
    party.cards[character] = Holding::kCarried;
    party.gold = fee - 1;
    EXPECT_FALSE(Hire(party, character));
    EXPECT_EQ(party.hired[character], 0);
    party.gold = fee;
    EXPECT_TRUE(Hire(party, character));
    EXPECT_EQ(party.hired[character], 1);
    EXPECT_EQ(party.gold, 0);
    party.gold = fee;
    EXPECT_FALSE(Hire(party, character));  // hired once only
    EXPECT_EQ(party.gold, fee);
    EXPECT_FALSE(Hire(party, kCharacterCapacity));
}

}  // namespace
