// The detail of a skill or of a carried item's action.
#include <algorithm>

#include "content/ContentDatabase.h"
#include "content/Labels.h"
#include "flow/Palette.h"
#include "flow/panels/PanelParts.h"
#include "flow/panels/Panels.h"

namespace {

constexpr int32_t kWidth = 215;
constexpr int32_t kGlyph = 14;
constexpr int32_t kPitch = 15;
constexpr int32_t kMaxEffectLines = 3;

WString TypeDescription(const SkillData& skill) {
    WString text;
    switch (skill.type) {
        case SkillType::kPhysical: return WString("物理ダメージを与える");
        case SkillType::kMagic: return WString("魔法ダメージを与える");
        case SkillType::kBreath: return WString("ブレスダメージを与える");
        case SkillType::kFixed: return WString("固定ダメージを与える");
        case SkillType::kDispel: text.Format("補助効果を解除する ( %d個 )", skill.subtype); return text;
        case SkillType::kRecovery:
            switch (skill.subtype) {
                case RecoveryPool::kHp: return WString("HPを回復する");
                case RecoveryPool::kEp: return WString("EPを回復する");
                case RecoveryPool::kMp: return WString("MPを回復する");
                case RecoveryPool::kEpMp: return WString("EP、MPを回復する");
                case RecoveryPool::kAll: return WString("HP、EP、MPを回復する");
                default: return WString();
            }
        case SkillType::kCure: text.Format("異常を治療する ( %d個 )", skill.subtype); return text;
        case SkillType::kSupport: return WString("補助効果を付加する");
        case SkillType::kRevive: return WString("戦闘不能を回復する");
        default: return WString();
    }
}

template <size_t N>
const WString& Label(const std::array<WString, N>& labels, int32_t index) {
    static const WString kUnknown("?");
    return index >= 0 && size_t(index) < N ? labels[size_t(index)] : kUnknown;
}

// "効果  " and the statuses the action can apply, "%S " each; a line that
// runs out continues after five spaces.
std::vector<WString> EffectLines(const SkillData& skill, int32_t width) {
    std::vector<WString> lines{WString("効果  ")};
    bool any = false;
    for (int32_t k = 0; k < StatusKind::kCount; ++k) {
        if (skill.statusChance[size_t(k)] <= 0) continue;
        any = true;
        WString word;
        word.Format("%S ", StatusLabels()[size_t(k)]);
        WString joined = lines.back() + word;
        if (TextWidth(joined, kGlyph, 0) > width && lines.back().Length() > 5) {
            lines.push_back(WString("     ") + word);
        } else {
            lines.back() = joined;
        }
    }
    if (!any) return {};
    return lines;
}

}  // namespace

PanelDrawing MakeSkillDetail(const SkillData& skill, Point origin, int32_t price) {
    PanelDrawing d;
    const int32_t left = origin.x + 8, right = origin.x + kWidth - 8;
    const int32_t inner = right - left;
    std::vector<WString> effects = EffectLines(skill, inner);
    if (effects.size() > size_t(kMaxEffectLines)) {
        effects.resize(size_t(kMaxEffectLines));
        effects.back().Append(WString("…"));
    }
    const bool damage = skill.type >= SkillType::kPhysical && skill.type <= SkillType::kFixed;
    const bool recovery = skill.type == SkillType::kRecovery;
    const int32_t lines = 4 + ((damage || recovery) ? 1 : 0) + int32_t(effects.size()) + (price > 0 ? 1 : 0);
    d.Panel({origin.x, origin.y, origin.x + kWidth, origin.y + 26 + lines * kPitch + 4});

    int32_t y = origin.y + 4;
    d.Text({left, y}, skill.name, palette::kWhite, 16, inner);
    y += 22;
    auto pair = [&](const WString& a, const WString& b, Color colorA = palette::kWhite) {
        const int32_t w = d.Text({right, y}, b, palette::kWhite, kGlyph, inner / 2, kAlignEnd);
        d.Text({left, y}, a, colorA, kGlyph, inner - w - 6);
        y += kPitch;
    };

    WString costs;
    if (skill.itemUses > 0) costs.Format("%2d 回", skill.itemUses);
    else costs.Format("%3d/%3d", skill.epCost, skill.mpCost);
    WString speed;
    speed.Format("Sp %3d", skill.speed);
    pair(costs, speed);

    WString element;
    if (skill.hits > 1) element.Format("%S × %d", Label(ElementLabels(), skill.element), skill.hits);
    else element = Label(ElementLabels(), skill.element);
    pair(Label(TargetKindLabels(), skill.targetKind), element);

    d.Text({left, y}, TypeDescription(skill), palette::kWhite, kGlyph, inner);
    y += kPitch;

    WString type;
    type.Format("Type %S, %S, %S", Label(WeaponKindLabels(), skill.weaponKind),
                Label(ElementLabels(), skill.element), Label(RangeLabels(), skill.ranged != 0 ? 1 : 0));
    pair(type, WString(skill.reflectable != 0 ? "反射○" : "反射×"));

    WString strength;
    if (damage) strength.Format("Pow %3d  Hit %3d  Cri %3d", skill.power, skill.hitBonus, skill.critBonus);
    else if (recovery) strength.Format("回復力 %3d  Hit %3d", skill.power, skill.hitBonus);
    if (!strength.Empty()) {
        d.Text({left, y}, strength, palette::kWhite, kGlyph, inner);
        y += kPitch;
    }
    for (const WString& line : effects) {
        d.Text({left, y}, line, palette::kWhite, kGlyph, inner);
        y += kPitch;
    }
    if (price > 0) pair(WString("価格"), Number("%d G", price), panelcolor::kMuted);
    return d;
}

void DrawSkillDetail(const SkillData& skill, Point origin, int32_t price) {
    DrawPanels(MakeSkillDetail(skill, origin, price));
}

void DrawSkillDetail(int32_t skillId, Point origin) { DrawSkillDetail(SkillById(skillId), origin); }
