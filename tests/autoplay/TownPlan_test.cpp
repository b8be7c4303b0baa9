#include "tools/autoplay/TownPlan.h"

#include <gtest/gtest.h>

#include "content/Characters.h"
#include "content/ContentDatabase.h"

namespace {

constexpr int32_t kLeon = 0;       // swords and staves, a 木刀[10] to start
constexpr int32_t kWoodenSword = 560;
constexpr int32_t kBronzeSword = 561;
constexpr int32_t kCopperOre = 1040;
constexpr int32_t kHerb = 1;

class TownPlanTest : public ::testing::Test {
protected:
    void SetUp() override {
        static const bool built = [] {
            BuildContentTables();
            BuildLateContentTables();
            return true;
        }();
        (void)built;
        BuildCharacters();
        party_.hired[kLeon] = 1;
        party_.members = {kLeon};
    }
    void TearDown() override { BuildCharacters(); }
    PartyState party_;
};

TEST_F(TownPlanTest, WearsTheBetterSwordAndSellsTheWorseOne) {
    party_.inventory = {PackItem(kWoodenSword, 0), PackItem(kBronzeSword, 50), PackItem(kCopperOre, 40)};
    ASSERT_LT(party_.inventory[0], party_.inventory[1]);  // kept sorted, as the game does
    const auto move = BestEquipMove(party_);
    ASSERT_TRUE(move.has_value());
    EXPECT_EQ(move->position, 0);
    EXPECT_EQ(move->slot, 0);
    EXPECT_EQ(move->item, PackItem(kBronzeSword, 50));
    // The worse sword goes first; the better one is never junk.
    EXPECT_EQ(NextJunk(party_), 0);
    party_.inventory.erase(party_.inventory.begin());
    // Ore no held recipe asks for is sold too.
    EXPECT_EQ(NextJunk(party_), 1);
    party_.inventory.pop_back();
    EXPECT_EQ(NextJunk(party_), -1);
    EXPECT_GT(UpgradeGain(party_, PackItem(kBronzeSword, 80)), 0);
}

TEST_F(TownPlanTest, CarriesHealingAndBuysWhatOpensTheGameFirst) {
    party_.inventory = {PackItem(kHerb, 30)};
    const auto carry = BestCarryMove(party_);
    ASSERT_TRUE(carry.has_value());
    EXPECT_EQ(carry->item, PackItem(kHerb, 30));
    party_.carried[size_t(carry->slot)] = carry->item;
    party_.inventory.clear();
    EXPECT_FALSE(BestCarryMove(party_).has_value());

    party_.gold = 1000;
    party_.shopStock = {{PackItem(kBronzeSword, 90), 100},
                        {PackItem(GoodsRange::kCardFirst + 3, 0), 500},
                        {PackItem(kBronzeSword, 95), 5000}};  // more than the purse
    EXPECT_EQ(NextPurchase(party_), 1);
    party_.cards[3] = Holding::kCarried;
    party_.shopStock.erase(party_.shopStock.begin() + 1);
    EXPECT_EQ(NextPurchase(party_), 0);
    party_.gold = 50;
    EXPECT_EQ(NextPurchase(party_), -1);
}

}  // namespace
