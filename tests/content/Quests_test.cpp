#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "ContentFixture.h"
#include "content/MusicFiles.h"
#include "content/Obtainable.h"

namespace {

class Quests : public ::testing::Test {
protected:
    void SetUp() override { EnsureContentBuilt(); }
    static const QuestData& Q(int32_t id) { return QuestTable()[id]; }
    static bool Filled(int32_t id) { return !Q(id).title.Empty(); }
};

// Spearman's rank correlation of two equally long series (ties broken by
// position, which is enough for a test of broad agreement).
double RankCorrelation(const std::vector<double>& a, const std::vector<double>& b) {
    auto ranks = [](const std::vector<double>& v) {
        std::vector<size_t> order(v.size());
        for (size_t i = 0; i < v.size(); ++i) order[i] = i;
        std::stable_sort(order.begin(), order.end(), [&](size_t x, size_t y) { return v[x] < v[y]; });
        std::vector<double> r(v.size());
        for (size_t k = 0; k < order.size(); ++k) r[order[k]] = static_cast<double>(k);
        return r;
    };
    const std::vector<double> ra = ranks(a), rb = ranks(b);
    double d2 = 0;
    for (size_t i = 0; i < a.size(); ++i) d2 += (ra[i] - rb[i]) * (ra[i] - rb[i]);
    const double n = static_cast<double>(a.size());
    return 1.0 - 6.0 * d2 / (n * (n * n - 1.0));
}

}  // namespace

TEST_F(Quests, FirstQuestIsTheGoblinGang) {
    const QuestData& q = Q(0);
    EXPECT_EQ(Utf8(q.title), "徒党を組んだゴブリン");
    EXPECT_EQ(q.enemies, (std::vector<int32_t>{1, 1, 4, 1, 1}));
    EXPECT_EQ(q.rows, (std::vector<int32_t>{1, 0, 1, 0, 1}));
    EXPECT_EQ(Utf8(EnemyById(1).name), "ゴブリン");
    EXPECT_EQ(q.area, 0);
    EXPECT_EQ(q.minLevel, 2);
    EXPECT_EQ(q.maxLevel, 5);
    EXPECT_EQ(q.chance, 1000);
    EXPECT_EQ(q.recommendedLevel, 3);
    EXPECT_EQ(q.rewardGold, 100);
    EXPECT_EQ(q.rewards, (std::vector<PackedItem>{PackItem(1251, 0), PackItem(750, 10), PackItem(1040, 30)}));
    EXPECT_TRUE(q.reinforcements.empty());
}

TEST_F(Quests, RowsFollowTheShapeOfTheBoard) {
    int32_t count = 0, singles = 0, always = 0, unknown = 0, reinforced = 0;
    std::map<int32_t, int32_t> perArea;
    for (int32_t id = 0; id < kQuestCapacity; ++id) {
        SCOPED_TRACE(id);
        const bool empty = id > 154 || (id >= 58 && id <= 64) || (id >= 127 && id <= 129);
        EXPECT_EQ(Filled(id), !empty);
        if (!Filled(id)) {
            EXPECT_TRUE(Q(id).enemies.empty() && Q(id).rewards.empty());
            continue;
        }
        const QuestData& q = Q(id);
        ++count;
        ++perArea[q.area];
        EXPECT_GE(q.enemies.size(), 1u);
        EXPECT_LE(q.enemies.size(), 8u);
        singles += q.enemies.size() == 1;
        EXPECT_EQ(q.rows.size(), q.enemies.size());
        for (int32_t row : q.rows) EXPECT_TRUE(row == 0 || row == 1);
        for (int32_t enemy : q.enemies) EXPECT_FALSE(EnemyById(enemy).name.Empty()) << enemy;
        EXPECT_GE(q.minLevel, 0);
        EXPECT_LT(q.minLevel, q.maxLevel);
        EXPECT_LE(q.maxLevel, 49);
        EXPECT_TRUE(q.chance == 1000 || q.chance == 10000);
        always += q.chance == 10000;
        EXPECT_TRUE(IsMusicFile(Utf8(q.music).c_str())) << Utf8(q.music);
        if (q.recommendedLevel >= 500) {
            ++unknown;
            EXPECT_EQ(q.recommendedLevel, 500);
        } else {
            EXPECT_GE(q.recommendedLevel, 3);
            EXPECT_LE(q.recommendedLevel, 386);
        }
        EXPECT_GE(q.rewardGold, 100);
        EXPECT_LE(q.rewardGold, 2000000);
        EXPECT_EQ(q.rewards.size(), 3u);
        if (!q.reinforcements.empty()) {
            ++reinforced;
            for (const WeightedId& r : q.reinforcements) {
                EXPECT_FALSE(EnemyById(r.id).name.Empty()) << r.id;
                EXPECT_GT(r.weight, 0);
            }
        }
    }
    EXPECT_EQ(count, 145);
    EXPECT_EQ(singles, 54);
    EXPECT_EQ(always, 1);
    EXPECT_EQ(unknown, 5);
    EXPECT_EQ(reinforced, 16);
    EXPECT_EQ(perArea.size(), 7u);
    for (auto [area, n] : perArea) {
        EXPECT_GE(n, 18) << area;
        EXPECT_LE(n, 25) << area;
    }
}

