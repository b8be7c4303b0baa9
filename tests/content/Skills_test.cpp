#include <gtest/gtest.h>

#include <map>

#include "ContentFixture.h"
#include "content/Labels.h"
#include "content/RowText.h"

namespace {

class Skills : public ::testing::Test {
protected:
    void SetUp() override { EnsureContentBuilt(); }
    static const SkillData& S(int32_t id) { return SkillTable()[id]; }
    // Row 0 is defined without a name; every other filled row has one.
    static bool Filled(int32_t id) { return id == 0 || !S(id).name.Empty(); }
};

struct Telling {
    int32_t id, ep, mp, type, subtype, target, hits, element, power, hit, crit, speed, effect,
        weaponKind, ranged, reflectable;
    const char* statuses;
};

}  // namespace

TEST_F(Skills, TellingRowsAreExact) {
    const Telling rows[] = {
        {1, 0, 0, 0, 0, 0, 1, 0, 100, 80, 0, 100, 0, 0, 0, 0, ""},
        {86, 70, 0, 0, 0, 1, 4, 0, 100, 80, 0, 100, 40, 2, 0, 0, ""},
        {260, 0, 20, 5, 0, 0, 1, 0, 400, 0, 0, 100, 160, 8, 1, 1, ""},
        {340, 0, 20, 1, 0, 0, 1, 1, 140, 80, 0, 90, 190, 8, 1, 1, ""},
        {500, 30, 0, 7, 0, 2, 1, 0, 0, 0, 0, 100, 180, 8, 1, 0, "物防100 挑発100"},
        {576, 0, 0, 1, 0, 0, 1, 0, 50, 200, 0, 100, 241, 8, 1, 0, "宣告100"},
    };
    for (const Telling& t : rows) {
        SCOPED_TRACE(t.id);
        const SkillData& s = S(t.id);
        EXPECT_FALSE(s.name.Empty());
        EXPECT_EQ(s.epCost, t.ep);
        EXPECT_EQ(s.mpCost, t.mp);
        EXPECT_EQ(s.type, t.type);
        EXPECT_EQ(s.subtype, t.subtype);
        EXPECT_EQ(s.targetKind, t.target);
        EXPECT_EQ(s.hits, t.hits);
        EXPECT_EQ(s.element, t.element);
        EXPECT_EQ(s.power, t.power);
        EXPECT_EQ(s.hitBonus, t.hit);
        EXPECT_EQ(s.critBonus, t.crit);
        EXPECT_EQ(s.speed, t.speed);
        EXPECT_EQ(s.effect, t.effect);
        EXPECT_EQ(s.weaponKind, t.weaponKind);
        EXPECT_EQ(s.ranged, t.ranged);
        EXPECT_EQ(s.reflectable, t.reflectable);
        EXPECT_EQ(s.price, 0);
        EXPECT_EQ(s.itemUses, 0);
        StatusChances expected{};
        ASSERT_TRUE(ParseStatusChances(t.statuses, expected, nullptr));
        EXPECT_EQ(s.statusChance, expected);
    }
    EXPECT_EQ(Utf8(S(1).name), "攻撃");
    EXPECT_EQ(Utf8(S(10).name), "反撃");
    EXPECT_EQ(Utf8(S(15).name), "逃走");
}

TEST_F(Skills, FillsExactly349RowsInTheirIdRanges) {
    EXPECT_TRUE(ContentProblems().empty()) << ContentProblems().front();
    const std::pair<int32_t, int32_t> ranges[] = {
        {0, 8},     {10, 10},   {15, 15},   {20, 29},   {50, 65},   {70, 78},
        {80, 128},  {170, 207}, {230, 230}, {260, 331}, {340, 357}, {360, 368},
        {380, 386}, {400, 404}, {410, 410}, {420, 427}, {439, 489}, {500, 513},
        {515, 540}, {550, 620}};
    int32_t filled = 0;
    for (int32_t id = 0; id < kSkillCapacity; ++id) {
        if (!Filled(id)) {
            // An empty row is inert: nothing that could be offered or resolved.
            EXPECT_EQ(S(id).type, 0);
            EXPECT_EQ(S(id).hits, 0);
            continue;
        }
        ++filled;
        bool inRange = false;
        for (auto [first, last] : ranges) inRange |= id >= first && id <= last;
        EXPECT_TRUE(inRange) << id;
    }
    EXPECT_EQ(filled, 349);
}

