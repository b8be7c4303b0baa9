#include "content/Progression.h"

#include <array>
#include <string>

#include "content/Abilities.h"
#include "content/ContentDatabase.h"
#include "content/Items.h"
#include "engine/text/Format.h"

namespace {

std::array<std::vector<ProgressionRule>, kCharacterCapacity>& Rules() {
    static std::array<std::vector<ProgressionRule>, kCharacterCapacity> rules;
    return rules;
}

bool ReadRule(const ProgressionRow& row, ProgressionRule& rule) {
    rule.level = row.level;
    rule.kind = row.action.kind;
    switch (row.action.kind) {
        case RuleKind::kAbility:
            rule.index = FindAbility(WString(row.action.text).View());
            rule.value = row.action.value;
            return rule.index >= 0;
        case RuleKind::kSkillSlot:
            rule.index = row.action.slot;
            rule.value = row.action.value;
            return rule.index >= kFirstLearnedSlot && rule.index <= kLastLearnedSlot;
        case RuleKind::kTitle:
            rule.title = WString(row.action.text);
            return !rule.title.Empty();
    }
    return false;
}

}  // namespace

void BuildProgressionRules() {
    for (auto& list : Rules()) list.clear();
    for (const ProgressionRow& row : ProgressionRows()) {
        ProgressionRule rule;
        if (row.character < 0 || row.character >= kCharacterCapacity || !ReadRule(row, rule)) {
            ReportContentProblem(FormatNarrow("progression of character %d from level %d: unreadable rule",
                                              row.character, row.level));
            continue;
        }
        Rules()[row.character].push_back(std::move(rule));
    }
}

const std::vector<ProgressionRule>& CharacterRules(int32_t characterId) {
    static const std::vector<ProgressionRule> none;
    if (characterId < 0 || characterId >= kCharacterCapacity) return none;
    return Rules()[characterId];
}

void ApplyCharacterProgression(int32_t characterId, int32_t level) {
    if (characterId < 0 || characterId >= kCharacterCapacity) return;
    CharacterData& row = CharacterTable()[characterId];
    for (int32_t k = 0; k < AbilityParam::kCount; ++k) row.params.Ability(k) = 0;
    for (const ProgressionRule& rule : Rules()[characterId]) {
        if (level < rule.level) continue;
        switch (rule.kind) {
            case RuleKind::kAbility: row.params.Ability(rule.index) += rule.value; break;
            case RuleKind::kSkillSlot: row.skills[rule.index] = rule.value; break;
            case RuleKind::kTitle: row.title = rule.title; break;
        }
    }
}

void FinishCharacterTable() {
    for (CharacterData& row : CharacterTable()) {
        const PackedItem weapon = row.equipment[0];
        const int32_t kind =
            weapon != 0 ? MakeItemData(PackedGoodsId(weapon), PackedQuality(weapon)).kind : WeaponKind::kFist;
        row.skills[0] = kind + 1;
        row.ranged = (kind == WeaponKind::kBow || kind == WeaponKind::kGun || kind == WeaponKind::kStaff) ? 1 : 0;
    }
}
