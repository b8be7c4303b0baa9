#include "flow/panels/StatusRows.h"

#include <algorithm>

#include "content/Abilities.h"
#include "content/ContentDatabase.h"
#include "content/Labels.h"
#include "flow/Palette.h"
#include "flow/panels/PanelKit.h"
#include "flow/panels/PanelParts.h"
#include "rules/Equipment.h"

namespace {

bool Contains(const std::vector<int32_t>& list, int32_t id) {
    return std::binary_search(list.begin(), list.end(), id);
}

StatusRow SkillRow(int32_t id, Color color) {
    const SkillData& skill = SkillById(id);
    WString costs;
    costs.Format("%3d/%3d", skill.epCost, skill.mpCost);
    return {skill.name, costs, color, id};
}

}  // namespace

StatusRows MakeStatusRows(int32_t character, int32_t previewSlot, PackedItem previewItem) {
    StatusRows rows;
    const bool previewing = previewSlot >= 0 && previewSlot < CharacterData::kEquipmentSlots;
    const BattleParams current = ComputeBattleParams(character);
    const BattleParams shown =
        previewing ? ComputeBattleParams(character, previewSlot, previewItem) : current;
    auto colorOf = [&](int32_t now, int32_t then) {
        return previewing ? CompareColor(now, then) : panelcolor::kEqual;
    };

    for (int32_t i = 0; i < BaseParam::kCount; ++i) {
        const int32_t now = current.params.Base(i), then = shown.params.Base(i);
        rows.params[size_t(i)] = {BaseParamLabels()[size_t(i)], Number("%d", then),
                                  colorOf(now, then), i};
    }

    const CharacterData& row = CharacterById(character);
    for (int32_t slot = 0; slot < CharacterData::kEquipmentSlots; ++slot) {
        const PackedItem item = row.equipment[size_t(slot)];
        StatusRow& r = rows.equipment[size_t(slot)];
        r.id = item;
        r.color = palette::kWhite;
        if (PackedGoodsId(item) == 0) {
            r.label = WString(" -");
            r.color = panelcolor::kMuted;
            continue;
        }
        r.label = ItemName(PackedGoodsId(item));
        r.value = Number("[%d]", PackedQuality(item));
    }

    // An ability the candidate takes to 0 stays listed, so the loss shows.
    for (int32_t k = 0; k < AbilityParam::kCount; ++k) {
        const int32_t now = current.params.Ability(k), then = shown.params.Ability(k);
        if (now == 0 && then == 0) continue;
        rows.abilities.push_back(
            {AbilityCatalogue()[size_t(k)].name, Number("%d%%", then), colorOf(now, then), k});
    }

    for (int32_t id : current.skills) {
        const bool kept = !previewing || Contains(shown.skills, id);
        rows.skills.push_back(SkillRow(id, kept ? panelcolor::kEqual : panelcolor::kLost));
    }
    if (previewing) {
        for (int32_t id : shown.skills) {
            if (!Contains(current.skills, id)) rows.skills.push_back(SkillRow(id, panelcolor::kRaised));
        }
    }
    return rows;
}
