#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "ContentFixture.h"
#include "content/Items.h"
#include "content/PackedItem.h"

namespace {

class Recipes : public ::testing::Test {
protected:
    void SetUp() override { EnsureContentBuilt(); }
    static const RecipeData& R(int32_t id) { return RecipeTable()[id]; }
};

}  // namespace

TEST_F(Recipes, TellingRows) {
    EXPECT_EQ(R(1).fee, 50);
    EXPECT_EQ(R(1).ingredients, (std::vector<WeightedId>{{1120, 40}, {1100, 30}, {1190, 30}}));
    EXPECT_EQ(R(2).fee, 1000);
    EXPECT_EQ(R(2).ingredients, (std::vector<WeightedId>{{1, 40}, {1101, 30}, {1191, 30}}));
    EXPECT_EQ(R(5).fee, 500);
    EXPECT_EQ(R(5).ingredients, (std::vector<WeightedId>{{1, 30}, {1, 30}, {1, 30}, {1155, 10}}));
    // Every bag: three of its plain item at 30 and a material at 10.
    for (int32_t first : {1, 16, 31}) {
        for (int32_t t = 0; t < 4; ++t) {
            const auto& in = R(first + 4 + t).ingredients;
            ASSERT_EQ(in.size(), 4u);
            for (int32_t i = 0; i < 3; ++i) EXPECT_EQ(in[i], (WeightedId{first + t, 30}));
            EXPECT_GE(in[3].id, 1000);
            EXPECT_EQ(in[3].weight, 10);
        }
    }
}

TEST_F(Recipes, About540RowsOfNamedProductsFromNamedIngredients) {
    int32_t withIngredients = 0;
    for (int32_t id = 0; id < kItemCapacity; ++id) {
        SCOPED_TRACE(id);
        const RecipeData& r = R(id);
        EXPECT_EQ(r.product, id);
        if (r.ingredients.empty()) {
            EXPECT_EQ(r.fee, 0);
            continue;
        }
        ++withIngredients;
        EXPECT_FALSE(ItemName(id).Empty());
        EXPECT_GT(r.fee, 0);
        int32_t total = 0;
        for (const WeightedId& in : r.ingredients) {
            EXPECT_TRUE(in.id > 0 && in.id < kItemCapacity) << in.id;
            EXPECT_FALSE(ItemName(in.id).Empty()) << in.id;
            EXPECT_NE(in.id, id);
            EXPECT_TRUE(in.weight > 0 && in.weight <= 100);
            total += in.weight;
        }
        // Shares never give more quality than the ingredients had.
        EXPECT_LE(total, 100);
    }
    EXPECT_EQ(withIngredients, 540);
    // Every consumable and weapon can be made; so can most accessories.
    for (int32_t id = 1; id < 750; ++id) {
        if (!ItemName(id).Empty()) {
            EXPECT_FALSE(R(id).ingredients.empty()) << id;
        }
    }
}

TEST_F(Recipes, NoProductNeedsItselfThroughOtherRecipes) {
    // 0 unvisited, 1 on the current path, 2 done.
    std::vector<int32_t> state(kItemCapacity, 0);
    std::function<bool(int32_t)> acyclic = [&](int32_t id) {
        if (state[id] == 1) return false;
        if (state[id] == 2) return true;
        state[id] = 1;
        for (const WeightedId& in : R(id).ingredients)
            if (!acyclic(in.id)) return false;
        state[id] = 2;
        return true;
    };
    for (int32_t id = 0; id < kItemCapacity; ++id) EXPECT_TRUE(acyclic(id)) << id;
}

// "宣告" passes every resistance, so a tag of it made from what the first
// two areas give would fell any boss long before the party could. Early
// goods: the finds, drops and quest rewards of areas 0 and 1, and the shop
// rows their quests open.
TEST_F(Recipes, SentenceTagsNeedMoreThanTheFirstTwoAreasGive) {
    if (AreaById(0).name.Empty()) GTEST_SKIP() << "areas not built yet";
    std::vector<bool> early(kItemCapacity, false);
    auto give = [&early](int32_t id) {
        if (id > 0 && id < kItemCapacity) early[id] = true;
    };
    auto dropsOf = [&give](int32_t enemy) {
        for (const DropEntry& d : EnemyById(enemy).drops) give(d.itemId);
    };
    int32_t earlyQuests = 0;
    for (int32_t a = 0; a < 2; ++a) {
        for (const FindRow& f : AreaById(a).finds) give(f.goodsId);
        for (const EncounterRow& e : AreaById(a).encounters) dropsOf(e.enemyId);
    }
    for (const QuestData& q : QuestTable()) {
        if (q.title.Empty() || q.area > 1) continue;
        ++earlyQuests;
        for (int32_t enemy : q.enemies) dropsOf(enemy);
        for (PackedItem reward : q.rewards) give(PackedGoodsId(reward));
    }
    for (const ShopRow& r : ShopStockTable())
        if (r.minProgress <= earlyQuests) give(r.goodsId);

    std::function<bool(int32_t, int32_t)> makeable = [&](int32_t id, int32_t depth) {
        if (early[id]) return true;
        const RecipeData& r = R(id);
        if (depth > 8 || r.ingredients.empty()) return false;
        return std::all_of(r.ingredients.begin(), r.ingredients.end(),
                           [&](const WeightedId& in) { return makeable(in.id, depth + 1); });
    };
    int32_t tags = 0;
    for (int32_t id = 300; id < 400; ++id) {
        if (MakeConsumable(id, 100).statusChance[StatusKind::kDoom] <= 0) continue;
        ++tags;
        EXPECT_FALSE(makeable(id, 0)) << id;
    }
    EXPECT_EQ(tags, 4);
}