// A recommended level that says nothing about the fight misleads the
// player: it must rise with the strength of the quest's monsters, and the
// unknown ones must be the strongest of all.
TEST_F(Quests, RecommendedLevelsFollowTheirEnemies) {
    std::vector<double> levels, attack, experience;
    int32_t strongestRated = 0, weakestUnknown = INT32_MAX;
    for (int32_t id = 0; id < kQuestCapacity; ++id) {
        if (!Filled(id)) continue;
        const QuestData& q = Q(id);
        int32_t atk = 0, hp = 0;
        double exp = 0;
        for (int32_t enemy : q.enemies) {
            atk = std::max(atk, EnemyById(enemy).params.Base(BaseParam::kAtk));
            hp = std::max(hp, EnemyById(enemy).params.Base(BaseParam::kHp));
            exp += EnemyById(enemy).exp;
        }
        if (q.recommendedLevel >= 500) {
            weakestUnknown = std::min(weakestUnknown, hp);
            continue;
        }
        strongestRated = std::max(strongestRated, hp);
        levels.push_back(q.recommendedLevel);
        attack.push_back(atk);
        experience.push_back(exp);
    }
    EXPECT_GT(RankCorrelation(levels, attack), 0.9);
    EXPECT_GT(RankCorrelation(levels, experience), 0.9);
    EXPECT_GT(weakestUnknown, strongestRated);
}

// Starting from a new game, every map, business card, quest notice and
// recipe can be won, found, bought or made, and so can everything that a
// drop, find or reward names: every area can be reached, every character
// hired, every quest taken up and every recipe used.
TEST_F(Quests, EverythingCanBeObtainedFromANewGame) {
    const std::vector<bool> held = ObtainableGoods();
    for (int32_t area = 0; area < kAreaCapacity; ++area)
        if (!AreaById(area).name.Empty()) {
            EXPECT_TRUE(held[GoodsRange::kMapFirst + area]) << "map " << area;
        }
    for (int32_t c = 2; c < kCharacterCapacity; ++c)
        if (!CharacterById(c).name.Empty()) {
            EXPECT_TRUE(held[GoodsRange::kCardFirst + c]) << "card " << c;
        }
    for (int32_t id = 0; id < kQuestCapacity; ++id)
        if (Filled(id)) {
            EXPECT_TRUE(held[GoodsRange::kCertificateFirst + id]) << "notice " << id;
        }
    for (int32_t product = 0; product < kItemCapacity; ++product) {
        if (RecipeTable()[product].ingredients.empty()) continue;
        EXPECT_TRUE(held[GoodsRange::kRecipeFirst + product]) << "recipe " << product;
        EXPECT_TRUE(held[product]) << "product " << product;
    }
    for (int32_t id = 0; id < kQuestCapacity; ++id)
        for (PackedItem reward : Q(id).rewards) EXPECT_TRUE(held[PackedGoodsId(reward)]) << id;
    for (const EnemyData& e : EnemyTable())
        for (const DropEntry& d : e.drops) EXPECT_TRUE(held[d.itemId]) << d.itemId;
    for (const AreaData& a : AreaTable())
        for (const FindRow& f : a.finds) EXPECT_TRUE(held[f.goodsId]) << f.goodsId;
}

// A monster that no encounter, quest or reinforcement names is content
// nobody will ever see.
TEST_F(Quests, EveryMonsterIsMetSomewhere) {
    std::set<int32_t> met;
    for (const AreaData& a : AreaTable())
        for (const EncounterRow& e : a.encounters) met.insert(e.enemyId);
    for (const QuestData& q : QuestTable()) {
        met.insert(q.enemies.begin(), q.enemies.end());
        for (const WeightedId& r : q.reinforcements) met.insert(r.id);
    }
    for (int32_t id = 0; id < kEnemyCapacity; ++id)
        if (!EnemyById(id).name.Empty()) {
            EXPECT_TRUE(met.count(id)) << id;
        }
}
