#include "content/Skills.h"

#include "content/ContentDatabase.h"
#include "content/RowText.h"
#include "engine/text/Format.h"

namespace {

void SetStatuses(int32_t id, const char* text, SkillData& skill) {
    std::string error;
    if (!ParseStatusChances(text, skill.statusChance, &error))
        ReportContentProblem(FormatNarrow("skill %d: %s", id, error.c_str()));
}

}  // namespace

void ApplySkillTemplate(SkillTemplate family, SkillData& skill) {
    skill.weaponKind = WeaponKind::kNone;
    skill.ranged = 1;
    skill.hits = 1;
    skill.subtype = 0;
    skill.element = Element::kNeutral;
    skill.critBonus = 0;
    skill.speed = 100;
    switch (family) {
        case SkillTemplate::kRaisingSupport:
            skill.reflectable = 1;
            skill.epCost = 0;
            skill.effect = 180;
            skill.type = SkillType::kSupport;
            skill.power = 0;
            break;
        case SkillTemplate::kLowering:
            skill.reflectable = 1;
            skill.epCost = 0;
            skill.effect = 260;
            skill.type = SkillType::kMagic;
            skill.power = 50;
            break;
        case SkillTemplate::kSong:  // leaves the EP cost to the row
            skill.reflectable = 0;
            skill.effect = 180;
            skill.type = SkillType::kSupport;
            skill.power = 0;
            break;
        case SkillTemplate::kAilment:
            skill.reflectable = 1;
            skill.epCost = 0;
            skill.effect = 250;
            skill.type = SkillType::kMagic;
            skill.power = 50;
            break;
    }
}

void BuildSkills() {
    auto& table = SkillTable();
    table.fill(SkillData{});
    for (const SkillRow& row : SkillRows()) {
        SkillData& s = table[row.id];
        s.name = WString(row.name);
        s.epCost = row.epCost;
        s.mpCost = row.mpCost;
        s.type = row.type;
        s.subtype = row.subtype;
        s.targetKind = row.targetKind;
        s.hits = row.hits;
        s.element = row.element;
        s.power = row.power;
        s.hitBonus = row.hitBonus;
        s.critBonus = row.critBonus;
        s.speed = row.speed;
        SetStatuses(row.id, row.statuses, s);
        s.effect = row.effect;
        s.weaponKind = row.weaponKind;
        s.ranged = row.ranged;
        s.reflectable = row.reflectable;
    }
    for (const SkillTemplateRow& row : SkillTemplateRows()) {
        SkillData& s = table[row.id];
        ApplySkillTemplate(row.family, s);
        s.name = WString(row.name);
        s.epCost = row.epCost;
        s.mpCost = row.mpCost;
        s.targetKind = row.targetKind;
        s.hitBonus = row.hitBonus;
        SetStatuses(row.id, row.statuses, s);
    }
}
