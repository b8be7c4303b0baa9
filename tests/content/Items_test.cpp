#include "content/Items.h"

#include <gtest/gtest.h>

#include "ContentFixture.h"

namespace {

class Items : public ::testing::Test {
protected:
    void SetUp() override { EnsureContentBuilt(); }
};

std::vector<int32_t> Granted(int32_t id, int32_t quality) {
    std::vector<int32_t> skills;
    for (int32_t s : MakeItemData(id, quality).grantedSkills)
        if (s != 0) skills.push_back(s);
    return skills;
}

int32_t AbilityBonus(int32_t id, int32_t quality, const char16_t* name) {
    return MakeItemData(id, quality).params.Ability(FindAbility(name));
}

}  // namespace

TEST_F(Items, WeaponConstantTermsAtQualityZeroFullSlopeAtHundred) {
    const ItemData low = MakeItemData(561, 0);
    EXPECT_EQ(low.kind, WeaponKind::kSword);
    EXPECT_EQ(low.params.Base(BaseParam::kAtk), 10);
    EXPECT_EQ(low.params.Base(BaseParam::kHit), 0);
    EXPECT_EQ(low.price, 25);
    const ItemData high = MakeItemData(561, 100);
    EXPECT_EQ(high.params.Base(BaseParam::kAtk), 60);
    EXPECT_EQ(high.params.Base(BaseParam::kHit), 20);
    EXPECT_EQ(high.params.Base(BaseParam::kCri), 5);
    EXPECT_EQ(high.price, 1025);
    // In between, every value is truncated toward zero.
    EXPECT_EQ(MakeItemData(561, 33).params.Base(BaseParam::kAtk), 26);  // 16.5 + 10
    EXPECT_EQ(MakeItemData(561, 33).price, 355);
}

TEST_F(Items, QualityThresholdsGrantSkillsInOrder) {
    EXPECT_TRUE(Granted(576, 49).empty());
    EXPECT_EQ(Granted(576, 50), std::vector<int32_t>({105}));
    EXPECT_EQ(Granted(576, 79), std::vector<int32_t>({105}));
    EXPECT_EQ(Granted(576, 80), std::vector<int32_t>({110}));  // the pair gives one
    EXPECT_TRUE(Granted(574, 9).empty());
    EXPECT_EQ(Granted(574, 10), std::vector<int32_t>({260}));
    EXPECT_EQ(Granted(574, 40), std::vector<int32_t>({260, 114}));
    EXPECT_EQ(Granted(589, 39), std::vector<int32_t>());
    EXPECT_EQ(Granted(589, 70), std::vector<int32_t>({101, 104}));
    EXPECT_EQ(Granted(589, 100), std::vector<int32_t>({101, 104, 105}));
    for (int32_t id : {750, 752, 848, 916}) EXPECT_EQ(Granted(id, 0), std::vector<int32_t>({500})) << id;
}

TEST_F(Items, TellingAccessories) {
    const ItemData bangle = MakeItemData(750, 100);
    EXPECT_EQ(bangle.kind, WeaponKind::kNone);
    EXPECT_EQ(bangle.params.Base(BaseParam::kHp), 220);
    EXPECT_EQ(bangle.price, 1100);
    EXPECT_EQ(MakeItemData(750, 0).params.Base(BaseParam::kHp), 20);
    for (int32_t q : {0, 37, 100}) {
        SCOPED_TRACE(q);
        const ItemData power = MakeItemData(757, q);
        EXPECT_EQ(power.params.Base(BaseParam::kAtk), static_cast<int32_t>(1260 * q / 100.0 + 40));
        EXPECT_EQ(AbilityBonus(757, q, u"攻撃の系譜"), static_cast<int32_t>(50 * q / 100.0));
        EXPECT_EQ(power.price, static_cast<int32_t>(80000 * q / 100.0 + 1000));
        const ItemData skill = MakeItemData(765, q);
        EXPECT_EQ(skill.params.Base(BaseParam::kHit), static_cast<int32_t>(40 * q / 100.0 + 5));
        EXPECT_EQ(skill.params.Base(BaseParam::kCri), static_cast<int32_t>(40 * q / 100.0 + 5));
        EXPECT_EQ(AbilityBonus(765, q, u"命中の系譜"), static_cast<int32_t>(50 * q / 100.0));
        EXPECT_EQ(AbilityBonus(765, q, u"必殺の系譜"), static_cast<int32_t>(50 * q / 100.0));
        EXPECT_EQ(skill.price, static_cast<int32_t>(80000 * q / 100.0 + 1000));
    }
}