TEST_F(Skills, FieldStatisticsOverTheFilledRows) {
    std::map<int32_t, int32_t> targets;
    int32_t singleHit = 0, power100 = 0, hit80 = 0, speed100 = 0;
    for (int32_t id = 0; id < kSkillCapacity; ++id) {
        if (!Filled(id)) continue;
        SCOPED_TRACE(id);
        const SkillData& s = S(id);
        ++targets[s.targetKind];
        singleHit += s.hits == 1;
        power100 += s.power == 100;
        hit80 += s.hitBonus == 80;
        speed100 += s.speed == 100;
        EXPECT_GE(s.hits, 1);
        EXPECT_LE(s.hits, 32);
        EXPECT_TRUE(s.power >= 0 && s.power <= 500000);
        EXPECT_TRUE(s.hitBonus >= 0 && s.hitBonus <= 200);
        EXPECT_TRUE(s.critBonus >= 0 && s.critBonus <= 40);
        EXPECT_TRUE(s.speed >= 10 && s.speed <= 200);
        EXPECT_TRUE(s.epCost >= 0 && s.epCost <= 100);
        EXPECT_TRUE(s.mpCost >= 0 && s.mpCost <= 100);
        EXPECT_TRUE(s.type >= 0 && s.type < SkillType::kCount);
        EXPECT_TRUE(s.targetKind >= 0 && s.targetKind < TargetKind::kCount);
        EXPECT_TRUE(s.element >= 0 && s.element < Element::kCount);
        EXPECT_TRUE(s.weaponKind >= 0 && s.weaponKind < WeaponKind::kCount);
        for (int32_t chance : s.statusChance) EXPECT_TRUE(chance == 0 || chance == 50 || chance == 100);
        // Techniques cost EP, magic costs MP; nothing costs both.
        EXPECT_FALSE(s.epCost > 0 && s.mpCost > 0);
        if (s.epCost > 0) {
            EXPECT_GE(s.epCost, 10);
        }
        if (s.mpCost > 0) {
            EXPECT_GE(s.mpCost, 20);
        }
        // Support and recovery never roll to hit.
        if (s.type == SkillType::kSupport || s.type == SkillType::kRecovery ||
            s.type == SkillType::kRevive) {
            EXPECT_EQ(s.hitBonus, 0);
        }
    }
    EXPECT_EQ(targets[TargetKind::kOne], 147);
    EXPECT_EQ(targets[TargetKind::kAll], 147);
    EXPECT_EQ(targets[TargetKind::kSelf], 22);
    EXPECT_EQ(targets[TargetKind::kRandom], 17);
    EXPECT_EQ(power100, 89);
    EXPECT_EQ(hit80, 118);
    EXPECT_EQ(speed100, 198);
    EXPECT_NEAR(singleHit, 280, 10);
}

TEST_F(Skills, BasicAttacksFollowTheWeaponKind) {
    for (int32_t kind = 0; kind < 8; ++kind) {
        SCOPED_TRACE(kind);
        const SkillData& s = S(kind + 1);
        EXPECT_EQ(Utf8(s.name), "攻撃");
        EXPECT_EQ(s.weaponKind, kind);
        EXPECT_EQ(s.effect, 20 * kind);
        EXPECT_EQ(s.ranged, kind == WeaponKind::kBow ? 1 : 0);
        EXPECT_EQ(s.type, SkillType::kPhysical);
    }
    EXPECT_EQ(S(8).weaponKind, WeaponKind::kStaff);
    EXPECT_EQ(Utf8(S(230).name), "攻撃");
    EXPECT_EQ(S(230).weaponKind, WeaponKind::kStaff);
    for (int32_t id : {560, 561, 562, 563, 564, 565, 566, 567, 568, 569, 578, 596}) {
        EXPECT_EQ(Utf8(S(id).name), "攻撃") << id;
        EXPECT_EQ(S(id).weaponKind, WeaponKind::kNone) << id;
    }
}

