// The detail under the status sheet for the row the cursor is on.
#include "content/Abilities.h"
#include "content/ContentDatabase.h"
#include "flow/Palette.h"
#include "flow/panels/Panels.h"
#include "flow/panels/StatusRows.h"

namespace {

constexpr int32_t kAbilityWidth = 360;
constexpr int32_t kGlyph = 14;
constexpr int32_t kPitch = 17;

// Name and value, then the catalogue's description.
PanelDrawing AbilityDetail(const StatusRow& row, Point origin) {
    PanelDrawing d;
    const int32_t left = origin.x + 8, right = origin.x + kAbilityWidth - 8;
    const WString& description = AbilityCatalogue()[size_t(row.id)].description;
    const std::vector<WString> lines = WrapText(description, kGlyph, right - left);
    d.Panel({origin.x, origin.y, origin.x + kAbilityWidth, origin.y + 4 + 24 + int32_t(lines.size()) * kPitch + 4});
    const int32_t w = d.Text({right, origin.y + 5}, row.value, palette::kWhite, 16, 80, kAlignEnd);
    d.Text({left, origin.y + 4}, row.label, palette::kWhite, 18, right - left - w - 8);
    int32_t y = origin.y + 28;
    for (const WString& line : lines) {
        d.Text({left, y}, line, palette::kWhite, kGlyph, right - left);
        y += kPitch;
    }
    return d;
}

}  // namespace

PanelDrawing MakeStatusRowDetail(int32_t character, StatusCursor cursor, Point origin) {
    const StatusRows rows = MakeStatusRows(character, -1, 0);
    const auto pick = [&](const std::vector<StatusRow>& list) -> const StatusRow* {
        return cursor.row >= 0 && cursor.row < int32_t(list.size()) ? &list[size_t(cursor.row)] : nullptr;
    };
    switch (cursor.group) {
        case StatusGroup::kEquipment: {
            if (cursor.row < 0 || cursor.row >= CharacterData::kEquipmentSlots) return {};
            const PackedItem item = CharacterById(character).equipment[size_t(cursor.row)];
            if (PackedGoodsId(item) == 0) return {};
            return MakeEquipmentDetail(item, origin);
        }
        case StatusGroup::kAbilities: {
            const StatusRow* row = pick(rows.abilities);
            return row != nullptr ? AbilityDetail(*row, origin) : PanelDrawing{};
        }
        case StatusGroup::kSkills: {
            const StatusRow* row = pick(rows.skills);
            return row != nullptr ? MakeSkillDetail(SkillById(row->id), origin) : PanelDrawing{};
        }
        default: return {};
    }
}

void DrawStatusRowDetail(int32_t character, StatusCursor cursor, Point origin) {
    DrawPanels(MakeStatusRowDetail(character, cursor, origin));
}