TEST_F(Items, ABagCostsExactlyFourHerbsAndIsUsedThreeTimes) {
    for (int32_t q = 0; q <= 100; ++q) {
        const SkillData herb = MakeConsumable(1, q);
        const SkillData bag = MakeConsumable(5, q);
        ASSERT_EQ(bag.price, 4 * herb.price) << q;
        EXPECT_EQ(herb.itemUses, 1);
        EXPECT_EQ(bag.itemUses, 3);
        EXPECT_EQ(bag.power, herb.power);
        EXPECT_EQ(GoodsPrice(PackItem(5, q)), bag.price);
    }
    EXPECT_EQ(MakeConsumable(1, 0).price, 100);
    EXPECT_EQ(MakeConsumable(1, 100).price, 5000);
    EXPECT_EQ(Utf8(MakeConsumable(1, 37).name), "薬草[37]");
}

TEST_F(Items, ConsumableTemplatesAtBothEndsOfQuality) {
    const SkillData herb0 = MakeConsumable(1, 0), herb100 = MakeConsumable(1, 100);
    EXPECT_EQ(herb0.type, SkillType::kRecovery);
    EXPECT_EQ(herb0.power, 100);
    EXPECT_EQ(herb100.power, 1100);
    EXPECT_EQ(herb0.speed, 100);
    EXPECT_EQ(herb100.speed, 120);
    EXPECT_EQ(herb0.targetKind, TargetKind::kOne);
    EXPECT_EQ(herb0.effect, 160);
    EXPECT_EQ(herb0.ranged, 1);
    EXPECT_EQ(herb0.weaponKind, WeaponKind::kNone);
    EXPECT_EQ(herb0.epCost + herb0.mpCost + herb0.reflectable, 0);
    EXPECT_EQ(MakeConsumable(9, 50).targetKind, TargetKind::kAll);
    const SkillData stone = MakeConsumable(13, 100);
    EXPECT_EQ(stone.targetKind, TargetKind::kAll);
    EXPECT_EQ(stone.itemUses, 3);
    EXPECT_EQ(stone.price, 16 * 5000);
    EXPECT_EQ(MakeConsumable(16, 100).subtype, RecoveryPool::kEp);
    EXPECT_EQ(MakeConsumable(31, 100).subtype, RecoveryPool::kMp);

    const SkillData medicine = MakeConsumable(81, 0);  // "力の薬"
    EXPECT_EQ(medicine.type, SkillType::kSupport);
    EXPECT_EQ(medicine.statusChance[StatusKind::kAtk], 100);
    EXPECT_EQ(medicine.itemUses, 1);
    EXPECT_EQ(MakeConsumable(81, 100).itemUses, 3);
    EXPECT_EQ(MakeConsumable(81, 100).price, 5100);
    const SkillData book = MakeConsumable(201, 100);  // the second book of 無
    EXPECT_EQ(book.type, SkillType::kMagic);
    EXPECT_EQ(book.effect, 240);
    EXPECT_EQ(book.element, Element::kNeutral);
    EXPECT_EQ(book.power, 170);
    EXPECT_EQ(book.itemUses, 4);
    EXPECT_EQ(MakeConsumable(66, 0).price, 600);
    EXPECT_EQ(MakeConsumable(66, 100).price, 10000);
    EXPECT_EQ(MakeConsumable(66, 100).subtype, 5);
    const SkillData cure = MakeConsumable(50, 100);  // poison cure for everyone
    EXPECT_EQ(cure.type, SkillType::kCure);
    EXPECT_EQ(cure.targetKind, TargetKind::kAll);
    EXPECT_EQ(cure.speed, 130);
    EXPECT_EQ(cure.statusChance[StatusKind::kPoison], 100);
    const SkillData extinction = MakeConsumable(399, 100);
    EXPECT_EQ(extinction.type, SkillType::kDispel);
    EXPECT_EQ(extinction.subtype, 9);
    EXPECT_EQ(extinction.targetKind, TargetKind::kAll);
}

TEST_F(Items, MaterialsPricedByGrade) {
    const MaterialLabel low = MakeMaterialLabel(1000, 0), high = MakeMaterialLabel(1000, 100);
    EXPECT_EQ(low.price, 5);
    EXPECT_EQ(high.price, 400);
    EXPECT_EQ(Utf8(high.label), "無の欠片[100]");
    const int32_t metals[] = {1, 3, 4, 5, 7, 8, 10, 12, 14, 16, 17};
    for (int32_t i = 0; i < 11; ++i) EXPECT_EQ(MaterialGrade(1040 + i), metals[i]);
    for (int32_t e = 0; e < 7; ++e)
        for (int32_t g = 0; g < 4; ++g) EXPECT_EQ(MaterialGrade(1000 + 4 * e + g), g + 1);
    for (int32_t first : {1060, 1070}) {
        EXPECT_EQ(MaterialGrade(first), 2);
        EXPECT_EQ(MaterialGrade(first + 1), 6);
        EXPECT_EQ(MaterialGrade(first + 2), 9);
    }
    EXPECT_EQ(MakeMaterialLabel(1050, 100).price, 200000);
    int32_t graded = 0;
    for (int32_t id = 1000; id < kItemCapacity; ++id) {
        // A material has a price exactly when it has a name.
        EXPECT_EQ(MaterialGrade(id) != 0, !ItemName(id).Empty()) << id;
        graded += MaterialGrade(id) != 0;
    }
    EXPECT_EQ(graded, 129);
}