TEST_F(Skills, OnlyEscapeHasTypeNine) {
    for (int32_t id = 0; id < kSkillCapacity; ++id)
        EXPECT_EQ(S(id).type == SkillType::kEscape, id == 15) << id;
    EXPECT_EQ(S(15).targetKind, TargetKind::kSelf);
    EXPECT_EQ(S(15).speed, 50);
}

TEST_F(Skills, FamiliesKeepTheirCommonFields) {
    for (int32_t id = 0; id < kSkillCapacity; ++id) {
        if (!Filled(id)) continue;
        SCOPED_TRACE(id);
        const SkillData& s = S(id);
        const bool damage = s.type <= SkillType::kFixed;
        if (id >= 80 && id <= 128) {
            EXPECT_EQ(s.weaponKind, WeaponKind::kSword);
            if (damage) {
                EXPECT_TRUE(s.effect >= 40 && s.effect <= 47);
            }
        }
        if (id >= 170 && id <= 207) {
            EXPECT_EQ(s.weaponKind, WeaponKind::kBow);
            EXPECT_EQ(s.ranged, 1);
            if (damage) {
                EXPECT_TRUE(s.effect >= 100 && s.effect <= 103);
            }
        }
        if (id >= 20 && id <= 29) {
            EXPECT_EQ(s.weaponKind, WeaponKind::kFist);
        }
        if ((id >= 50 && id <= 65) || id >= 550) {
            EXPECT_EQ(s.weaponKind, WeaponKind::kNone);
        }
        if (id >= 260 && id <= 298) {
            EXPECT_TRUE(s.type == SkillType::kRecovery || s.type == SkillType::kCure ||
                        s.type == SkillType::kRevive);
            EXPECT_EQ(s.effect, 160);
            // Healing and curing can be reflected; revival and charges cannot.
            const bool heals = s.type == SkillType::kCure ||
                               (s.type == SkillType::kRecovery &&
                                (s.subtype == RecoveryPool::kHp || s.subtype == RecoveryPool::kAll));
            EXPECT_EQ(s.reflectable, heals ? 1 : 0);
        }
        if (id >= 340 && id <= 459) {
            EXPECT_TRUE(s.type == SkillType::kMagic || s.type == SkillType::kFixed);
            EXPECT_EQ(s.weaponKind, WeaponKind::kNone);
            EXPECT_EQ(s.epCost, 0);
            EXPECT_TRUE(s.effect >= 190 && s.effect <= 243);
        }
        if ((id >= 460 && id <= 489) || (id >= 520 && id <= 535)) {
            EXPECT_EQ(s.type, SkillType::kMagic);
            EXPECT_EQ(s.power, 50);
            EXPECT_EQ(s.hitBonus, 70);
            EXPECT_TRUE(s.mpCost == 20 || s.mpCost == 40 || s.mpCost == 80);
            EXPECT_EQ(s.effect, id < 500 ? 260 : 250);
            // The "メガ" forms reach every enemy.
            EXPECT_EQ(s.targetKind, Utf8(s.name).starts_with("メガ") ? 3 : 0);
        }
        if (id >= 500 && id <= 519) {
            EXPECT_EQ(s.type, SkillType::kSupport);
            EXPECT_EQ(s.effect, 180);
            EXPECT_TRUE(s.epCost >= 30 && s.epCost <= 80);
        }
        if (id >= 536 && id <= 540) {
            EXPECT_TRUE(s.type == SkillType::kDispel || s.type == SkillType::kRecovery);
        }
    }
}
