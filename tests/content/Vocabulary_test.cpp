#include <gtest/gtest.h>

#include "content/Abilities.h"
#include "content/Labels.h"
#include "content/ParamBlock.h"

namespace {

std::string Utf8(const WString& s) { return s.ToUtf8(); }

}  // namespace

TEST(Labels, VocabulariesAreShownAsTheyStand) {
    EXPECT_EQ(Utf8(BaseParamLabels()[BaseParam::kLuck]), "Luck");
    EXPECT_EQ(Utf8(WeaponKindLabels()[WeaponKind::kKnife]), "短剣");
    EXPECT_EQ(Utf8(WeaponKindLabels()[WeaponKind::kNone]), "-");
    EXPECT_EQ(Utf8(ElementLabels()[Element::kDark]), "闇");
    EXPECT_EQ(Utf8(RangeLabels()[1]), "射程○");
    EXPECT_EQ(Utf8(StatusLabels()[StatusKind::kBreathGuard]), "ﾌﾞﾚｽ防");
    EXPECT_EQ(Utf8(StatusLabels()[StatusKind::kElement + Element::kWind]), "風");
    EXPECT_EQ(Utf8(StatusLabels()[StatusKind::kDoom]), "宣告");
    EXPECT_EQ(Utf8(TargetKindLabels()[TargetKind::kAllButSelf]), "自分以外全体");
}

TEST(Labels, StatusCategoriesAndSides) {
    const auto& c = StatusCategories();
    for (int32_t k = 0; k <= 16; ++k) EXPECT_EQ(c[k], StatusCategory::kParameter) << k;
    for (int32_t k = 17; k <= 23; ++k) EXPECT_EQ(c[k], StatusCategory::kAilment) << k;
    for (int32_t k = 24; k <= 28; ++k) EXPECT_EQ(c[k], StatusCategory::kBeneficial) << k;
    EXPECT_EQ(c[StatusKind::kDoom], StatusCategory::kAilment);
    for (int32_t t = 0; t < SkillType::kCount; ++t) EXPECT_EQ(EffectTypeSides()[t], t >= 5 ? 1 : 0);
}

TEST(Labels, LookUpByLabel) {
    EXPECT_EQ(FindStatusKind(u"挑発"), StatusKind::kTaunt);
    EXPECT_EQ(FindStatusKind(u"Atk"), StatusKind::kAtk);
    EXPECT_EQ(FindBaseParam(u"Atk"), BaseParam::kAtk);
    EXPECT_EQ(FindStatusKind(u"挑"), -1);
    EXPECT_EQ(FindAbility(u"おとり"), AbilityParam::kDecoy);
    EXPECT_EQ(FindAbility(u""), -1);
}

TEST(Abilities, CatalogueHas77NamedRowsWithDescriptions) {
    const auto& rows = AbilityCatalogue();
    for (int32_t k = 0; k < AbilityParam::kCount; ++k) {
        EXPECT_EQ(rows[k].name.Empty(), k >= 77) << k;
        EXPECT_EQ(rows[k].description.Empty(), k >= 77) << k;
    }
    struct Case {
        int32_t index;
        const char* name;
        const char* description;
    };
    const Case cases[] = {
        {0, "物理耐性", "物理攻撃を軽減する"},
        {4, "火耐性", "火属性攻撃を軽減する"},
        {10, "毒耐性", "毒状態になる確率、効果、継続時間を軽減する"},
        {11, "睡眠耐性", "睡眠状態になる確率、継続時間を軽減する"},
        {15, "封印耐性", "封印状態になる確率、継続時間を軽減する"},
        {26, "火攻UP", "火属性攻撃の威力があがる"},
        {38, "闇速UP", "闇属性攻撃の速さがあがる"},
        {51, "火吸収", "火属性攻撃を吸収する"},
        {61, "天聖", "ダメージを与えたとき、HPを回復する。"},
        {64, "Epの系譜", "戦闘開始のEpがたまった状態で開始される"},
        {66, "攻撃の系譜", "戦闘開始、復活時にAtkがあがった状態で開始される"},
        {72, "速さの系譜", "戦闘開始、復活時にSpがあがった状態で開始される"},
        {75, "ブレス耐性の系譜", "戦闘開始、復活時にブレス耐性があがった状態で開始される"},
        {76, "おとり", "戦闘開始、復活時に挑発状態で開始される"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Utf8(rows[c.index].name), c.name);
        EXPECT_EQ(Utf8(rows[c.index].description), c.description);
    }
}

TEST(Abilities, CountAbilitiesCountsNonZeroValuesOnly) {
    ParamBlock params;
    EXPECT_EQ(CountAbilities(params), 0);
    params.Base(BaseParam::kHp) = 500;  // base parameters are not abilities
    params.Ability(0) = 20;
    params.Ability(AbilityParam::kDecoy) = -5;
    params.Ability(99) = 1;
    EXPECT_EQ(CountAbilities(params), 3);
    EXPECT_EQ(params.values[8], 20);
    EXPECT_EQ(params.values[107], 1);
}
