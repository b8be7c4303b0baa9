#include <gtest/gtest.h>

#include <set>

#include "ContentFixture.h"
#include "content/Abilities.h"

namespace {

class Enemies : public ::testing::Test {
protected:
    void SetUp() override { EnsureContentBuilt(); }
    static const EnemyData& E(int32_t id) { return EnemyTable()[id]; }
    static bool Filled(int32_t id) { return !E(id).name.Empty(); }
};

struct Telling {
    int32_t id, hp, atk, mag, hit, cri, avo, luck, sp, exp, gold, front;
    std::vector<WeightedId> actions;
    std::vector<DropEntry> drops;
};

}  // namespace

TEST_F(Enemies, TellingRowsAreExact) {
    const Telling rows[] = {
        {0, 93, 55, 0, 0, 0, 5, 0, 55, 5, 2, 80, {{1, 10}},
         {{1190, 0, 20, 1000}, {1195, 0, 20, 100}, {1190, 70, 20, 10}}},
        {1, 150, 67, 0, 2, 0, 0, 0, 45, 6, 3, 100, {{2, 10}, {551, 4}},
         {{560, 0, 20, 1000}, {1000, 0, 30, 1000}, {650, 0, 20, 1000}}},
        {3, 180, 55, 100, 0, 0, 0, 0, 58, 12, 6, 0, {{8, 10}, {340, 20}},
         {{1004, 0, 20, 1000}, {710, 0, 20, 800}, {1060, 0, 25, 1000}}},
    };
    for (const Telling& t : rows) {
        SCOPED_TRACE(t.id);
        const EnemyData& e = E(t.id);
        const int32_t base[] = {t.hp, t.atk, t.mag, t.hit, t.cri, t.avo, t.luck, t.sp};
        for (int32_t p = 0; p < BaseParam::kCount; ++p) EXPECT_EQ(e.params.Base(p), base[p]) << p;
        EXPECT_EQ(e.exp, t.exp);
        EXPECT_EQ(e.gold, t.gold);
        EXPECT_EQ(e.frontChance, t.front);
        EXPECT_EQ(e.actions, t.actions);
        EXPECT_EQ(e.drops, t.drops);
        EXPECT_TRUE(e.counters.empty());
    }
    // The goblin fears fire; the goblin mage shrugs off a little breath.
    EXPECT_EQ(E(1).params.Ability(AbilityParam::kElementResist + Element::kFire), -50);
    EXPECT_EQ(E(3).params.Ability(AbilityParam::kBreathResist), 20);
    EXPECT_EQ(CountAbilities(E(1).params), 1);
    EXPECT_EQ(CountAbilities(E(3).params), 1);
    EXPECT_EQ(CountAbilities(E(0).params), 0);
}

TEST_F(Enemies, FillsIds0To300And349To354) {
    int32_t count = 0;
    for (int32_t id = 0; id < kEnemyCapacity; ++id) {
        const bool expected = id <= 300 || (id >= 349 && id <= 354);
        EXPECT_EQ(Filled(id), expected) << id;
        if (!Filled(id)) {
            EXPECT_TRUE(E(id).actions.empty() && E(id).drops.empty()) << id;
            continue;
        }
        ++count;
        EXPECT_TRUE(Utf8(E(id).picture).ends_with(".bmp")) << id;
    }
    EXPECT_EQ(count, 307);
    EXPECT_TRUE(ContentProblems().empty()) << ContentProblems().front();
}

TEST_F(Enemies, RowsKeepToTheRangesOfTheTable) {
    const int32_t low[] = {5, 55, 0, 0, 0, 0, 0, 45};
    const int32_t high[] = {1200000, 60000, 60000, 670, 80, 120, 100, 720};
    std::multiset<int32_t> hps;
    int32_t withCounters = 0, plainHue = 0, plainScale = 0, doubleAction = 0, reflect = 0;
    for (int32_t id = 0; id < kEnemyCapacity; ++id) {
        if (!Filled(id)) continue;
        SCOPED_TRACE(id);
        const EnemyData& e = E(id);
        for (int32_t p = 0; p < BaseParam::kCount; ++p) {
            EXPECT_GE(e.params.Base(p), low[p]) << p;
            EXPECT_LE(e.params.Base(p), high[p]) << p;
        }
        hps.insert(e.params.Base(BaseParam::kHp));
        // The strongest monsters wait at the end of the table.
        if (e.params.Base(BaseParam::kHp) >= 1000000) {
            EXPECT_GE(id, 265);
            EXPECT_LE(id, 300);
        }
        EXPECT_GE(e.actions.size(), 1u);
        EXPECT_LE(e.actions.size(), 19u);
        EXPECT_GE(e.drops.size(), 2u);
        EXPECT_LE(e.drops.size(), 10u);
        EXPECT_GE(e.exp, 5);
        EXPECT_LE(e.exp, 2500000);
        EXPECT_GE(e.gold, 2);
        EXPECT_LE(e.gold, 500000);
        EXPECT_GE(e.frontChance, 0);
        EXPECT_GE(e.hue, 0);
        EXPECT_LT(e.hue, 360);
        withCounters += !e.counters.empty();
        plainHue += e.hue == 0;
        plainScale += e.scale == 0.9;
        doubleAction += e.params.Ability(AbilityParam::kDoubleAction) == 100;
        reflect += e.params.Ability(AbilityParam::kReflect) > 0;
    }
    EXPECT_EQ(hps.count(5), 1u);
    EXPECT_EQ(hps.count(20), 1u);
    EXPECT_EQ(*hps.rbegin(), 1200000);
    EXPECT_EQ(withCounters, 40);
    EXPECT_EQ(plainHue, 110);
    EXPECT_EQ(plainScale, 278);
    EXPECT_EQ(reflect, 27);
    EXPECT_NEAR(doubleAction, 80, 10);
}

// Battle draws an enemy's action again while it cannot be paid or is a
// revival with nobody fallen: a monster without a free attack would never
// act. Every list must name real skills and real items.
TEST_F(Enemies, ActionsCountersAndDropsNameWhatExists) {
    for (int32_t id = 0; id < kEnemyCapacity; ++id) {
        if (!Filled(id)) continue;
        SCOPED_TRACE(id);
        const EnemyData& e = E(id);
        bool freeAction = false;
        for (const WeightedId& a : e.actions) {
            const SkillData& s = SkillTable()[a.id];
            EXPECT_FALSE(s.name.Empty()) << a.id;
            EXPECT_GT(a.weight, 0);
            freeAction |= s.epCost == 0 && s.mpCost == 0 && s.type != SkillType::kRevive;
        }
        EXPECT_TRUE(freeAction);
        for (const WeightedId& c : e.counters) {
            EXPECT_FALSE(SkillTable()[c.id].name.Empty()) << c.id;
            EXPECT_GT(c.weight, 0);
        }
        for (const DropEntry& d : e.drops) {
            EXPECT_GT(d.itemId, 0);
            EXPECT_LT(d.itemId, GoodsRange::kRecipeFirst);
            EXPECT_FALSE(ItemName(d.itemId).Empty()) << d.itemId;
            EXPECT_GE(d.baseQuality, 0);
            EXPECT_LE(d.baseQuality + d.qualitySpread, 100);
            EXPECT_GT(d.chance, 0);
        }
    }
}
