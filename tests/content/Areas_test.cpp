#include <gtest/gtest.h>

#include "ContentFixture.h"
#include "content/MusicFiles.h"

namespace {

class Areas : public ::testing::Test {
protected:
    void SetUp() override { EnsureContentBuilt(); }
    static const AreaData& A(int32_t id) { return AreaTable()[id]; }
};

// Goods that a find can always hand over: ordinary items are never refused.
bool AlwaysTaken(int32_t goods) { return IsItem(goods) && goods > 0 && !ItemName(goods).Empty(); }

// What the goods id of a find, reward or shop row refers to exists.
bool Exists(int32_t goods) {
    switch (ClassifyGoods(goods)) {
        case GoodsKind::kConsumable:
        case GoodsKind::kWeapon:
        case GoodsKind::kAccessory:
        case GoodsKind::kMaterial: return !ItemName(goods).Empty();
        case GoodsKind::kRecipe: return !RecipeTable()[GoodsIndex(goods)].ingredients.empty();
        case GoodsKind::kMap: return !AreaById(GoodsIndex(goods)).name.Empty();
        case GoodsKind::kCard: return !CharacterById(GoodsIndex(goods)).name.Empty();
        case GoodsKind::kCertificate: return !QuestById(GoodsIndex(goods)).title.Empty();
        default: return false;
    }
}

}  // namespace

TEST_F(Areas, SevenAreasWithTheirNamesBackgroundsAndRowCounts) {
    struct Expected {
        const char* name;
        int32_t background;
        size_t encounters, finds;
    };
    const Expected areas[] = {{"大草原", 2, 36, 78},   {"迷いの森", 4, 35, 84},
                              {"暗闇の洞窟", 5, 42, 107}, {"試練の山", 6, 45, 108},
                              {"魔海", 8, 38, 89},      {"魔王の城", 12, 48, 113},
                              {"約束の地", 10, 86, 123}};
    for (int32_t id = 0; id < kAreaCapacity; ++id) {
        SCOPED_TRACE(id);
        const AreaData& a = A(id);
        if (id >= 7) {
            EXPECT_TRUE(a.name.Empty());
            EXPECT_TRUE(a.encounters.empty() && a.finds.empty());
            continue;
        }
        EXPECT_EQ(Utf8(a.name), areas[id].name);
        EXPECT_EQ(a.background, areas[id].background);
        EXPECT_EQ(a.encounters.size(), areas[id].encounters);
        EXPECT_EQ(a.finds.size(), areas[id].finds);
        EXPECT_EQ(a.budgetBase, 5);
        EXPECT_EQ(a.budgetStep, 3);
        EXPECT_TRUE(IsMusicFile(Utf8(a.fieldMusic).c_str())) << Utf8(a.fieldMusic);
        EXPECT_TRUE(IsMusicFile(Utf8(a.battleMusic).c_str())) << Utf8(a.battleMusic);
        EXPECT_NE(a.fieldMusic, a.battleMusic);
    }
}

TEST_F(Areas, FirstAreaOpensWithItsDesignedEncounters) {
    const EncounterRow first[] = {{0, 3, 0, 6, 2000}, {1, 4, 0, 6, 2000}, {2, 6, 2, 7, 2000},
                                  {3, 7, 3, 8, 2000}, {4, 8, 5, 9, 2000}, {6, 9, 5, 9, 2000},
                                  {7, 9, 5, 9, 2000}};
    const auto& rows = A(0).encounters;
    ASSERT_GE(rows.size(), std::size(first));
    for (size_t i = 0; i < std::size(first); ++i) EXPECT_EQ(rows[i], first[i]) << i;
    // The later bands bring stronger monsters.
    for (size_t i = std::size(first); i < rows.size(); ++i)
        if (rows[i].chance >= 1000) {
            EXPECT_GE(rows[i].minLevel, 10) << i;
        }
}

