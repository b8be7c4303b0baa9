#include "content/Labels.h"

namespace {

template <size_t N>
std::array<WString, N> MakeLabels(const char* const (&texts)[N]) {
    std::array<WString, N> labels;
    for (size_t i = 0; i < N; ++i) labels[i] = WString(texts[i]);
    return labels;
}

template <size_t N>
int32_t Find(const std::array<WString, N>& labels, std::u16string_view label) {
    for (size_t i = 0; i < N; ++i)
        if (labels[i].View() == label) return static_cast<int32_t>(i);
    return -1;
}

constexpr const char* kBaseParams[] = {"Hp", "Atk", "Mag", "Hit", "Cri", "Avo", "Luck", "Sp"};
constexpr const char* kWeaponKinds[] = {"拳", "短剣", "剣", "槍", "斧", "弓", "銃", "杖", "-"};
constexpr const char* kElements[] = {"無", "火", "氷", "雷", "風", "光", "闇"};
constexpr const char* kRanges[] = {"射程×", "射程○"};
constexpr const char* kStatuses[] = {
    "Atk", "Mag", "Hit", "Cri", "Avo", "Luck", "Sp", "物防", "魔防", "ﾌﾞﾚｽ防",
    "無", "火", "氷", "雷", "風", "光", "闇",
    "毒", "睡眠", "マヒ", "混乱", "臆病", "封印", "即死",
    "反射", "自動回復", "自動復活", "予防", "挑発", "宣告"};
constexpr const char* kTargetKinds[] = {"一体", "ランダム", "自分", "全体", "味敵全体",
                                        "自分以外", "味方全体", "自分以外全体", "無差別"};

static_assert(std::size(kBaseParams) == BaseParam::kCount);
static_assert(std::size(kWeaponKinds) == WeaponKind::kCount);
static_assert(std::size(kElements) == Element::kCount);
static_assert(std::size(kStatuses) == StatusKind::kCount);
static_assert(std::size(kTargetKinds) == TargetKind::kCount);

}  // namespace

const std::array<WString, BaseParam::kCount>& BaseParamLabels() {
    static const auto labels = MakeLabels(kBaseParams);
    return labels;
}

const std::array<WString, WeaponKind::kCount>& WeaponKindLabels() {
    static const auto labels = MakeLabels(kWeaponKinds);
    return labels;
}

const std::array<WString, Element::kCount>& ElementLabels() {
    static const auto labels = MakeLabels(kElements);
    return labels;
}

const std::array<WString, 2>& RangeLabels() {
    static const auto labels = MakeLabels(kRanges);
    return labels;
}

const std::array<WString, StatusKind::kCount>& StatusLabels() {
    static const auto labels = MakeLabels(kStatuses);
    return labels;
}

const std::array<WString, TargetKind::kCount>& TargetKindLabels() {
    static const auto labels = MakeLabels(kTargetKinds);
    return labels;
}

const std::array<int32_t, StatusKind::kCount>& StatusCategories() {
    static const auto categories = [] {
        std::array<int32_t, StatusKind::kCount> c{};
        for (int32_t k = 0; k < StatusKind::kCount; ++k) {
            if (k < StatusKind::kPoison) c[k] = StatusCategory::kParameter;
            else if (k <= StatusKind::kDeath || k == StatusKind::kDoom) c[k] = StatusCategory::kAilment;
            else c[k] = StatusCategory::kBeneficial;
        }
        return c;
    }();
    return categories;
}

const std::array<uint8_t, SkillType::kCount>& EffectTypeSides() {
    static const std::array<uint8_t, SkillType::kCount> sides = {0, 0, 0, 0, 0, 1, 1, 1, 1, 1};
    return sides;
}

int32_t FindStatusKind(std::u16string_view label) { return Find(StatusLabels(), label); }

int32_t FindBaseParam(std::u16string_view label) { return Find(BaseParamLabels(), label); }