TEST_F(Items, QualityOutsideTheRangeCountsAsTheNearestEnd) {
    EXPECT_EQ(MakeItemData(561, 150).price, MakeItemData(561, 100).price);
    EXPECT_EQ(MakeItemData(561, -20).price, MakeItemData(561, 0).price);
    EXPECT_EQ(MakeConsumable(1, 500).price, MakeConsumable(1, 100).price);
    EXPECT_EQ(MakeConsumable(1, -1).power, MakeConsumable(1, 0).power);
    EXPECT_EQ(MakeMaterialLabel(1000, 101).price, 400);
    EXPECT_EQ(Granted(576, 300), std::vector<int32_t>({110}));
}

TEST_F(Items, EmptyIdsGiveInertRecords) {
    const SkillData none = MakeConsumable(0, 100);
    EXPECT_EQ(none.itemUses, 0);
    EXPECT_EQ(none.price, 0);
    EXPECT_EQ(none.type, 0);
    EXPECT_EQ(none.power, 0);
    EXPECT_EQ(none.effect, 0);
    EXPECT_EQ(MakeConsumable(170, 50).itemUses, 0);  // no item has this id
    EXPECT_EQ(MakeConsumable(600, 50).itemUses, 0);  // not a consumable
    const ItemData below = MakeItemData(45, 100);
    EXPECT_EQ(below.kind, 0);
    EXPECT_EQ(below.price, 0);
    EXPECT_EQ(below.params, ParamBlock{});
    EXPECT_EQ(MakeItemData(501, 100).kind, WeaponKind::kFist);
    EXPECT_EQ(MakeItemData(501, 100).price, 0);
    EXPECT_EQ(MakeItemData(999, 100).kind, WeaponKind::kNone);
    EXPECT_EQ(MakeItemData(999, 100).price, 0);
    EXPECT_EQ(MakeMaterialLabel(1249, 100).price, 0);
}

TEST_F(Items, GoodsPriceOfEveryKind) {
    EXPECT_EQ(GoodsPrice(0), 0);
    for (int32_t id : {1250, 1251, 2499, 2500, 2550, 2600, 2999})
        EXPECT_EQ(GoodsPrice(PackItem(id, 0)), 0) << id;
    EXPECT_EQ(GoodsPrice(PackItem(561, 100)), 1025);
    EXPECT_EQ(GoodsPrice(PackItem(757, 0)), 1000);
    EXPECT_EQ(GoodsPrice(PackItem(1000, 100)), 400);
    EXPECT_EQ(GoodsPrice(PackItem(1, 0)), 100);
}

TEST_F(Items, EveryNamedItemIsDefinedAndPriced) {
    for (int32_t id = 1; id < GoodsRange::kMaterialFirst; ++id) {
        SCOPED_TRACE(id);
        const bool named = !ItemName(id).Empty();
        if (id < GoodsRange::kWeaponFirst) {
            const SkillData low = MakeConsumable(id, 0), high = MakeConsumable(id, 100);
            EXPECT_EQ(low.itemUses > 0, named);
            if (!named) continue;
            EXPECT_GT(low.price, 0);
            EXPECT_GE(high.price, low.price);
            EXPECT_GE(high.itemUses, low.itemUses);
            EXPECT_FALSE(EffectById(low.effect).picture.Empty());
            EXPECT_NE(low.type, SkillType::kPhysical);
            continue;
        }
        const ItemData low = MakeItemData(id, 0), high = MakeItemData(id, 100);
        EXPECT_EQ(high.price > 0, named);
        if (!named) continue;
        EXPECT_GT(low.price, 0);
        EXPECT_GT(high.price, low.price);
        if (id < GoodsRange::kAccessoryFirst) {
            const int32_t kind = id <= 593 ? 2 : id <= 680 ? 5 : 7;
            EXPECT_EQ(high.kind, kind);
            EXPECT_GT(low.params.Base(BaseParam::kAtk), 0);
        } else {
            EXPECT_EQ(high.kind, WeaponKind::kNone);
            EXPECT_NE(high.params, ParamBlock{});
        }
        for (int32_t skill : high.grantedSkills) {
            if (skill != 0) {
                EXPECT_FALSE(SkillById(skill).name.Empty()) << skill;
            }
        }
    }
}