// The encounter draw repeats until the budget is spent: a level without a
// row, or a row that costs nothing, would never end it.
TEST_F(Areas, EveryLevelHasAnEncounterAndEveryEncounterCosts) {
    for (int32_t id = 0; id < 7; ++id) {
        SCOPED_TRACE(id);
        for (const EncounterRow& e : A(id).encounters) {
            EXPECT_FALSE(EnemyById(e.enemyId).name.Empty()) << e.enemyId;
            EXPECT_GE(e.cost, 1);
            EXPECT_LE(e.cost, 10);
            EXPECT_LE(e.minLevel, e.maxLevel);
            EXPECT_GE(e.minLevel, 0);
            EXPECT_LE(e.maxLevel, 49);
            EXPECT_TRUE(e.chance == 2000 || e.chance == 1000 || e.chance == 200 || e.chance == 100)
                << e.chance;
        }
        for (int32_t level = 0; level < 50; ++level) {
            bool met = false;
            for (const EncounterRow& e : A(id).encounters)
                met |= e.minLevel <= level && level <= e.maxLevel && e.chance > 0;
            EXPECT_TRUE(met) << "level " << level;
        }
    }
}

// The find draw repeats until the goods are taken; one-of-a-kind goods
// already held are refused, so every level needs an ordinary item. The
// quality ramp divides by the width of the window, so none is one level.
TEST_F(Areas, EveryLevelHasAFindThatIsAlwaysTakenAndNoWindowIsOneLevel) {
    for (int32_t id = 0; id < 7; ++id) {
        SCOPED_TRACE(id);
        for (const FindRow& f : A(id).finds) {
            EXPECT_TRUE(Exists(f.goodsId)) << f.goodsId;
            EXPECT_LT(f.minLevel, f.maxLevel) << f.goodsId;
            EXPECT_GE(f.minLevel, 0);
            EXPECT_LE(f.maxLevel, 49);
            EXPECT_GT(f.chance, 0);
            EXPECT_GE(f.baseQuality, 0);
            EXPECT_LE(f.baseQuality + f.qualitySpread, 100) << f.goodsId;
            if (!IsItem(f.goodsId)) {
                EXPECT_EQ(f.baseQuality + f.qualitySpread, 0) << f.goodsId;
            }
        }
        for (int32_t level = 0; level < 50; ++level) {
            bool found = false;
            for (const FindRow& f : A(id).finds)
                found |= f.minLevel <= level && level <= f.maxLevel && f.chance > 0 && AlwaysTaken(f.goodsId);
            EXPECT_TRUE(found) << "level " << level;
        }
    }
    for (const ShopRow& s : ShopStockTable()) {
        EXPECT_LT(s.minProgress, s.maxProgress) << s.goodsId;
        EXPECT_TRUE(Exists(s.goodsId)) << s.goodsId;
    }
}

TEST_F(Areas, FindsKeepTheDesignedExamples) {
    auto has = [](int32_t area, FindRow row) {
        for (const FindRow& f : AreaTable()[area].finds)
            if (f == row) return true;
        return false;
    };
    for (int32_t stone : {1000, 1004, 1008}) EXPECT_TRUE(has(0, {stone, 0, 100, 0, 49, 1000})) << stone;
    EXPECT_TRUE(has(0, {2603, 0, 0, 0, 49, 1000}));
    EXPECT_TRUE(has(0, {2604, 0, 0, 0, 49, 2000}));
    for (int32_t notice : {2609, 2610}) EXPECT_TRUE(has(0, {notice, 0, 0, 10, 49, 2000})) << notice;
    for (int32_t notice : {2619, 2620}) EXPECT_TRUE(has(0, {notice, 0, 0, 20, 49, 2000})) << notice;
    EXPECT_TRUE(has(1, {1121, 0, 90, 10, 49, 1000}));
    EXPECT_TRUE(has(1, {1122, 0, 80, 20, 49, 1000}));
    EXPECT_TRUE(has(1, {1123, 0, 70, 30, 49, 1000}));
    EXPECT_TRUE(has(6, {1048, 0, 30, 41, 49, 2000}));
    int32_t cards500 = 0, cards400 = 0, recipes = 0;
    for (int32_t id = 0; id < 7; ++id)
        for (const FindRow& f : A(id).finds) {
            cards500 += f.goodsId == 2554 && f.chance == 500;
            cards400 += f.goodsId == 2567 && f.chance == 400;
            if (ClassifyGoods(f.goodsId) == GoodsKind::kRecipe) {
                ++recipes;
                EXPECT_EQ(f.chance, 400) << f.goodsId;
            }
        }
    EXPECT_EQ(cards500, 1);
    EXPECT_EQ(cards400, 1);
    EXPECT_GT(recipes, 300);
}
