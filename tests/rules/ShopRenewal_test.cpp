#include "rules/ShopRenewal.h"

#include <algorithm>
#include <set>

#include "ExploreFixture.h"
#include "content/Items.h"
#include "rules/Belongings.h"
#include "rules/Shop.h"

namespace {

class ShopRenewalTest : public ExploreTest {
protected:
    void SetUp() override {
        ExploreTest::SetUp();
        ShopStockTable() = {{1100, 0, 100, 0, 10, 10000, -1}};
    }
    void FillStock(size_t n) {
        party.shopStock.clear();
        for (size_t i = 0; i < n; ++i) party.shopStock.push_back({PackItem(1000 + static_cast<int32_t>(i), 0), 5});
    }
};

TEST_F(ShopRenewalTest, TheStockGrowsToFourThenSometimesAndFromSixteenAlwaysLosesOne) {
    std::set<size_t> sizes;
    for (int32_t i = 0; i < 50; ++i) {
        FillStock(3);
        ASSERT_TRUE(RenewShopStock(party, 0));
        EXPECT_EQ(party.shopStock.size(), 4u);
        FillStock(16);
        RenewShopStock(party, 0);
        EXPECT_EQ(party.shopStock.size(), 16u);
        FillStock(20);
        RenewShopStock(party, 0);
        EXPECT_EQ(party.shopStock.size(), 20u);
        FillStock(8);
        RenewShopStock(party, 0);
        sizes.insert(party.shopStock.size());
        EXPECT_TRUE(std::is_sorted(party.shopStock.begin(), party.shopStock.end(),
                                   [](const ShopOffer& a, const ShopOffer& b) { return a.item < b.item; }));
    }
    EXPECT_EQ(sizes, (std::set<size_t>{8, 9}));
}

TEST_F(ShopRenewalTest, OffersFollowTheStockLevelRampAndPrice) {
    ShopStockTable() = {{1100, 0, 100, 0, 10, 10000, -1}, {1101, 0, 0, 3, 1000, 10000, 777}};
    auto draw = [&](int32_t level) {
        party.shopStock.clear();
        RenewShopStock(party, level);
        return party.shopStock.at(0);
    };
    for (int32_t i = 0; i < 100; ++i) {
        const ShopOffer low = draw(0);  // the second row needs 3 quests
        EXPECT_EQ(PackedGoodsId(low.item), 1100);
        EXPECT_LE(PackedQuality(low.item), 30);
        EXPECT_EQ(low.price, GoodsPrice(low.item));
        const ShopOffer high = draw(25);  // past the ramp's top: t = 70
        if (PackedGoodsId(high.item) == 1100) EXPECT_GE(PackedQuality(high.item), 70);
        else EXPECT_EQ(high.price, 777);
    }
    // A level window without width ramps from 0 instead of dividing by zero.
    ShopStockTable() = {{1102, 0, 100, 4, 4, 10000, 10}};
    for (int32_t i = 0; i < 50; ++i) EXPECT_LE(PackedQuality(draw(9).item), 30);
}

TEST_F(ShopRenewalTest, OneOfAKindThingsAreNeverOfferedWhileHeldOrOffered) {
    const PackedItem notice = PackItem(GoodsRange::kCertificateFirst + kTestQuest, 0);
    ShopStockTable() = {{GoodsRange::kCertificateFirst + kTestQuest, 0, 0, 0, 1000, 10000, 1500}};
    ASSERT_TRUE(RenewShopStock(party, 0));
    EXPECT_EQ(party.shopStock, (std::vector<ShopOffer>{{notice, 1500}}));
    // Offered already: the draw finds nothing else to take and gives up.
    EXPECT_FALSE(RenewShopStock(party, 0));
    EXPECT_EQ(party.shopStock.size(), 1u);

    party.gold = 2000;
    EXPECT_EQ(BuyFromStock(party, 0), BuyResult::kBought);
    EXPECT_EQ(party.notices[kTestQuest], Holding::kCarried);
    for (int32_t i = 0; i < 5; ++i) EXPECT_FALSE(RenewShopStock(party, 0));
    EXPECT_TRUE(party.shopStock.empty());
    StoreThing(party, GoodsRange::kCertificateFirst + kTestQuest);
    EXPECT_FALSE(RenewShopStock(party, 0));

    // No row for the stock level, or no row at all: the stock stays.
    ShopStockTable() = {{1100, 0, 0, 5, 10, 10000, 10}};
    EXPECT_FALSE(RenewShopStock(party, 4));
    ShopStockTable().clear();
    EXPECT_FALSE(RenewShopStock(party, 4));
    EXPECT_TRUE(party.shopStock.empty());
}

}  // namespace
