#include "content/Abilities.h"

#include "content/ParamBlock.h"

namespace {

constexpr const char* kElementLabels[] = {"無", "火", "氷", "雷", "風", "光", "闇"};

// Names of rows 0-76 in index order; the element series are generated.
constexpr const char* kNames[] = {
    "物理耐性", "魔法耐性", "ブレス耐性",
    "無耐性", "火耐性", "氷耐性", "雷耐性", "風耐性", "光耐性", "闇耐性",
    "毒耐性", "睡眠耐性", "マヒ耐性", "混乱耐性", "臆病耐性", "封印耐性", "即死耐性",
    "能力弱体耐性", "属性弱体耐性", "弱体成功率UP", "弱体効果UP", "即死効果UP",
    "補助効果UP", "回復効果UP", "回復速度UP",
    "無攻UP", "火攻UP", "氷攻UP", "雷攻UP", "風攻UP", "光攻UP", "闇攻UP",
    "無速UP", "火速UP", "氷速UP", "雷速UP", "風速UP", "光速UP", "闇速UP",
    "追撃", "必殺", "死生", "怒り", "見切り", "祈り", "集中", "反射", "EP節約", "闘志",
    "魔力充填",
    "無吸収", "火吸収", "氷吸収", "雷吸収", "風吸収", "光吸収", "闇吸収",
    "対峙", "会心", "カリスマ", "根性", "天聖", "連続行動", "速攻",
    "Epの系譜", "Mpの系譜", "攻撃の系譜", "魔力の系譜", "命中の系譜", "必殺の系譜",
    "回避の系譜", "幸運の系譜", "速さの系譜",
    "物理耐性の系譜", "魔法耐性の系譜", "ブレス耐性の系譜", "おとり",
};
static_assert(std::size(kNames) == AbilityParam::kDefined);

// Descriptions of the rows that follow no series pattern.
struct Fixed {
    int32_t index;
    const char* text;
};
constexpr Fixed kFixedDescriptions[] = {
    {0, "物理攻撃を軽減する"},
    {1, "魔法攻撃を軽減する"},
    {2, "ブレス攻撃を軽減する"},
    {10, "毒状態になる確率、効果、継続時間を軽減する"},
    {16, "即死する確率を軽減する"},
    {17, "能力が弱体する確率、継続時間を軽減する"},
    {18, "属性が弱体する確率、継続時間を軽減する"},
    {19, "弱体成功率があがる"},
    {20, "弱体の継続時間があがる"},
    {21, "即死の成功率があがる"},
    {22, "補助効果の継続時間があがる"},
    {23, "回復の効果があがる"},
    {24, "回復行動の速さがあがる"},
    {39, "Spが対象より大きいほど与えるダメージがあがる"},
    {40, "必殺の威力があがる"},
    {41, "残りのHPが少ないほど必殺率があがる"},
    {42, "残りのHPが少ないほど与えるダメージがあがる"},
    {43, "残りのHPが少ないほど必殺を防ぐ確率があがる"},
    {44, "残りのHPが少ないほど回避率があがる"},
    {45, "残りのHPが少ないほど命中率があがる"},
    {46, "魔法をはね返す"},
    {47, "消費EPを軽減する"},
    {48, "EPの回復量が増える"},
    {49, "MPの回復量が増える"},
    {57, "自分のターンが回ってくるとEpが回復する"},
    {58, "必殺ダメージを与えるとEpが回復する"},
    {59, "ターンが回ってきたとき、仲間のHPを回復する"},
    {60, "HPが0になる攻撃を受けたとき、HP1で踏みとどまる"},
    {61, "ダメージを与えたとき、HPを回復する。"},
    {62, "連続して行動できる"},
    {63, "戦闘開始、復活時、Actがたまった状態で開始される"},
    {64, "戦闘開始のEpがたまった状態で開始される"},
    {65, "戦闘開始のMpがたまった状態で開始される"},
    {76, "戦闘開始、復活時に挑発状態で開始される"},
};

std::array<AbilityInfo, AbilityParam::kCount> BuildCatalogue() {
    using namespace AbilityParam;
    std::array<AbilityInfo, kCount> rows;
    for (int32_t k = 0; k < kDefined; ++k) rows[k].name = WString(kNames[k]);
    for (const Fixed& f : kFixedDescriptions) rows[f.index].description = WString(f.text);
    for (int32_t e = 0; e < Element::kCount; ++e) {
        rows[kElementResist + e].description.Format("%s属性攻撃を軽減する", kElementLabels[e]);
        rows[kElementAttackUp + e].description.Format("%s属性攻撃の威力があがる", kElementLabels[e]);
        rows[kElementSpeedUp + e].description.Format("%s属性攻撃の速さがあがる", kElementLabels[e]);
        rows[kElementAbsorb + e].description.Format("%s属性攻撃を吸収する", kElementLabels[e]);
    }
    constexpr const char* kAilments[] = {"睡眠", "マヒ", "混乱", "臆病", "封印"};
    for (int32_t i = 0; i < 5; ++i)
        rows[kSleepResist + i].description.Format("%s状態になる確率、継続時間を軽減する", kAilments[i]);
    constexpr const char* kLineage[] = {"Atk", "Mag", "Hit", "Cri", "Avo", "Luck", "Sp",
                                        "物理耐性", "魔法耐性", "ブレス耐性"};
    for (int32_t i = 0; i < 10; ++i)
        rows[kAtkLineage + i].description.Format("戦闘開始、復活時に%sがあがった状態で開始される",
                                                 kLineage[i]);
    return rows;
}

}  // namespace

const std::array<AbilityInfo, AbilityParam::kCount>& AbilityCatalogue() {
    static const std::array<AbilityInfo, AbilityParam::kCount> catalogue = BuildCatalogue();
    return catalogue;
}

int32_t FindAbility(std::u16string_view name) {
    const auto& catalogue = AbilityCatalogue();
    for (int32_t k = 0; k < AbilityParam::kDefined; ++k)
        if (catalogue[k].name.View() == name) return k;
    return -1;
}

int32_t CountAbilities(const ParamBlock& params) {
    int32_t count = 0;
    for (int32_t k = 0; k < AbilityParam::kCount; ++k)
        if (params.Ability(k) != 0) ++count;
    return count;
}
